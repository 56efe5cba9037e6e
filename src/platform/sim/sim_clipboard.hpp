#pragma once
#include <string>

#include "platform/clipboard_port.hpp"

namespace sim {

class SimClipboard : public ClipboardPort {
public:
    void set(const std::string& text, const std::string& rtf) {
        text_ = text;
        rtf_ = rtf;
        holds_ = true;
        ++sequence_;
    }
    void emptyIfStill(std::uint32_t sequence) override {
        ++emptyCalls;
        if (heldByOtherProgram) return;  // OpenClipboard fails; nothing happens
        if (sequence != sequence_) return;
        text_.clear();
        rtf_.clear();
        holds_ = false;
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
    std::uint32_t sequence_ = 1;
};

}  // namespace sim
