#pragma once
// Everything the program builds on Windows, in creation order: the
// properties window and its font, the Win32 ports, the notice and the
// properties window's logic (MainForm), wired to the window's messages.
// The properties window's controls are built when it is first shown: most
// runs never show it, and building them would delay the tray icon.
#include <memory>

#include "app/main_form.hpp"
#include "platform/win32/handles/on_demand_library.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/properties/properties_window.hpp"

class ApplicationWindow;
class PropertiesPages;
class Win32ProgramEntry;

class Win32Desktop {
public:
    explicit Win32Desktop(Win32ProgramEntry& entry);
    ~Win32Desktop();
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    MainForm& mainForm() { return *main_; }
    PropertiesWindow& propertiesWindow() { return *window_; }
    HWND noticeWindow();  // with its controls, made on first use
    // Builds the properties window's controls, if not yet built.
    void ensurePages();

private:
    struct Ports;
    void wireMessages();
    // The properties window took a new DPI and font.
    void onDpiChanged();

    Win32ProgramEntry& entry_;
    ApplicationWindow* application_;
    UniqueIcon icon_;
    // Loaded with the pages, whose tab and trackbar classes it registers;
    // freed after the window that holds them.
    OnDemandLibrary commonControls_{"comctl32.dll"};
    std::unique_ptr<PropertiesWindow> window_;
    std::unique_ptr<Ports> ports_;
    std::unique_ptr<MainForm> main_;
    // Unbinds the controls of main_ when it goes, so it goes first.
    std::unique_ptr<PropertiesPages> pages_;
    bool closing_ = false;
};
