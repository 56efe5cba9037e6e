#include "main/win32_desktop.hpp"

#include <commctrl.h>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/host/win32_clipboard.hpp"
#include "platform/win32/host/win32_host_windows.hpp"
#include "platform/win32/host/win32_rich_holder.hpp"
#include "platform/win32/notice/win32_notice_window.hpp"
#include "platform/win32/properties/properties_pages.hpp"
#include "platform/win32/properties/win32_form_window.hpp"
#include "platform/win32/properties/win32_properties_view.hpp"
#include "platform/win32/system/win32_file_system.hpp"
#include "platform/win32/system/win32_folder_browser.hpp"
#include "platform/win32/system/win32_open_file_dialog.hpp"
#include "platform/win32/system/win32_profile.hpp"
#include "platform/win32/system/win32_program_entry.hpp"
#include "platform/win32/system/win32_services.hpp"
#include "platform/win32/system/win32_text_measure.hpp"
#include "platform/win32/tray/application_window.hpp"
#include "platform/win32/tray/menu_ids.hpp"
#include "platform/win32/tray/win32_tray.hpp"
#include "platform/win32/window/gui_font.hpp"
#include "platform/win32/window/modal_loop.hpp"

struct Win32Desktop::Ports {
    Ports(HWND application, HWND properties, HFONT font, HICON icon, int dpi)
        : holder(properties),
          textMeasure(font),
          shell(ole),
          view(properties),
          folderBrowser(properties),
          openFileDialog(application),
          tray(properties, application, icon),
          formWindow(properties),
          notice(application, dpi) {
        boxes.setOwner(application);
        timers.setWindow(properties);
        queue.setTarget(properties, PropertiesWindow::kRunDeferred);
        hostWindows.setTarget(properties, PropertiesWindow::kHostAnswered);
        shell.setOwner(properties);
    }

    Platform platform() {
        return Platform{hostWindows, clipboard, holder, files,         profile,        boxes,
                        clock,       timers,    textMeasure, system,   shell,          view,
                        folderBrowser, openFileDialog, tray,     formWindow, queue};
    }

    OleOnDemand ole;  // ends after the dialogs and the shell that use it
    Win32HostWindows hostWindows;
    Win32Clipboard clipboard;
    Win32RichHolder holder;
    Win32FileSystem files;
    Win32Profile profile;
    Win32MessageBoxes boxes;
    Win32Clock clock;
    Win32Timers timers;
    Win32MessageQueue queue;
    Win32TextMeasure textMeasure;
    Win32System system;
    Win32Shell shell;
    Win32PropertiesView view;
    Win32FolderBrowser folderBrowser;
    Win32OpenFileDialog openFileDialog;
    Win32Tray tray;
    Win32FormWindow formWindow;
    Win32NoticeWindow notice;
};

Win32Desktop::Win32Desktop(Win32ProgramEntry& entry) : entry_(entry), application_(entry.application()) {
    const HWND application = entry.application()->window();
    const int dpi = screenDpi();
    // The window's own icon, also the tray icon's image: the shell shows it
    // at the system DPI.
    icon_.reset(loadSmallIcon(dpi));
    window_ = std::make_unique<PropertiesWindow>(application, icon_.get(), dpi);
    entry.setFormWindow(window_->window());
    ports_ = std::make_unique<Ports>(application, window_->window(), window_->font(), icon_.get(), dpi);
    main_ = std::make_unique<MainForm>(ports_->platform(), ports_->notice);
    main_->form.saveFolderWidth = saveFolderShownWidth(window_->font(), dpi);
    ports_->notice.attach(main_->dialog, [this] { main_->dialog.FormShow(); }, [this] { main_->NoticeOKClick(); });
    ports_->formWindow.onShow = [this] {
        window_->followMonitor();
        ensurePages();
        main_->FormShow();
    };
    wireMessages();
    entry.application()->onCloseRequest = [this] { ports_->formWindow.close(); };
    // The taskbar entry is there while the properties window or the notice
    // is: a notice shown alone waits for its OK and can fall behind the chat
    // window, so it too must be reachable from the taskbar and Alt+Tab.
    ports_->notice.onShownOrHidden = [this] { application_->updateTaskbarEntry(); };
    watchModals([this](bool opened) { application_->modalChanged(opened); });
}

Win32Desktop::~Win32Desktop() { watchModals(nullptr); }

void Win32Desktop::ensurePages() {
    if (pages_) return;
    using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    if (const auto init = commonControls_.function<InitControls>("InitCommonControlsEx")) init(&controls);
    // The save-folder page's folder browser needs OLE.
    ports_->ole.ensure();
    // Binding copies each control's state from the model, so the controls
    // show what start-up and any later reactions have set.
    pages_ = buildPropertiesPages(*window_, *main_);
}

HWND Win32Desktop::noticeWindow() { return ports_->notice.ensureControls() ? ports_->notice.window() : nullptr; }

void Win32Desktop::onDpiChanged() {
    ports_->textMeasure.setFont(window_->font());
    if (pages_) pages_->applyDpi(*window_);
    // The folder is shortened again for the box at the new DPI; that is no
    // edit. While the box has the focus it shows the full path, and leaving
    // it shortens the path to the new width.
    const int width = saveFolderShownWidth(window_->font(), window_->dpi());
    if (pages_ && pages_->saveFolderFocused()) main_->form.saveFolderWidth = width;
    else main_->saveFolder.setShownWidth(width);
}

void Win32Desktop::wireMessages() {
    PropertiesWindow::Events events;
    events.trayMessage = [this](WPARAM wParam, LPARAM lParam) { main_->TrayIconMessage(wParam, lParam); };
    events.timer = [this](UINT_PTR id) { main_->TimerTick(static_cast<TimerId>(id)); };
    events.command = [this](unsigned id) {
        switch (id) {
            case kCmdAutoSave: main_->AutoSave_MenuItemClick(); break;
            case kCmdSave: main_->Save_MenuItemClick(); break;
            case kCmdProperties: main_->Property_MenuItemClick(); break;
            case kCmdExit: main_->Exit_MenuItemClick(); break;
            default: break;
        }
    };
    events.closing = [this] {
        // A second request while the closing step still shows its error
        // waits for that to be answered.
        if (closing_) return;
        closing_ = true;
        main_->FormClose();
        entry_.endProcess();
    };
    events.taskbarCreated = [this] { main_->TaskbarCreated(); };
    events.shownOrHidden = [this] { application_->updateTaskbarEntry(); };
    events.dpiChanged = [this] { onDpiChanged(); };
    events.runDeferred = [this] { main_->RunDeferred(); };
    events.hostAnswered = [this](WPARAM id, LPARAM ran) {
        HostAnswer answer;
        if (ports_->hostWindows.takeAnswer(id, ran, answer)) main_->HostAnswered(answer);
    };
    window_->setEvents(std::move(events));
}
