#include "ui/dialogs/SepCharsDlg.h"

namespace {

constexpr PlaceholderRow kRows[] = {
    {"・%d：日付（yyyy/mm/dd）", "%d"},
    {"・%t：時刻（hh：mm：ss）", "%t"},
    {"・%f：ファイル名", "%f"},
    {"・%F：ファイル名（フルパス）", "%F"},
    {"・%D：タイムスタンプ日付（yyyy/mm/dd）", "%D"},
    {"・%T：タイムスタンプ時刻（hh：mm：ss）", "%T"},
    {"・%r：改行（CR ... 0DH）", "%r"},
    {"・%l：改行（LF ... 0AH）", "%l"},
    {"・%n：改行（CR+LF）", "%n"},
    {"・%%：%", "%%"},
};

} // namespace

CSepCharsDlg::CSepCharsDlg(QWidget *panel)
    : CPlaceholderListDlg(panel, QStringLiteral("ファイル連結（区切りの特殊文字）"), kRows, false)
{
}
