#pragma once
// controls/: controls bound to the control model, the two labels. Uses window/, handles/, settings/.
//
// Two-way binding between the real controls of the properties window and the
// control model (form/controls.hpp).
//
// Real control -> model: the containers hand every notification of their
// children here (WM_COMMAND, WM_HSCROLL, WM_NOTIFY); each one becomes a call
// of the model object's setter or event, run through the dispatch function so
// that an error ends only that reaction and is shown. Model -> real control:
// each model object's onView copies its state (checked, enabled, visible,
// text, caption, position) to the control.
//
// The real check boxes are of the non-automatic kind: a click asks the model,
// and the model alone changes the check mark. Radio buttons are automatic
// (the dialog keys choose only those as they move between them); a click
// makes the model's button checked, which agrees with what the control did.
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "form/controls.hpp"

class ControlBinding {
public:
    using Handler = std::function<void()>;
    using Dispatch = std::function<void(const Handler&)>;

    explicit ControlBinding(Dispatch dispatch);
    // Unbinds the model objects (their onView is cleared), so the model may
    // outlive the windows.
    ~ControlBinding();
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    // Each bind copies the model's current state to the control at once.
    void bind(CheckBox& model, HWND control);
    void bind(RadioButton& model, HWND control);
    void bind(Edit& model, HWND control);
    void bind(TrackBar& model, HWND control);
    void bind(Button& model, HWND control);
    // A right-aligned label keeps its right edge when its caption resizes it.
    void bind(Label& model, HWND control, bool rightAligned = false);

    // Notifications of controls that have no model object.
    void onNotify(HWND control, std::function<void(UINT code)> handler);

    // Entry points for the containers; true when the notification was ours.
    bool routeCommand(HWND control, WORD code);
    bool routeScroll(HWND control);
    bool routeNotify(HWND control, UINT code);

    // Stops routing: the windows are going, and the notifications their
    // destruction raises (a focused edit losing the focus) must not reach the
    // model any more.
    void detach() { attached_ = false; }

private:
    struct Routes {
        std::function<void(WORD code)> command;
        Handler scroll;
        std::function<void(UINT code)> notify;
    };

    void run(const Handler& handler) { dispatch_(handler); }
    static bool exceedsLimit(const Edit& model, const std::string& typed);
    void refuseTyping(const Edit& model, HWND control);
    void track(Control& model) { bound_.push_back(&model); }

    Dispatch dispatch_;
    std::unordered_map<HWND, Routes> routes_;
    std::vector<Control*> bound_;
    // The edit whose text the model itself is writing: its EN_CHANGE is an
    // echo, not a user's edit.
    HWND echoing_ = nullptr;
    bool attached_ = true;
};

// Width and height of a control's caption in its own font, on one line.
SIZE captionExtent(HWND control);

// Sizes a label to its caption in its own font, as an auto-sized label of the
// toolkit does: the left edge stays, or the right edge for a right-aligned
// label.
void fitLabelToCaption(HWND label, bool rightAligned);
