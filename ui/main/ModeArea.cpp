#include "ui/main/ModeArea.h"

#include "engine/RenameSettings.h"
#include "ui/main/ControlStates.h"
#include "ui/panels/ModePanel.h"
#include "ui/panels/PanelFactory.h"
#include "ui/widgets/DialogUnits.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// The rows of the mode combo: the rename kinds, separators between their
// groups and, last, the command that stores the settings as the defaults.
struct ModeRow {
    const char *text;
    std::optional<RenameKind> kind; // none for a separator and the command
};

constexpr const char kSeparator[] = "------------";
const ModeRow kModeRows[] = {
    {QT_TRANSLATE_NOOP("CModeArea", "連番"), RenameKind::Renumber},
    {QT_TRANSLATE_NOOP("CModeArea", "元名"), RenameKind::OldName},
    {QT_TRANSLATE_NOOP("CModeArea", "文字種"), RenameKind::CharKind},
    {QT_TRANSLATE_NOOP("CModeArea", "文字置換"), RenameKind::Replace},
    {QT_TRANSLATE_NOOP("CModeArea", "範囲置換"), RenameKind::RangeReplace},
    {QT_TRANSLATE_NOOP("CModeArea", "挿入"), RenameKind::Insert},
    {QT_TRANSLATE_NOOP("CModeArea", "書式"), RenameKind::Format},
    {QT_TRANSLATE_NOOP("CModeArea", "ファイルから"), RenameKind::FromFile},
    {kSeparator, {}},
    {QT_TRANSLATE_NOOP("CModeArea", "連番Dir作成"), RenameKind::NumberedDirectories},
    {kSeparator, {}},
    {QT_TRANSLATE_NOOP("CModeArea", "※連結"), RenameKind::Concatenation},
    {kSeparator, {}},
    {QT_TRANSLATE_NOOP("CModeArea", "■初期値に"), {}},
};
constexpr int kModeRowCount = static_cast<int>(std::size(kModeRows));
constexpr int kStoreDefaultsRow = kModeRowCount - 1;

int RowOfKind(RenameKind kind)
{
    const auto found = std::find_if(std::begin(kModeRows), std::end(kModeRows),
                                    [kind](const ModeRow &row) { return row.kind == kind; });
    return found == std::end(kModeRows) ? -1 : static_cast<int>(found - std::begin(kModeRows));
}

Qt::CheckState CheckFromAttribute(AttributeChange change)
{
    return change == AttributeChange::Set    ? Qt::Checked
           : change == AttributeChange::Keep ? Qt::PartiallyChecked
                                             : Qt::Unchecked;
}

AttributeChange AttributeFromCheck(Qt::CheckState state)
{
    return state == Qt::Checked            ? AttributeChange::Set
           : state == Qt::PartiallyChecked ? AttributeChange::Keep
                                           : AttributeChange::Clear;
}

} // namespace

CModeArea::CModeArea(QWidget *window, const DialogUnits &du, CRenameSettings &settings)
    : QObject(window), m_settings(settings)
{
    CreateModeControls(window, du);
    CreateUnificationControls(window, du);
    Connect();
}

CModeArea::~CModeArea() = default;

void CModeArea::CreateModeControls(QWidget *window, const DialogUnits &du)
{
    m_modeCombo = new QComboBox(window);
    m_modeCombo->setObjectName(QStringLiteral("modeCombo"));
    for (const ModeRow &row : kModeRows)
        m_modeCombo->addItem(tr(row.text));
    m_modeCombo->setMaxVisibleItems(kModeRowCount);
    m_modeCombo->setGeometry(du.toPixels(4, 4, 46, 12));

    m_filesRadio = new QRadioButton(tr("ファイル"), window);
    m_foldersRadio = new QRadioButton(tr("フォルダ"), window);
    m_filesRadio->setObjectName(QStringLiteral("filesRadio"));
    m_foldersRadio->setObjectName(QStringLiteral("foldersRadio"));
    m_filesRadio->setGeometry(du.toPixels(8, 21, 40, 10));
    m_foldersRadio->setGeometry(du.toPixels(8, 31, 40, 10));
    m_objectGroup = new QButtonGroup(this);
    m_objectGroup->addButton(m_filesRadio, static_cast<int>(ObjectKind::Files));
    m_objectGroup->addButton(m_foldersRadio, static_cast<int>(ObjectKind::Folders));

    m_panelHost = new QWidget(window);
    m_panelHost->setObjectName(QStringLiteral("panelHost"));
    m_panelHost->setGeometry(du.toPixels(56, 2, 260, 42));
}

