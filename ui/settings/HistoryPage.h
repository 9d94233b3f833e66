#pragma once

#include "platform/HistoryList.h"
#include "ui/settings/SettingsPage.h"

#include <array>
#include <cstddef>

class QComboBox;
class QListWidget;
class QPushButton;

// The page "履歴編集": the stored input histories, one at a time, whose
// entries can be deleted. It works on the stored lists, read when the page is
// made; "更新" writes all of them back at once and marks the page changed, so
// the main window reloads its history combos.
class CHistoryPage : public CSettingsPage {
    Q_OBJECT
public:
    static constexpr std::size_t kRecordCount = 19;

    explicit CHistoryPage(QWidget *parent);

    // The histories are stored by "更新", not by the dialog's OK.
    void Store() override {}

private:
    void ShowRecord(int index);
    void CheckAll(bool checked);
    void DeleteChecked();
    void DeleteAll();
    void WriteBack();

    std::array<platform::HistoryEntries, kRecordCount> m_entries;
    QComboBox *m_item = nullptr;
    QListWidget *m_lines = nullptr;
    QPushButton *m_update = nullptr;
};
