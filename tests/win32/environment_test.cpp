// The ground every Win32 test stands on: the Japanese ANSI code page, and the
// program's CP932 texts surviving the ANSI API and the Rich Edit 1.0 control.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "text/texts.hpp"

namespace {

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
        const UniqueModule richEdit(LoadLibraryA("riched32.dll"));
        ASSERT_TRUE(richEdit);
        const UniqueHwnd holder(CreateWindowExA(0, "RICHEDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 25, 25, nullptr,
                                                nullptr, GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(holder);

        const std::string text = std::string(txt::kProductName) + "\r\n" + txt::kNoSourceArea;
        ASSERT_TRUE(SetWindowTextA(holder.get(), text.c_str()));
        // Wine's rich edit answers WM_GETTEXTLENGTH in characters, even in
        // process; only the zero / non-zero distinction can be relied on.
        EXPECT_GT(SendMessageA(holder.get(), WM_GETTEXTLENGTH, 0, 0), 0);

        std::string streamed;
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&streamed), 0, collect};
        SendMessageA(holder.get(), EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&es));
        EXPECT_EQ(es.dwError, 0u);
        EXPECT_EQ(streamed, text);
    }
    OleUninitialize();
}

}  // namespace
