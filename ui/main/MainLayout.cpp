#include "ui/main/MainLayout.h"

#include "ui/widgets/DialogUnits.h"

namespace {

// A rectangle given in dialog units (width and height may be negative, as the
// right edge is later moved by a pixel amount), with pixel shifts of its edges.
QRect Place(const DialogUnits &du, int x, int y, int w, int h, int shiftLeft, int shiftRight)
{
    const int left = du.toPixelsX(x) + shiftLeft;
    const int right = du.toPixelsX(x + w) + shiftRight;
    const int top = du.toPixelsY(y);
    const int bottom = du.toPixelsY(y + h);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr int kRightPartUnits = 124;
constexpr int kLeftPaneMinUnits = 94;

} // namespace

MainLayout ComputeMainLayout(const DialogUnits &du, QSize client, int selectionListWidth, bool isSplit,
                             bool minimised)
{
    MainLayout l;
    int s = selectionListWidth;
    if (!minimised && client.width() < s + du.toPixelsX(kRightPartUnits))
        s = client.width() - du.toPixelsX(kRightPartUnits);
    l.selectionListWidth = s;

    const int w = du.toUnitsX(client.width());
    const int h = du.toUnitsY(client.height());
    const int p = isSplit ? s : 0;
    const int a = isSplit ? 6 : 0;
    const int b = isSplit ? 8 : 0;

    l.splitToggle = Place(du, 4, 79, 14, 11, 0, 0);
    l.selectionCaption = Place(du, 19, 79, -56, 11, 0, s);
    l.browse = Place(du, -36, 79, 14, 11, s, s);
    l.parent = Place(du, -22, 79, 14, 11, s, s);
    l.refresh = Place(du, -8, 79, 14, 11, s, s);
    l.directory = Place(du, 4, 91, 2, 11, 0, s);
    l.selectionList = Place(du, 4, 103, 2, h - 147, 0, s);
    l.selectionStatus = Place(du, 4, h - 43, 2, 11, 0, s);
    l.leftBar = Place(du, 6, 91, 4, h - 123, s, s);
    l.rightBar = Place(du, 26, 91, 4, h - 123, s, s);

    struct Row {
        int y, h;
    };
    constexpr std::array<Row, 9> rows{
        {{91, 14}, {106, 14}, {120, 14}, {134, 14}, {154, 14}, {166, 12}, {178, 12}, {190, 12}, {202, 12}}};
    for (std::size_t i = 0; i < rows.size(); ++i)
        l.listButtons[i] = Place(du, a + 4, rows[i].y, 16, rows[i].h, p, p);

    l.candidateCaption = Place(du, b + 22, 79, w - b - 26, 11, p, 0);
    l.output = Place(du, b + 22, 91, 30, 11, p, p);
    l.destination = Place(du, b + 52, 91, w - b - 70, 12, p, 0);
    l.destinationBrowse = Place(du, w - 18, 91, 14, 12, 0, 0);
    l.candidateList = Place(du, b + 22, 103, w - b - 26, h - 147, p, 0);
    l.candidateStatus = Place(du, b + 22, h - 43, w - b - 26, 11, p, 0);

    l.viewer = Place(du, 5, h - 21, 24, 16, 0, 0);
    l.undo = Place(du, w - 190, h - 21, 30, 16, 0, 0);
    l.execute = Place(du, w - 150, h - 21, 30, 16, 0, 0);
    l.exit = Place(du, w - 110, h - 21, 30, 16, 0, 0);
    l.settings = Place(du, w - 68, h - 21, 24, 16, 0, 0);
    l.help = Place(du, w - 40, h - 21, 16, 16, 0, 0);
    l.about = Place(du, w - 22, h - 21, 16, 16, 0, 0);
    return l;
}

int MinimumLeftPaneWidth(const DialogUnits &du)
{
    return du.toPixelsX(kLeftPaneMinUnits);
}

int MaximumLeftPaneRight(const DialogUnits &du, int clientWidth)
{
    return LeftPaneRight(du, clientWidth - du.toPixelsX(kRightPartUnits));
}

int LeftPaneRight(const DialogUnits &du, int selectionListWidth)
{
    return du.toPixelsX(6) + selectionListWidth;
}

int SelectionListWidthForRight(const DialogUnits &du, int right)
{
    return right - du.toPixelsX(6);
}

QSize MainMinimumSize(const DialogUnits &du)
{
    return du.toPixels(320, 265);
}
