#pragma once
// The ProfilePort that the conformance suite checks, with a fresh folder for
// each test: natively the portable one on the simulated desktop, under Wine
// the system functions. Paths are Windows paths in both builds.
#include <memory>
#include <string>

#include "ports/profile_port.hpp"

class ProfileUnderTest {
public:
    virtual ~ProfileUnderTest() = default;
    virtual ProfilePort& profile() = 0;
    // An empty folder of its own, without a trailing "\"; removed afterwards.
    virtual std::string folder() = 0;
    // Where a bare file name ("x.ini") goes.
    virtual std::string windowsDirectory() = 0;
    virtual void makeFolder(const std::string& path) = 0;
    virtual void writeBytes(const std::string& path, const std::string& bytes) = 0;
    virtual std::string readBytes(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual void removeFile(const std::string& path) = 0;
};

std::unique_ptr<ProfileUnderTest> makeProfileUnderTest();
