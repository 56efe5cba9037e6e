#pragma once
// The set of ports through which the portable core reaches the desktop. The
// Win32 layer and the simulated desktop each provide one of these.
#include "platform/clipboard_port.hpp"
#include "platform/clock_port.hpp"
#include "platform/file_system_port.hpp"
#include "platform/folder_browser_port.hpp"
#include "platform/form_window_port.hpp"
#include "platform/host_windows_port.hpp"
#include "platform/message_box_port.hpp"
#include "platform/message_queue_port.hpp"
#include "platform/open_file_dialog_port.hpp"
#include "platform/profile_port.hpp"
#include "platform/properties_view_port.hpp"
#include "platform/rich_holder_port.hpp"
#include "platform/shell_port.hpp"
#include "platform/system_port.hpp"
#include "platform/text_measure_port.hpp"
#include "platform/timer_port.hpp"
#include "platform/tray_port.hpp"

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
