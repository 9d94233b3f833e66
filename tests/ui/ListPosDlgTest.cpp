// The dialog that asks for a list position.
#include "ui/dialogs/ListPosDlg.h"
#include "ModalTesting.h"

#include "ui/widgets/SpinEdit.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ListPosDlgTest, OutOfRangeOrNonNumericInputKeepsTheDialogOpenAndRestoresThePreset)
{
    HostDialog window;
    auto dialog = std::make_unique<CListPosDlg>(5, 2, &window);
    auto *edit = dialog->findChild<CSpinEdit *>("position");
    EXPECT_EQ(edit->Text(), "2");
    EXPECT_FALSE(window.interactive) << "the main window takes no drags while the dialog exists";

    int attempts = 0;
    WhenModalOpens([&](QWidget *) {
        for (const char *wrong : {"6", "-1", "3x", ""}) {
            edit->SetText(wrong);
            dialog->accept();
            ++attempts;
            EXPECT_TRUE(dialog->isVisible()) << wrong;
            EXPECT_EQ(edit->Text(), "2") << wrong;
        }
        edit->SetText("5");
        dialog->accept();
    });
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_EQ(attempts, 4);
    EXPECT_EQ(dialog->Position(), 5);
    dialog.reset();
    EXPECT_TRUE(window.interactive) << "the flag comes back when the dialog is gone";
}

} // namespace
