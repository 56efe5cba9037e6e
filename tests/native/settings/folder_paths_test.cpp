#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "errors/app_error.hpp"
#include "native/sim/sim_file_root.hpp"
#include "platform/sim/system/sim_file_system.hpp"
#include "ports/text_measure_port.hpp"
#include "settings/folder_paths.hpp"
#include "shared/sjis_samples.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

namespace {

// One pixel per byte; remembers every text it was asked to measure.
struct RecordingMeasure {
    std::vector<std::string> texts;
    int operator()(std::string_view text) {
        texts.emplace_back(text);
        return static_cast<int>(text.size());
    }
};

// Passes through to the simulated files, recording the folders it is asked to
// create and refusing the ones listed.
class RecordingFileSystem : public sim::SimFileSystem {
public:
    std::vector<std::string> created;
    std::set<std::string> refused;
    bool createDirectory(const std::string& path) override {
        created.push_back(path);
        return !refused.count(path) && SimFileSystem::createDirectory(path);
    }
};

// Every text that the loop measures, then the result, for a limit nothing meets.
std::vector<std::string> allSteps(const std::string& path) {
    RecordingMeasure measure;
    const std::string result = ShortenPathForWidth(path, std::ref(measure), -1);
    measure.texts.push_back(result);
    return measure.texts;
}

const std::string kProgramFolder = "C:\\Tools";

void expectCannotCreate(FileSystemPort& files, const std::string& path) {
    try {
        CreateFolderChain(files, path, kProgramFolder);
        ADD_FAILURE() << "no error for " << path;
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), txt::kCannotCreateDirectory);
    }
}

}  // namespace

TEST(ShortenPathForWidth, CutsOneFolderPerPassThenTheDriveDownToTheName) {
    const std::vector<std::string> steps = {
        "C:\\Data\\Chat\\Saved\\Logs", "C:\\...\\Chat\\Saved\\Logs", "C:\\...\\Saved\\Logs",
        "C:\\...\\Logs",                "...\\Logs",                  "Logs"};
    EXPECT_EQ(allSteps(steps.front()), steps);
    // The first text within the limit is returned; exactly at the limit fits.
    RecordingMeasure measure;
    for (const std::string& step : steps) {
        const int width = static_cast<int>(step.size());
        EXPECT_EQ(ShortenPathForWidth(steps.front(), std::ref(measure), width), step);
        if (step != steps.back()) {
            EXPECT_NE(ShortenPathForWidth(steps.front(), std::ref(measure), width - 1), step);
        }
    }
    EXPECT_EQ(ShortenPathForWidth(steps.front(), std::ref(measure), 1000), steps.front());
}

TEST(ShortenPathForWidth, RootFolderNetworkPathAndDoubleByteFolder) {
    EXPECT_EQ(allSteps("C:\\Logs"), (std::vector<std::string>{"C:\\Logs", "C:Logs", "Logs"}));
    EXPECT_EQ(allSteps("\\\\server\\share\\logs"),
              (std::vector<std::string>{"\\\\server\\share\\logs", "\\...\\server\\share\\logs",
                                        "\\...\\share\\logs", "\\...\\logs", "...\\logs", "logs"}));
    // 表 is one folder; its 5C byte is not a separator.
    EXPECT_EQ(allSteps("C:\\" + kHyo + "\\Logs"),
              (std::vector<std::string>{"C:\\" + kHyo + "\\Logs", "C:\\...\\Logs", "...\\Logs", "Logs"}));
    EXPECT_EQ(allSteps("C:\\Logs\\" + kHyo),
              (std::vector<std::string>{"C:\\Logs\\" + kHyo, "C:\\...\\" + kHyo, "...\\" + kHyo, kHyo}));
}

TEST(ShortenPathForWidth, NamesWithoutFolderAreNeverCut) {
    RecordingMeasure measure;
    for (const std::string& name : {std::string("Logs"), std::string(), "Logs" + kHyo}) {
        EXPECT_EQ(ShortenPathForWidth(name, std::ref(measure), -100), name);
    }
}

TEST(ShortenPathForWidth, MeasuresThroughTheTextMeasurePort) {
    // 6 px per character, as a proportional font would give for these letters.
    struct CharMeasure : TextMeasurePort {
        int width(std::string_view text) override { return 6 * static_cast<int>(sjis::charCount(text)); }
    } font;
    const std::string path = "D:\\" + kHyo + kHyo + kHyo + kHyo + "\\Logs";  // 12 characters
    EXPECT_EQ(ShortenPathForWidth(path, font, 72), path);
    EXPECT_EQ(ShortenPathForWidth(path, font, 71), "D:\\...\\Logs");
}

