// The log name builder on any prefix, identifier, date and folder: the name
// starts with the prefix, ends with the identifier, its closing separator and
// ".rtf" or ".txt", and a date in range gives fixed-width digits; joining a
// folder adds one "\" exactly when the folder does not already end with the
// whole character "\".
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "capture/log_name_pattern.hpp"
#include "fuzz_check.hpp"
#include "text/sjis.hpp"

namespace {

using fuzz::check;

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool allDigits(std::string_view s) {
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

LocalTime date(FuzzedDataProvider& in) {
    LocalTime t;
    if (in.ConsumeBool()) {
        t.year = in.ConsumeIntegralInRange(1601, 9999);
        t.month = in.ConsumeIntegralInRange(1, 12);
        t.day = in.ConsumeIntegralInRange(1, 31);
        t.hour = in.ConsumeIntegralInRange(0, 23);
        t.minute = in.ConsumeIntegralInRange(0, 59);
    } else {
        t.year = in.ConsumeIntegral<int>();
        t.month = in.ConsumeIntegral<int>();
        t.day = in.ConsumeIntegral<int>();
        t.hour = in.ConsumeIntegral<int>();
        t.minute = in.ConsumeIntegral<int>();
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    LogNamePattern p;
    p.year = in.ConsumeBool();
    p.twoDigitYear = in.ConsumeBool();
    p.month = in.ConsumeBool();
    p.day = in.ConsumeBool();
    p.separators = in.ConsumeBool();
    p.underscore = in.ConsumeBool();
    p.parentheses = in.ConsumeBool();
    p.richText = in.ConsumeBool();
    const LocalTime when = date(in);
    const bool timeId = in.ConsumeBool();
    p.prefix = in.ConsumeRandomLengthString(64);
    const std::string identifier = timeId ? timeIdentifier(when) : in.ConsumeRandomLengthString(16);
    const std::string folder = in.ConsumeRemainingBytesAsString();

    const std::string name = composeLogName(p, when, identifier);
    const std::string_view ext = p.richText ? ".rtf" : ".txt";
    std::string close;
    if (p.separators && !p.underscore && p.parentheses) close = ")";
    check(name.compare(0, p.prefix.size(), p.prefix) == 0, "the name does not start with the prefix", p.prefix, name);
    check(endsWith(name, identifier + close + std::string(ext)), "the name does not end with identifier and extension",
          identifier, name);

    // A date in range: four or two digits of year, two of month and day,
    // and an hhnn time identifier of four digits.
    const bool inRange = when.year >= 1601 && when.year <= 9999 && when.month >= 1 && when.month <= 12 &&
                         when.day >= 1 && when.day <= 31 && when.hour >= 0 && when.hour <= 23 &&
                         when.minute >= 0 && when.minute <= 59;
    if (inRange) {
        const std::size_t dateSize = (p.year ? (p.twoDigitYear ? 2u : 4u) : 0u) + (p.month ? 2u : 0u) + (p.day ? 2u : 0u);
        const std::size_t open = p.separators ? 1u : 0u;  // "_", "(" or " "
        check(name.size() == p.prefix.size() + dateSize + open + identifier.size() + close.size() + ext.size(),
              "the name has the wrong length", name);
        check(allDigits(std::string_view(name).substr(p.prefix.size(), dateSize)), "the date is not all digits", name);
        if (timeId) check(identifier.size() == 4 && allDigits(identifier), "the time identifier is not hhnn", identifier);
    }

    // Joining never doubles a whole-character "\" and never drops one.
    const std::string joined = joinFolder(folder, name);
    if (folder.empty()) {
        check(joined == name, "an empty folder changed the name", name, joined);
    } else if (sjis::endsWithChar(folder, '\\')) {
        check(joined == folder + name, "a second \\ after a folder that ends with one", folder, joined);
    } else {
        check(joined == folder + "\\" + name, "no \\ between the folder and the name", folder, joined);
    }
    return 0;
}
