// The properties window as the user finds it: its defaults, the page it opens
// on, the auto-save options and the links of the version page.
#include "native/properties/properties_fixture.hpp"
#include "text/texts.hpp"

using PropertiesWindowTest = PropertiesTest;

TEST_F(PropertiesWindowTest, WithoutASettingsFileTheDesignedStatesShow) {
    loaded();
    PropertiesControls& c = controls();
    EXPECT_TRUE(c.RichText_RadioButton.checked());
    EXPECT_FALSE(c.Plain_RadioButton.checked());
    EXPECT_TRUE(c.Year_CheckBox.checked());
    EXPECT_TRUE(c.Year2_RadioButton.checked());
    EXPECT_TRUE(c.Plain_RadioButton1.checked());
    EXPECT_FALSE(c.Create_CheckBox.checked());
    EXPECT_TRUE(c.None_RadioButton.checked());
    EXPECT_TRUE(c.AutoSave_CheckBox.checked());
    EXPECT_EQ(saveFolderPath(), "C:\\Tools");
    EXPECT_EQ(c.SaveFolder_Edit.text(), "C:\\Tools");
    EXPECT_EQ(c.AutoSave_TrackBar.position(), 60);
    EXPECT_EQ(c.AutoSave_Label.caption(), std::string("60") + txt::kMinutesSuffix);
    EXPECT_FALSE(c.DeleteQuorlaPath_Button.enabled());
    EXPECT_TRUE(d.boxes.shown.empty());
    EXPECT_FALSE(exists("C:\\Tools\\OrvexLog.ini"));
}

TEST_F(PropertiesWindowTest, AlwaysOpensOnTheFirstPageWithTheFocusInThePrefixBox) {
    loaded();
    showWindow();
    d.view.page = 3;
    d.view.focus = "SaveFolder_Edit";
    click(controls().Cancel_Button);
    EXPECT_FALSE(d.view.visible);

    showWindow();
    EXPECT_EQ(d.view.page, 1);
    EXPECT_EQ(d.view.focus, "TopFileName_Edit");
}

TEST_F(PropertiesWindowTest, TrackBarEndsShowTheirMinutesAndMarkChanged) {
    loaded();
    TrackBar& bar = controls().AutoSave_TrackBar;
    bar.setPosition(0);
    EXPECT_EQ(bar.position(), 10);
    EXPECT_EQ(controls().AutoSave_Label.caption(), std::string("10") + txt::kMinutesSuffix);
    EXPECT_TRUE(controls().Save_Button.enabled());
    bar.setPosition(500);
    EXPECT_EQ(controls().AutoSave_Label.caption(), std::string("120") + txt::kMinutesSuffix);
}

TEST_F(PropertiesWindowTest, AutoSaveCheckBoxDisablesItsOptionsOnBothPages) {
    loaded();
    PropertiesControls& c = controls();
    clickCheckBox(c.AutoSave_CheckBox);
    for (const Control* option : std::initializer_list<const Control*>{
             &c.AutoSaveOn_CheckBox, &c.AutoSaveMenu_CheckBox, &c.AutoSave_TrackBar, &c.AutoSave_Label,
             &c.SaveTime_Label})
        EXPECT_FALSE(option->enabled()) << option->name();
    EXPECT_TRUE(c.Save_Button.enabled());
    clickCheckBox(c.AutoSave_CheckBox);
    EXPECT_TRUE(c.AutoSaveOn_CheckBox.enabled());
}

TEST_F(PropertiesWindowTest, LinksOpenTheMailAddressAndTheWebAddressItself) {
    form().Mail_LabelClick();
    form().HomePage_LabelClick();
    ASSERT_EQ(d.shell.calls.size(), 2u);
    const auto& mail = d.shell.calls[0];
    EXPECT_EQ(mail.kind, "ShellExecute");
    EXPECT_EQ(mail.verb, "OPEN");
    EXPECT_EQ(mail.file, std::string("mailto:") + txt::kMailAddress);
    EXPECT_EQ(mail.parameters, "");
    EXPECT_EQ(mail.folder, "");
    EXPECT_EQ(mail.show, win::kSwShow);
    const auto& web = d.shell.calls[1];
    EXPECT_EQ(web.verb, "OPEN");
    EXPECT_EQ(web.file, txt::kHomePageAddress);
    EXPECT_EQ(web.file.rfind("https://", 0), 0u);
    EXPECT_EQ(web.show, win::kSwShow);
}
