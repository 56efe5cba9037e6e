#include "app/program_entry.hpp"

#include "app/main_form.hpp"
#include "text/texts.hpp"

int runProgram(ProgramEntryPort& entry, const std::function<MainForm&()>& createMainForm) {
    entry.registerHandCursor();
    // A second copy ends silently; the running one is not disturbed. A copy
    // that created the mutex between our open and our create counts as well,
    // and so does a mutex we may not touch (a copy started with higher
    // rights) or cannot make: running without the guard could mean two
    // copies saving into the same files.
    using Mutex = ProgramEntryPort::Mutex;
    if (entry.openInstanceMutex(kInstanceMutexName) != Mutex::Absent) return 0;
    if (entry.createInstanceMutex(kInstanceMutexName) != Mutex::Ours) return 0;
    // A shortcut's "minimised" or "maximised" must not stick to the window
    // that the tray shows later.
    entry.hideStartupShowState();
    entry.initializeApplication(txt::kAppTitle);

    MainForm& main = createMainForm();
    main.FormCreate();
    if (!main.form.closing) {
        main.DialogFormCreate();
        // Nothing above shows the properties window, so the program starts
        // with only its tray icon on screen.
        entry.copyFormStyleToApplication();
        main.StartupDone();
        entry.runMessageLoop();
    }

    entry.releaseInstanceMutex();
    main.form.SaveFolderPath.clear();
    return 0;
}
