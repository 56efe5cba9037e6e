#pragma once
// The stand-in's own Japanese test data: a short chat log and the font names
// it is shown in. CP932 byte strings (sample_text.cpp is compiled with the
// CP932 execution character set).
#include <cstddef>
#include <cstdint>

namespace standin {

struct SampleLine {
    const char* time;     // "hh:mm"
    const char* speaker;
    const char* message;
    std::uint32_t colour; // 0x00RRGGBB of the speaker's name
};

extern const SampleLine kSampleLines[];
extern const std::size_t kSampleLineCount;

// Face name of the logs' font (a Japanese fixed-pitch Gothic).
extern const char* const kLogFontFace;

}  // namespace standin
