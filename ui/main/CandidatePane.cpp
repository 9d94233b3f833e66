#include "ui/main/CandidatePane.h"

#include "app/EnvSettings.h"
#include "engine/RenameSettings.h"
#include "ui/dialogs/ChooseFolder.h"
#include "ui/dialogs/ListPosDlg.h"
#include "ui/main/ControlStates.h"
#include "ui/main/MainLayout.h"
#include "ui/main/SelectionList.h"
#include "ui/main/WaitCursor.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ModalGuard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

namespace {

enum ListButton { kInsertDummy, kAddAll, kClearAll, kAddOrRemove, kToTop, kUp, kToPosition, kDown, kToEnd };

} // namespace

CCandidatePane::CCandidatePane(QWidget *window, const CRenameSettings &settings, const CEnvSettings &env)
    : QObject(window), m_settings(settings), m_env(env)
{
    m_rows.SetSettings(&m_settings);
    CreateControls(window);
    Connect();
}

CCandidatePane::~CCandidatePane()
{
    // The list outlives the rows it shows (children go after members).
    m_list->SetSource(nullptr);
}

void CCandidatePane::CreateControls(QWidget *window)
{
    struct ButtonDef {
        const char *image;
        const char *tip;
    };
    const ButtonDef buttons[] = {
        {icons::kInsertDummy, QT_TR_NOOP("ダミー挿入")}, {icons::kAddAll, QT_TR_NOOP("全て追加")},
        {icons::kRemoveAll, QT_TR_NOOP("全て取消")},     {icons::kAdd, QT_TR_NOOP("追加")},
        {icons::kMoveTop, QT_TR_NOOP("先頭へ")},         {icons::kMoveUp, QT_TR_NOOP("上へ")},
        {icons::kMoveTo, QT_TR_NOOP("指定位置へ")},      {icons::kMoveDown, QT_TR_NOOP("下へ")},
        {icons::kMoveBottom, QT_TR_NOOP("末尾へ")},
    };
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i] = MakeImageButton(window, buttons[i].image, icons::kListButtonSize, tr(buttons[i].tip));

    m_caption = new QLabel(tr("候補リスト"), window);
    m_outputCombo = new QComboBox(window);
    m_outputCombo->setObjectName(QStringLiteral("outputCombo"));
    m_outputCombo->addItems({tr("通常"), tr("移動"), tr("複写")});
    m_destinationCombo = new CHistoryComboBox(window);
    m_destinationCombo->SetDropEmpty(true);
    m_destinationCombo->SetMatch(platform::HistoryMatch::SamePath);
    m_destinationBrowse =
        MakeImageButton(window, icons::kBrowseFolder, icons::kDirectoryButtonSize, tr("ディレクトリ参照"));
    m_destinationBrowse->setObjectName(QStringLiteral("destinationBrowseButton"));
    m_list = new CFileListCtrl(window);
    m_list->SetSource(&m_rows);
    m_list->SetReorder(true);
    m_list->SetFillColumn(1);
    m_status = new QLabel(window);
    m_progress = new QProgressBar(window);
    m_progress->setTextVisible(false);
    m_progress->hide();
}

