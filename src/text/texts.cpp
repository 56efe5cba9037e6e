// UTF-8 source, compiled with the CP932 execution character set: every literal
// below becomes Shift-JIS bytes at run time in both builds.
#include "text/texts.hpp"

namespace txt {

const char* const kAppTitle = "Orvex ログツールのプロパティ";
const char* const kProductName = "Orvex ログツール";
const char* const kVersionText = "Version 0.50";

const char* const kCaptionError = "エラー";
const char* const kCaptionWarning = "警告";

const char* const kMenuAutoSave = "自動保存(&A)";
const char* const kMenuSave = "保存(&S)";
const char* const kMenuProperties = "プロパティ(&R)";
const char* const kMenuExit = "終了(&X)";

const char* const kNoLogWindow =
    "保存対象ウィンドウが存在しません。\r\n"
    "Orvex3を起動するかQuorlaのLogDisplayを表示して下さい。\r\n"
    "なお、OKが押されない場合は10秒後に自動的に終了します。";
const char* const kNoSourceArea = "保存対象領域が存在しません。";
const char* const kCannotCreateFileFmt = "ファイル %s を作成できません";
const char* const kStreamWriteFailed = "ストリームへの書き込みに失敗しました";
const char* const kCannotWriteFmt = "%s に書き込めません";
const char* const kCannotCopyLog = "ログウィンドウの内容をクリップボードにコピーできません";
const char* const kHostNotAnsweringFmt =
    "ログウィンドウ「%s」が応答しないため、保存を中止しました。\r\n"
    "しばらくしてからもう一度保存して下さい。";

const char* const kSamplePrefix = "例: ";
const char* const kSampleDesigned = "例:";
const char* const kBadPrefix =
    "ファイル名に \\ / : * ? \" < > | は使用できません。 \r\n"
    "接頭語の指定をはじめからやり直して下さい。";

const char* const kNoticeCaption = "保存ログ情報";
const char* const kNoticeCopy = "下記のウィンドウから保存されました。";
const char* const kNoticeFileName = "下記のファイル名で保存しました。";
const char* const kOk = "OK";

const char* const kWindowFontFace = "ＭＳ Ｐゴシック";

const char* const kCannotCreateDirectory = "ディレクトリを作成することができません";
const char* const kAskCreateFolder = "指定された保存先フォルダが存在しません。\r\nフォルダを作成しますか？";
const char* const kFolderNotCreated = "フォルダを作成することが出来ませんでした。";
const char* const kBrowseFolderTitle = "保存先フォルダを指定して下さい。";
const char* const kMinutesSuffix = "分";

const char* const kCancel = "キャンセル";
const char* const kUpdateSettings = "設定の更新";
const char* const kPageFileName = "ファイル名";
const char* const kPageSave = "保存";
const char* const kPageAction = "動作";
const char* const kPageVersion = "バージョン情報";

const char* const kFileNameGroup = "ファイル名の設定";
const char* const kPrefixLabel = "接頭語の指定(半角14文字もしくは全角7文字以内)";
const char* const kYearCheck = "年をファイル名に付ける";
const char* const kYear2Radio = "下2桁をファイル名に使用";
const char* const kYear4Radio = "4桁をファイル名に使用";
const char* const kMonthCheck = "月をファイル名に付ける";
const char* const kDayCheck = "日をファイル名に付ける";
const char* const kNumberCheck = "識別子に番号を使用する";
const char* const kNumberLabel = "(番号を使用しない場合は代わりに時間を使用します)";
const char* const kPlainCheck = "識別子を明示的にする";
const char* const kPlainRadio1 = "_で分ける";
const char* const kPlainRadio2 = "( )で括る";
const char* const kPlainRadio3 = "空白で分ける";

const char* const kTextTypeGroup = "保存形式の設定";
const char* const kPlainTextRadio = "テキスト形式で保存";
const char* const kRichTextRadio = "リッチテキスト形式で保存(Quorlaログの場合はカラーで保存します)";
const char* const kSaveFolderGroup = "保存先フォルダの設定";
const char* const kBrowseButton = "参照";
const char* const kAutoSaveGroup = "自動保存機能の設定";
const char* const kAutoSaveCheck = "自動保存機能を有効にする";
const char* const kAutoSaveMenuCheck = "メニューに項目を表示する";
const char* const kSaveTimeLabel = "保存間隔の設定";
const char* const kAutoSaveLabelDesigned = "120分";

const char* const kSettingGroup = "各種動作設定";
const char* const kCreateCheck = "起動時にOrvex3もしくはQuorlaを同時に起動する";
const char* const kDeleteQuorlaPathButton = "Quorla実行ファイル所在情報の削除";
const char* const kDialogCheck = "保存時に保存完了確認ダイアログを表示する";
const char* const kAutoSaveOnCheck = "保存時に自動保存機能を有効にする";
const char* const kDblClickGroup = "ダブルクリックの設定";
const char* const kSaveRadio = "ログを保存する";
const char* const kMainFormRadio = "プロパティを表示する";
const char* const kNoneRadio = "何もしない";

const char* const kCopyText = "(C) 2026 OrvexLog Project";
const char* const kMailTitle = "E-mail";
const char* const kMailAddress = "orvexlog@example.org";
const char* const kHomePageTitle = "HomePage";
const char* const kHomePageAddress = "https://orvexlog.example.org/";
const char* const kFreeSoftware = "Orvex ログツールはフリーソフトウェアです。";

const char* const kQuorlaInstalledNoPath =
    "Quorlaがインストールされてますが実行ファイルが指定されていません。\r\n実行ファイルを指定して下さい。";
const char* const kSpecifyOrvexExe = "Orvex3実行ファイルを指定して下さい。";
const char* const kOnlyQuorlaExe = "Quorla実行ファイル以外は指定できません。";
const char* const kOnlyOrvexExe = "Orvex3実行ファイル以外は指定できません。";
const char* const kQuorlaDialogTitle = "Quorla実行ファイルの指定";
const char* const kOrvexDialogTitle = "Orvex3実行ファイルの指定";
const char* const kQuorlaFilterName = "Quorla実行ファイル";
const char* const kOrvexFilterName = "Orvex3実行ファイル";

}  // namespace txt
