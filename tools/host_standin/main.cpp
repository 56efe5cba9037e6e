// Host stand-in: plays the chat client's and the companion's log windows for
// the demo, the end-to-end tests and the benchmarks, or stands in for a host
// executable that OrvexLog launches. Usage: host_standin.exe --help.
#include <cstdio>
#include <fstream>
#include <string>

#include <windows.h>
#include <ole2.h>

#include "handles.hpp"
#include "platform/win32/handles/com_session.hpp"
#include "host_windows.hpp"
#include "launch_record.hpp"
#include "log_content.hpp"
#include "options.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "text/sjis.hpp"

using namespace standin;

namespace {

// Output goes to the standard streams when there are any (under Wine, or
// redirected), else to a message box.
void report(const std::string& text, bool isError) {
    HANDLE out = GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE &&
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        return;
    }
    MessageBoxA(nullptr, text.c_str(), "host_standin", isError ? MB_ICONERROR : MB_ICONINFORMATION);
}

std::string hex(const void* p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%lx", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(p)));
    return buf;
}

// Written to a temporary name and then renamed, so a reader never sees half.
bool writeReadyFile(const std::string& path, const HostWindows& windows) {
    std::string text = "pid=" + std::to_string(GetCurrentProcessId()) + "\r\n";
    for (const auto& c : windows.companions()) {
        const std::string key = "companion." + std::to_string(c.percent);
        text += key + ".window=" + hex(c.frame.get()) + "\r\n";
        text += key + ".title=" + companionTitle(c.percent) + "\r\n";
        text += key + ".text=" + hex(c.text) + "\r\n";
        text += key + ".length=" + std::to_string(textBytes(c.text)) + "\r\n";
    }
    for (const auto& c : windows.clients()) {
        text += "client.window=" + hex(c.frame.get()) + "\r\n";
        text += "client.edit=" + hex(c.edit) + "\r\n";
        text += "client.length=" + std::to_string(textBytes(c.edit)) + "\r\n";
    }
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) return false;
    }
    return MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

int run(HINSTANCE instance) {
    std::vector<std::string> args = splitCommandLine(GetCommandLineA());
    if (!args.empty()) args.erase(args.begin());  // the program's own name
    const ParseResult parsed = parseOptions(args);
    const Options& o = parsed.options;

    // A copy started as a host executable gets the host's own arguments:
    // they are recorded, not obeyed, unless they are ours.
    const std::string exe = modulePath();
    const bool understood = parsed.error.empty();
    if (runsAsCopy(exe) || (understood && o.record)) {
        std::string error;
        if (!recordLaunch(recordPath(understood ? o.recordFile : std::string(), exe), exe, error)) {
            report(error + "\n", true);
            return 1;
        }
        if (!understood || !o.windowsRequested) return 0;
    }
    if (!understood) {
        report(parsed.error + "\n\n" + usageText(), true);
        return 2;
    }
    if (o.help) {
        report(usageText(), false);
        return 0;
    }
    if (!o.dumpFile.empty()) {
        // The extension picks the control: .rtf dumps the companion's
        // content, anything else the chat client's.
        const std::string& path = o.dumpFile;
        const bool rtf = path.size() >= 4 && sjis::lowerAscii(path.substr(path.size() - 4)) == ".rtf";
        LogContent content;
        std::string error;
        if (!loadContent(rtf ? o.companionText : o.clientText, rtf, content, error)) {
            report(error + "\n", true);
            return 1;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content.bytes;
        out.close();
        if (!out) {
            report("cannot write " + path + "\n", true);
            return 1;
        }
        return 0;
    }

    // The rich edit's copy and paste go through OLE.
    OleSession ole;
    UniqueModule richEdit(LoadLibraryA("riched32.dll"));
    if (!richEdit) {
        report("cannot load riched32.dll\n", true);
        return 1;
    }

    std::string error;
    HostWindows windows(instance);
    LogContent companionContent, clientContent;
    bool ok = windows.registerClasses(error) && loadContent(o.companionText, true, companionContent, error) &&
              loadContent(o.clientText, false, clientContent, error);
    for (std::size_t i = 0; ok && i < o.companionPercents.size(); ++i) {
        ok = windows.addCompanion(o.companionPercents[i], companionContent, error);
    }
    if (ok && o.client) ok = windows.addClient(o.clientTitle, clientContent, error);
    if (!ok) {
        report(error + "\n", true);
        return 1;
    }
    setSlowCopy(o.slowCopySeconds, o.silentAfterCopySeconds, o.readyFile);
    if (o.handOverSeconds >= 0) setPromisedCopy(static_cast<unsigned long>(o.handOverSeconds));
    windows.showAll();
    if (!o.readyFile.empty() && !writeReadyFile(o.readyFile, windows)) {
        report("cannot write " + o.readyFile + "\n", true);
        return 1;
    }
    // A host loading a long log takes no messages meanwhile; after 5 s the
    // system counts it as hung.
    if (o.busySeconds > 0) Sleep(static_cast<DWORD>(o.busySeconds * 1000));

    // A safety net for tests: the stand-in ends by itself even if a test
    // never closes it.
    UINT_PTR timer = 0;
    if (o.timeoutSeconds > 0) {
        timer = SetTimer(nullptr, 0, static_cast<UINT>(o.timeoutSeconds * 1000), nullptr);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (timer != 0) KillTimer(nullptr, timer);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return run(instance); }
