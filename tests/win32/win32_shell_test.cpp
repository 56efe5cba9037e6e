// The shell launch on the real shell32: the calling thread has COM in a
// single-threaded apartment when ShellExecuteA runs, as shell extensions need.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include "platform/win32/com_session.hpp"
#include "platform/win32/unique_handle.hpp"
#include "platform/win32/win32_services.hpp"

namespace {

// On a thread of its own, which no other test has given COM.
DWORD WINAPI launchThenAskForTheApartment(LPVOID result) {
    OleOnDemand ole;
    Win32Shell shell(ole);
    shell.shellExecute("OPEN", "cmd.exe", "/c exit", "", SW_HIDE);
    // S_FALSE: an apartment of this kind was there already.
    const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(again)) CoUninitialize();
    *static_cast<HRESULT*>(result) = again;
    return 0;
}

}  // namespace

TEST(Win32Shell, ShellExecuteRunsWithCom) {
    HRESULT again = E_FAIL;
    const UniqueKernelHandle thread(CreateThread(nullptr, 0, launchThenAskForTheApartment, &again, 0, nullptr));
    ASSERT_NE(thread.get(), nullptr);
    ASSERT_EQ(WaitForSingleObject(thread.get(), 60000), WAIT_OBJECT_0);
    EXPECT_EQ(again, S_FALSE);
}
