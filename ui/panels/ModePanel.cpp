#include "ui/panels/ModePanel.h"

#include "ui/widgets/HistoryComboBox.h"

#include "ui/dialogs/FileTypeDlg.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/ModalGuard.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

CModePanel::CModePanel(QWidget *parent) : QWidget(parent)
{
    // Seen before any control of the panel sees a key; widgets that are
    // created later (a combo's line edit) are covered as well.
    qApp->installEventFilter(this);
}

CModePanel::~CModePanel()
{
    qApp->removeEventFilter(this);
}

void CModePanel::SetFromSettings(const CRenameSettings &settings)
{
    LoadHistories();
    ShowSettings(settings);
    PostChanged();
}

void CModePanel::LoadHistories()
{
    for (const HistoryField &field : m_histories)
        field.combo->LoadHistory(kHistoryKey, field.valueName);
}

void CModePanel::SaveHistories()
{
    for (const HistoryField &field : m_histories)
        field.combo->SaveHistory(kHistoryKey, field.valueName, kHistoryMax);
}

void CModePanel::PostChanged()
{
    if (m_changePending)
        return;
    m_changePending = true;
    // The context object drops the call if the panel is gone meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_changePending = false;
            emit PanelChanged();
        },
        Qt::QueuedConnection);
}

CHistoryComboBox *CModePanel::AddHistoryCombo(const std::string &valueName)
{
    auto *combo = new CHistoryComboBox(this);
    connect(combo, &QComboBox::editTextChanged, this, &CModePanel::PostChanged);
    connect(combo, &QComboBox::currentIndexChanged, this, &CModePanel::PostChanged);
    m_histories.push_back({combo, valueName});
    return combo;
}

bool CModePanel::ExtensionField::IsChecked() const
{
    return check->isChecked();
}

void CModePanel::ExtensionField::SetChecked(bool on) const
{
    check->setChecked(on);
    combo->setEnabled(on);
    button->setEnabled(on);
}

CModePanel::ExtensionField CModePanel::AddExtensionField(const std::string &valueName)
{
    ExtensionField field{new QCheckBox(tr("拡張子"), this), AddHistoryCombo(valueName),
                         new QPushButton(QStringLiteral("..."), this)};
    field.button->setFixedWidth(field.button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 12);
    field.SetChecked(false);
    connect(field.check, &QCheckBox::clicked, this, [this, field](bool on) {
        field.SetChecked(on);
        PostChanged();
    });
    connect(field.button, &QPushButton::clicked, this, [this, combo = field.combo] { pickExtension(combo); });
    return field;
}

void CModePanel::pickExtension(CHistoryComboBox *target)
{
    CModalGuard guard(this);
    CFileTypeDlg picker(this);
    picker.SetMultiSelect(false);
    if (picker.exec() != QDialog::Accepted)
        return;
    target->SetCurrentText(picker.NextExtension());
    PostChanged();
}

QSize CModePanel::sizeHint() const
{
    return DialogUnits(font()).toPixels(260, 41);
}

bool CModePanel::IsMainWindowShortcut(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_D:
    case Qt::Key_E:
    case Qt::Key_M:
    case Qt::Key_Q:
    case Qt::Key_S:
    case Qt::Key_W:
    case Qt::Key_Z:
        return true;
    default:
        return false;
    }
}

bool CModePanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // Only the panel's own controls; a combo's drop-down is a window of its
    // own and keeps its keys.
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;

    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    if (IsMainWindowShortcut(key, keyEvent->modifiers())) {
        if (type == QEvent::ShortcutOverride) {
            // Claim the key so that it arrives as a key press (handled below)
            // instead of triggering a shortcut or a control's own binding.
            keyEvent->accept();
            return true;
        }
        QMetaObject::invokeMethod(
            this, [this, key] { emit ShortcutKey(key); }, Qt::QueuedConnection);
        return true;
    }
    return type == QEvent::KeyPress &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape);
}
