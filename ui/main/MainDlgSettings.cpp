// The main window and the settings dialog: opening it on copies of the
// settings and following what it changed.
#include "ui/main/MainDlg.h"

#include "ui/main/CandidatePane.h"
#include "ui/main/ModeArea.h"
#include "ui/main/SelectionPane.h"
#include "ui/settings/SettingsDlg.h"

namespace {

// What decides which entries the listing shows: the active filter's pattern
// and hide flags (its title only names it).
bool SameListing(const CEnvSettings &a, const CEnvSettings &b)
{
    if (a.FilterMode != b.FilterMode)
        return false;
    const auto index = static_cast<std::size_t>(a.FilterMode);
    if (index >= CEnvSettings::kFilterCount)
        return true;
    const FilterRecord &x = a.Filters[index];
    const FilterRecord &y = b.Filters[index];
    return x.Filter == y.Filter && x.IsHideDir == y.IsHideDir && x.HideMask() == y.HideMask();
}

} // namespace

void CMainDlg::OpenSettings()
{
    // The dialog's history page works on the stored lists.
    m_selection->SaveHistory();
    m_candidates->SaveHistory();
    m_modes->SavePanelHistories();

    CSettingsDlg dialog(m_env, m_launchers, this);
    bool accepted = false;
    {
        CModalGuard modal(this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    ApplySettings(dialog, accepted);
}

void CMainDlg::ApplySettings(const CSettingsDlg &dialog, bool accepted)
{
    if (accepted) {
        const bool listAgain = !SameListing(m_env, dialog.Env());
        m_env.CopyFrom(dialog.Env());
        m_launchers = dialog.Launchers();
        if (dialog.DisplayChanged()) {
            ApplyListOptions();
            m_selection->ApplySortOptions();
            m_candidates->RefreshPreview();
        }
        if (listAgain)
            m_selection->RequestListing();
    } else {
        m_env.FirstCustom = dialog.Env().FirstCustom;
    }
    if (dialog.HistoryChanged()) {
        m_selection->ReloadHistory();
        m_candidates->ReloadHistory();
        m_modes->ReadPanel();
        m_modes->ShowPanelValues();
    }
    RefreshControlStates();
}
