#include "ui/main/MainDlg.h"

#include "engine/SettingsFields.h"
#include "platform/DirectoryList.h"
#include "platform/Paths.h"
#include "platform/StoreFile.h"
#include "ui/dialogs/AboutDlg.h"
#include "ui/dialogs/FileTypeList.h"
#include "ui/main/BusyWindow.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/ControlStates.h"
#include "ui/main/DirectoryResolve.h"
#include "ui/main/DropHandler.h"
#include "ui/main/FileOperations.h"
#include "ui/main/MainLayout.h"
#include "ui/main/ModeArea.h"
#include "ui/main/PaneSplitter.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/TextViewerHost.h"
#include "ui/panels/FromFilePanel.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace {

QMessageBox::StandardButton ShowMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Rows of the selection list made into candidate entries between two
// repaints of the window.
constexpr int kAddChunk = 8192;
// How often paths handed over by a later start look for the window to take input again.
constexpr int kLaterStartRetryMs = 200;

} // namespace

CMainDlg::CMainDlg(const std::vector<std::string> &args, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ask(ShowMessageBox)
{
    // A proportional Japanese Gothic, as the layout in dialog units expects:
    // with a fixed-width one the Japanese captions outgrow their places.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("IPAPGothic"), dialogFont.family()});
    setFont(dialogFont);
    m_du = std::make_unique<DialogUnits>(font());

    // The pictures and the manual are resources of the ui library, which a
    // static link would otherwise leave out.
    Q_INIT_RESOURCE(kestrel);
    setWindowTitle(QStringLiteral("Kestrel"));
    setWindowIcon(QIcon(QString::fromLatin1(icons::kApplication)));

    m_modes = new CModeArea(this, *m_du, m_settings);
    m_splitButton =
        MakeImageButton(this, icons::kSplitTwoPanes, icons::kDirectoryButtonSize, tr("リスト分割変更"));
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_selection = new CSelectionPane(this, m_env, m_settings, m_launchers);
    m_candidates = new CCandidatePane(this, m_settings, m_env);
    m_splitter = new CPaneSplitter(this, *m_du, *m_selection, *m_candidates);
    m_commands = new CCommandBar(this);
    m_viewer = new CTextViewerHost(this, m_commands->ViewerButton());
    ConnectParts();
    // Keys are seen before the control that has the focus gets them.
    qApp->installEventFilter(this);

    // Initial size, kept as the minimum, centred on the screen.
    const QSize initial = MainMinimumSize(*m_du);
    setMinimumSize(initial);
    resize(initial);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LoadState();
    m_modes->Load();
    m_candidates->SetOutput(m_settings.FileCopyMode);
    m_modes->CreatePanel();
    m_created = true;
    m_modes->StoreUnification();
    ApplyListOptions();
    ProcessArguments(args);

    // The toggle shows or hides the left pane once, with the loaded state,
    // and lists the directory when the pane is shown.
    m_isSplit = !m_isSplit;
    ToggleSplit();

    m_candidates->RebuildColumns();
    m_historyHasRuns = m_history.Newest() != 0;
    PanelRefresh();
    // The extension pickers of the panels and dialogs open on these at once.
    StartReadingKnownFileTypes();
}

CMainDlg::~CMainDlg()
{
    qApp->removeEventFilter(this);
}

void CMainDlg::ConnectParts()
{
    connect(m_modes, &CModeArea::ModeChosen, this, &CMainDlg::ChangeMode);
    connect(m_modes, &CModeArea::StoreDefaultsChosen, this, &CMainDlg::StoreDefaultsFromModes);
    connect(m_modes, &CModeArea::ObjectKindChosen, this, &CMainDlg::ChangeObjectKind);
    connect(m_modes, &CModeArea::UnificationChanged, this, &CMainDlg::StoreOutput);
    connect(m_modes, &CModeArea::PanelChanged, this, &CMainDlg::PanelRefresh);
    connect(m_modes, &CModeArea::ShortcutKey, this, [this](int key) { HandleShortcut(key, false); });

    connect(m_splitButton, &QAbstractButton::clicked, this, &CMainDlg::ToggleSplit);
    connect(m_splitter, &CPaneSplitter::WidthChosen, this, [this](int width) {
        m_selectionListWidth = width;
        LayOut();
    });

    connect(m_selection, &CSelectionPane::Changed, this, &CMainDlg::RefreshControlStates);
    connect(m_selection, &CSelectionPane::FocusEntered, this, [this] { SetListFocus(ListPane::Selection); });
    connect(m_selection, &CSelectionPane::BatchRequested, this, &CMainDlg::RunBatch);
    connect(m_selection, &CSelectionPane::HistoryRequested, this, &CMainDlg::ShowHistory);
    // The names in the listed folder are read again for the marks.
    connect(m_selection, &CSelectionPane::Listed, this, [this] {
        m_candidates->SetNumberedDirectoryParent(CurrentDirectory());
        m_candidates->InvalidateFolders();
        m_candidates->RefreshPreview();
    });

    connect(m_candidates, &CCandidatePane::Changed, this, &CMainDlg::RefreshControlStates);
    connect(m_candidates, &CCandidatePane::FocusEntered, this,
            [this] { SetListFocus(ListPane::Candidates); });
    connect(m_candidates, &CCandidatePane::AddClicked, this, &CMainDlg::AddSelected);
    connect(m_candidates, &CCandidatePane::AddAllClicked, this, &CMainDlg::AddAll);
    connect(m_candidates, &CCandidatePane::OutputChanged, this, &CMainDlg::StoreOutput);
    connect(m_selection, &CSelectionPane::ExportRequested, this,
            [this] { ExportFileList(ExportSource::Selection); });
    connect(m_candidates, &CCandidatePane::ExportRequested, this,
            [this] { ExportFileList(ExportSource::Candidates); });
    m_fileOperations = std::make_unique<CFileOperations>(
        *m_selection,
        [this](QMessageBox::Icon icon, const QString &caption, const QString &text,
               QMessageBox::StandardButtons buttons) { return Ask(icon, caption, text, buttons); });
    connect(m_selection, &CSelectionPane::CopyRequested, this,
            [this] { m_fileOperations->TransferSelected(exec::TransferKind::Copy); });
    connect(m_selection, &CSelectionPane::MoveRequested, this,
            [this] { m_fileOperations->TransferSelected(exec::TransferKind::Move); });
    connect(m_selection, &CSelectionPane::DeleteRequested, this,
            [this] { m_fileOperations->DeleteSelected(); });
    connect(m_selection, &CSelectionPane::MakeDirectoryRequested, this,
            [this] { m_fileOperations->MakeDirectory(); });

    connect(m_commands, &CCommandBar::ExecuteClicked, this, &CMainDlg::Execute);
    connect(m_commands, &CCommandBar::UndoClicked, this, &CMainDlg::Undo);
    connect(m_commands, &CCommandBar::ExitClicked, this, &CMainDlg::Exit);
    connect(m_commands, &CCommandBar::HelpClicked, this, &CMainDlg::ShowHelp);
    connect(m_commands, &CCommandBar::SettingsClicked, this, &CMainDlg::OpenSettings);
    connect(m_commands, &CCommandBar::AboutClicked, this, &CMainDlg::ShowAbout);
    connect(m_selection->List(), &CFileListCtrl::SelectionChanged, this,
            [this] { ShowSelectedInViewer(ListPane::Selection); });
    connect(m_candidates->List(), &CFileListCtrl::SelectionChanged, this,
            [this] { ShowSelectedInViewer(ListPane::Candidates); });

    m_drops = std::make_unique<CDropHandler>(this, *m_selection, *m_candidates, m_env, m_settings);
    setAcceptDrops(true);
}

const std::string &CMainDlg::CurrentDirectory() const
{
    return m_selection->CurrentDirectory();
}

void CMainDlg::SetListFocus(ListPane list)
{
    m_listFocus = list;
    m_candidates->SetAdding(list == ListPane::Selection);
    RefreshControlStates();
}

void CMainDlg::LoadState()
{
    const CWindowStore::WindowValues window = m_store.LoadWindow();
    m_storeReadError = window.storeReadError;
    // A file that cannot be parsed is kept aside by the next write instead.
    m_discardState = m_storeReadError != 0 && m_storeReadError != platform::kStoreUnparsable;
    m_selectionListWidth = window.selectionListWidth;
    m_env.Load();
    m_store.LoadSettings(m_settings, m_env.DataMode != 0);
    if (window.placement)
        restoreGeometry(QByteArray(reinterpret_cast<const char *>(window.placement->data()),
                                   static_cast<qsizetype>(window.placement->size())));

    m_isSplit = window.isSplit;
    if (m_env.SplitMode == 1)
        m_isSplit = true;
    else if (m_env.SplitMode == 2)
        m_isSplit = false;

    m_selection->LoadState();
    m_candidates->LoadHistory();
    m_launchers.Load();

    // A stored choice that names none (a separator row of the mode combo, say)
    // starts the window with the choice's default.
    engine::ResetUnknownChoices(m_settings);
}

void CMainDlg::ApplyListOptions()
{
    m_selection->ApplyDisplayOptions();
    m_candidates->ApplyDisplayOptions();
}

bool CMainDlg::ProcessArguments(const std::vector<std::string> &args)
{
    std::vector<CFileEntry> files;
    bool folderGiven = false;
    for (const std::string &arg : args) {
        const std::string path = AbsoluteDirectory(arg, CurrentDirectory());
        platform::DirEntryInfo info;
        if (arg.empty() || platform::ReadDirEntry(platform::DisplayDirectory(path), info) != 0 ||
            info.isDirectory) {
            m_selection->SetDirectoryText(platform::DisplayDirectory(path));
            folderGiven = true;
            continue;
        }
        files.emplace_back(info);
    }
    m_candidates->Append(std::move(files));
    return folderGiven;
}

void CMainDlg::TakeLaterStart(const std::vector<std::string> &paths)
{
    BringForward();
    m_laterStarts.push_back(paths);
    TakeWaitingStarts();
}

void CMainDlg::TakeWaitingStarts()
{
    // Neither a run (which pumps events) nor an open question may see its
    // lists change under it: the paths wait until the window takes input again.
    if (!m_interactive || CBusyWindow::AnyBusy()) {
        if (!m_laterStartsRetry) {
            m_laterStartsRetry = true;
            QTimer::singleShot(kLaterStartRetryMs, this, [this] {
                m_laterStartsRetry = false;
                TakeWaitingStarts();
            });
        }
        return;
    }
    for (const std::vector<std::string> &paths : std::exchange(m_laterStarts, {}))
        if (ProcessArguments(paths))
            m_selection->RequestListing();
    RefreshControlStates();
}

QMessageBox::StandardButton CMainDlg::Ask(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                          QMessageBox::StandardButtons buttons)
{
    CModalGuard modal(this);
    return m_ask(this, icon, caption, text, buttons);
}

void CMainDlg::RefreshControlStates()
{
    if (!m_created)
        return;
    const CFileListCtrl &selectionList = *m_selection->List();
    const CFileListCtrl &candidateList = *m_candidates->List();
    ControlStateInputs in;
    // The output combos' values reach the settings when the user changes
    // them; the states follow what the combos show now.
    in.settings.CopyFrom(m_settings);
    in.settings.FileCopyMode = m_candidates->Output();
    in.settings.FileCopyDirectory = m_candidates->Destination();
    in.unifyTime = m_modes->UnifyTimeChecked();
    in.unifyAttr = m_modes->UnifyAttrChecked();
    in.directoryIsRoot = platform::IsRootDirectory(CurrentDirectory());
    in.isSplit = m_isSplit;
    in.listFocus = m_listFocus;
    in.selectionListRows = m_selection->Rows().RowCount();
    in.selectionListSelected = selectionList.SelectedCount();
    in.candidateRows = m_candidates->Rows().RowCount();
    in.candidateSelected = candidateList.SelectedCount();
    in.firstCandidateSelected = in.candidateRows > 0 && candidateList.IsRowSelected(0);
    in.lastCandidateSelected = in.candidateRows > 0 && candidateList.IsRowSelected(in.candidateRows - 1);
    in.undoAvailable = UndoAvailable();
    const ControlStates states = ComputeControlStates(in);

    m_modes->ApplyStates(states);
    m_selection->ApplyStates(states);
    m_candidates->ApplyStates(states);
    m_commands->SetStates(states.undo, states.execute);
    m_selection->ShowStatus();
    m_candidates->ShowStatus();
}

void CMainDlg::StoreOutput()
{
    if (!m_created)
        return;
    m_settings.FileCopyMode = m_candidates->Output();
    m_settings.FileCopyDirectory = m_candidates->Destination();
    PanelRefresh();
}

void CMainDlg::PanelRefresh()
{
    if (!m_created)
        return;
    m_modes->ReadPanel();
    if (m_settings.TakesNamesFromFile()) {
        const int problem = m_settings.LoadInputLines();
        if (auto *panel = qobject_cast<CFromFilePanel *>(m_modes->Panel()))
            panel->ShowReadProblem(problem ? CRenameSettings::InputFileProblem(problem) : std::string());
    }
    if (m_settings.CreatesNumberedDirectories())
        m_candidates->PlaceNumberedDirectories(m_settings.NumDirCount);
    m_candidates->RefreshPreview();
    RefreshControlStates();
}

void CMainDlg::CollectSelectionListRows(int first, int end, std::vector<CFileEntry> &entries) const
{
    const CSelectionList &source = m_selection->Rows();
    for (int row = first; row < end; ++row) {
        if (!source.IsParentRow(row) && m_candidates->Accepts(source.IsFolder(row)))
            entries.push_back(source.Entry(row));
    }
}

void CMainDlg::AddSelected()
{
    std::vector<CFileEntry> entries;
    for (int row : m_selection->SelectedRows())
        CollectSelectionListRows(row, row + 1, entries);
    m_candidates->Append(std::move(entries));
    m_candidates->RefreshPreview();
    RefreshControlStates();
    m_selection->FocusList();
}

void CMainDlg::AddAll()
{
    const int count = m_selection->Rows().RowCount();
    std::vector<CFileEntry> entries;
    {
        // The window stays painted and takes no input while the entries are
        // made; they join the list in one insertion, which the list lays out once.
        CBusyWindow busy(this, m_candidates->Progress(), m_candidates->Status());
        entries.reserve(static_cast<std::size_t>(count));
        for (int first = 0; first < count; first += kAddChunk) {
            const int end = std::min(count, first + kAddChunk);
            CollectSelectionListRows(first, end, entries);
            busy.SetProgress(end, count);
            busy.Pump();
        }
        m_candidates->Append(std::move(entries));
    }
    m_candidates->RefreshPreview();
    RefreshControlStates();
    m_selection->FocusList();
}

void CMainDlg::StoreDefaults()
{
    const int error = m_store.SaveDefaults(m_settings);
    if (error != 0)
        Ask(QMessageBox::Warning, QStringLiteral("Kestrel"), CWindowStore::NotSavedText(error),
            QMessageBox::Ok);
    else
        Ask(QMessageBox::Information, QStringLiteral("Kestrel"), tr("変名の初期値を変更しました。"),
            QMessageBox::Ok);
}

bool CMainDlg::ClearForModeChange(RenameKind next)
{
    if (m_candidates->Rows().RowCount() == 0)
        return true;
    const QString caption = tr("変名モード変更");
    const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    if (m_settings.CreatesNumberedDirectories()) {
        m_candidates->Clear();
    } else if (next == RenameKind::Concatenation) {
        const auto answer = Ask(QMessageBox::Question, caption,
                                tr("【連結】モードに変更されました。リストをクリアしますか？\n"
                                   "『いいえ』を選択してもダミーファイルはクリアされます。"),
                                buttons);
        if (answer == QMessageBox::Yes)
            m_candidates->Clear();
        else if (answer == QMessageBox::No)
            m_candidates->RemoveDummies();
    } else if (m_settings.Concatenates()) {
        const auto answer = Ask(QMessageBox::Question, caption,
                                tr("【連結】モードから変更されました。リストをクリアしますか？"), buttons);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Yes)
            m_candidates->Clear();
    }
    return true;
}

