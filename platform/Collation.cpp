#include "platform/Collation.h"

#include "platform/Text.h"

#include <QCollator>
#include <QLocale>
#include <QString>

namespace platform {

namespace {

// Qt compares plain code points in the C locale, and its prepared keys are
// then case sensitive; a real collation keeps both ways of comparing alike.
QCollator MakeCollator()
{
    QLocale locale = QLocale::system().collation();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Japanese, QLocale::Japan);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setIgnorePunctuation(false);
    collator.setNumericMode(false);
    return collator;
}

// A collator keeps lazily built state, so each thread has its own.
const QCollator &Collator()
{
    thread_local const QCollator collator = MakeCollator();
    return collator;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int BreakTie(std::string_view a, std::string_view b)
{
    if (a == b)
        return 0;
    return Sign(ToLower(a).compare(ToLower(b)));
}

} // namespace

int CompareCollated(std::string_view a, std::string_view b)
{
    const int order = Sign(Collator().compare(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())),
                                              QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))));
    return order != 0 ? order : BreakTie(a, b);
}

struct CollationKeys::Data {
    std::vector<std::string> texts;
    std::vector<QCollatorSortKey> keys;
};

CollationKeys::CollationKeys(std::vector<std::string> texts) : m_data(std::make_unique<Data>())
{
    const QCollator &collator = Collator();
    m_data->keys.reserve(texts.size());
    for (const std::string &text : texts)
        m_data->keys.push_back(
            collator.sortKey(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    m_data->texts = std::move(texts);
}

CollationKeys::~CollationKeys() = default;

std::size_t CollationKeys::size() const
{
    return m_data->texts.size();
}

int CollationKeys::Compare(std::size_t i, std::size_t j) const
{
    const int order = Sign(m_data->keys[i].compare(m_data->keys[j]));
    return order != 0 ? order : BreakTie(m_data->texts[i], m_data->texts[j]);
}

} // namespace platform