TEST(CutFirstFolder, KeepsTheRootAndDropsTheEarlierMarker) {
    EXPECT_EQ(CutFirstFolder("\\"), "");
    EXPECT_EQ(CutFirstFolder("Data\\Chat\\"), "...\\Chat\\");
    EXPECT_EQ(CutFirstFolder("...\\Chat\\"), "...\\");
    EXPECT_EQ(CutFirstFolder("...\\"), "");
    EXPECT_EQ(CutFirstFolder("\\Data\\"), "\\...\\");
    EXPECT_EQ(CutFirstFolder("x:"), "");
    // A folder name starting with "." loses four bytes like the marker does:
    // ".a\" takes the next folder's first byte along with it.
    EXPECT_EQ(CutFirstFolder("\\.config\\Chat\\"), "\\...\\Chat\\");
    EXPECT_EQ(CutFirstFolder("\\.a\\Chat\\Saved\\"), "\\...\\Saved\\");
}

TEST(ShortenPathForWidth, EndsWithinFolderCountPlusThreePassesAndAlwaysEnds) {
    struct Case {
        std::string path;
        int folders;
    };
    for (const Case& c : {Case{"C:\\Data\\Chat\\Saved\\Logs", 3}, Case{"C:\\Logs", 0}, Case{"\\\\server\\share\\logs", 3},
                          Case{"C:Data\\Logs", 1}, Case{"Data\\Logs", 1}, Case{"\\Logs", 0},
                          Case{"C:\\a\\b\\c\\d\\e\\f\\g\\h\\Logs", 8}}) {
        const auto steps = allSteps(c.path);
        EXPECT_LE(static_cast<int>(steps.size()) - 1, c.folders + 3) << c.path;
        EXPECT_EQ(steps.back(), sjis::namePart(c.path)) << c.path;
    }
    // Odd mixtures of separators, dots, colons and double-byte folders.
    const std::vector<std::string> pieces = {"\\", ".", "...", ":", "a", kHyo, "C:"};
    std::vector<std::string> paths = {""};
    for (int length = 0; length < 5; ++length) {
        const std::vector<std::string> shorter = paths;
        for (const std::string& p : shorter)
            for (const std::string& piece : pieces) paths.push_back(p + piece);
    }
    for (const std::string& path : paths) {
        int passes = 0;
        const std::string result = ShortenPathForWidth(
            path,
            [&](std::string_view) {
                ++passes;
                return passes > 2 * static_cast<int>(path.size()) + 4 ? 0 : 1;
            },
            0);
        ASSERT_LE(passes, 2 * static_cast<int>(path.size()) + 4) << path;
        EXPECT_EQ(result, sjis::namePart(path)) << path;
    }
}

TEST(FolderFromProgramFolder, RelativeFoldersLieInTheProgramFolderAndAbsoluteOnesStayAsTheyAre) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "C:\\Tools"},
        {"Logs", "C:\\Tools\\Logs"},
        {"\\Logs", "C:\\Logs"},
        {"c:Logs", "C:\\Tools\\Logs"},
        {"D:Logs", "D:\\Logs"},
        {"d:/Logs/", "d:/Logs/"},
        {"\\\\server\\share\\logs", "\\\\server\\share\\logs"},
    };
    for (const auto& [folder, place] : cases)
        EXPECT_EQ(FolderFromProgramFolder(folder, "C:\\Tools"), place) << folder;
    EXPECT_EQ(FolderFromProgramFolder("Logs", "C:\\"), "C:\\Logs");
    EXPECT_EQ(FolderFromProgramFolder("\\Logs", "\\\\srv\\share\\Tools"), "\\\\srv\\share\\Logs");
}

