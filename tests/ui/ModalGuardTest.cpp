// The guard that clears the main window's interaction flag while a modal
// window of its own is open.
#include "ui/widgets/ModalGuard.h"
#include "ModalTesting.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(ModalGuardTest, NestedGuardsRestoreTheFlagTheyFound)
{
    HostDialog window;
    QWidget child(&window);
    {
        CModalGuard outer(&child);
        EXPECT_FALSE(window.interactive);
        {
            CModalGuard inner(&window);
            EXPECT_FALSE(window.interactive);
        }
        EXPECT_FALSE(window.interactive) << "the outer modal window is still open";
    }
    EXPECT_TRUE(window.interactive);

    QWidget orphan;
    CModalGuard nothingToGuard(&orphan);
}

} // namespace
