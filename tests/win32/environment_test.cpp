// The ground every Win32 test stands on: the Japanese ANSI code page, and the
// program's CP932 texts surviving the ANSI API and the Rich Edit 1.0 control.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include "text/texts.hpp"

namespace {

struct LibraryOwner {
    HMODULE module;
    ~LibraryOwner() {
        if (module != nullptr) FreeLibrary(module);
    }
};

struct WindowOwner {
    HWND hwnd;
    ~WindowOwner() {
        if (hwnd != nullptr) DestroyWindow(hwnd);
    }
};

TEST(Win32Environment, AnsiCodePageIsJapanese) {
    // Under Wine this comes from LANG=ja_JP.UTF-8; without it every CP932
    // text would be read as Latin-1.
    EXPECT_EQ(GetACP(), 932u);
}

DWORD CALLBACK collect(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(bytes),
                                                   static_cast<std::size_t>(count));
    *done = count;
    return 0;
}

// The holder must give back as plain text exactly the CP932 bytes it was
// given: that is what a .txt log is.
TEST(Win32Environment, RichEditStreamsCp932TextUnchanged) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        LibraryOwner richEdit{LoadLibraryA("riched32.dll")};
        ASSERT_NE(richEdit.module, nullptr);
        WindowOwner holder{CreateWindowExA(0, "RICHEDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 25, 25, nullptr,
                                           nullptr, GetModuleHandleA(nullptr), nullptr)};
        ASSERT_NE(holder.hwnd, nullptr);

        const std::string text = std::string(txt::kProductName) + "\r\n" + txt::kNoSourceArea;
        ASSERT_TRUE(SetWindowTextA(holder.hwnd, text.c_str()));
        // Wine's rich edit answers WM_GETTEXTLENGTH in characters, even in
        // process; only the zero / non-zero distinction can be relied on.
        EXPECT_GT(SendMessageA(holder.hwnd, WM_GETTEXTLENGTH, 0, 0), 0);

        std::string streamed;
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&streamed), 0, collect};
        SendMessageA(holder.hwnd, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&es));
        EXPECT_EQ(es.dwError, 0u);
        EXPECT_EQ(streamed, text);
    }
    OleUninitialize();
}

}  // namespace
