#pragma once
// The hidden rich-text holder that receives the copied log and writes it out.
#include <string_view>

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False stops the stream: the data could not be written.
    virtual bool write(std::string_view bytes) = 0;
};

class RichHolderPort {
public:
    virtual ~RichHolderPort() = default;
    virtual void paste() = 0;                      // WM_PASTE
    virtual void setPlainText(bool plain) = 0;     // the holder's plain-text switch
    // EM_STREAMOUT of the whole content, Rich Text Format or (plain-text switch
    // on) CP932 text. False when the stream reported an error.
    virtual bool streamOut(ByteSink& sink) = 0;
    // Empty the holder. The control is made by the first paste or clear;
    // before that there is nothing to stream out.
    virtual void clear() = 0;
    virtual bool empty() = 0;                      // holds no text
};
