#include "ui/dialogs/FormatHelpDlg.h"

namespace {

// The two example rows explain the parameters of %n; choosing one appends
// the bare placeholder. The time rows give the date taken instead where the
// panel asks for it; a %{...} value the file lacks is empty.
constexpr PlaceholderRow kRows[] = {
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%F：ファイル名"), "%F"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%f：ファイルタイトル"), "%f"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%e：拡張子"), "%e"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%p：カレントディレクトリ名"), "%p"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%n：連番"), "%n"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "　　　例）%n3:2:5=幅3，初期値2，増分"), "%n"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "　　　例）%n2=幅2（，初期値1，増分1）"), "%n"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%Y：タイムスタンプ年（4桁）"), "%Y"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%y：タイムスタンプ年（2桁）"), "%y"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%m：タイムスタンプ月"), "%m"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%d：タイムスタンプ日"), "%d"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%H：タイムスタンプ時（24h）"), "%H"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%h：タイムスタンプ時（12h）"), "%h"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%M：タイムスタンプ分"), "%M"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%s：タイムスタンプ秒"), "%s"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{camera}：写真の機種"), "%{camera}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{width}：画像の幅（ピクセル）"), "%{width}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{height}：画像の高さ（ピクセル）"), "%{height}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{artist}：曲のアーティスト"), "%{artist}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{album}：曲のアルバム"), "%{album}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{title}：曲のタイトル"), "%{title}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{track}：曲のトラック番号（2桁）"), "%{track}"},
    {QT_TRANSLATE_NOOP("CPlaceholderListDlg", "・%{year}：曲の年"), "%{year}"},
};

} // namespace

CFormatHelpDlg::CFormatHelpDlg(QWidget *panel)
    : CPlaceholderListDlg(panel, tr("Kestrel（書式ヘルプ）"), kRows, true)
{
}
