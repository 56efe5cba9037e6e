// What the single-instance check reads from the real mutex calls: a name
// that nothing holds, our own mutex, a mutex that grants us nothing (as a
// copy with higher rights holds its mutex out of our reach), and a name
// taken by an object that is no mutex, which tells nothing of another copy.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"
#include "platform/win32/system/win32_program_entry.hpp"

TEST(Win32ProgramEntry, OnlyAMutexWeMayNotUseIsDeniedAnyOtherFailureFails) {
    using Mutex = ProgramEntryPort::Mutex;
    Win32ProgramEntry entry, other;
    EXPECT_EQ(entry.openInstanceMutex("OrvexLogTest-free"), Mutex::Absent);
    EXPECT_EQ(entry.createInstanceMutex("OrvexLogTest-free"), Mutex::Ours);
    EXPECT_EQ(other.openInstanceMutex("OrvexLogTest-free"), Mutex::Exists);
    EXPECT_EQ(other.createInstanceMutex("OrvexLogTest-free"), Mutex::Exists);

    // An empty access list grants no one anything.
    SECURITY_DESCRIPTOR descriptor{};
    ACL acl{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                InitializeAcl(&acl, sizeof acl, ACL_REVISION) &&
                SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    const UniqueKernelHandle guarded(CreateMutexA(&attributes, FALSE, "OrvexLogTest-guarded"));
    ASSERT_TRUE(guarded);
    EXPECT_EQ(other.openInstanceMutex("OrvexLogTest-guarded"), Mutex::Denied);
    EXPECT_EQ(other.createInstanceMutex("OrvexLogTest-guarded"), Mutex::Denied);

    const UniqueKernelHandle event(CreateEventA(nullptr, FALSE, FALSE, "OrvexLogTest-taken"));
    ASSERT_TRUE(event);
    EXPECT_EQ(other.openInstanceMutex("OrvexLogTest-taken"), Mutex::Failed);
    EXPECT_EQ(other.createInstanceMutex("OrvexLogTest-taken"), Mutex::Failed);
}