void CMainDlg::ReplacePanel()
{
    m_modes->DestroyPanel();
    m_modes->CreatePanel();
}

void CMainDlg::ChangeMode(RenameKind kind)
{
    if (kind == m_settings.RenameMode)
        return;
    if (!ClearForModeChange(kind)) {
        m_modes->ShowModeAndKind();
        StoreOutput();
        return;
    }
    m_settings.RenameMode = kind;
    m_candidates->RebuildColumns();
    m_candidates->ShowAllRows();
    ReplacePanel();
    m_modes->ShowModeAndKind();
    PanelRefresh();
}

void CMainDlg::StoreDefaultsFromModes()
{
    PanelRefresh();
    StoreDefaults();
}

void CMainDlg::ChangeObjectKind(ObjectKind kind)
{
    if (kind == m_settings.ObjMode)
        return;
    if (m_candidates->Rows().RowCount() > 0) {
        const auto answer = Ask(QMessageBox::Question, tr("対象モード変更"),
                                tr("対象モードが変更されました。リストがクリアされますが，よろしいですか？"),
                                QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            m_modes->ShowModeAndKind();
            RefreshControlStates();
            return;
        }
        m_candidates->Clear();
    }
    m_settings.ObjMode = kind;
    m_modes->ShowModeAndKind();
    if (m_settings.Concatenates())
        ReplacePanel();
    PanelRefresh();
}

