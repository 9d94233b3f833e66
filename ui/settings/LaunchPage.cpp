#include "ui/settings/LaunchPage.h"

CLaunchPage::CLaunchPage(CLaunchList &, QWidget *parent) : CSettingsPage(parent) {}

void CLaunchPage::Store() {}
