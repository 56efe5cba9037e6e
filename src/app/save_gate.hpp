#pragma once
// The one place that knows a save is under way: from its first message to
// the log window until its file is written. While it waits on the host the
// program keeps taking messages, and any of them could open a loop of ours
// (a menu, a box, a dialog) that the save could not get past before the user
// answered it, while another program's clipboard or a changed setting reached
// what it writes. So what is asked for meanwhile waits here and runs after
// the save, one request at a time, through the program's own message queue.
// Only the tray's menu may open inside a wait, so that 終了 stays at hand.
#include <deque>
#include <functional>

class HostWindowsPort;
class MessageQueuePort;

class SaveGate {
public:
    using Handler = std::function<void()>;

    SaveGate(HostWindowsPort& hosts, MessageQueuePort& queue) : hosts_(hosts), queue_(queue) {}

    bool saving() const { return stage_ != Stage::Idle; }
    // A loop may open now: no save is under way, or it is waiting on its host
    // (not pasting or writing, where a menu would hold back its notice).
    bool menusMayOpen() const { return !saving() || waiting_; }

    // Runs the handler now, or once the running save is over.
    void runOrDefer(const Handler& handler);
    // A save asked for. A running save covers it if it came before the host
    // answered that save's copy; a later one runs once after it, however
    // often it is asked for.
    void requestSave(const Handler& save);
    // The close timer fired during a save: the program ends once the file is
    // written, before anything else waiting.
    void closeAfterSave(Handler close);
    // The message posted at the end of a save: the next waiting request.
    void runDeferred();

    // The save command's side. A Span covers a save from its first message
    // to the host until its file is written; leaving it posts what waited.
    class Span {
    public:
        explicit Span(SaveGate& gate);
        ~Span();
        Span(const Span&) = delete;
        Span& operator=(const Span&) = delete;

    private:
        SaveGate& gate_;
    };
    // One wait on the host, inside a Span.
    class Waiting {
    public:
        explicit Waiting(SaveGate& gate) : gate_(gate) { gate_.waiting_ = true; }
        ~Waiting() { gate_.waiting_ = false; }
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;

    private:
        SaveGate& gate_;
    };
    void copySent() { stage_ = Stage::Copying; }
    void copyAnswered() { stage_ = Stage::Copied; }
    // Runs a close that came during the save, right after its file.
    void closeIfDue();

private:
    enum class Stage { Idle, BeforeCopy, Copying, Copied };

    bool hostAnsweredCopy() const;

    HostWindowsPort& hosts_;
    MessageQueuePort& queue_;
    Stage stage_ = Stage::Idle;
    bool waiting_ = false;
    std::deque<Handler> deferred_;
    bool saveDeferred_ = false;
    Handler close_;
};
