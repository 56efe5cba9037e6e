#pragma once
// The program's own message queue: a request that had to wait comes back as
// a message, taken by whichever loop runs next.

class MessageQueuePort {
public:
    virtual ~MessageQueuePort() = default;
    // Posts the message that hands the program what waited (MainForm's
    // RunDeferred). The next loop that takes messages delivers it: the main
    // loop, a box's, a menu's or the notice's.
    virtual void postRunDeferred() = 0;
};