void CCandidatePane::Connect()
{
    connect(m_outputCombo, &QComboBox::activated, this, &CCandidatePane::OutputChanged);
    connect(m_destinationCombo, &QComboBox::editTextChanged, this, &CCandidatePane::OutputChanged);
    connect(m_destinationBrowse, &QAbstractButton::clicked, this, &CCandidatePane::BrowseDestination);
    connect(m_list, &CFileListCtrl::ContextMenuRequested, this, &CCandidatePane::ShowMenu);

    const std::array<void (CCandidatePane::*)(), 9> commands = {
        &CCandidatePane::InsertDummies,  nullptr,
        &CCandidatePane::ClearAll,       nullptr,
        &CCandidatePane::MoveToTop,      &CCandidatePane::MoveUp,
        &CCandidatePane::MoveToPosition, &CCandidatePane::MoveDown,
        &CCandidatePane::MoveToEnd};
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (commands[i])
            connect(m_buttons[i], &QAbstractButton::clicked, this, commands[i]);
    connect(m_buttons[kAddAll], &QAbstractButton::clicked, this, &CCandidatePane::AddAllClicked);
    connect(m_buttons[kAddOrRemove], &QAbstractButton::clicked, this, [this] {
        if (m_adding)
            emit AddClicked();
        else
            RemoveSelected();
    });

    connect(m_list, &CFileListCtrl::SelectionChanged, this, &CCandidatePane::Changed);
    connect(m_list, &CFileListCtrl::FocusEntered, this, &CCandidatePane::FocusEntered);
    connect(m_list, &CFileListCtrl::ColumnClicked, this, &CCandidatePane::SortByColumn);
    connect(m_list, &CFileListCtrl::ReorderFinished, this, &CCandidatePane::MoveSelectionTo);
    m_list->SetKeyHandler([this](const QKeyEvent &key) { return HandleKey(key); });
    connect(&m_marks, &CCandidateMarks::MarksReady, this, [this](std::vector<exec::PlanProblem> marks) {
        m_rows.SetMarks(std::move(marks));
        m_marksCurrent = true;
        m_list->UpdateAll();
    });
    connect(&m_rows.Media(), &CMediaFetcher::Arrived, m_list, &CFileListCtrl::UpdateAll);
}

bool CCandidatePane::Accepts(bool folder) const
{
    return folder == m_settings.TargetsFolders();
}

void CCandidatePane::Append(std::vector<CFileEntry> entries)
{
    BeginChange();
    m_rows.Admit(entries);
    if (entries.empty())
        return;
    m_list->InsertRows(m_rows.RowCount(), static_cast<int>(entries.size()),
                       [&] { m_rows.AppendAdmitted(std::move(entries)); });
}

void CCandidatePane::RemoveSelected()
{
    BeginChange();
    m_list->RemoveRows(m_list->SelectedRows(),
                       [this](int first, int last) { m_rows.RemoveRange(first, last); });
    RefreshPreview();
    FocusList();
    emit Changed();
}

void CCandidatePane::Clear()
{
    BeginChange();
    m_rows.Clear();
    m_list->Reset();
    emit Changed();
}

void CCandidatePane::ClearAll()
{
    Clear();
    FocusList();
}

void CCandidatePane::RemoveDummies()
{
    BeginChange();
    m_rows.RemoveDummies();
    m_list->Reset();
    emit Changed();
}

void CCandidatePane::ShowAllRows()
{
    m_list->Reset();
}

void CCandidatePane::Reorder(const std::function<std::vector<int>()> &edit)
{
    BeginChange();
    m_list->ReorderRows(edit);
}

void CCandidatePane::FinishEdit(int row)
{
    if (row >= 0 && row < m_rows.RowCount())
        m_list->EnsureVisible(row);
    RefreshPreview();
    FocusList();
    emit Changed();
}

void CCandidatePane::InsertDummies()
{
    BeginChange();
    const std::vector<int> selected = m_list->SelectedRows();
    m_list->InsertRows(m_rows.RowCount(), static_cast<int>(selected.size()),
                       [&] { m_rows.AppendDummies(static_cast<int>(selected.size())); });
    Reorder([&] { return m_rows.PlaceDummiesAfter(selected); });
    FinishEdit(-1);
}

void CCandidatePane::MoveToTop()
{
    const std::vector<int> selected = m_list->SelectedRows();
    Reorder([&] { return m_rows.MoveToTop(selected); });
    FinishEdit(0);
}

void CCandidatePane::MoveUp()
{
    const std::vector<int> selected = m_list->SelectedRows();
    Reorder([&] { return m_rows.MoveUp(selected); });
    const std::vector<int> now = m_list->SelectedRows();
    FinishEdit(now.empty() ? -1 : now.front());
}

void CCandidatePane::MoveDown()
{
    const std::vector<int> selected = m_list->SelectedRows();
    Reorder([&] { return m_rows.MoveDown(selected); });
    const std::vector<int> now = m_list->SelectedRows();
    FinishEdit(now.empty() ? -1 : now.back());
}

