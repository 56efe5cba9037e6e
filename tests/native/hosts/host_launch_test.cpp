// The start-up launch of a host program, and the questions that loading the
// option can raise before it.
#include "native/properties/properties_fixture.hpp"
#include "text/texts.hpp"

namespace {
const std::string kOptionOn = "[Setting_GroupBox]\r\nCreate_CheckBox=1\r\n";
}  // namespace

class HostLaunchTest : public PropertiesTest {
protected:
    // Start-up as far as the launch is concerned.
    void startUp() {
        loaded();
        form().LaunchHostProgram();
    }
    void chatClientRoot(const std::string& folder) {
        writeFile("C:\\WINDOWS\\orvex3.ini", "[ORVEX]\r\nProductHDRoot=" + folder + "\r\n");
    }
};

TEST_F(HostLaunchTest, StoredCompanionIsRunQuotedWhateverTheChatClientIniHolds) {
    writeSettings(kOptionOn + "QuorlaPath=C:\\Program Files\\Quorla\\Quorla.exe\r\n");
    chatClientRoot("D:\\Chat");
    startUp();
    ASSERT_EQ(d.shell.calls.size(), 1u);
    EXPECT_EQ(d.shell.calls[0].kind, "WinExec");
    EXPECT_EQ(d.shell.calls[0].file, "\"C:\\Program Files\\Quorla\\Quorla.exe\"");
    EXPECT_EQ(d.shell.calls[0].show, win::kSwShow);
    // The stored value stays as chosen.
    EXPECT_EQ(setting("Setting_GroupBox", "QuorlaPath"), "C:\\Program Files\\Quorla\\Quorla.exe");
}

TEST_F(HostLaunchTest, ChatClientIsOpenedFromItsFolderAsPlainConcatenation) {
    writeSettings(kOptionOn);
    // A drive root keeps its backslash, and a drive alone is its root as
    // well; 表 (95 5C) does not end the server.
    for (const std::string& folder : {std::string("D:\\Chat"), std::string("D:\\"), std::string("D:"),
                                      std::string("d:/Chat"), std::string("\\\\srv\\share\\Orvex"),
                                      std::string("\\\\\x95\x5C\\s")}) {
        d.shell.calls.clear();
        chatClientRoot(folder);
        startUp();
        ASSERT_EQ(d.shell.calls.size(), 1u) << folder;
        const auto& call = d.shell.calls[0];
        EXPECT_EQ(call.kind, "ShellExecute");
        EXPECT_EQ(call.verb, "OPEN");
        EXPECT_EQ(call.file, folder + "\\ORVEX.exe");
        EXPECT_EQ(call.parameters, "");
        EXPECT_EQ(call.folder, folder == "D:" ? "D:\\" : folder);
        EXPECT_EQ(call.show, win::kSwShow);
    }
    EXPECT_TRUE(d.boxes.shown.empty());
}

TEST_F(HostLaunchTest, StoredValuesThatNameNoDefinitePlaceOrAddArgumentsStartNothing) {
    // ORVEX.exe in the chat client's folder must be a definite file: these
    // would run one from the current drive or folder, or name a server's
    // share. An empty value still counts as present, so nothing is asked
    // either.
    writeSettings(kOptionOn);
    for (const std::string& folder : {std::string(), std::string("Chat"), std::string(".\\Chat"),
                                      std::string("\\Chat"), std::string("D:Chat"),
                                      std::string("\\\\srv"), std::string("\\\\srv\\"),
                                      std::string("\\\\\x95\x5C"), std::string("D:\\Chat\" /c x"),
                                      std::string("D:\\Chat:x"), std::string("D:\\Chat\\NUL.txt")}) {
        chatClientRoot(folder);
        startUp();
        EXPECT_TRUE(d.shell.calls.empty()) << folder;
        d.shell.calls.clear();
    }
    EXPECT_TRUE(d.boxes.shown.empty());

    // The companion path must be the companion in a definite place, as the
    // chat client's folder, else the system searches its own folders for it.
    // A bad one does not fall back to the chat client.
    chatClientRoot("D:\\Chat");
    for (const std::string& path : {std::string("C:\\Windows\\System32\\cmd.exe\" /c C:\\Quorla\\Quorla.exe"),
                                    std::string("C:\\Quorla\\Quorla.exe\""), std::string("C:\\Q\x81\"\\quorla.exe"),
                                    std::string("C:\\Windows\\notepad.exe"), std::string("C:\\Quorla\\Quorla.exe.lnk"),
                                    std::string("quorla.exe"), std::string("..\\quorla.exe"), std::string("C:quorla.exe"),
                                    std::string("\\quorla.exe"), std::string("C:\\notes.txt:quorla.exe"),
                                    std::string("C:\\com1\\quorla.exe"), std::string("\\\\.\\C:\\quorla.exe")}) {
        writeSettings(kOptionOn + "QuorlaPath=" + path + "\r\n");
        startUp();
        EXPECT_TRUE(d.shell.calls.empty()) << path;
        d.shell.calls.clear();
    }
}

TEST_F(HostLaunchTest, NothingStartsWhenTheOptionIsOffOrTheChatClientRuns) {
    writeSettings("[Setting_GroupBox]\r\nQuorlaPath=C:\\Quorla\\Quorla.exe\r\n");
    startUp();
    EXPECT_TRUE(d.shell.calls.empty());

    writeSettings(kOptionOn + "QuorlaPath=C:\\Quorla\\Quorla.exe\r\n");
    chatClientRoot("D:\\Chat");
    d.windows.addChatClient("chat text");
    startUp();
    EXPECT_TRUE(d.shell.calls.empty());
}

TEST_F(HostLaunchTest, OptionLoadedWithoutChatClientKeyAsksDuringLoadingThenLaunchesTheChoice) {
    // The delete button is still enabled when the option loads, so even an
    // installed companion without a stored path leads to the chat client.
    writeFile("C:\\WINDOWS\\Quorla.ini", "");
    writeSettings(kOptionOn);
    d.openDialog.script.push_back({{"E:\\Orvex3\\Orvex.exe"}, {}});
    startUp();

    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, txt::kSpecifyOrvexExe);
    EXPECT_EQ(chatClientIni("ProductHDRoot"), "E:\\Orvex3");
    ASSERT_EQ(d.shell.calls.size(), 1u);
    EXPECT_EQ(d.shell.calls[0].file, "E:\\Orvex3\\ORVEX.exe");
    EXPECT_FALSE(controls().DeleteQuorlaPath_Button.enabled());
}

TEST_F(HostLaunchTest, CancelledQuestionAtStartUpStartsNothingAndKeepsTheStoredOption) {
    writeSettings(kOptionOn);
    startUp();
    EXPECT_EQ(d.openDialog.requests.size(), 1u);
    EXPECT_FALSE(controls().Create_CheckBox.checked());
    EXPECT_TRUE(d.shell.calls.empty());
    EXPECT_EQ(setting("Setting_GroupBox", "Create_CheckBox"), "1");
}
