#pragma once

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual LocalTime now() = 0;  // current local date and time
};