void CCandidatePane::MoveToEnd()
{
    const std::vector<int> selected = m_list->SelectedRows();
    Reorder([&] { return m_rows.MoveToEnd(selected); });
    FinishEdit(m_rows.RowCount() - 1);
}

void CCandidatePane::MoveSelectionTo(int position)
{
    const std::vector<int> selected = m_list->SelectedRows();
    if (selected.empty() || position < 0 || position > m_rows.RowCount())
        return;
    Reorder([&] { return m_rows.MoveTo(selected, position); });
    const std::vector<int> now = m_list->SelectedRows();
    FinishEdit(now.empty() ? -1 : now.front());
}

void CCandidatePane::MoveToPosition()
{
    const std::vector<int> selected = m_list->SelectedRows();
    if (selected.empty())
        return;
    CListPosDlg dialog(m_rows.RowCount(), selected.front() + 1, m_list->window());
    if (dialog.exec() == QDialog::Accepted)
        MoveSelectionTo(dialog.Position());
}

void CCandidatePane::SortByColumn(int column)
{
    const bool concatenation = m_settings.Concatenates();
    const SortKey key = CCandidateList::SortKeyOfColumn(column, concatenation, m_env.RenamePath == 1);
    // The new names cannot be ordered.
    if (key == SortKey::None) {
        QApplication::beep();
        return;
    }
    m_sortDirection = column == m_sortColumn && m_sortDirection == 1 ? -1 : 1;
    m_sortColumn = column;
    {
        WaitCursor wait;
        Reorder([&] { return m_rows.Sort(key, m_env.IsSortNum == 1, m_sortDirection); });
    }
    m_list->SetSortIndicator(column, m_sortDirection == 1);
    RefreshPreview();
    emit Changed();
}

bool CCandidatePane::HandleKey(const QKeyEvent &key)
{
    if (!key.modifiers().testFlag(Qt::ControlModifier))
        return false;
    if (key.key() == Qt::Key_A) {
        m_list->SelectAll();
    } else if (key.key() == Qt::Key_R) {
        std::vector<int> inverted;
        for (int row = 0; row < m_rows.RowCount(); ++row)
            if (!m_list->IsRowSelected(row))
                inverted.push_back(row);
        m_list->SetSelectedRows(inverted);
    } else {
        return false;
    }
    emit Changed();
    return true;
}

void CCandidatePane::FocusList()
{
    m_list->CurrentView()->setFocus();
}

void CCandidatePane::RebuildColumns()
{
    const std::vector<FileListColumn> columns = CCandidateList::Columns(m_settings);
    QStringList titles;
    for (const FileListColumn &column : columns)
        titles << column.title;
    const QString layout = titles.join(QLatin1Char('\n'));
    // A mode with the same columns keeps the widths the user gave them in
    // this session; other columns start from the stored widths.
    if (!m_columnLayout.isEmpty())
        m_layoutWidths[m_columnLayout] = m_list->ColumnWidths();
    m_list->SetColumns(columns);
    if (const auto kept = m_layoutWidths.find(layout); kept != m_layoutWidths.end())
        m_list->SetColumnWidths(kept->second);
    else
        m_list->LoadColumnWidths("Window", "DestColumnWidth");
    m_columnLayout = layout;
    m_list->SetSortIndicator(-1, true);
}

void CCandidatePane::ApplyDisplayOptions()
{
    m_list->SetFullRowSelect(m_env.SelectMode == 1);
    m_list->SetGridLines(m_env.IsGrid == 1);
    m_list->SetViewType(0, m_env.IsDestSort == 1);
    m_rows.SetDisplayOptions({m_env.FileCharMode, m_env.RenamePath == 1, m_env.FileSizeType == 1});
}

void CCandidatePane::PlaceNumberedDirectories(int count)
{
    BeginChange();
    const int before = m_rows.RowCount();
    m_rows.PlaceNumberedDirectories(count);
    if (m_rows.RowCount() != before)
        m_list->Reset();
}

void CCandidatePane::RefreshPreview()
{
    m_list->UpdateAll();
    m_marksCurrent = false;
    m_marks.Start(m_rows.Entries(), m_settings, m_numberedParent);
}

