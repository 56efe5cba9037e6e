#pragma once
// Control identifiers of the properties window's child windows. Every
// control, container included, has its own, unique in the whole tree and not
// only among siblings, so tools and tests can find any of them below the
// window. Only the frames drawn inside the group boxes share one.

enum PropertiesControlId : int {
    kIdRootPanel = 1000,  // fills the client area and holds everything below
    kIdPageControl,
    kIdOkButton,
    kIdCancelButton,
    kIdSaveButton,

    // Pages, in tab order
    kIdFileNamePage = 1100,
    kIdFileSavePage,
    kIdActionPage,
    kIdVersionPage,

    // Page 1: file name
    kIdFileNameGroup = 1200,
    kIdTopFileNameLabel,
    kIdTopFileNameEdit,
    kIdYearCheck,
    kIdYear2Radio,
    kIdYear4Radio,
    kIdMonthCheck,
    kIdDayCheck,
    kIdNumberCheck,
    kIdNumberLabel,
    kIdPlainCheck,
    kIdDividePanel,
    kIdPlainRadio1,
    kIdPlainRadio2,
    kIdPlainRadio3,
    kIdFileNameSampleLabel,

    // Page 2: save
    kIdTextTypeGroup = 1300,
    kIdRichTextRadio,
    kIdPlainTextRadio,
    kIdSaveFolderGroup,
    kIdSaveFolderEdit,
    kIdSaveFolderButton,
    kIdAutoSaveGroup,
    kIdAutoSaveCheck,
    kIdAutoSaveMenuCheck,
    kIdSaveTimeLabel,
    kIdAutoSaveTrackBar,
    kIdAutoSaveLabel,

    // Page 3: behaviour
    kIdSettingGroup = 1400,
    kIdCreateCheck,
    kIdDeleteQuorlaPathButton,
    kIdDialogCheck,
    kIdAutoSaveOnCheck,
    kIdDblClickGroup,
    kIdSaveRadio,
    kIdMainFormRadio,
    kIdNoneRadio,

    // Page 4: version
    kIdTitlePanel = 1500,
    kIdTitleLabel,
    kIdVersionLabel,
    kIdCopyText,
    kIdMailTitleLabel,
    kIdMailLabel,
    kIdHomePageTitleLabel,
    kIdHomePageLabel,
    kIdFreeLabel,

    // The frame and caption drawn inside each group box container
    kIdGroupFrame = 1900,
};
