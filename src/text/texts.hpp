#pragma once
// text/: CP932 text rules and every user-visible text. Uses nothing of ours.
//
// Every user-visible text of the program, as CP932 byte strings. The
// definitions live in texts.cpp, the one file compiled with the CP932
// execution character set; nothing else spells a Japanese literal.

namespace txt {

// Application and tray
extern const char* const kAppTitle;     // application title and properties caption
extern const char* const kProductName;  // tray tip, version page title
extern const char* const kVersionText;

// Message box captions
extern const char* const kCaptionError;
extern const char* const kCaptionWarning;

// Tray menus
extern const char* const kMenuAutoSave;
extern const char* const kMenuSave;
extern const char* const kMenuProperties;
extern const char* const kMenuExit;

// Save command
extern const char* const kNoLogWindow;
extern const char* const kNoSourceArea;
extern const char* const kCannotCreateFileFmt;  // %s = full path
extern const char* const kStreamWriteFailed;
extern const char* const kCannotWriteFmt;       // %s = settings file path
extern const char* const kCannotCopyLog;
extern const char* const kHostNotAnsweringFmt;  // %s = the log window's title

// File naming
extern const char* const kSamplePrefix;   // "例: "
extern const char* const kSampleDesigned; // "例:"
extern const char* const kBadPrefix;

// Saved-log notice
extern const char* const kNoticeCaption;
extern const char* const kNoticeCopy;
extern const char* const kNoticeFileName;
extern const char* const kOk;

// Fonts
extern const char* const kWindowFontFace;

// Folder paths and the save folder
extern const char* const kCannotCreateDirectory;
extern const char* const kAskCreateFolder;
extern const char* const kFolderNotCreated;
extern const char* const kBrowseFolderTitle;
extern const char* const kMinutesSuffix;

// Properties window: buttons and pages
extern const char* const kCancel;
extern const char* const kUpdateSettings;
extern const char* const kPageFileName;
extern const char* const kPageSave;
extern const char* const kPageAction;
extern const char* const kPageVersion;

// Page 1
extern const char* const kFileNameGroup;
extern const char* const kPrefixLabel;
extern const char* const kYearCheck;
extern const char* const kYear2Radio;
extern const char* const kYear4Radio;
extern const char* const kMonthCheck;
extern const char* const kDayCheck;
extern const char* const kNumberCheck;
extern const char* const kNumberLabel;
extern const char* const kPlainCheck;
extern const char* const kPlainRadio1;
extern const char* const kPlainRadio2;
extern const char* const kPlainRadio3;

// Page 2
extern const char* const kTextTypeGroup;
extern const char* const kPlainTextRadio;
extern const char* const kRichTextRadio;
extern const char* const kSaveFolderGroup;
extern const char* const kBrowseButton;
extern const char* const kAutoSaveGroup;
extern const char* const kAutoSaveCheck;
extern const char* const kAutoSaveMenuCheck;
extern const char* const kSaveTimeLabel;
extern const char* const kAutoSaveLabelDesigned;

// Page 3
extern const char* const kSettingGroup;
extern const char* const kCreateCheck;
extern const char* const kDeleteQuorlaPathButton;
extern const char* const kDialogCheck;
extern const char* const kAutoSaveOnCheck;
extern const char* const kDblClickGroup;
extern const char* const kSaveRadio;
extern const char* const kMainFormRadio;
extern const char* const kNoneRadio;

// Page 4
extern const char* const kCopyText;
extern const char* const kMailTitle;
extern const char* const kMailAddress;
extern const char* const kHomePageTitle;
extern const char* const kHomePageAddress;
extern const char* const kFreeSoftware;

// Host programs
extern const char* const kQuorlaInstalledNoPath;
extern const char* const kSpecifyOrvexExe;
extern const char* const kOnlyQuorlaExe;
extern const char* const kOnlyOrvexExe;
extern const char* const kQuorlaDialogTitle;
extern const char* const kOrvexDialogTitle;
extern const char* const kQuorlaFilterName;
extern const char* const kOrvexFilterName;

}  // namespace txt
