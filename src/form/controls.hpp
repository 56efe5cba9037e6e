#pragma once
// The properties window's controls as small objects with the toolkit's rules:
// a change made by the program raises the same click or change reaction as a
// user's, a radio button raises its click only when it becomes checked, and
// checking a radio button unchecks the others of its group (its parent). The
// Win32 window binds real controls to these objects in both directions through
// `onView`, so every reaction is testable without a window.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        notifyView();
    }
    bool visible() const { return visible_; }
    void setVisible(bool on) {
        if (on == visible_) return;
        visible_ = on;
        notifyView();
    }

    // Called after any change of state so that a bound real control follows.
    std::function<void()> onView;

protected:
    void notifyView() {
        if (onView) onView();
    }

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, bool checked) : Control(std::move(name)), checked_(checked), initial_(checked) {}
    bool checked() const { return checked_; }
    // The designed state, what a setting never written stands for.
    bool initiallyChecked() const { return initial_; }
    // Raises onClick when the state actually changes, whoever changes it.
    void setChecked(bool on) {
        if (on == checked_) return;
        checked_ = on;
        notifyView();
        if (onClick) onClick();
    }
    std::function<void()> onClick;

private:
    bool checked_;
    bool initial_;
};

class RadioButton;

// The radio buttons that share one parent.
class RadioGroup {
public:
    void add(RadioButton& button) { members_.push_back(&button); }
    const std::vector<RadioButton*>& members() const { return members_; }

private:
    std::vector<RadioButton*> members_;
};

class RadioButton : public Control {
public:
    RadioButton(std::string name, RadioGroup& group, bool checked)
        : Control(std::move(name)), group_(group), checked_(checked), initial_(checked) {
        group_.add(*this);
    }
    bool checked() const { return checked_; }
    bool initiallyChecked() const { return initial_; }
    // Checking unchecks the rest of the group, then raises onClick; becoming
    // unchecked raises nothing.
    void setChecked(bool on);
    std::function<void()> onClick;

private:
    RadioGroup& group_;
    bool checked_;
    bool initial_;
};

inline void RadioButton::setChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    notifyView();
    if (!on) return;
    for (RadioButton* other : group_.members()) {
        if (other != this && other->checked_) {
            other->checked_ = false;
            other->notifyView();
        }
    }
    if (onClick) onClick();
}

class Edit : public Control {
public:
    Edit(std::string name, std::string text, std::size_t maxLength = 0)
        : Control(std::move(name)), text_(text), initial_(std::move(text)), maxLength_(maxLength) {}
    const std::string& text() const { return text_; }
    const std::string& initialText() const { return initial_; }
    // Raises onChange when the text actually changes.
    void setText(const std::string& text) {
        if (text == text_) return;
        text_ = text;
        notifyView();
        if (onChange) onChange();
    }
    // Bytes the user may type; 0 means no limit. The program's own setText is
    // not limited (a stored prefix loads unchanged).
    std::size_t maxLength() const { return maxLength_; }
    std::function<void()> onChange;
    std::function<void()> onEnter;  // focus gained
    std::function<void()> onExit;   // focus lost

private:
    std::string text_;
    std::string initial_;
    std::size_t maxLength_;
};

class TrackBar : public Control {
public:
    TrackBar(std::string name, int minimum, int maximum, int position)
        : Control(std::move(name)), min_(minimum), max_(maximum), position_(position) {}
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int position() const { return position_; }
    // Clamps to the range; raises onChange when the position changes.
    void setPosition(int position) {
        position = std::clamp(position, min_, max_);
        if (position == position_) return;
        position_ = position;
        notifyView();
        if (onChange) onChange();
    }
    std::function<void()> onChange;

private:
    int min_, max_, position_;
};

class Button : public Control {
public:
    Button(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void click() {
        if (enabled() && onClick) onClick();
    }
    std::function<void()> onClick;

private:
    std::string caption_;
};

class Label : public Control {
public:
    Label(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption) {
        if (caption == caption_) return;
        caption_ = caption;
        notifyView();
    }

private:
    std::string caption_;
};
