#include "ui/dialogs/ExportDlg.h"

#include "platform/HistoryList.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/TextFileBrowse.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kHistoryKey = "History";
constexpr int kHistoryMax = int(platform::kHistoryMaxEntries);

CHistoryComboBox *MakeCombo(const char *name, const char *history, QWidget *parent)
{
    auto *combo = new CHistoryComboBox(parent);
    combo->setObjectName(QString::fromUtf8(name));
    combo->LoadHistory(kHistoryKey, history);
    return combo;
}

bool IsBlank(const std::string &text)
{
    return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

} // namespace

CExportDlg::CExportDlg(const CEnvSettings &env, const std::string &currentDirectory, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_env(env), m_currentDirectory(currentDirectory),
      m_path(MakeCombo("outputPath", "ExportFile", this)),
      m_browse(MakeImageButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, tr("参照"))),
      m_currentDirectoryButton(
          MakeImageButton(this, icons::kFolder, icons::kDirectoryButtonSize, tr("カレントディレクトリ"))),
      m_name(AddCheck(tr("名前"), "name", env.IsFileName)),
      m_size(AddCheck(tr("サイズ"), "size", env.IsFileSize)),
      m_type(AddCheck(tr("ファイルの種類"), "type", env.IsFileType)),
      m_time(AddCheck(tr("更新日時"), "time", env.IsFileTime)),
      m_attributes(AddCheck(tr("属性"), "attributes", env.IsFileAttrib)),
      m_fullPath(AddCheck(tr("フルパスを出力"), "fullPath", env.IsFullPath)),
      m_noExtension(AddCheck(tr("拡張子を出力しない"), "noExtension", env.IsNoExtension)),
      m_quote(AddCheck(tr("ファイル名を \" \" で囲む"), "quote", env.IsCoat)),
      m_addPrefix(AddCheck(tr("前に文字列追加"), "addPrefix", env.IsAddStrF)),
      m_addSuffix(AddCheck(tr("後に文字列追加"), "addSuffix", env.IsAddStrB)),
      m_prefixCombo(MakeCombo("prefix", "ExportStrF", this)),
      m_suffixCombo(MakeCombo("suffix", "ExportStrB", this))
{
    setWindowTitle(tr("ファイルリストのエクスポート"));
    m_browse->setObjectName(QStringLiteral("browse"));
    m_currentDirectoryButton->setObjectName(QStringLiteral("currentDirectory"));
    const DialogUnits units(font());
    m_path->setMinimumWidth(units.toPixelsX(160));

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(tr("出力先"), this));
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    pathRow->addWidget(m_currentDirectoryButton);

    auto *columns = new QGroupBox(tr("項　目"), this);
    auto *columnRow = new QHBoxLayout(columns);
    for (QCheckBox *check : {m_name, m_size, m_type, m_time, m_attributes})
        columnRow->addWidget(check);

    auto *prefixRow = new QHBoxLayout;
    prefixRow->addWidget(m_addPrefix);
    prefixRow->addWidget(m_prefixCombo, 1);
    auto *suffixRow = new QHBoxLayout;
    suffixRow->addWidget(m_addSuffix);
    suffixRow->addWidget(m_suffixCombo, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("実行"), QDialogButtonBox::AcceptRole);
    auto *cancel = buttons->addButton(tr("中止"), QDialogButtonBox::RejectRole);
    m_ok->setObjectName(QStringLiteral("okButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(columns);
    layout->addWidget(m_fullPath);
    layout->addWidget(m_noExtension);
    layout->addWidget(m_quote);
    layout->addLayout(prefixRow);
    layout->addLayout(suffixRow);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CExportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CExportDlg::reject);
    connect(m_browse, &QAbstractButton::clicked, this, &CExportDlg::Browse);
    connect(m_currentDirectoryButton, &QAbstractButton::clicked, this, &CExportDlg::PutCurrentDirectory);
    connect(m_path, &QComboBox::editTextChanged, this, &CExportDlg::RefreshStates);
    for (QCheckBox *check : {m_name, m_size, m_type, m_time, m_attributes, m_addPrefix, m_addSuffix})
        connect(check, &QCheckBox::toggled, this, &CExportDlg::RefreshStates);
    RefreshStates();
    m_path->setFocus();
}

QCheckBox *CExportDlg::AddCheck(const QString &text, const char *name, int value)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(QString::fromUtf8(name));
    check->setChecked(value != 0);
    return check;
}

void CExportDlg::Browse()
{
    BrowseTextFile(m_path, tr("出力ファイル選択"), TextFileUse::Write);
    RefreshStates();
}

void CExportDlg::PutCurrentDirectory()
{
    m_path->SetCurrentText(m_currentDirectory + "/");
}

void CExportDlg::RefreshStates()
{
    m_prefixCombo->setEnabled(m_addPrefix->isChecked());
    m_suffixCombo->setEnabled(m_addSuffix->isChecked());
    const bool anyColumn = m_name->isChecked() || m_size->isChecked() || m_type->isChecked() ||
                           m_time->isChecked() || m_attributes->isChecked();
    m_ok->setEnabled(anyColumn && !IsBlank(m_path->CurrentText()));
}

void CExportDlg::Finish()
{
    m_outputPath = m_path->CurrentText();
    m_prefix = m_prefixCombo->CurrentText();
    m_suffix = m_suffixCombo->CurrentText();
    m_path->SaveHistory(kHistoryKey, "ExportFile", kHistoryMax);
    m_prefixCombo->SaveHistory(kHistoryKey, "ExportStrF", kHistoryMax);
    m_suffixCombo->SaveHistory(kHistoryKey, "ExportStrB", kHistoryMax);

    const auto flag = [](const QCheckBox *check) { return check->isChecked() ? 1 : 0; };
    m_env.IsFileName = flag(m_name);
    m_env.IsFileSize = flag(m_size);
    m_env.IsFileType = flag(m_type);
    m_env.IsFileTime = flag(m_time);
    m_env.IsFileAttrib = flag(m_attributes);
    m_env.IsFullPath = flag(m_fullPath);
    m_env.IsNoExtension = flag(m_noExtension);
    m_env.IsCoat = flag(m_quote);
    m_env.IsAddStrF = flag(m_addPrefix);
    m_env.IsAddStrB = flag(m_addSuffix);
}

void CExportDlg::accept()
{
    // Return in the path combo must not end the dialog while 実行 is disabled.
    if (!m_ok->isEnabled())
        return;
    Finish();
    QDialog::accept();
}

void CExportDlg::reject()
{
    Finish();
    QDialog::reject();
}
