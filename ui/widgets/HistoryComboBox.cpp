#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ShownText.h"

#include <QAbstractItemView>

namespace {

constexpr int kBytesRole = Qt::UserRole;

} // namespace

CHistoryComboBox::CHistoryComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would change the edit text behind the user's back.
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    // An entry picked from the list stands for its own bytes.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            SetCurrentText(itemData(index, kBytesRole).toByteArray().toStdString());
    });
}

void CHistoryComboBox::LoadHistory(const std::string &key, const std::string &value)
{
    SetEntries(platform::LoadHistory(key, value));
}

void CHistoryComboBox::ReloadHistory(const std::string &key, const std::string &value)
{
    const std::string text = CurrentText();
    LoadHistory(key, value);
    SetCurrentText(text);
}

void CHistoryComboBox::AddCurrentText(int max)
{
    m_maxCount = max;
    platform::HistoryEntries entries = Entries();
    platform::AddToHistory(entries, CurrentText(), size_t(std::max(max, 0)), m_dropEmpty, m_match);
    SetEntries(entries);
}

void CHistoryComboBox::SaveHistory(const std::string &key, const std::string &value, int max)
{
    AddCurrentText(max);
    platform::SaveHistory(key, value, Entries());
}

std::vector<std::string> CHistoryComboBox::Entries() const
{
    std::vector<std::string> entries;
    entries.reserve(size_t(count()));
    for (int i = 0; i < count(); ++i)
        entries.push_back(itemData(i, kBytesRole).toByteArray().toStdString());
    return entries;
}

void CHistoryComboBox::SetEntries(const std::vector<std::string> &entries)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const std::string &entry : entries)
        addItem(ShownText(entry), QByteArray::fromStdString(entry));
    selectFirstEntry();
}

void CHistoryComboBox::selectFirstEntry()
{
    if (count() == 0) {
        SetCurrentText({});
        return;
    }
    setCurrentIndex(0);
    SetCurrentText(itemData(0, kBytesRole).toByteArray().toStdString());
}

std::string CHistoryComboBox::CurrentText() const
{
    const QString shown = currentText();
    return shown == m_setShown ? m_setBytes : shown.toStdString();
}

void CHistoryComboBox::SetCurrentText(const std::string &text)
{
    m_setBytes = text;
    m_setShown = ShownText(text);
    setEditText(m_setShown);
}

std::string CHistoryComboBox::GetTextWithoutTrailingBackslash() const
{
    std::string text = CurrentText();
    if (!text.empty() && text.back() == '/')
        text.pop_back();
    return text;
}

void CHistoryComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Opening the drop-down list takes the focus away only for a moment.
    if (!view()->isVisible())
        AddCurrentText(m_maxCount);
}
