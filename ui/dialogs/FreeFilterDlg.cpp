#include "ui/dialogs/FreeFilterDlg.h"

#include "platform/HistoryList.h"
#include "ui/dialogs/ExtensionPicker.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kHistoryKey = "History";
constexpr const char *kHistoryValue = "FreeFilter";

QCheckBox *MakeCheck(const QString &text, const char *name, int value, QWidget *parent)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(QString::fromUtf8(name));
    check->setChecked(value != 0);
    return check;
}

} // namespace

CFreeFilterDlg::CFreeFilterDlg(const FilterRecord &record, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_record(record), m_pattern(new CHistoryComboBox(this)),
      m_browse(new QPushButton(QStringLiteral("..."), this)),
      m_hideDir(MakeCheck(tr("フォルダ表示にも適用"), "hideDir", record.IsHideDir, this)),
      m_noReadOnly(MakeCheck(tr("読み取り専用"), "noReadOnly", record.IsNoReadOnly, this)),
      m_noHidden(MakeCheck(tr("隠しファイル"), "noHidden", record.IsNoHidden, this)),
      m_noSystem(MakeCheck(tr("システム"), "noSystem", record.IsNoSystem, this)),
      m_noArchive(MakeCheck(tr("アーカイブ"), "noArchive", record.IsNoArchive, this))
{
    setWindowTitle(tr("任意フィルタ"));
    m_pattern->setObjectName(QStringLiteral("pattern"));
    m_browse->setObjectName(QStringLiteral("browseExtensions"));
    m_browse->setAutoDefault(false);
    const DialogUnits units(font());
    m_pattern->setMinimumWidth(units.toPixelsX(120));
    m_browse->setFixedWidth(units.toPixelsX(16));

    auto *patternRow = new QHBoxLayout;
    patternRow->addWidget(new QLabel(tr("パターン"), this));
    patternRow->addWidget(m_pattern, 1);
    patternRow->addWidget(m_browse);

    auto *attributes = new QGroupBox(tr("非表示属性"), this);
    auto *attributeGrid = new QGridLayout(attributes);
    attributeGrid->addWidget(m_noReadOnly, 0, 0);
    attributeGrid->addWidget(m_noHidden, 0, 1);
    attributeGrid->addWidget(m_noSystem, 1, 0);
    attributeGrid->addWidget(m_noArchive, 1, 1);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("実行"), QDialogButtonBox::AcceptRole);
    auto *cancel = buttons->addButton(tr("中止"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("okButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFreeFilterDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFreeFilterDlg::reject);
    connect(m_browse, &QPushButton::clicked, this, &CFreeFilterDlg::pickExtensions);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(patternRow);
    layout->addWidget(m_hideDir);
    layout->addWidget(attributes);
    layout->addWidget(buttons);

    m_pattern->LoadHistory(kHistoryKey, kHistoryValue);
    m_pattern->SetCurrentText(record.Filter);
    m_pattern->setFocus();
}

void CFreeFilterDlg::pickExtensions()
{
    AppendPickedExtensions(*m_pattern, this);
}

void CFreeFilterDlg::saveHistory()
{
    m_pattern->SaveHistory(kHistoryKey, kHistoryValue, int(platform::kHistoryMaxEntries));
}

void CFreeFilterDlg::accept()
{
    const std::string pattern = m_pattern->CurrentText();
    saveHistory();
    m_record.Filter = pattern;
    m_record.IsHideDir = m_hideDir->isChecked() ? 1 : 0;
    m_record.IsNoReadOnly = m_noReadOnly->isChecked() ? 1 : 0;
    m_record.IsNoHidden = m_noHidden->isChecked() ? 1 : 0;
    m_record.IsNoSystem = m_noSystem->isChecked() ? 1 : 0;
    m_record.IsNoArchive = m_noArchive->isChecked() ? 1 : 0;

    CEnvSettings stored;
    stored.Filters[CEnvSettings::kFreeFilterIndex] = m_record;
    stored.SaveFreeFilter();
    QDialog::accept();
}

void CFreeFilterDlg::reject()
{
    saveHistory();
    QDialog::reject();
}
