#pragma once

#include "ui/settings/SettingsPage.h"

#include <array>

class CImageButton;
class CLaunchList;
class QLineEdit;

// The page "起動アプリケーション": title and command of the five launch
// commands. A row's command and its browse button are usable only while the
// row has a title.
class CLaunchPage : public CSettingsPage {
    Q_OBJECT
public:
    CLaunchPage(CLaunchList &launchers, QWidget *parent);

    // Puts the titles and commands into the list the page edits.
    void Store() override;

private:
    struct Row {
        QLineEdit *title = nullptr;
        QLineEdit *command = nullptr;
        CImageButton *browse = nullptr;
    };

    void EnableRow(const Row &row);
    void BrowseProgram(const Row &row);

    CLaunchList &m_launchers;
    std::array<Row, 5> m_rows;
};
