#pragma once

#include "ui/settings/SettingsPage.h"

// Stand-in for the page that edits the stored histories until the real page arrives.
class CHistoryPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit CHistoryPage(QWidget *parent);

    void Store() override;
};
