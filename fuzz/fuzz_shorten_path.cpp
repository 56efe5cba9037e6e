// ShortenPathForWidth on any path and any width measure: it measures at most
// once per pass plus once more, needs at most n + 3 passes for a folder part
// with n folders, keeps the name part whole at the end of the result, returns
// a fitting path unchanged and stops at the first text that fits.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.hpp"
#include "settings/folder_paths.hpp"
#include "text/sjis.hpp"

namespace {

using fuzz::check;

// Folders in the folder part that the loop works on: one per whole-character
// "\" or ":" after the drive (each ends a folder), less the root's own "\".
std::size_t folderCount(std::string_view path) {
    std::string_view dir = sjis::folderPart(path);
    const std::size_t second = sjis::advanceChars(dir, 1);
    if (sjis::charCount(dir) >= 2 && dir[second] == ':') dir.remove_prefix(second + 1);
    std::size_t n = 0;
    for (std::size_t i = 0; i < dir.size(); i += sjis::charLength(dir, i)) {
        if (sjis::charLength(dir, i) == 1 && (dir[i] == '\\' || dir[i] == ':')) ++n;
    }
    if (!dir.empty() && dir[0] == '\\' && n > 0) --n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // Width of a text: the sum of a per-byte weight picked by the byte's low
    // bits, so it need not grow with the length; the limit may be anything.
    int weights[4];
    for (int& w : weights) w = in.ConsumeIntegralInRange<int>(-2, 9);
    const int limit = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-5, 400) : in.ConsumeIntegral<int>();
    const std::string path = in.ConsumeRemainingBytesAsString();

    auto width = [&weights](std::string_view text) {
        long long sum = 0;
        for (const char c : text) sum += weights[static_cast<unsigned char>(c) & 3];
        return static_cast<int>(sum);
    };

    const std::size_t n = folderCount(path);
    std::size_t calls = 0;
    std::string lastMeasured;
    const TextWidthMeasure measure = [&](std::string_view text) {
        ++calls;
        // Far past the bound: fail now rather than loop on.
        check(calls <= n + 5, "ShortenPathForWidth keeps measuring", path, text);
        lastMeasured = text;
        return width(text);
    };
    const std::string result = ShortenPathForWidth(path, measure, limit);

    // Each pass is preceded by one measure; a loop that stopped because the
    // text fits measured once more.
    const bool fits = width(result) <= limit;
    const std::size_t passes = fits && calls > 0 ? calls - 1 : calls;
    check(calls >= 1 || sjis::folderPart(path).empty(), "the path was never measured", path);
    check(passes <= n + 3, "more than n + 3 passes", path, result);

    const std::string_view name = sjis::namePart(path);
    check(result.size() >= name.size() && std::string_view(result).substr(result.size() - name.size()) == name,
          "the result does not end with the whole name part", path, result);
    if (sjis::folderPart(path).empty()) check(result == path, "a path without a folder changed", path, result);
    if (width(path) <= limit) check(result == path, "a path that fits changed", path, result);
    check(fits || result == name, "stopped before the text fits with folders left to cut", path, result);
    if (calls > 0 && width(lastMeasured) <= limit) {
        check(lastMeasured == result, "the returned text is not the first one that fit", path, result);
    }
    return 0;
}
