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

CModePanel *CreateModePanel(RenameKind kind, QWidget *parent)
{
    switch (kind) {
    case RenameKind::Renumber:
        return new CRenumPanel(parent);
    case RenameKind::OldName:
        return new COrgNamePanel(parent);
    case RenameKind::CharKind:
        return new CCharKindPanel(parent);
    case RenameKind::Replace:
        return new CReplacePanel(parent);
    case RenameKind::RangeReplace:
        return new CRangeReplacePanel(parent);
    case RenameKind::Insert:
        return new CInsertPanel(parent);
    case RenameKind::Format:
        return new CFormatPanel(parent);
    case RenameKind::FromFile:
        return new CFromFilePanel(parent);
    case RenameKind::NumberedDirectories:
        return new CNumDirPanel(parent);
    case RenameKind::Concatenation:
        return new CConcatPanel(parent);
    }
    return nullptr; // a stored value that names no kind
}
