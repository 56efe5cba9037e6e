#pragma once
// The end of the program: the closing step of the properties window, the
// close timer that triggers it, and the end of a Windows session.

class SaveCommand;
class TrayIcon;
struct FormContext;

class Closing {
public:
    Closing(FormContext& form, TrayIcon& icon, SaveCommand& save) : form_(form), icon_(icon), save_(save) {}

    // Runs whenever the properties window closes, shown or not: stores its
    // position ("MainTop", then "MainLeft") once start-up has placed it, and
    // removes the tray icon. Marks the program as closing; a save still
    // waiting on its host ends with it, the host's selection put back.
    void FormClose();
    // Ten seconds under the unanswered message that no log window exists:
    // the properties window closes, which ends the program.
    void CloseTimerTimer();

private:
    FormContext& form_;
    TrayIcon& icon_;
    SaveCommand& save_;
};

// WM_ENDSESSION at the application window, with its "session ends" flag: true
// when the process must end at once, without the closing step (the position
// is not stored and the icon is left to the shell).
constexpr bool endsProgramAtOnce(bool sessionEnds) { return sessionEnds; }