void CMainDlg::BringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void CMainDlg::WarnIfStoreUnreadable()
{
    if (m_storeReadError != 0)
        Ask(QMessageBox::Warning, QStringLiteral("Kestrel"), CWindowStore::NotReadText(m_storeReadError),
            QMessageBox::Ok);
}

void CMainDlg::Exit()
{
    close();
}

void CMainDlg::ShowAbout()
{
    CAboutDlg about(
        this, [this](QMessageBox::Icon icon, const QString &caption, const QString &text,
                     QMessageBox::StandardButtons buttons) { return Ask(icon, caption, text, buttons); });
    about.exec();
    if (about.Deleted()) {
        m_discardState = true;
        close();
    }
}

void CMainDlg::ShowSelectedInViewer(ListPane list)
{
    if (!m_viewer->IsOpen())
        return;
    const std::vector<int> rows = list == ListPane::Selection ? m_selection->List()->SelectedRows()
                                                              : m_candidates->List()->SelectedRows();
    if (rows.size() != 1)
        return;
    if (list == ListPane::Selection) {
        const CSelectionList &entries = m_selection->Rows();
        if (!entries.IsFolder(rows.front()))
            m_viewer->ShowFile(entries.FullPath(rows.front()));
    } else {
        const CFileEntry &entry = m_candidates->Rows().Entry(rows.front());
        if (!entry.isFolder && !entry.isDummy)
            m_viewer->ShowFile(entry.fullPath);
    }
}