TEST(FolderExists, OnlyForExistingFoldersAndDriveRoots) {
    SimFileRoot root;
    sim::SimFileSystem files;
    root.makeFolder("D:\\Logs\\" + kHyo);
    root.makeFile("D:\\Logs\\a.rtf", "x");
    EXPECT_TRUE(FolderExists(files, "D:\\Logs"));
    EXPECT_TRUE(FolderExists(files, "D:\\Logs\\"));
    EXPECT_TRUE(FolderExists(files, "D:\\Logs\\" + kHyo));
    EXPECT_TRUE(FolderExists(files, "D:\\"));
    EXPECT_FALSE(FolderExists(files, "Q:\\"));
    EXPECT_FALSE(FolderExists(files, "D:\\Logs\\a.rtf"));
    EXPECT_FALSE(FolderExists(files, "D:\\Missing"));
    EXPECT_FALSE(FolderExists(files, ""));
}

TEST(CreateFolderChain, CreatesMissingParentsOutermostFirst) {
    SimFileRoot root;
    root.makeFolder("D:\\");
    RecordingFileSystem files;
    CreateFolderChain(files, "D:\\Logs\\2024\\", kProgramFolder);
    EXPECT_EQ(files.created, (std::vector<std::string>{"D:\\Logs", "D:\\Logs\\2024"}));
    EXPECT_TRUE(root.isFolder("D:\\Logs\\2024"));

    files.created.clear();
    CreateFolderChain(files, "D:\\Logs\\" + kHyo + "\\" + kHyo, kProgramFolder);
    EXPECT_EQ(files.created, (std::vector<std::string>{"D:\\Logs\\" + kHyo, "D:\\Logs\\" + kHyo + "\\" + kHyo}));
    EXPECT_TRUE(root.isFolder("D:\\Logs\\" + kHyo + "\\" + kHyo));
}

TEST(CreateFolderChain, DoesNothingForExistingFoldersAndDrives) {
    SimFileRoot root;
    root.makeFolder("D:\\Logs");
    root.makeFolder("cwd");  // so that a wrong creation of a relative name would succeed
    RecordingFileSystem files;
    for (const char* path : {"D:\\Logs", "D:\\Logs\\", "D:\\", "D:", "D", "\\", "Q:"}) {
        EXPECT_NO_THROW(CreateFolderChain(files, path, kProgramFolder)) << path;
    }
    EXPECT_TRUE(files.created.empty());
}

TEST(CreateFolderChain, FailsWithoutCreatingForEmptyAndRelativePathsWhoseFirstFolderIsMissing) {
    SimFileRoot root;
    root.makeFolder("Logs");  // the current folder's does not count
    root.makeFolder(kProgramFolder);
    RecordingFileSystem files;
    for (const char* path : {"", "Logs", "Logs\\2024", "Logs\\2024\\"}) expectCannotCreate(files, path);
    EXPECT_TRUE(files.created.empty());
}

TEST(CreateFolderChain, CreatesARelativePathInTheProgramFolderFromWhereItsChainStops) {
    SimFileRoot root;
    root.makeFolder(kProgramFolder + "\\Logs");
    root.makeFolder("D:\\");
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Logs\\New\\2024", {"C:\\Tools\\Logs\\New", "C:\\Tools\\Logs\\New\\2024"}},
        {"\\Saved\\2024", {"C:\\Saved", "C:\\Saved\\2024"}},
        {"D:Logs\\2024", {"D:\\Logs", "D:\\Logs\\2024"}},
        {"c:Kept", {"C:\\Tools\\Kept"}},
        {"..\\Beside", {"C:\\Tools\\..\\Beside"}},
    };
    for (const auto& [path, created] : cases) {
        RecordingFileSystem files;
        CreateFolderChain(files, path, kProgramFolder);
        EXPECT_EQ(files.created, created) << path;
        EXPECT_TRUE(root.isFolder(created.back())) << path;
    }
    EXPECT_FALSE(root.isFolder("Logs\\New"));
}

TEST(CreateFolderChain, FailsWhereTheSystemRefusesAndKeepsOuterLevels) {
    SimFileRoot root;
    root.makeFile("D:\\A", "keep");
    RecordingFileSystem files;
    expectCannotCreate(files, "D:\\A\\B");
    EXPECT_EQ(root.read("D:\\A"), "keep");
    expectCannotCreate(files, "Q:\\Logs");  // no such drive

    files.refused = {"D:\\New\\Sub"};
    expectCannotCreate(files, "D:\\New\\Sub\\Deeper");
    EXPECT_EQ(files.created.back(), "D:\\New\\Sub");
    EXPECT_TRUE(root.isFolder("D:\\New"));
    EXPECT_FALSE(root.isFolder("D:\\New\\Sub"));
}
