#pragma once
// The hidden rich-text holder that receives the copied log and writes it out.
#include <string_view>

struct ClipboardCopy;

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False stops the stream: the data could not be written.
    virtual bool write(std::string_view bytes) = 0;
};

class RichHolderPort {
public:
    virtual ~RichHolderPort() = default;
    // Puts the host's copy into the empty holder as a paste of it would
    // (EM_STREAMIN of its form into the selection), from the data a worker
    // took: nothing here reads the clipboard or waits on another program.
    virtual void fill(const ClipboardCopy& copy) = 0;
    virtual void setPlainText(bool plain) = 0;     // the holder's plain-text switch
    // EM_STREAMOUT of the whole content, Rich Text Format or (plain-text switch
    // on) CP932 text. False when the stream reported an error.
    virtual bool streamOut(ByteSink& sink) = 0;
    // Empty the holder. The control is made by the first fill or clear;
    // before that there is nothing to stream out.
    virtual void clear() = 0;
    virtual bool empty() = 0;                      // holds no text
};
