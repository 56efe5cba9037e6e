#pragma once
// The two link labels of the version page. The shell opens them; what it
// makes of them is not looked at.

class ShellPort;

class Links {
public:
    explicit Links(ShellPort& shell) : shell_(shell) {}

    // "mailto:" + the maker's address.
    void Mail_LabelClick();
    // The home-page address itself: a "url:" prefix has no handler on
    // current Windows, so such a click would open nothing.
    void HomePage_LabelClick();

private:
    ShellPort& shell_;
};
