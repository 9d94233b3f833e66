#include "ui/dialogs/FormatHelpDlg.h"

namespace {

// The two example rows explain the parameters of %n; choosing one appends
// the bare placeholder. The time rows give the date taken instead where the
// panel asks for it; a %{...} value the file lacks is empty.
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
    {"・%{camera}：写真の機種", "%{camera}"},
    {"・%{width}：画像の幅（ピクセル）", "%{width}"},
    {"・%{height}：画像の高さ（ピクセル）", "%{height}"},
    {"・%{artist}：曲のアーティスト", "%{artist}"},
    {"・%{album}：曲のアルバム", "%{album}"},
    {"・%{title}：曲のタイトル", "%{title}"},
    {"・%{track}：曲のトラック番号（2桁）", "%{track}"},
    {"・%{year}：曲の年", "%{year}"},
};

} // namespace

CFormatHelpDlg::CFormatHelpDlg(QWidget *panel)
    : CPlaceholderListDlg(panel, QStringLiteral("Kestrel（書式ヘルプ）"), kRows, true)
{
}
