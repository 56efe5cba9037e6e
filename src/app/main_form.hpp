#pragma once
// app/: the form put together, start-up, the program entry. Uses every folder of the core.
//
// The properties window's logic (TMainForm) as one object: the shared state
// and the handler groups, wired to the controls' events.
#include <cstdint>
#include <functional>

#include "capture/dialog_form.hpp"
#include "capture/file_naming.hpp"
#include "capture/save_command.hpp"
#include "form/form_context.hpp"
#include "hosts/host_launch.hpp"
#include "hosts/host_location.hpp"
#include "hosts/open_dialog.hpp"
#include "properties/links.hpp"
#include "properties/properties_commit.hpp"
#include "properties/properties_reactions.hpp"
#include "properties/properties_show.hpp"
#include "properties/save_folder_box.hpp"
#include "properties/settings_transfer.hpp"
#include "shell/closing.hpp"
#include "shell/tray_icon.hpp"
#include "shell/tray_menus.hpp"

class MainForm {
public:
    MainForm(const Platform& platform, NoticeWindowPort& noticeWindow);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    FormContext form;
    FileNaming naming{form};
    SettingsTransfer transfer{form};
    PropertiesReactions reactions{form};
    DialogForm dialog;
    SaveCommand save{form, naming, dialog};
    PropertiesCommit commit{form, transfer};
    SaveFolderBox saveFolder{form, transfer};
    Links links{form.platform.shell};
    OpenDialog openDialog{form.platform.openFileDialog};
    HostLocation hostLocation{form, openDialog};
    HostLaunch hostLaunch{form};
    TrayMenus menus{form, save};
    TrayIcon trayIcon{form, menus};
    Closing closing{form, trayIcon, save};

    // Every event enters here: an AppError that its handler does not catch
    // ends the handler and is shown by the general error display; the program
    // goes on. Asked for while a step of a save runs on this thread (filling
    // the holder, writing the file), the handler runs once the step is over.
    void dispatch(const std::function<void()>& handler);
    // For the events that decide for themselves what a running save means
    // for them (the tray, the timers, the end of the program).
    void dispatchNow(const std::function<void()>& handler);

    // Event entry points.
    void Save_MenuItemClick() {
        dispatchNow([this] { menus.requestSave(); });
    }
    void NoticeOKClick() {
        dispatch([this] { dialog.OKClick(); });
    }
    // The properties window is about to become visible.
    void FormShow() {
        dispatchNow([this] { showOnFirstPage(form.platform.propertiesView); });
    }
    void Mail_LabelClick() {
        dispatch([this] { links.Mail_LabelClick(); });
    }
    void HomePage_LabelClick() {
        dispatch([this] { links.HomePage_LabelClick(); });
    }

    // Start-up step, after the settings are loaded and the window placed:
    // starts the companion or the chat client when so configured.
    void LaunchHostProgram() { hostLaunch.LaunchHostProgram(); }

    // Start-up: the properties window's and the notice's creation handlers.
    void FormCreate();
    void DialogFormCreate() {
        dispatchNow([this] { dialog.FormCreate(); });
    }
    // Start-up is over; what the tray asked for meanwhile runs now.
    void StartupDone() {
        dispatchNow([this] { menus.startupDone(); });
    }
    // WM_USER from the tray icon, in either protocol of the shell.
    void TrayIconMessage(std::uintptr_t wParam, std::intptr_t lParam);
    // The shell's "TaskbarCreated" broadcast.
    void TaskbarCreated() {
        dispatchNow([this] { trayIcon.TaskbarCreated(); });
    }
    // The log window's answer to what a save sent it, from whichever loop
    // runs when it arrives: the save goes on.
    void HostAnswered(const HostAnswer& answer) {
        dispatchNow([this, answer] { save.HostAnswered(answer); });
    }
    // The message the gate posts: what waited for a save runs now.
    void RunDeferred() {
        dispatchNow([this] { form.gate.runDeferred(); });
    }
    // WM_TIMER of AutoSave_Timer (AutoSave_TimerTimer: the save, exactly as
    // the menu runs it) or of CloseTimer (CloseTimerTimer).
    void TimerTick(TimerId id);
    // Tray menu items, for a platform that reports them as commands.
    void AutoSave_MenuItemClick() {
        dispatch([this] { menus.AutoSave_MenuItemClick(); });
    }
    void Property_MenuItemClick() {
        dispatchNow([this] { menus.Property_MenuItemClick(); });
    }
    void Exit_MenuItemClick() {
        dispatchNow([this] { menus.Exit_MenuItemClick(); });
    }
    // The properties window is closing (WM_CLOSE to it or to the
    // application window): position stored, icon removed.
    void FormClose() {
        dispatchNow([this] { closing.FormClose(); });
    }

private:
    void wireControls();
};
