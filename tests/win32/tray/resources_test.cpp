// OrvexLog.exe's resources as Windows reads them back: the Japanese product
// name in the version resource, the program file's icon at every size, the
// windows' 16 x 16 icon and the "HAND" cursor.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "platform/win32/tray/application_window.hpp"
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

    IconOwner icon{static_cast<HICON>(LoadImageA(program.module, ORVEXLOG_WINDOW_ICON_NAME, IMAGE_ICON, 16, 16, 0))};
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

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

const GroupIconHeader* iconGroup(HMODULE module, const char* name) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    return found != nullptr ? static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found))) : nullptr;
}

BOOL CALLBACK firstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    auto* first = reinterpret_cast<std::string*>(param);
    *first = IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
    return FALSE;
}

// An icon's colour image as 32-bit pixels, when it is `size` pixels square.
std::vector<DWORD> pixelsOf(HICON icon, int size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    std::vector<DWORD> pixels;
    BITMAP bitmap{};
    if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) && bitmap.bmWidth == size &&
        bitmap.bmHeight == size) {
        BITMAPINFO request{};
        request.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels.resize(static_cast<std::size_t>(size * size));
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &request, DIB_RGB_COLORS) != size) pixels.clear();
        ReleaseDC(nullptr, screen);
    }
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    return pixels;
}

// Alpha values of an icon's colour image, as drawn for `size` pixels.
std::vector<BYTE> alphaOf(HICON icon, int size) {
    std::vector<BYTE> alpha;
    for (DWORD p : pixelsOf(icon, size)) alpha.push_back(static_cast<BYTE>(p >> 24));
    return alpha;
}

// Explorer, the taskbar entry and Alt+Tab take the program file's icon: one
// design at each size they ask for, 32-bit with soft edges, so none of them
// blows up the 16 x 16 picture. It must be the file's first icon.
TEST(ProgramResources, ProgramIconCarriesEverySizeIn32BitWithAlpha) {
    ModuleOwner program{LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    ASSERT_NE(program.module, nullptr);
    std::string first;
    EnumResourceNamesA(program.module, MAKEINTRESOURCEA(14), firstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, ORVEXLOG_ICON_NAME);

    const GroupIconHeader* group = iconGroup(program.module, ORVEXLOG_ICON_NAME);
    ASSERT_NE(group, nullptr);
    std::set<int> sizes;
    for (WORD i = 0; i < group->count; ++i) {
        const GroupIconEntry& entry = group->entries[i];
        const int size = entry.width == 0 ? 256 : entry.width;
        sizes.insert(size);
        EXPECT_EQ(entry.bitCount, 32) << size;
        if (size == 256) {
            // Stored as PNG, which keeps the program file small.
            HRSRC image = FindResourceA(program.module, MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));  // RT_ICON
            ASSERT_NE(image, nullptr);
            const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program.module, image)));
            ASSERT_NE(bytes, nullptr);
            EXPECT_EQ(std::memcmp(bytes, "\x89PNG", 4), 0);
        }
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));

    for (int size : {16, 24, 32, 48, 256}) {
        IconOwner icon{static_cast<HICON>(LoadImageA(program.module, ORVEXLOG_ICON_NAME, IMAGE_ICON, size, size, 0))};
        ASSERT_NE(icon.icon, nullptr) << size;
        const std::vector<BYTE> alpha = alphaOf(icon.icon, size);
        ASSERT_EQ(alpha.size(), static_cast<std::size_t>(size * size)) << size;
        EXPECT_EQ(alpha.front(), 0) << size << ": the corner is transparent";
        EXPECT_EQ(alpha[static_cast<std::size_t>(size * size / 2 + size / 4)], 255) << size << ": the page is opaque";
    }
}

// The taskbar entry and Alt+Tab show the program file's icon at the size the
// system asks for, not the 16 x 16 window icon blown up. (This test program
// carries the same icon resource.)
TEST(ProgramResources, TaskbarEntryShowsTheProgramIconAtTheSystemSize) {
    ApplicationWindow application;
    const int size = GetSystemMetrics(SM_CXICON);
    const auto big = reinterpret_cast<HICON>(SendMessageA(application.window(), WM_GETICON, ICON_BIG, 0));
    ASSERT_NE(big, nullptr);
    const std::vector<BYTE> alpha = alphaOf(big, size);
    ASSERT_EQ(alpha.size(), static_cast<std::size_t>(size * size));
    EXPECT_EQ(alpha.front(), 0);
    EXPECT_EQ(alpha[static_cast<std::size_t>(size * size / 2 + size / 4)], 255);
}

// The windows and the tray keep the 16 x 16, 16-colour design.
TEST(ProgramResources, WindowIconStaysSixteenColours) {
    ModuleOwner program{LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    ASSERT_NE(program.module, nullptr);
    const GroupIconHeader* group = iconGroup(program.module, ORVEXLOG_WINDOW_ICON_NAME);
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 16);
    EXPECT_EQ(group->entries[0].height, 16);
    EXPECT_EQ(group->entries[0].colours, 16);
}

// The windows' and the tray's small icon: at 96 DPI the 16 x 16, 16-colour
// image as ever; at other DPIs the program icon's design (soft edges) at the
// size the system asks for there. (This test program carries both icons.)
TEST(ProgramResources, SmallIconIsTheWindowIconAt96DpiAndTheDesignAtOtherSizes) {
    for (const auto& [dpi, size] : {std::pair{96, 16}, std::pair{120, 20}, std::pair{144, 24}, std::pair{192, 32}}) {
        IconOwner icon{loadSmallIcon(dpi)};
        ASSERT_NE(icon.icon, nullptr) << dpi;
        const std::vector<DWORD> pixels = pixelsOf(icon.icon, size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size)) << dpi;
        if (dpi == 96) {
            IconOwner window{static_cast<HICON>(
                LoadImageA(GetModuleHandleA(nullptr), ORVEXLOG_WINDOW_ICON_NAME, IMAGE_ICON, 16, 16, 0))};
            EXPECT_EQ(pixels, pixelsOf(window.icon, 16));
        } else {
            const std::vector<BYTE> alpha = alphaOf(icon.icon, size);
            EXPECT_EQ(alpha.front(), 0) << dpi;
            EXPECT_EQ(alpha[static_cast<std::size_t>(size * size / 2 + size / 4)], 255) << dpi;
        }
    }
}

}  // namespace