void CModeArea::CreateUnificationControls(QWidget *window, const DialogUnits &du)
{
    m_unifyTime = new QCheckBox(tr("タイムスタンプ統一"), window);
    m_unifyTime->setObjectName(QStringLiteral("unifyTimeCheck"));
    m_unifyTime->setGeometry(du.toPixels(10, 50, 72, 10));
    m_datePicker = new QDateEdit(window);
    m_datePicker->setObjectName(QStringLiteral("datePicker"));
    m_datePicker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_datePicker->setGeometry(du.toPixels(90, 49, 54, 12));
    m_datePicker->setDateRange(QDate(1980, 1, 1), QDate(2037, 12, 31));
    m_timePicker = new QTimeEdit(window);
    m_timePicker->setObjectName(QStringLiteral("timePicker"));
    m_timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_timePicker->setGeometry(du.toPixels(144, 49, 42, 12));
    m_nowButton = new QPushButton(tr("現在日時"), window);
    m_nowButton->setObjectName(QStringLiteral("nowButton"));
    m_nowButton->setGeometry(du.toPixels(187, 49, 34, 12));
    m_nowButton->setToolTip(tr("現在時刻"));
    m_midnightButton = new QPushButton(QStringLiteral("00:00:00"), window);
    m_midnightButton->setObjectName(QStringLiteral("midnightButton"));
    m_midnightButton->setGeometry(du.toPixels(221, 49, 34, 12));
    m_midnightButton->setToolTip(QStringLiteral("00:00:00"));

    m_unifyAttr = new QCheckBox(tr("属性統一"), window);
    m_unifyAttr->setObjectName(QStringLiteral("unifyAttrCheck"));
    // As wide as the timestamp box: the room up to the first attribute is free.
    m_unifyAttr->setGeometry(du.toPixels(10, 63, 72, 10));
    const char *const labels[] = {QT_TR_NOOP("読みとり専用"), QT_TR_NOOP("隠しファイル"),
                                  QT_TR_NOOP("システム"), QT_TR_NOOP("アーカイブ")};
    const char *const tips[] = {QT_TR_NOOP("読みとり専用"), QT_TR_NOOP("隠しファイル"),
                                QT_TR_NOOP("システムファイル"), QT_TR_NOOP("アーカイブ")};
    const char *const names[] = {"readOnlyAttrCheck", "hiddenAttrCheck", "systemAttrCheck",
                                 "archiveAttrCheck"};
    const int x[] = {90, 150, 210, 260};
    const int w[] = {56, 56, 46, 46};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i) {
        m_attrChecks[i] = new QCheckBox(tr(labels[i]), window);
        m_attrChecks[i]->setObjectName(QString::fromLatin1(names[i]));
        m_attrChecks[i]->setTristate(true);
        m_attrChecks[i]->setToolTip(tr(tips[i]));
        m_attrChecks[i]->setGeometry(du.toPixels(x[i], 63, w[i], 10));
    }
}

void CModeArea::Connect()
{
    connect(m_modeCombo, &QComboBox::activated, this, &CModeArea::ModeRowActivated);
    // The combo is narrower than its longest items: the tooltip names the mode whole.
    connect(m_modeCombo, &QComboBox::currentTextChanged, m_modeCombo, &QWidget::setToolTip);
    connect(m_objectGroup, &QButtonGroup::idClicked, this,
            [this](int id) { emit ObjectKindChosen(static_cast<ObjectKind>(id)); });
    connect(m_nowButton, &QPushButton::clicked, this, [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_datePicker->setDate(now.date());
        m_timePicker->setTime(now.time());
    });
    connect(m_midnightButton, &QPushButton::clicked, this, [this] { m_timePicker->setTime(QTime(0, 0, 0)); });
    for (QCheckBox *check : {m_unifyTime, m_unifyAttr})
        connect(check, &QCheckBox::clicked, this, &CModeArea::StoreUnification);
    for (QCheckBox *check : m_attrChecks)
        connect(check, &QCheckBox::clicked, this, &CModeArea::StoreUnification);
    connect(m_datePicker, &QDateEdit::dateChanged, this, &CModeArea::StoreUnification);
    connect(m_timePicker, &QTimeEdit::timeChanged, this, &CModeArea::StoreUnification);
}

