#pragma once
// A simulated desktop with a MainForm on it and real files under a fresh
// temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/main_form.hpp"
#include "platform/sim/sim_desktop.hpp"
#include "platform/sim/system/sim_paths.hpp"

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orvexlog-test-XXXXXX";
        root_ = mkdtemp(tmpl);
        sim::setFileRoot(root_);
        makeFolder("C:\\Tools");
        makeFolder("C:\\WINDOWS");
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::remove_all(root_);
    }

    // The form is created on first use so a test can prepare files first.
    MainForm& form() {
        if (!form_) {
            form_ = std::make_unique<MainForm>(d.platform(), d.notice);
            d.notice.onShow = [this] { form_->dialog.FormShow(); };
            d.notice.onOk = [this] { form_->NoticeOKClick(); };
            d.queue.onRunDeferred = [this] { form_->RunDeferred(); };
            d.windows.onAnswer = [this](const HostAnswer& a) { form_->HostAnswered(a); };
        }
        return *form_;
    }

    // A message the program handles; unless it comes from inside another's
    // handling (a box's or a menu's scripted events), the message loop then
    // runs until nothing more arrives, as it would on the desktop.
    template <class Handle>
    void message(Handle&& handle) {
        ++depth_;
        handle();
        --depth_;
        if (depth_ == 0) run();
    }
    void run() {
        ++depth_;
        d.run();
        --depth_;
    }
    void save() {
        message([this] { form().Save_MenuItemClick(); });
    }

    static std::string host(const std::string& windowsPath) { return sim::hostPath(windowsPath); }
    static void makeFolder(const std::string& windowsPath) { std::filesystem::create_directories(host(windowsPath)); }
    static bool exists(const std::string& windowsPath) { return std::filesystem::exists(host(windowsPath)); }
    static void writeFile(const std::string& windowsPath, const std::string& bytes) {
        std::ofstream(host(windowsPath), std::ios::binary) << bytes;
    }
    static std::string readFile(const std::string& windowsPath) {
        std::ifstream in(host(windowsPath), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The settings file beside the simulated executable.
    static void writeSettings(const std::string& text) { writeFile("C:\\Tools\\OrvexLog.ini", text); }
    static std::string settingsText() { return readFile("C:\\Tools\\OrvexLog.ini"); }

    // Files of a folder, by name.
    static std::vector<std::string> listFolder(const std::string& windowsPath) {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(host(windowsPath)))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    sim::SimDesktop d;
    std::string root_;
    std::unique_ptr<MainForm> form_;
    int depth_ = 0;  // messages being handled
};
