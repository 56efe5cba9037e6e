#pragma once
// The hidden rich-text holder on the simulated desktop: takes the copy that
// the worker took off the clipboard and streams it out as Rich Text or plain
// text. Like the real control, it exists only once a fill or a clear has
// made it.
#include <functional>
#include <string>

#include "ports/rich_holder_port.hpp"

namespace sim {

class SimClipboard;

class SimHolder : public RichHolderPort {
public:
    explicit SimHolder(SimClipboard& clipboard) : clipboard_(clipboard) {}

    void fill(const ClipboardCopy& copy) override;
    void setPlainText(bool plain) override { plain_ = plain; }
    bool streamOut(ByteSink& sink) override;
    void clear() override {
        made_ = true;
        text_.clear();
        rtf_.clear();
    }
    bool empty() override { return text_.empty(); }

    bool plainText() const { return plain_; }
    const std::string& text() const { return text_; }

    // Chunk size of the stream, like the control's stream-out callbacks.
    std::size_t chunkSize = 4096;
    // Runs as the fill begins: what reaches the program while this step of
    // the save runs (another program's copy, a message that comes in).
    std::function<void()> whileFilling;
    int fills = 0;

private:
    SimClipboard& clipboard_;
    std::string text_, rtf_;
    bool plain_ = false;
    bool made_ = false;
};

}  // namespace sim
