#pragma once
#include <map>
#include <string>

#include "ports/clipboard_port.hpp"
#include "ports/win_constants.hpp"

namespace sim {

class SimClipboard : public ClipboardPort {
public:
    // A copy by the program `owner` (0: a program that is not a host's).
    void set(const std::string& text, const std::string& rtf, win::Handle owner = 0) {
        text_ = text;
        rtf_ = rtf;
        holds_ = true;
        owner_ = owner;
        if (!rtf.empty()) textOfRtf_[rtf] = text;
        changed();
    }
    win::Handle owner() const { return owner_; }
    // EmptyClipboard by a worker that has it open, only while the number is
    // still `sequence`.
    void emptyIfStill(std::uint32_t sequence) {
        ++emptyCalls;
        if (sequence != sequence_) return;
        text_.clear();
        rtf_.clear();
        holds_ = false;
        owner_ = 0;
        changed();
    }
    std::uint32_t sequenceNumber() override { return sequence_; }
    bool holdsData() const { return holds_; }
    const std::string& text() const { return text_; }
    const std::string& rtf() const { return rtf_; }
    // The text a Rich Text copy was made from, as a holder shows it.
    std::string textOf(const std::string& rtf) const {
        const auto it = textOfRtf_.find(rtf);
        return it == textOfRtf_.end() ? std::string() : it->second;
    }

    // Another program holds the clipboard open at `time` on the simulated
    // clock: for good (heldByOtherProgram), or for watcherHoldMs after each
    // change, as a clipboard manager that reads every new copy does.
    bool heldAt(unsigned long long time) const { return heldByOtherProgram || time < heldUntil_; }
    bool heldByOtherProgram = false;
    unsigned long watcherHoldMs = 0;
    const unsigned long long* clockNow = nullptr;  // the simulated clock
    int emptyCalls = 0;

private:
    void changed() {
        ++sequence_;
        if (watcherHoldMs > 0 && clockNow) heldUntil_ = *clockNow + watcherHoldMs;
    }

    std::string text_, rtf_;
    bool holds_ = false;
    win::Handle owner_ = 0;
    std::uint32_t sequence_ = 1;
    unsigned long long heldUntil_ = 0;
    std::map<std::string, std::string> textOfRtf_;
};

}  // namespace sim
