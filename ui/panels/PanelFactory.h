#pragma once

class CModePanel;
class QWidget;

// Creates the panel of a rename mode as a child of the main window, or
// returns nullptr for a mode without a panel. The caller fills it with
// SetFromSettings and saves its histories before deleting it.
CModePanel *CreateModePanel(int renameMode, QWidget *parent);
