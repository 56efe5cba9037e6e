// The save-folder box (full path while focused, shortened otherwise) and the
// folder browser behind 参照.
#include "native/properties/properties_fixture.hpp"
#include "settings/folder_paths.hpp"

namespace {
// Too wide for the box (more than 269 px at 6 px a byte), so it is shortened.
const std::string kLongFolder = "C:\\Documents and Settings\\owner\\My Documents\\Orvex Logs";
}  // namespace

class SaveFolderBoxTest : public PropertiesTest {
protected:
    void SetUp() override {
        PropertiesTest::SetUp();
        writeSettings("[Setting_GroupBox]\r\nOrvexLogPath=" + kLongFolder + "\r\n");
        loaded();
        showWindow();
    }
    std::string shortened(const std::string& path) {
        return ShortenPathForWidth(path, d.measure, form().form.saveFolderWidth);
    }
};

TEST_F(SaveFolderBoxTest, EnteringAndLeavingSwapsFullAndShortFormsWithoutMarkingChanged) {
    Edit& box = controls().SaveFolder_Edit;
    const std::string shortForm = shortened(kLongFolder);
    ASSERT_NE(shortForm, kLongFolder);
    EXPECT_EQ(box.text(), shortForm);

    box.onEnter();
    EXPECT_EQ(box.text(), kLongFolder);
    box.onExit();
    EXPECT_EQ(box.text(), shortForm);
    EXPECT_EQ(saveFolderPath(), kLongFolder);
    EXPECT_FALSE(controls().Save_Button.enabled());

    // The swaps leave an earlier change marked, too.
    controls().Dialog_CheckBox.setChecked(false);
    box.onEnter();
    box.onExit();
    EXPECT_TRUE(controls().Save_Button.enabled());
}

TEST_F(SaveFolderBoxTest, TypingMarksChangedAndLeavingTakesTheTextAsItIs) {
    Edit& box = controls().SaveFolder_Edit;
    box.onEnter();
    box.setText(" D:\\Logs\\ ");
    EXPECT_TRUE(controls().Save_Button.enabled());
    box.onExit();
    EXPECT_EQ(saveFolderPath(), " D:\\Logs\\ ");
    EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), kLongFolder);  // nothing written yet
}

TEST_F(SaveFolderBoxTest, BrowserOpensOnTheStoredFolderAndCancellingKeepsTheTypedOne) {
    typeSaveFolder("D:\\Typed");
    click(controls().SaveFolder_Button);  // the script is empty: the user cancels

    ASSERT_EQ(d.folderBrowser.openedOn.size(), 1u);
    EXPECT_EQ(d.folderBrowser.openedOn[0], kLongFolder);
    EXPECT_EQ(saveFolderPath(), "D:\\Typed");
    EXPECT_EQ(controls().SaveFolder_Edit.text(), "D:\\Typed");
}

TEST_F(SaveFolderBoxTest, ChosenFolderIsShownShortAndMarksChangedWithoutWriting) {
    const std::string chosen = "E:\\Archive\\Chat logs\\Orvex\\2024\\January\\Evening";
    d.folderBrowser.script.push_back({chosen, {}});
    click(controls().SaveFolder_Button);

    EXPECT_EQ(saveFolderPath(), chosen);
    EXPECT_EQ(controls().SaveFolder_Edit.text(), shortened(chosen));
    EXPECT_TRUE(controls().Save_Button.enabled());
    EXPECT_EQ(setting("Setting_GroupBox", "OrvexLogPath"), kLongFolder);

    // Another folder that looks the same shortened is a change too.
    const std::string lookalike = "C:\\Users of this machine\\owner\\My Documents\\Orvex Logs";
    ASSERT_EQ(shortened(lookalike), shortened(kLongFolder));
    typeSaveFolder(kLongFolder);  // the stored one again
    controls().Save_Button.setEnabled(false);
    d.folderBrowser.script.push_back({lookalike, {}});
    click(controls().SaveFolder_Button);
    EXPECT_EQ(saveFolderPath(), lookalike);
    EXPECT_TRUE(controls().Save_Button.enabled());
}

TEST_F(SaveFolderBoxTest, TheBoxsRealWidthShortensTheFolderAgainWithoutMarkingChanged) {
    Edit& box = controls().SaveFolder_Edit;
    ASSERT_NE(box.text(), kLongFolder);
    form().saveFolder.setShownWidth(10000);
    EXPECT_EQ(box.text(), kLongFolder);
    form().saveFolder.setShownWidth(100);
    EXPECT_EQ(box.text(), shortened(kLongFolder));
    EXPECT_NE(box.text(), kLongFolder);
    EXPECT_FALSE(controls().Save_Button.enabled());
}
