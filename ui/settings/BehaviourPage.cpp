#include "ui/settings/BehaviourPage.h"

#include "ui/dialogs/ExtensionPattern.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/settings/ChoiceGroup.h"
#include "ui/settings/InitialValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The filter combo lists the titles as they are when its list is opened, so
// a title typed into its edit field shows in the list.
class FilterTitleCombo : public QComboBox {
public:
    FilterTitleCombo(QWidget *parent, std::function<void()> beforePopup)
        : QComboBox(parent), m_beforePopup(std::move(beforePopup))
    {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }

    void showPopup() override
    {
        m_beforePopup();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforePopup;
};

int Flag(const QCheckBox *check)
{
    return check->isChecked() ? 1 : 0;
}

} // namespace

CBehaviourPage::CBehaviourPage(CEnvSettings &env, QWidget *parent)
    : CSettingsPage(parent), m_env(env), m_filters(env.Filters),
      m_edited(std::clamp(env.FilterMode, 0, static_cast<int>(CEnvSettings::kFilterCount) - 1)),
      m_beep(&QApplication::beep)
{
    CreateControls();
    Connect();
    ShowValues();
}

void CBehaviourPage::CreateControls()
{
    auto *run = new QGroupBox(tr("実行"), this);
    m_ask = new QCheckBox(tr("実行前に確認"), run);
    m_dispLog = new QCheckBox(tr("実行結果を表示"), run);
    auto *runLayout = new QVBoxLayout(run);
    runLayout->addWidget(m_ask);
    runLayout->addWidget(m_dispLog);

    m_drop =
        new CChoiceGroup(tr("ドラッグ＆ドロップ"), {tr("ファイル追加"), tr("ディレクトリ移動のみ")}, this);
    m_folderPicker =
        new CChoiceGroup(tr("ディレクトリ選択"), {tr("Windows標準形式"), tr("オリジナル形式")}, this);
    m_help = new CChoiceGroup(tr("ヘルプ"), {tr("コンパイル済みHTMLヘルプ"), tr("HTMLマニュアル")}, this);
    m_initial = new QPushButton(tr("起動動作"), this);
    m_initial->setAutoDefault(false);
    m_ask->setObjectName(QStringLiteral("askCheck"));
    m_dispLog->setObjectName(QStringLiteral("dispLogCheck"));
    m_drop->setObjectName(QStringLiteral("dropChoice"));
    m_folderPicker->setObjectName(QStringLiteral("folderPickerChoice"));
    m_help->setObjectName(QStringLiteral("helpChoice"));
    m_initial->setObjectName(QStringLiteral("initialButton"));

    auto *grid = new QGridLayout;
    grid->addWidget(run, 0, 0);
    grid->addWidget(CreateFilterControls(), 0, 1, 2, 2);
    grid->addWidget(m_drop, 1, 0);
    grid->addWidget(m_folderPicker, 2, 0);
    grid->addWidget(m_help, 2, 1);
    LayOutWithInitialButton(this, grid, m_initial);
}

