#include "ui/settings/LaunchPage.h"

#include "app/LaunchList.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ModalGuard.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// A path goes into the command text in double quotes when blanks or quotes
// in it would otherwise split it (a literal quote is written as three).
QString CommandWord(const QString &path)
{
    const bool plain =
        std::none_of(path.begin(), path.end(), [](QChar c) { return c.isSpace() || c == '"'; });
    if (plain)
        return path;
    QString quoted = path;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\"\""));
    return '"' + quoted + '"';
}

void TrimOnLeave(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::editingFinished, edit,
                     [edit] { edit->setText(edit->text().trimmed()); });
}

} // namespace

CLaunchPage::CLaunchPage(CLaunchList &launchers, QWidget *parent)
    : CSettingsPage(parent), m_launchers(launchers)
{
    static_assert(std::tuple_size_v<decltype(m_rows)> == CLaunchList::kEntryCount);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("表　示"), this), 0, 1);
    grid->addWidget(new QLabel(tr("コ　マ　ン　ド"), this), 0, 2);
    const QString numbers[] = {tr("１"), tr("２"), tr("３"), tr("４"), tr("５")};
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        Row &row = m_rows[k];
        const CLaunchList::Entry &entry = m_launchers.Entries[k];
        row.title = new QLineEdit(QString::fromStdString(entry.Title), this);
        row.command = new QLineEdit(QString::fromStdString(entry.Command), this);
        row.browse = MakeImageButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, tr("参照"));
        const QString number = QString::number(k + 1);
        row.title->setObjectName(QStringLiteral("title") + number);
        row.command->setObjectName(QStringLiteral("command") + number);
        row.browse->setObjectName(QStringLiteral("browse") + number);
        const int line = static_cast<int>(k) + 1;
        grid->addWidget(new QLabel(numbers[k], this), line, 0);
        grid->addWidget(row.title, line, 1);
        grid->addWidget(row.command, line, 2);
        grid->addWidget(row.browse, line, 3);

        TrimOnLeave(row.title);
        TrimOnLeave(row.command);
        connect(row.title, &QLineEdit::textChanged, this, [this, &row] { EnableRow(row); });
        connect(row.browse, &QAbstractButton::clicked, this, [this, &row] { BrowseProgram(row); });
        EnableRow(row);
    }
    grid->setRowStretch(static_cast<int>(m_rows.size()) + 1, 1);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(1, 1);
}

void CLaunchPage::EnableRow(const Row &row)
{
    const bool titled = !row.title->text().trimmed().isEmpty();
    row.command->setEnabled(titled);
    row.browse->setEnabled(titled);
}

void CLaunchPage::BrowseProgram(const Row &row)
{
    QString chosen;
    {
        CModalGuard modal(this);
        chosen = QFileDialog::getOpenFileName(this, tr("Kestrel（起動コマンド選択）"), QDir::currentPath(),
                                              tr("全てのファイル (*)"));
    }
    if (!chosen.isEmpty())
        row.command->setText(CommandWord(chosen));
}

void CLaunchPage::Store()
{
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        m_launchers.Entries[k].Title = m_rows[k].title->text().toStdString();
        m_launchers.Entries[k].Command = m_rows[k].command->text().toStdString();
    }
}
