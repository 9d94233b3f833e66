#include "ui/panels/PanelFactory.h"

#include "engine/RenameSettings.h"
#include "ui/panels/OrgNamePanel.h"
#include "ui/panels/RenumPanel.h"

CModePanel *CreateModePanel(int renameMode, QWidget *parent)
{
    switch (renameMode) {
    case kModeRenumber:
        return new CRenumPanel(parent);
    case kModeOldName:
        return new COrgNamePanel(parent);
    default:
        return nullptr;
    }
}
