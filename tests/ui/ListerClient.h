#pragma once

// Fills a selection list from a directory lister as the window does, for the
// tests of the lister and of the list.
#include "ui/main/DirectoryLister.h"
#include "ui/main/SelectionList.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The names of the rows in their order.
inline std::vector<std::string> Names(const CSelectionList &list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.RowCount(); ++i)
        names.push_back(list.Name(i));
    return names;
}

// Fills a selection list from a lister as the window does, and counts what arrives.
class ListerClient {
public:
    explicit ListerClient(CDirectoryLister &lister) : m_lister(lister)
    {
        QObject::connect(&lister, &CDirectoryLister::RowsReady, [this] {
            ++batches;
            EXPECT_GT(m_lister.PendingCount(), 0);
            m_lister.MoveInto(rows);
            if (onRows)
                onRows();
        });
        QObject::connect(&lister, &CDirectoryLister::OrderReady, [this] {
            const int count = rows.RowCount();
            const std::vector<std::string> before = Names(rows);
            const std::vector<int> newRowOf = m_lister.ApplyOrder(rows);
            ASSERT_EQ(static_cast<int>(newRowOf.size()), count);
            for (int old = 0; old < count; ++old)
                EXPECT_EQ(rows.Name(newRowOf[static_cast<std::size_t>(old)]),
                          before[static_cast<std::size_t>(old)]);
        });
        QObject::connect(&lister, &CDirectoryLister::Finished, [this](int e) {
            ++finished;
            error = e;
        });
    }

    // Runs the event loop until the listing has finished or `ms` have passed.
    void WaitForFinished(int ms = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (finished == 0 && timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    void RunEvents(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    CSelectionList rows;
    std::function<void()> onRows;
    int batches = 0;
    int finished = 0;
    int error = -1;

private:
    CDirectoryLister &m_lister;
};
