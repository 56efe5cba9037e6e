#pragma once
// The one place that knows a save is under way: from its first message to
// the log window until its file is written. The save never waits on this
// thread: each answer of the host comes back as a message, taken by
// whichever loop runs (the main loop, a menu, a box, the notice), so what
// the user asks for meanwhile runs at once. Only what must come after the
// file waits here: a save asked for once the host has answered the copy,
// and the close timer's close. While a step of the save runs on this
// thread's stack, anything that could open a loop waits for the step's end.
// A notice or box of the save waits while a tray menu is open.
#include <deque>
#include <functional>

class MessageQueuePort;

class SaveGate {
public:
    using Handler = std::function<void()>;

    explicit SaveGate(MessageQueuePort& queue) : queue_(queue) {}

    bool saving() const { return stage_ != Stage::Idle; }
    // A step of the save is running on this thread's stack.
    bool busy() const { return busy_; }

    // Runs the handler now, or once the running step is over.
    void runOrDefer(const Handler& handler);
    // A save asked for. A running save covers it if it came before the host
    // answered that save's copy; a later one runs once after it, however
    // often it is asked for. `then`, when given, runs once the save that
    // covers the request has ended and what it showed (the notice, a box)
    // has been answered; asked for again, it runs once.
    void requestSave(const Handler& save, const Handler& then = nullptr);
    // The close timer fired during a save: the program ends once the file is
    // written, before anything else waiting.
    void closeAfterSave(Handler close);
    // What a save shows when it ends: now, or once the open tray menu has
    // closed.
    void afterMenus(const Handler& report);
    // The message posted when something waiting may run: the next one.
    void runDeferred();

    // The save command's side.
    void begin() { stage_ = Stage::BeforeCopy; }
    void copySent() { stage_ = Stage::Copying; }
    void copyAnswered() { stage_ = Stage::Copied; }
    // The file is written, or the save gave up: what waited may run. What
    // waits for that save's notice or box to be answered is handed over.
    Handler end();
    // Runs a close that came during the save, right after its file.
    void closeIfDue();
    // One step of the save on this thread: from a host's answer until the
    // next message to the host, or the end.
    class Step {
    public:
        explicit Step(SaveGate& gate);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        SaveGate& gate_;
    };

    // A tray menu's loop: the save's notice and boxes wait for its end.
    class MenuOpen {
    public:
        explicit MenuOpen(SaveGate& gate) : gate_(gate) { ++gate_.menusOpen_; }
        ~MenuOpen();
        MenuOpen(const MenuOpen&) = delete;
        MenuOpen& operator=(const MenuOpen&) = delete;

    private:
        SaveGate& gate_;
    };

private:
    enum class Stage { Idle, BeforeCopy, Copying, Copied };
    struct Waiting {
        Handler handler;
        enum class Until { StepEnds, SaveEnds, MenusClose } until;
    };

    bool mayRun(const Waiting& w) const;
    void postIfAnyMayRun();

    MessageQueuePort& queue_;
    Stage stage_ = Stage::Idle;
    bool busy_ = false;
    int menusOpen_ = 0;
    std::deque<Waiting> waiting_;
    bool saveWaiting_ = false;
    Handler afterShown_;      // for the save under way
    Handler afterNextShown_;  // for the save waiting to run
    bool posted_ = false;  // a RunDeferred message is on its way
    Handler close_;
};
