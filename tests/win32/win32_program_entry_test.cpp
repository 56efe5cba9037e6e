// What the single-instance check reads from the real mutex calls: a name
// that nothing holds, our own mutex, and a name taken by an object that is
// no mutex, which can be neither opened nor created as one (as a copy with
// higher rights holds its mutex out of our reach).
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/unique_handle.hpp"
#include "platform/win32/win32_program_entry.hpp"

TEST(Win32ProgramEntry, AMutexThatCannotBeOpenedOrMadeIsUnusable) {
    using Mutex = ProgramEntryPort::Mutex;
    Win32ProgramEntry entry, other;
    EXPECT_EQ(entry.openInstanceMutex("OrvexLogTest-free"), Mutex::Absent);
    EXPECT_EQ(entry.createInstanceMutex("OrvexLogTest-free"), Mutex::Ours);
    EXPECT_EQ(other.openInstanceMutex("OrvexLogTest-free"), Mutex::Exists);
    EXPECT_EQ(other.createInstanceMutex("OrvexLogTest-free"), Mutex::Exists);

    const UniqueKernelHandle event(CreateEventA(nullptr, FALSE, FALSE, "OrvexLogTest-taken"));
    ASSERT_TRUE(event);
    EXPECT_EQ(other.openInstanceMutex("OrvexLogTest-taken"), Mutex::Unusable);
    EXPECT_EQ(other.createInstanceMutex("OrvexLogTest-taken"), Mutex::Unusable);
}
