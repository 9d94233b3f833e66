#pragma once

// What the tests of the mode panels share: a stand-in main window with the
// record a panel shows, and ways to reach a panel's controls as a user would.
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "ui/dialogs/PlaceholderListDlg.h"
#include "ui/panels/ModePanel.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// The panel's history combos in the order they were made.
inline std::vector<CHistoryComboBox *> Combos(CModePanel &panel)
{
    const auto combos = panel.findChildren<CHistoryComboBox *>(Qt::FindDirectChildrenOnly);
    return {combos.begin(), combos.end()};
}

inline QCheckBox *Check(CModePanel &panel, const QString &text)
{
    for (QCheckBox *box : panel.findChildren<QCheckBox *>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

template <typename Widget> Widget *Find(CModePanel &panel, const QString &text)
{
    for (Widget *widget : panel.findChildren<Widget *>()) {
        if (widget->text() == text)
            return widget;
    }
    ADD_FAILURE() << "no control " << text.toStdString();
    return nullptr;
}

template <class T> std::vector<T *> Children(QWidget &panel)
{
    const auto found = panel.findChildren<T *>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

// The first drop-down list that is not a history combo.
inline QComboBox *KindList(CModePanel &panel, int which = 0)
{
    for (QComboBox *combo : panel.findChildren<QComboBox *>()) {
        if (!qobject_cast<CHistoryComboBox *>(combo) && which-- == 0)
            return combo;
    }
    return nullptr;
}

inline CNumberField *Field(CModePanel &panel, int which)
{
    return panel.findChildren<CNumberField *>().value(which);
}

// A selection made by the user.
inline void Choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

inline void AddRow(CPlaceholderListDlg *list, int row)
{
    Widget<QListWidget>(*list, "placeholderList")->setCurrentRow(row);
    Widget<QPushButton>(*list, "addButton")->click();
}

// Whether the panel reports a change for what `action` does.
template <typename Action> bool ReportsChange(CModePanel &panel, Action action)
{
    QCoreApplication::processEvents();
    QSignalSpy changed(&panel, &CModePanel::PanelChanged);
    action();
    QCoreApplication::processEvents();
    return changed.count() == 1;
}

// The change reports still queued (the panels coalesce a burst into one).
inline int PendingChanges(CModePanel &panel)
{
    QSignalSpy changed(&panel, &CModePanel::PanelChanged);
    QCoreApplication::processEvents();
    return int(changed.count());
}

// Runs `check` on the file dialog that opens next, then chooses `path` in it
// (or cancels it when `path` is empty).
inline void WhenFileDialogOpens(std::function<void(QFileDialog *)> check, const std::string &path)
{
    WhenModalOpens([check = std::move(check), path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        check(dialog);
        if (path.empty())
            return dialog->reject();
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog *>(dialog)->accept();
    });
}

// A panel's owner with its own user folders and the record the panel shows.
class PanelFixture : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    HostDialog window;
    CRenameSettings settings;
};

// For the tests that read a panel back into a second record.
class ReadBackPanelFixture : public PanelFixture {
protected:
    CRenameSettings read;
};

// The owner shown on the screen, for panels that open lists below their
// fields, with a folder for the files they browse for.
class ShownPanelFixture : public ReadBackPanelFixture {
protected:
    void SetUp() override
    {
        window.resize(800, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    testing_support::TempDir dir;
};
