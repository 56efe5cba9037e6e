#pragma once
#include <string>

#include "platform/clipboard_port.hpp"
#include "platform/win_constants.hpp"

namespace sim {

class SimClipboard : public ClipboardPort {
public:
    // A copy by the program `owner` (0: a program that is not a host's).
    void set(const std::string& text, const std::string& rtf, win::Handle owner = 0) {
        text_ = text;
        rtf_ = rtf;
        holds_ = true;
        owner_ = owner;
        ++sequence_;
    }
    win::Handle owner() const { return owner_; }
    void emptyIfStill(std::uint32_t sequence) override {
        ++emptyCalls;
        if (heldByOtherProgram) return;  // OpenClipboard fails; nothing happens
        if (sequence != sequence_) return;
        text_.clear();
        rtf_.clear();
        holds_ = false;
        owner_ = 0;
        ++sequence_;
    }
    std::uint32_t sequenceNumber() override { return sequence_; }
    bool holdsData() const { return holds_; }
    const std::string& text() const { return text_; }
    const std::string& rtf() const { return rtf_; }

    bool heldByOtherProgram = false;
    int emptyCalls = 0;

private:
    std::string text_, rtf_;
    bool holds_ = false;
    win::Handle owner_ = 0;
    std::uint32_t sequence_ = 1;
};

}  // namespace sim
