#pragma once
// ports/: what the core may ask of the desktop. Uses nothing but the ports.
//
// The set of ports through which the portable core reaches the desktop. The
// Win32 layer and the simulated desktop (src/platform) each provide one of
// these.
#include "ports/clipboard_port.hpp"
#include "ports/clock_port.hpp"
#include "ports/file_system_port.hpp"
#include "ports/folder_browser_port.hpp"
#include "ports/form_window_port.hpp"
#include "ports/host_windows_port.hpp"
#include "ports/message_box_port.hpp"
#include "ports/message_queue_port.hpp"
#include "ports/open_file_dialog_port.hpp"
#include "ports/profile_port.hpp"
#include "ports/properties_view_port.hpp"
#include "ports/rich_holder_port.hpp"
#include "ports/shell_port.hpp"
#include "ports/system_port.hpp"
#include "ports/text_measure_port.hpp"
#include "ports/timer_port.hpp"
#include "ports/tray_port.hpp"

struct Platform {
    HostWindowsPort& hostWindows;
    ClipboardPort& clipboard;
    RichHolderPort& holder;
    FileSystemPort& files;
    ProfilePort& profile;
    MessageBoxPort& messageBox;
    ClockPort& clock;
    TimerPort& timers;
    TextMeasurePort& textMeasure;
    SystemPort& system;
    ShellPort& shell;
    PropertiesViewPort& propertiesView;
    FolderBrowserPort& folderBrowser;
    OpenFileDialogPort& openFileDialog;
    TrayPort& tray;
    FormWindowPort& formWindow;
    MessageQueuePort& queue;
};
