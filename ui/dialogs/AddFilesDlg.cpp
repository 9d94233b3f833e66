#include "ui/dialogs/AddFilesDlg.h"

#include "platform/RegistryStore.h"
#include "ui/dialogs/ExtensionPicker.h"
#include "ui/dialogs/FolderChoiceList.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kHistoryKey = "History";
constexpr const char *kFilterHistory = "SubFilter";
constexpr const char *kRecurseValue = "IsAddSub";

bool StoredRecurse()
{
    CRegistryStore store;
    store.Open(kHistoryKey);
    return store.QueryDword(kRecurseValue).value_or(0) != 0;
}

void StoreRecurse(bool recurse)
{
    CRegistryStore store;
    store.Open(kHistoryKey);
    store.WriteDword(kRecurseValue, recurse ? 1 : 0);
}

} // namespace

CAddFilesDlg::CAddFilesDlg(const std::vector<std::string> &folders, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_folders(new QListWidget(this)),
      m_filter(new CHistoryComboBox(this)), m_browse(new QPushButton(QStringLiteral("..."), this)),
      m_recurse(new QCheckBox(tr("サブフォルダ内のファイルも追加"), this))
{
    setWindowTitle(tr("ファイルの追加"));
    m_folders->setObjectName(QStringLiteral("folderList"));
    m_filter->setObjectName(QStringLiteral("filterCombo"));
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_recurse->setObjectName(QStringLiteral("recurseCheck"));
    FillFolderList(m_folders, folders);
    for (int line = 0; line < m_folders->count(); ++line) {
        QListWidgetItem *item = m_folders->item(line);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_filter->LoadHistory(kHistoryKey, kFilterHistory);
    m_recurse->setChecked(StoredRecurse());

    const DialogUnits units(font());
    m_filter->setMinimumWidth(units.toPixelsX(120));
    m_browse->setFixedWidth(units.toPixelsX(16));
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, [this] { AppendPickedExtensions(*m_filter, this); });

    auto *folderGroup = new QGroupBox(tr("フォルダ"), this);
    auto *folderLayout = new QVBoxLayout(folderGroup);
    folderLayout->addWidget(m_folders);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(tr("フィルタ"), this));
    filterRow->addWidget(m_filter, 1);
    filterRow->addWidget(m_browse);

    auto *run = new QPushButton(tr("実行"), this);
    auto *cancel = new QPushButton(tr("中止"), this);
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &CAddFilesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CAddFilesDlg::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(run);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folderGroup, 1);
    layout->addLayout(filterRow);
    layout->addWidget(m_recurse);
    layout->addLayout(buttons);
    m_filter->setFocus();
}

std::string CAddFilesDlg::Filter() const
{
    return m_filter->CurrentText();
}

bool CAddFilesDlg::Recurse() const
{
    return m_recurse->isChecked();
}

std::vector<std::string> CAddFilesDlg::CheckedFolders() const
{
    std::vector<std::string> checked;
    for (int line = 0; line < m_folders->count(); ++line) {
        if (m_folders->item(line)->checkState() == Qt::Checked)
            checked.push_back(FolderOfItem(m_folders->item(line)));
    }
    return checked;
}

void CAddFilesDlg::accept()
{
    m_filter->SaveHistory(kHistoryKey, kFilterHistory, CHistoryComboBox::kDefaultMaxCount);
    StoreRecurse(Recurse());
    QDialog::accept();
}