void CCandidatePane::BeginChange()
{
    m_marks.Cancel();
}

void CCandidatePane::InvalidateFolders()
{
    m_marks.InvalidateFolders();
}

void CCandidatePane::SetAdding(bool adding)
{
    m_adding = adding;
    CImageButton *button = m_buttons[kAddOrRemove];
    button->SetImage(QString::fromLatin1(adding ? icons::kAdd : icons::kRemove), icons::kListButtonSize);
    button->setToolTip(adding ? tr("追加") : tr("取消"));
}

void CCandidatePane::ApplyStates(const ControlStates &s)
{
    m_outputCombo->setEnabled(s.output);
    m_destinationCombo->setEnabled(s.destination);
    m_destinationBrowse->setEnabled(s.destination);
    const bool states[] = {s.insertDummy, s.addAll,         s.clearAll, s.addOrRemove, s.moveToTop,
                           s.moveUp,      s.moveToPosition, s.moveDown, s.moveToEnd};
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setEnabled(states[i]);
}

void CCandidatePane::Place(const MainLayout &l)
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(l.listButtons[i]);
    m_caption->setGeometry(l.candidateCaption);
    m_outputCombo->setGeometry(l.output);
    m_destinationCombo->setGeometry(l.destination);
    m_destinationBrowse->setGeometry(l.destinationBrowse);
    m_list->setGeometry(l.candidateList);
    m_status->setGeometry(l.candidateStatus);
    m_progress->setGeometry(l.candidateStatus);
}

QRect CCandidatePane::Frame() const
{
    return QRect(m_outputCombo->geometry().topLeft(), m_status->geometry().bottomRight());
}

QString CCandidatePane::StatusText() const
{
    return ListStatusText(m_rows.RowCount(), m_list->SelectedCount());
}

void CCandidatePane::ShowStatus()
{
    m_status->setText(StatusText());
}

// The rows of the output combo are the output kinds in the order of their values.
OutputKind CCandidatePane::Output() const
{
    return static_cast<OutputKind>(m_outputCombo->currentIndex());
}

void CCandidatePane::SetOutput(OutputKind output)
{
    const int row = static_cast<int>(output);
    m_outputCombo->setCurrentIndex(row >= 0 && row < m_outputCombo->count() ? row : 0);
}

std::string CCandidatePane::Destination() const
{
    return m_destinationCombo->CurrentText();
}

void CCandidatePane::AddDestinationToHistory()
{
    m_destinationCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
}

void CCandidatePane::BrowseDestination()
{
    AddDestinationToHistory();
    std::optional<std::string> chosen;
    {
        CModalGuard modal(m_list);
        chosen = ChooseFolder(m_list->window(), {}, Destination(), m_env.SelDirMode);
    }
    if (chosen) {
        m_destinationCombo->SetCurrentText(*chosen);
        AddDestinationToHistory();
    }
    emit OutputChanged();
    m_destinationCombo->setFocus();
}

void CCandidatePane::DestinationFocusLost()
{
    std::string text = Destination();
    if (text.size() > 1 && text.back() == '/') {
        text.pop_back();
        m_destinationCombo->SetCurrentText(text);
    }
}

void CCandidatePane::LoadHistory()
{
    m_destinationCombo->LoadHistory("Environment", "CopyDirectory");
}

void CCandidatePane::ReloadHistory()
{
    m_destinationCombo->ReloadHistory("Environment", "CopyDirectory");
}

void CCandidatePane::SaveHistory()
{
    m_destinationCombo->SaveHistory("Environment", "CopyDirectory", CHistoryComboBox::kDefaultMaxCount);
}

void CCandidatePane::SaveColumnWidths() const
{
    m_list->SaveColumnWidths("Window", "DestColumnWidth");
}

void CCandidatePane::ShowMenu(const QPoint &globalPos)
{
    emit Changed();
    if (m_list->SelectedRows().empty())
        return;
    QMenu menu(m_list);
    QAction *exportList = menu.addAction(tr("ファイルリストのエクスポート"));
    if (menu.exec(globalPos) == exportList)
        emit ExportRequested();
}
