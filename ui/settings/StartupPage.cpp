#include "ui/settings/StartupPage.h"

#include "app/EnvSettings.h"
#include "ui/dialogs/ChooseFolder.h"
#include "ui/settings/ChoiceGroup.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

CStartupPage::CStartupPage(CEnvSettings &env, QWidget *parent) : CSettingsPage(parent), m_env(env)
{
    CreateControls();
    ShowValues();
    UpdateEnabling();
    connect(m_directory, &CChoiceGroup::Clicked, this, &CStartupPage::UpdateEnabling);
    connect(m_browse, &QAbstractButton::clicked, this, &CStartupPage::BrowseDirectory);
}

void CStartupPage::CreateControls()
{
    m_data = new CChoiceGroup(tr("変名設定"), {tr("前回終了値"), tr("デフォルト")}, this);
    m_window = new CChoiceGroup(tr("ウィンドウ"), {tr("前回終了値"), tr("デフォルト")}, this);
    m_directory = new CChoiceGroup(tr("選択ディレクトリ"), {tr("前回終了値"), tr("固定")}, this);
    auto *directoryRow = new QWidget(m_directory);
    m_directoryCombo = new CHistoryComboBox(directoryRow);
    m_directoryCombo->SetDropEmpty(true);
    m_directoryCombo->SetMatch(platform::HistoryMatch::SamePath);
    m_directoryCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_directoryCombo->setMinimumContentsLength(24);
    m_browse = MakeImageButton(directoryRow, icons::kBrowseFolder, icons::kDirectoryButtonSize,
                               tr("ディレクトリ参照"));
    auto *rowLayout = new QHBoxLayout(directoryRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(m_directoryCombo, 1);
    rowLayout->addWidget(m_browse);
    m_directory->AddWidget(directoryRow);

    m_split = new CChoiceGroup(tr("リスト分割"), {tr("前回終了値"), tr("２分割"), tr("分割なし")}, this);
    auto *multiGroup = new QGroupBox(tr("多重起動"), this);
    m_multiExec = new QCheckBox(tr("許可"), multiGroup);
    (new QVBoxLayout(multiGroup))->addWidget(m_multiExec);

    m_data->setObjectName(QStringLiteral("dataChoice"));
    m_window->setObjectName(QStringLiteral("windowChoice"));
    m_directory->setObjectName(QStringLiteral("directoryChoice"));
    m_directoryCombo->setObjectName(QStringLiteral("directoryCombo"));
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_split->setObjectName(QStringLiteral("splitChoice"));
    m_multiExec->setObjectName(QStringLiteral("multiExecCheck"));

    auto *grid = new QGridLayout;
    grid->addWidget(m_data, 0, 0);
    grid->addWidget(m_window, 0, 1);
    grid->addWidget(m_split, 0, 2);
    grid->addWidget(m_directory, 1, 0, 1, 2);
    grid->addWidget(multiGroup, 1, 2, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
}

void CStartupPage::ShowValues()
{
    m_data->SetValue(m_env.DataMode);
    m_window->SetValue(m_env.WindowMode);
    m_directory->SetValue(m_env.DirectoryMode);
    m_directoryCombo->LoadHistory("Environment", "CurrentDirectory");
    m_directoryCombo->SetCurrentText(m_env.DefDirectory);
    m_split->SetValue(m_env.SplitMode);
    m_multiExec->setChecked(m_env.IsMultiExec != 0);
}

void CStartupPage::Store()
{
    m_data->StoreInto(m_env.DataMode);
    m_window->StoreInto(m_env.WindowMode);
    m_directory->StoreInto(m_env.DirectoryMode);
    m_env.DefDirectory = m_directoryCombo->CurrentText();
    m_split->StoreInto(m_env.SplitMode);
    m_env.IsMultiExec = m_multiExec->isChecked() ? 1 : 0;
}

void CStartupPage::BrowseDirectory()
{
    const std::optional<std::string> chosen =
        ChooseFolder(this, tr("起動時の選択ディレクトリを指定して下さい。"), m_directoryCombo->CurrentText(),
                     m_env.SelDirMode);
    if (chosen) {
        m_directoryCombo->SetCurrentText(*chosen);
        m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    }
    m_directoryCombo->setFocus();
}

void CStartupPage::UpdateEnabling()
{
    const bool fixed = m_directory->Value() == 1;
    m_directoryCombo->setEnabled(fixed);
    m_browse->setEnabled(fixed);
}
