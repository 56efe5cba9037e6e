#pragma once
// The hidden rich-text holder on the simulated desktop: pastes what the
// clipboard offers and streams it out as Rich Text or plain text. Like the
// real control, it exists only once a paste or a clear has made it.
#include <functional>
#include <string>

#include "platform/rich_holder_port.hpp"

namespace sim {

class SimClipboard;

class SimHolder : public RichHolderPort {
public:
    explicit SimHolder(SimClipboard& clipboard) : clipboard_(clipboard) {}

    void paste() override;
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
    // Runs as the paste begins: what reaches the program while the control
    // fetches the clipboard's data (a message the fetch lets in, another
    // program's copy).
    std::function<void()> whilePasting;

private:
    SimClipboard& clipboard_;
    std::string text_, rtf_;
    bool plain_ = false;
    bool made_ = false;
};

}  // namespace sim