QGroupBox *CBehaviourPage::CreateFilterControls()
{
    auto *group = new QGroupBox(this);
    m_filterLabel = new QLabel(tr("フィルタ"), group);
    m_filterCombo = new FilterTitleCombo(group, [this] { RebuildFilterItems(); });
    m_patternLabel = new QLabel(tr("パターン"), group);
    m_pattern = new QLineEdit(group);
    m_extensions = new QPushButton(QStringLiteral("..."), group);
    m_extensions->setAutoDefault(false);
    m_filterCombo->setObjectName(QStringLiteral("filterCombo"));
    m_pattern->setObjectName(QStringLiteral("patternEdit"));
    m_extensions->setObjectName(QStringLiteral("extensionButton"));
    m_extensions->setFixedWidth(m_extensions->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 2);
    m_hideDir = new QCheckBox(tr("フォルダ表示にも適用"), group);
    m_hideDir->setObjectName(QStringLiteral("hideDirCheck"));
    m_hideGroup = new QGroupBox(tr("非表示属性"), group);
    auto *hideLayout = new QGridLayout(m_hideGroup);
    const QString hideTexts[] = {tr("読み取り専用"), tr("隠しファイル"), tr("システム"), tr("アーカイブ")};
    const char *const hideNames[] = {"hideReadOnlyCheck", "hideHiddenCheck", "hideSystemCheck",
                                     "hideArchiveCheck"};
    for (int i = 0; i < 4; ++i) {
        auto *check = new QCheckBox(hideTexts[i], m_hideGroup);
        check->setObjectName(QString::fromLatin1(hideNames[i]));
        m_hideChecks[static_cast<std::size_t>(i)] = check;
        hideLayout->addWidget(check, i / 2, i % 2);
    }

    auto *layout = new QGridLayout(group);
    layout->addWidget(m_filterLabel, 0, 0);
    layout->addWidget(m_filterCombo, 0, 1, 1, 2);
    layout->addWidget(m_patternLabel, 1, 0);
    layout->addWidget(m_pattern, 1, 1);
    layout->addWidget(m_extensions, 1, 2);
    layout->addWidget(m_hideDir, 2, 0, 1, 3);
    layout->addWidget(m_hideGroup, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return group;
}

void CBehaviourPage::Connect()
{
    // Connected before the values are shown: a pattern put into the edit
    // when the page opens counts as a change as well.
    connect(m_pattern, &QLineEdit::textChanged, this, [this] { MarkChanged(); });
    connect(m_hideDir, &QCheckBox::clicked, this, [this] { MarkChanged(); });
    for (QCheckBox *check : m_hideChecks)
        connect(check, &QCheckBox::clicked, this, [this] { MarkChanged(); });
    connect(m_filterCombo, &QComboBox::currentIndexChanged, this, &CBehaviourPage::ChooseFilter);
    connect(m_filterCombo->lineEdit(), &QLineEdit::textEdited, this, &CBehaviourPage::RenameFilter);
    connect(m_extensions, &QPushButton::clicked, this, &CBehaviourPage::PickExtensions);
    connect(m_initial, &QPushButton::clicked, this, [this] {
        StoreInitialValues(
            this, [this](CEnvSettings &initial) { StoreInto(initial); }, "Environment",
            tr("動作の初期値を変更しました。"));
    });
}

void CBehaviourPage::ShowValues()
{
    m_ask->setChecked(m_env.IsAsk != 0);
    m_dispLog->setChecked(m_env.IsDispLog != 0);
    m_drop->SetValue(m_env.DDMode);
    m_folderPicker->SetValue(m_env.SelDirMode);
    m_help->SetValue(m_env.HelpMode);
    RebuildFilterItems();
    ShowFilter(m_edited);
}

void CBehaviourPage::Store()
{
    m_filters[static_cast<std::size_t>(m_edited)] = EditedRecord();
    StoreInto(m_env);
}

void CBehaviourPage::StoreInto(CEnvSettings &env) const
{
    env.IsAsk = Flag(m_ask);
    env.IsDispLog = Flag(m_dispLog);
    env.Filters = m_filters;
    env.Filters[static_cast<std::size_t>(m_edited)] = EditedRecord();
    env.FilterMode = m_edited;
    m_drop->StoreInto(env.DDMode);
    m_folderPicker->StoreInto(env.SelDirMode);
    m_help->StoreInto(env.HelpMode);
}

FilterRecord CBehaviourPage::EditedRecord() const
{
    FilterRecord record = m_filters[static_cast<std::size_t>(m_edited)];
    record.Filter = m_pattern->text().toStdString();
    record.IsHideDir = Flag(m_hideDir);
    record.IsNoReadOnly = Flag(m_hideChecks[0]);
    record.IsNoHidden = Flag(m_hideChecks[1]);
    record.IsNoSystem = Flag(m_hideChecks[2]);
    record.IsNoArchive = Flag(m_hideChecks[3]);
    return record;
}

void CBehaviourPage::ShowFilter(int index)
{
    const FilterRecord &record = m_filters[static_cast<std::size_t>(index)];
    m_pattern->setText(QString::fromStdString(record.Filter));
    m_hideDir->setChecked(record.IsHideDir != 0);
    m_hideChecks[0]->setChecked(record.IsNoReadOnly != 0);
    m_hideChecks[1]->setChecked(record.IsNoHidden != 0);
    m_hideChecks[2]->setChecked(record.IsNoSystem != 0);
    m_hideChecks[3]->setChecked(record.IsNoArchive != 0);
    UpdateFilterEnabling();
}

void CBehaviourPage::ChooseFilter(int index)
{
    if (index < 0 || index == m_edited)
        return;
    m_filters[static_cast<std::size_t>(m_edited)] = EditedRecord();
    // The list keeps the old entry's title as typed; the edit field shows the new one's.
    m_filterCombo->setItemText(m_edited,
                               QString::fromStdString(m_filters[static_cast<std::size_t>(m_edited)].Title));
    m_edited = index;
    m_filterCombo->setEditText(QString::fromStdString(m_filters[static_cast<std::size_t>(index)].Title));
    ShowFilter(index);
    MarkChanged();
}

void CBehaviourPage::RenameFilter(const QString &title)
{
    FilterRecord &record = m_filters[static_cast<std::size_t>(m_edited)];
    if (m_edited >= kEditableFilters) {
        m_beep();
        m_filterCombo->lineEdit()->setText(QString::fromStdString(record.Title));
        return;
    }
    record.Title = title.toStdString();
    MarkChanged();
}

void CBehaviourPage::RebuildFilterItems()
{
    const QSignalBlocker blocker(m_filterCombo);
    m_filterCombo->clear();
    for (const FilterRecord &record : m_filters)
        m_filterCombo->addItem(QString::fromStdString(record.Title));
    m_filterCombo->setCurrentIndex(m_edited);
    m_filterCombo->setEditText(QString::fromStdString(m_filters[static_cast<std::size_t>(m_edited)].Title));
}

void CBehaviourPage::PickExtensions()
{
    CFileTypeDlg picker(this);
    picker.SetMultiSelect(true);
    if (picker.exec() != QDialog::Accepted)
        return;
    m_pattern->setText(
        QString::fromStdString(AppendExtensionPatterns(m_pattern->text().toStdString(), picker.Result())));
}

void CBehaviourPage::UpdateFilterEnabling()
{
    const bool editable = m_edited < kEditableFilters;
    for (QWidget *control : std::initializer_list<QWidget *>{m_filterLabel, m_patternLabel, m_pattern,
                                                             m_extensions, m_hideDir, m_hideGroup})
        control->setEnabled(editable);
}