void CModeArea::Load()
{
    ShowModeAndKind();
    m_unifyTime->setChecked(m_settings.IsFileTimeChange);
    m_unifyAttr->setChecked(m_settings.IsFileAttribChange);
    const QDateTime time = QDateTime::fromSecsSinceEpoch(m_settings.FileTime);
    {
        const QSignalBlocker blockDate(m_datePicker), blockTime(m_timePicker);
        m_datePicker->setDate(time.date());
        m_timePicker->setTime(time.time());
    }
    const AttributeChange attrs[] = {m_settings.AtrReadOnly, m_settings.AtrHidden, m_settings.AtrSystem,
                                     m_settings.AtrArchive};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i)
        m_attrChecks[i]->setCheckState(CheckFromAttribute(attrs[i]));
}

void CModeArea::ShowModeAndKind()
{
    m_modeCombo->setCurrentIndex(RowOfKind(m_settings.RenameMode));
    (m_settings.ChoosesFolders() ? m_foldersRadio : m_filesRadio)->setChecked(true);
}

void CModeArea::StoreUnification()
{
    m_settings.IsFileTimeChange = m_unifyTime->isChecked();
    m_settings.IsFileAttribChange = m_unifyAttr->isChecked();
    m_settings.FileTime = QDateTime(m_datePicker->date(), m_timePicker->time()).toSecsSinceEpoch();
    AttributeChange *attrs[] = {&m_settings.AtrReadOnly, &m_settings.AtrHidden, &m_settings.AtrSystem,
                                &m_settings.AtrArchive};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i)
        *attrs[i] = AttributeFromCheck(m_attrChecks[i]->checkState());
    emit UnificationChanged();
}

void CModeArea::ReadPanel()
{
    if (m_panel)
        m_panel->ReadInto(m_settings);
}

void CModeArea::ShowPanelValues()
{
    if (m_panel)
        m_panel->SetFromSettings(m_settings);
}

void CModeArea::CreatePanel()
{
    m_panel = CreateModePanel(m_settings.RenameMode, m_panelHost);
    if (!m_panel)
        return;
    m_panel->setGeometry(QRect(QPoint(0, 0), m_panel->sizeHint()));
    connect(m_panel, &CModePanel::PanelChanged, this, &CModeArea::PanelChanged);
    connect(m_panel, &CModePanel::ShortcutKey, this, &CModeArea::ShortcutKey);
    m_panel->SetFromSettings(m_settings);
    m_panel->show();
}

void CModeArea::DestroyPanel()
{
    if (!m_panel)
        return;
    m_panel->SaveHistories();
    delete m_panel;
    m_panel = nullptr;
}

void CModeArea::SavePanelHistories()
{
    if (m_panel)
        m_panel->SaveHistories();
}

bool CModeArea::UnifyTimeChecked() const
{
    return m_unifyTime->isChecked();
}

bool CModeArea::UnifyAttrChecked() const
{
    return m_unifyAttr->isChecked();
}

void CModeArea::ApplyStates(const ControlStates &states)
{
    m_filesRadio->setEnabled(states.objectKind);
    m_foldersRadio->setEnabled(states.objectKind);
    m_unifyTime->setEnabled(states.unifyTime);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_datePicker, m_timePicker, m_nowButton, m_midnightButton})
        w->setEnabled(states.timePickers);
    m_unifyAttr->setEnabled(states.unifyAttr);
    for (QCheckBox *check : m_attrChecks)
        check->setEnabled(states.attrChecks);
}

void CModeArea::ModeRowActivated(int row)
{
    if (row == kStoreDefaultsRow) {
        ShowModeAndKind();
        emit StoreDefaultsChosen();
    } else if (const std::optional<RenameKind> kind = kModeRows[row].kind) {
        emit ModeChosen(*kind);
    } else {
        // A separator is no choice: the combo shows the mode again.
        QApplication::beep();
        ShowModeAndKind();
    }
}

void CModeArea::PopUpModes()
{
    m_modeCombo->setFocus();
    m_modeCombo->showPopup();
}
