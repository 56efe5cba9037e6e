// UTF-8 source compiled with -fexec-charset=CP932: every literal here becomes
// Shift-JIS bytes. The lines are picked to carry the awkward bytes of CP932:
// trail bytes 0x5C and 0x7C (表, ソ, 能, 予, ポ), half-width kana, NEC special
// characters, and ASCII backslashes and braces that Rich Text must escape.
#include "sample_text.hpp"

namespace standin {

const SampleLine kSampleLines[] = {
    {"21:00", "ゆうき", "こんばんは！ 今日のログ表示テストです。", 0xC00000},
    {"21:01", "さくら", "ソフトの調子はどう？ ポイントは予定どおり？", 0x0000C0},
    {"21:01", "ゆうき", "能力値の表はC:\\Orvex\\{log}に置きました。", 0xC00000},
    {"21:02", "たける", "ﾊﾝｶｸｶﾅもOK、①②③も大丈夫。", 0x008000},
    {"21:03", "さくら", "～では、また明日。お疲れさまでした。", 0x0000C0},
    {"21:04", "システム", "たけるさんが退室しました。", 0x808080},
};
const std::size_t kSampleLineCount = sizeof(kSampleLines) / sizeof(kSampleLines[0]);

const char* const kLogFontFace = "ＭＳ ゴシック";

}  // namespace standin
