// The lists and the result log draw full-width letters and digits visibly
// wider than half-width ones, in the window's proportional dialog font.
#include "ui/widgets/ListFont.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/widgets/FileListCtrl.h"

#include "exec/ResultLog.h"

#include <QFontMetrics>
#include <QTreeView>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void ExpectFullWidthFormsWide(const QWidget &widget)
{
    const QFontMetrics metrics(widget.font());
    for (const auto &[full, half] : {std::pair{u"Ｄ", u"D"}, std::pair{u"０", u"0"}}) {
        const int fullWidth = metrics.horizontalAdvance(QString::fromUtf16(full));
        const int halfWidth = metrics.horizontalAdvance(QString::fromUtf16(half));
        EXPECT_GE(fullWidth, 2 * halfWidth - 1)
            << QString::fromUtf16(full).toStdString() << " in " << widget.font().family().toStdString();
    }
}

} // namespace

TEST(ListFontTest, ListsAndResultLogShowFullWidthFormsTwiceAsWide)
{
    QWidget window;
    QFont dialogFont = window.font();
    dialogFont.setFamilies({QStringLiteral("IPAPGothic")});
    window.setFont(dialogFont);

    CFileListCtrl list(&window);
    ExpectFullWidthFormsWide(*list.CurrentView());

    const exec::CResultLog log{exec::ResultKind::Rename};
    CResultDlg result(log, &window);
    const QTreeView *resultList = result.findChild<QTreeView *>();
    ASSERT_NE(resultList, nullptr);
    ExpectFullWidthFormsWide(*resultList);
    EXPECT_EQ(resultList->font().family(), list.CurrentView()->font().family());
}
