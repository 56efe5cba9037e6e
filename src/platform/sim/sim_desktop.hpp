#pragma once
// The whole simulated desktop: every port of the core, in memory except the
// files, which are real files under a temporary folder.
#include "ports/platform.hpp"
#include "platform/sim/host/sim_clipboard.hpp"
#include "platform/sim/system/sim_file_system.hpp"
#include "platform/sim/system/sim_folder_browser.hpp"
#include "platform/sim/properties/sim_form_window.hpp"
#include "platform/sim/host/sim_holder.hpp"
#include "platform/sim/window/sim_journal.hpp"
#include "platform/sim/system/sim_message_queue.hpp"
#include "platform/sim/host/sim_host_windows.hpp"
#include "platform/sim/notice/sim_notice_window.hpp"
#include "platform/sim/system/sim_open_file_dialog.hpp"
#include "platform/sim/system/sim_profile.hpp"
#include "platform/sim/system/sim_program_entry.hpp"
#include "platform/sim/properties/sim_properties_view.hpp"
#include "platform/sim/system/sim_services.hpp"
#include "platform/sim/tray/sim_tray.hpp"

namespace sim {

struct SimDesktop {
    SimClipboard clipboard;
    SimHostWindows windows{clipboard};
    SimHolder holder{clipboard};
    SimFileSystem files;
    SimSystem system;
    SimProfile profile{system.windowsDir};
    SimMessageBoxes boxes;
    SimClock clock;
    SimTimers timers;
    SimTextMeasure measure;
    SimShell shell;
    SimNoticeWindow notice;
    SimPropertiesView view;
    SimFolderBrowser folderBrowser;
    SimOpenFileDialog openDialog;
    Journal journal;
    SimTray tray{journal};
    SimFormWindow formWindow{journal, view.visible};
    SimProgramEntry entry{journal};
    SimMessageQueue queue;

    SimDesktop() {
        // Once the properties window is closed the program is over: open
        // boxes, menus and the message loop deliver nothing more.
        const auto ended = [this] { return formWindow.closed; };
        boxes.programEnded = ended;
        notice.programEnded = ended;
        tray.programEnded = ended;
        entry.programEnded = ended;
        openDialog.programEnded = ended;
        windows.clock = &timers;
        clipboard.clockNow = &timers.now;
        windows.programEnded = ended;
        queue.programEnded = ended;
        queue.takeArrived = [this] { timers.advance(0); };
        // Every loop takes what is posted before its scripted events.
        const auto pump = [this] { queue.pump(); };
        boxes.takePosted = pump;
        notice.takePosted = pump;
        tray.takePosted = pump;
        entry.takePosted = pump;
        openDialog.takePosted = pump;
        folderBrowser.takePosted = pump;
    }
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    // The message loop, idle: what is posted, then whatever arrives next
    // (a host's answer, a tick on the way to it), until nothing more is due
    // to arrive or the program has ended.
    void run() {
        for (;;) {
            queue.pump();
            if (formWindow.closed || !timers.eventsPending()) return;
            timers.advance(timers.nextEventAt() - timers.now);
        }
    }

    Platform platform() {
        return Platform{windows, clipboard, holder, files, profile, boxes,         clock,      timers,
                        measure, system,    shell,  view,  folderBrowser, openDialog, tray, formWindow, queue};
    }
};

}  // namespace sim
