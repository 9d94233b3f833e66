#include "ui/panels/PanelFactory.h"

#include "engine/RenameSettings.h"
#include "ui/panels/CharKindPanel.h"
#include "ui/panels/ConcatPanel.h"
#include "ui/panels/FormatPanel.h"
#include "ui/panels/FromFilePanel.h"
#include "ui/panels/InsertPanel.h"
#include "ui/panels/NumDirPanel.h"
#include "ui/panels/OrgNamePanel.h"
#include "ui/panels/RangeReplacePanel.h"
#include "ui/panels/RenumPanel.h"
#include "ui/panels/ReplacePanel.h"

CModePanel *CreateModePanel(int renameMode, QWidget *parent)
{
    switch (renameMode) {
    case kModeRenumber:
        return new CRenumPanel(parent);
    case kModeOldName:
        return new COrgNamePanel(parent);
    case kModeCharKind:
        return new CCharKindPanel(parent);
    case kModeReplace:
        return new CReplacePanel(parent);
    case kModeRangeReplace:
        return new CRangeReplacePanel(parent);
    case kModeInsert:
        return new CInsertPanel(parent);
    case kModeFormat:
        return new CFormatPanel(parent);
    case kModeFromFile:
        return new CFromFilePanel(parent);
    case kModeNumberedDirs:
        return new CNumDirPanel(parent);
    case kModeConcatenate:
        return new CConcatPanel(parent);
    default:
        return nullptr;
    }
}
