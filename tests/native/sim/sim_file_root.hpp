#pragma once
// A fresh host folder for the simulated desktop's files, one per test, removed
// afterwards. Helpers set up and inspect files by their Windows paths.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/sim/system/sim_paths.hpp"

class SimFileRoot {
public:
    SimFileRoot() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvexlog-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        sim::setFileRoot(root_);
    }
    ~SimFileRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    SimFileRoot(const SimFileRoot&) = delete;
    SimFileRoot& operator=(const SimFileRoot&) = delete;

    static void makeFolder(const std::string& windowsPath) {
        std::filesystem::create_directories(sim::hostPath(windowsPath));
    }
    static void makeFile(const std::string& windowsPath, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(sim::hostPath(windowsPath)).parent_path());
        std::ofstream(sim::hostPath(windowsPath), std::ios::binary) << bytes;
    }
    static bool isFolder(const std::string& windowsPath) {
        return std::filesystem::is_directory(sim::hostPath(windowsPath));
    }
    static bool isFile(const std::string& windowsPath) {
        return std::filesystem::is_regular_file(sim::hostPath(windowsPath));
    }
    static std::string read(const std::string& windowsPath) {
        std::ifstream in(sim::hostPath(windowsPath), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string root_;
};
