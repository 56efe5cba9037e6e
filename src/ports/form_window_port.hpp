#pragma once
// The properties window's own window (MainForm) as the tray sees it: showing,
// closing and its outer rectangle. Hiding belongs to PropertiesViewPort.

class FormWindowPort {
public:
    virtual ~FormWindowPort() = default;
    virtual bool visible() = 0;
    // Makes the window visible and brings it to the front. When it was hidden,
    // MainForm's FormShow runs before it appears; when it was visible already,
    // it only comes to the front.
    virtual void show() = 0;
    // A close request, as WM_CLOSE: the platform runs MainForm's closing step
    // (FormClose) and then ends the program at once, from inside whatever
    // loop is running (a menu, a box, a dialog); the call need not return.
    virtual void close() = 0;
    // Outer top-left corner in screen pixels; never clamped to the screen.
    virtual int top() = 0;
    virtual int left() = 0;
    virtual void setTop(int top) = 0;
    virtual void setLeft(int left) = 0;
    // Outer size, frame included.
    virtual int outerWidth() = 0;
    virtual int outerHeight() = 0;
};
