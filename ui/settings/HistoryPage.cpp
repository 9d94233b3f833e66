#include "ui/settings/HistoryPage.h"

CHistoryPage::CHistoryPage(QWidget *parent) : CSettingsPage(parent) {}

void CHistoryPage::Store() {}
