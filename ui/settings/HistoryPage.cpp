#include "ui/settings/HistoryPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct HistoryRecord {
    const char *caption;
    const char *key;
    const char *value;
};

// The order of the combo "項目".
constexpr std::array<HistoryRecord, CHistoryPage::kRecordCount> kRecords{{
    {QT_TRANSLATE_NOOP("CHistoryPage", "【メイン】 選択ディレクトリ"), "Environment", "CurrentDirectory"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【メイン】 複写／移動ディレクトリ"), "Environment", "CopyDirectory"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【メイン】任意フィルタのパターン"), "History", "FreeFilter"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【メイン】エクスポートの出力先"), "History", "ExportFile"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連番】 前固定文字列"), "History", "RenumStr1"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連番】 後固定文字列"), "History", "RenumStr2"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連番】 拡張子"), "History", "RenumExt"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【元名】 前固定文字列"), "History", "OrgStr1"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【元名】 後固定文字列"), "History", "OrgStr2"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【元名】 拡張子"), "History", "OrgExt"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【文字置換】 置換前文字列"), "History", "ReplaceStr1"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【文字置換】 置換後文字列"), "History", "ReplaceStr2"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【範囲置換】 置換文字列"), "History", "ReplaceStr"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【挿入】挿入文字列"), "History", "InsertStr"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【書式】 書式文字列"), "History", "FormatStr"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【ファイルから】入力ファイル"), "History", "InputFile"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連番Dir作成】固定文字列"), "History", "NumDirStr"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連結】 出力先ファイル"), "History", "OutputFile"},
    {QT_TRANSLATE_NOOP("CHistoryPage", "【連結】 区切り書式"), "History", "Sepa"},
}};

QString Title()
{
    return QCoreApplication::translate("CHistoryPage", "履歴削除");
}

} // namespace

CHistoryPage::CHistoryPage(QWidget *parent) : CSettingsPage(parent)
{
    for (std::size_t i = 0; i < kRecordCount; ++i)
        m_entries[i] = platform::LoadHistory(kRecords[i].key, kRecords[i].value);

    m_item = new QComboBox(this);
    m_item->setObjectName(QStringLiteral("item"));
    for (const HistoryRecord &record : kRecords)
        m_item->addItem(tr(record.caption));
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("lines"));
    m_lines->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *checkAll = new QPushButton(tr("全チェック"), this);
    auto *clearAll = new QPushButton(tr("全クリア"), this);
    auto *remove = new QPushButton(tr("削除"), this);
    auto *removeAll = new QPushButton(tr("全履歴削除"), this);
    m_update = new QPushButton(tr("更新"), this);
    m_update->setEnabled(false);

    auto *itemRow = new QHBoxLayout;
    itemRow->addWidget(new QLabel(tr("項目"), this));
    itemRow->addWidget(m_item, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {checkAll, clearAll, remove, removeAll})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_update);
    auto *body = new QHBoxLayout;
    body->addWidget(m_lines, 1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(itemRow);
    layout->addLayout(body, 1);

    connect(m_item, &QComboBox::currentIndexChanged, this, &CHistoryPage::ShowRecord);
    connect(checkAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(remove, &QPushButton::clicked, this, &CHistoryPage::DeleteChecked);
    connect(removeAll, &QPushButton::clicked, this, &CHistoryPage::DeleteAll);
    connect(m_update, &QPushButton::clicked, this, &CHistoryPage::WriteBack);
    ShowRecord(0);
}

void CHistoryPage::ShowRecord(int index)
{
    m_lines->clear();
    if (index < 0)
        return;
    // Entries are shown for reading; bytes that are not UTF-8 show replaced,
    // the stored entries themselves are never rebuilt from these texts.
    for (const std::string &entry : m_entries[static_cast<std::size_t>(index)]) {
        auto *line = new QListWidgetItem(QString::fromStdString(entry), m_lines);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
    }
}

void CHistoryPage::CheckAll(bool checked)
{
    for (int row = 0; row < m_lines->count(); ++row)
        m_lines->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CHistoryPage::DeleteChecked()
{
    platform::HistoryEntries &entries = m_entries[static_cast<std::size_t>(m_item->currentIndex())];
    for (int row = 0; row < m_lines->count();) {
        if (m_lines->item(row)->checkState() == Qt::Checked) {
            delete m_lines->takeItem(row);
            entries.erase(entries.begin() + row);
        } else {
            ++row;
        }
    }
    m_update->setEnabled(true);
}

void CHistoryPage::DeleteAll()
{
    const auto answer = QMessageBox::question(
        this, Title(),
        tr("全項目の全履歴を削除します。\n『更新』ボタンを押下すると反映されます。\n\n削除しますか？"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    for (platform::HistoryEntries &entries : m_entries)
        entries.clear();
    m_lines->clear();
    m_update->setEnabled(true);
}

void CHistoryPage::WriteBack()
{
    MarkChanged();
    for (std::size_t i = 0; i < kRecordCount; ++i)
        platform::SaveHistory(kRecords[i].key, kRecords[i].value, m_entries[i]);
    QMessageBox::information(this, Title(), tr("履歴の編集結果を更新しました。"));
}
