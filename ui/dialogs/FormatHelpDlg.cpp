#include "ui/dialogs/FormatHelpDlg.h"

namespace {

// The two example rows explain the parameters of %n; choosing one appends
// the bare placeholder.
constexpr PlaceholderRow kRows[] = {
    {"・%F：ファイル名", "%F"},
    {"・%f：ファイルタイトル", "%f"},
    {"・%e：拡張子", "%e"},
    {"・%p：カレントディレクトリ名", "%p"},
    {"・%n：連番", "%n"},
    {"　　　例）%n3:2:5=幅3，初期値2，増分", "%n"},
    {"　　　例）%n2=幅2（，初期値1，増分1）", "%n"},
    {"・%Y：タイムスタンプ年（4桁）", "%Y"},
    {"・%y：タイムスタンプ年（2桁）", "%y"},
    {"・%m：タイムスタンプ月", "%m"},
    {"・%d：タイムスタンプ日", "%d"},
    {"・%H：タイムスタンプ時（24h）", "%H"},
    {"・%h：タイムスタンプ時（12h）", "%h"},
    {"・%M：タイムスタンプ分", "%M"},
    {"・%s：タイムスタンプ秒", "%s"},
};

} // namespace

CFormatHelpDlg::CFormatHelpDlg(QWidget *panel)
    : CPlaceholderListDlg(panel, QStringLiteral("Kestrel（書式ヘルプ）"), kRows, true)
{
}
