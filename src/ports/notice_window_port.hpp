#pragma once
// The saved-log notice's window: modal showing and its geometry. Its labels
// are Label objects of DialogForm, bound through their onView.

class NoticeWindowPort {
public:
    virtual ~NoticeWindowPort() = default;
    // Shows the notice modally and returns once it has been closed. Returns
    // false at once, showing nothing, when the notice is already on screen.
    // FormShow of DialogForm runs before it appears.
    virtual bool showModal() = 0;
    // Ends the modal show (after the running handler returns).
    virtual void close() = 0;
    virtual int left() = 0;
    virtual int top() = 0;
    virtual void setPosition(int left, int top) = 0;
    virtual int outerWidth() = 0;
    virtual int outerHeight() = 0;
    virtual int clientWidth() = 0;
};
