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

namespace {

template <class Panel> CModePanel *Make(QWidget *parent)
{
    return new Panel(parent);
}

// The panel of every kind of run.
const struct {
    RenameKind kind;
    CModePanel *(*make)(QWidget *parent);
} kPanels[] = {
    {RenameKind::Renumber, Make<CRenumPanel>},
    {RenameKind::OldName, Make<COrgNamePanel>},
    {RenameKind::CharKind, Make<CCharKindPanel>},
    {RenameKind::Replace, Make<CReplacePanel>},
    {RenameKind::RangeReplace, Make<CRangeReplacePanel>},
    {RenameKind::Insert, Make<CInsertPanel>},
    {RenameKind::Format, Make<CFormatPanel>},
    {RenameKind::FromFile, Make<CFromFilePanel>},
    {RenameKind::NumberedDirectories, Make<CNumDirPanel>},
    {RenameKind::Concatenation, Make<CConcatPanel>},
};

} // namespace

CModePanel *CreateModePanel(RenameKind kind, QWidget *parent)
{
    for (const auto &panel : kPanels)
        if (panel.kind == kind)
            return panel.make(parent);
    return nullptr; // a stored value that names no kind
}