void CMainDlg::closeEvent(QCloseEvent *event)
{
    m_viewer->Close();
    if (!m_discardState)
        SaveState();
    event->accept();
}

void CMainDlg::SaveState()
{
    // Every value goes to the one store file: a single warning at the end
    // covers them all, with the reason of the first failed write.
    const QByteArray geometry = saveGeometry();
    int writeError = m_store.SaveWindow(std::vector<unsigned char>(geometry.begin(), geometry.end()),
                                        m_selectionListWidth, m_isSplit);
    m_candidates->SaveColumnWidths();
    m_modes->DestroyPanel();
    m_settings.FileCopyMode = m_candidates->Output();
    m_settings.FileCopyDirectory = m_candidates->Destination();
    const int settingsError = m_store.SaveSettings(m_settings);
    if (writeError == 0)
        writeError = settingsError;
    m_selection->SaveState();
    m_candidates->SaveHistory();
    if (writeError != 0)
        Ask(QMessageBox::Warning, QStringLiteral("Kestrel"), CWindowStore::NotSavedText(writeError),
            QMessageBox::Ok);
}

void CMainDlg::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData() && CDropHandler::Accepts(*event->mimeData()))
        event->acceptProposedAction();
}

void CMainDlg::dropEvent(QDropEvent *event)
{
    if (!event->mimeData() || !CDropHandler::Accepts(*event->mimeData()))
        return;
    event->acceptProposedAction();
    // Handled once the drop has returned, so that the questions it may ask do
    // not keep the program the files were dragged from waiting.
    QTimer::singleShot(0, this, [this, paths = CDropHandler::DroppedPaths(*event->mimeData())] {
        m_drops->Drop(paths);
        RefreshControlStates();
    });
}

void CMainDlg::ToggleSplit()
{
    m_isSplit = !m_isSplit;
    m_selection->SetShown(m_isSplit);
    m_splitter->SetShown(m_isSplit);
    m_splitButton->SetImage(QString::fromLatin1(m_isSplit ? icons::kSplitTwoPanes : icons::kSplitSinglePane),
                            icons::kDirectoryButtonSize);
    RefreshControlStates();
    LayOut();
}
