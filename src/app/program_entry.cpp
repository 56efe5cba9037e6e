#include "app/program_entry.hpp"

#include "app/main_form.hpp"
#include "text/texts.hpp"

int runProgram(ProgramEntryPort& entry, const std::function<MainForm&()>& createMainForm) {
    entry.registerHandCursor();
    // A second copy ends silently; the running one is not disturbed. A copy
    // that created the mutex between our open and our create counts as well,
    // and so does a mutex we may not touch (a copy started with higher
    // rights). Any other failure (the name taken by an object of another
    // kind, no resources) says nothing of another copy: the program runs on
    // without the guard rather than never starting, and without a word.
    using Mutex = ProgramEntryPort::Mutex;
    const auto anotherCopy = [](Mutex m) { return m == Mutex::Exists || m == Mutex::Denied; };
    if (anotherCopy(entry.openInstanceMutex(kInstanceMutexName))) return 0;
    if (anotherCopy(entry.createInstanceMutex(kInstanceMutexName))) return 0;
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
