#include "ui/dialogs/SepCharsDlg.h"

namespace {

constexpr PlaceholderRow kRows[] = {
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%d：日付（yyyy/mm/dd）"), "%d"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%t：時刻（hh：mm：ss）"), "%t"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%f：ファイル名"), "%f"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%F：ファイル名（フルパス）"), "%F"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%D：タイムスタンプ日付（yyyy/mm/dd）"), "%D"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%T：タイムスタンプ時刻（hh：mm：ss）"), "%T"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%r：改行（CR ... 0DH）"), "%r"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%l：改行（LF ... 0AH）"), "%l"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%n：改行（CR+LF）"), "%n"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%%：%"), "%%"},
};

} // namespace

CSepCharsDlg::CSepCharsDlg(QWidget *panel)
    : CPlaceholderListDlg(panel, tr("ファイル連結（区切りの特殊文字）"), kRows, false)
{
}
