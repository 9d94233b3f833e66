#pragma once

#include "ui/settings/SettingsPage.h"

class CLaunchList;

// Stand-in for the page of the launch commands until the real page arrives.
class CLaunchPage : public CSettingsPage {
    Q_OBJECT
public:
    CLaunchPage(CLaunchList &launchers, QWidget *parent);

    void Store() override;
};
