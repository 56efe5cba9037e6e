// ShellExecuteA runs with COM in a single-threaded apartment on the calling
// thread, as shell extensions need.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include "platform/win32/handles/com_session.hpp"
#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/system/win32_services.hpp"

// On a thread of its own, which no other test has given COM; S_FALSE: the
// apartment was there already.
static DWORD WINAPI launchThenAskForTheApartment(LPVOID result) {
    OleOnDemand ole;
    Win32Shell(ole).shellExecute("OPEN", "cmd.exe", "/c exit", "", SW_HIDE);
    const HRESULT again = *static_cast<HRESULT*>(result) = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(again)) CoUninitialize();
    return 0;
}

TEST(Win32Shell, ShellExecuteRunsWithCom) {
    HRESULT again = E_FAIL;
    const UniqueKernelHandle thread(CreateThread(nullptr, 0, launchThenAskForTheApartment, &again, 0, nullptr));
    ASSERT_EQ(WaitForSingleObject(thread.get(), 60000), WAIT_OBJECT_0);
    EXPECT_EQ(again, S_FALSE);
}
