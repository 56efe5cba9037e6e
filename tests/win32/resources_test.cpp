// OrvexLog.exe's resources as Windows reads them back: the Japanese product
// name in the version resource, the 16 x 16 icon and the "HAND" cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "resource_names.h"
#include "text/texts.hpp"

namespace {

// OrvexLog.exe is built beside the test program.
std::string programPath() {
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, n);
    return path.substr(0, path.find_last_of("\\/") + 1) + "OrvexLog.exe";
}

struct ModuleOwner {
    HMODULE module;
    ~ModuleOwner() {
        if (module != nullptr) FreeLibrary(module);
    }
};

struct IconOwner {
    HICON icon;
    ~IconOwner() {
        if (icon != nullptr) DestroyIcon(icon);
    }
};

struct CursorOwner {
    HCURSOR cursor;
    ~CursorOwner() {
        if (cursor != nullptr) DestroyCursor(cursor);
    }
};

std::string versionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT size = 0;
    const std::string key = std::string("\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &size) || size == 0) return {};
    return std::string(value, size - 1);  // size counts the terminating NUL
}

TEST(ProgramResources, VersionResourceCarriesTheJapaneseProductName) {
    const std::string path = programPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    // Read through the ANSI API the UTF-16 name comes back as CP932 bytes.
    EXPECT_EQ(versionString(info, "ProductName"), txt::kProductName);
    EXPECT_EQ(versionString(info, "ProductVersion"), "0.50");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(50, 0));
}

TEST(ProgramResources, IconAndHandCursorLoad) {
    ModuleOwner program{LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    ASSERT_NE(program.module, nullptr);

    IconOwner icon{static_cast<HICON>(LoadImageA(program.module, ORVEXLOG_ICON_NAME, IMAGE_ICON, 16, 16, 0))};
    ASSERT_NE(icon.icon, nullptr);

    CursorOwner hand{static_cast<HCURSOR>(LoadImageA(program.module, ORVEXLOG_HAND_CURSOR_NAME, IMAGE_CURSOR, 32, 32, 0))};
    ASSERT_NE(hand.cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand.cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    // Monochrome: no colour bitmap, the mask holds both halves.
    EXPECT_EQ(info.hbmColor, nullptr);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
}

}  // namespace
