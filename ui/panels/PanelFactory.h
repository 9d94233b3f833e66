#pragma once

#include "engine/SettingChoices.h"

class CModePanel;
class QWidget;

// Creates the panel of a rename kind as a child of the main window, or
// returns nullptr for a value that names no kind. The caller fills it with
// SetFromSettings and saves its histories before deleting it.
CModePanel *CreateModePanel(RenameKind kind, QWidget *parent);
