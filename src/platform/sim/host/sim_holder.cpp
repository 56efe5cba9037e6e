#include "platform/sim/host/sim_holder.hpp"

#include "platform/sim/host/sim_clipboard.hpp"

namespace sim {

void SimHolder::fill(const ClipboardCopy& copy) {
    made_ = true;
    ++fills;
    if (whileFilling) whileFilling();
    if (copy.form == ClipboardCopy::Form::RichText) {
        rtf_ = copy.bytes;
        text_ += clipboard_.textOf(copy.bytes);
    } else {
        text_ += copy.bytes;
    }
}

bool SimHolder::streamOut(ByteSink& sink) {
    if (!made_) return false;
    std::string out;
    if (plain_) {
        out = text_;
    } else if (!rtf_.empty()) {
        out = rtf_;
    } else {
        // Unformatted text takes the holder's default character format.
        out = R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 MS PGothic;}}\f0\fs18 )";
        for (char ch : text_) {
            if (ch == '\\' || ch == '{' || ch == '}') out += '\\';
            out += ch;
        }
        out += "}";
    }
    for (std::size_t at = 0; at < out.size(); at += chunkSize) {
        if (!sink.write(std::string_view(out).substr(at, chunkSize))) return false;
    }
    return true;
}

}  // namespace sim
