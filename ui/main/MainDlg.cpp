#include "ui/main/MainDlg.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "ui/DialogUnits.h"
#include "ui/Icons.h"
#include "ui/main/ControlStates.h"
#include "ui/main/DirectoryResolve.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/HistoryComboBox.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MainLayout.h"
#include "ui/main/SplitterBar.h"
#include "ui/panels/ModePanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QScreen>
#include <QTimeEdit>

#include <unistd.h>

namespace {

const char *const kModeNames[] = {"連番",         "元名",  "文字種",       "文字置換",     "範囲置換",
                                  "挿入",         "書式",  "ファイルから", "------------", "連番Dir作成",
                                  "------------", "※連結", "------------", "■初期値に"};
constexpr int kModeCount = 14;

bool IsSeparatorMode(int mode)
{
    return mode == 8 || mode == 10 || mode == 12;
}

// A stored mode that names no mode (a separator, the command row, anything
// out of range) starts the window in renumbering.
int UsableMode(int mode)
{
    return mode < 0 || mode >= kModeStoreDefaults || IsSeparatorMode(mode) ? kModeRenumber : mode;
}

QMessageBox::StandardButton ShowMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The warning when the store file could not be written (code: an errno value).
QString SettingsNotSavedText(int code)
{
    const std::string path = CRegistryStore::FilePath();
    const std::string reason = platform::ErrorMessage(code);
    return QStringLiteral("設定を保存できませんでした。\n%1\n%2")
        .arg(QString::fromUtf8(path.data(), qsizetype(path.size())),
             QString::fromUtf8(reason.data(), qsizetype(reason.size())));
}

std::string ProcessDirectory()
{
    std::string dir(4096, '\0');
    if (!getcwd(dir.data(), dir.size()))
        return {};
    dir.resize(std::char_traits<char>::length(dir.c_str()));
    return platform::NormalizeDirectory(dir);
}

Qt::CheckState CheckFromAttribute(int value)
{
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

int AttributeFromCheck(Qt::CheckState state)
{
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

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
    m_currentDirectory = ProcessDirectory();
    m_candidateRows.SetSettings(&m_settings);

    CreateControls();
    ConnectControls();

    // Initial size, kept as the minimum, centred on the screen.
    const QSize initial = MainMinimumSize(*m_du);
    setMinimumSize(initial);
    resize(initial);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LoadState();
    LoadControls();
    CreatePanel();
    m_created = true;
    RefreshControlStates();
    StoreUnification();
    ApplyListOptions();

    // The toggle shows or hides the left pane once, with the loaded state,
    // and lists the directory when the pane is shown.
    m_isSplit = !m_isSplit;
    ToggleSplit();

    ProcessArguments(args);
    RebuildCandidateColumns();
    RefreshControlStates();
    PanelRefresh();
}

CMainDlg::~CMainDlg()
{
    qApp->removeEventFilter(this);
    // The lists outlive the rows they show (children go after members).
    m_sourceList->SetSource(nullptr);
    m_candidateList->SetSource(nullptr);
}

void CMainDlg::CreateControls()
{
    CreateTopArea();
    CreateListArea();
    CreateBottomRow();
    // Keys are seen before the control that has the focus gets them.
    qApp->installEventFilter(this);
}

void CMainDlg::CreateTopArea()
{
    const DialogUnits &du = *m_du;
    m_modeCombo = new QComboBox(this);
    for (const char *name : kModeNames)
        m_modeCombo->addItem(QString::fromUtf8(name));
    m_modeCombo->setMaxVisibleItems(kModeCount);
    m_modeCombo->setGeometry(du.toPixels(4, 4, 46, 12));

    m_filesRadio = new QRadioButton(QStringLiteral("ファイル"), this);
    m_foldersRadio = new QRadioButton(QStringLiteral("フォルダ"), this);
    m_filesRadio->setGeometry(du.toPixels(8, 21, 40, 10));
    m_foldersRadio->setGeometry(du.toPixels(8, 31, 40, 10));
    m_objectGroup = new QButtonGroup(this);
    m_objectGroup->addButton(m_filesRadio, 0);
    m_objectGroup->addButton(m_foldersRadio, 1);

    // The panel of the current mode is shown here.
    m_panelHost = new QWidget(this);
    m_panelHost->setGeometry(du.toPixels(56, 2, 260, 42));

    m_unifyTime = new QCheckBox(QStringLiteral("タイムスタンプ統一"), this);
    m_unifyTime->setGeometry(du.toPixels(10, 50, 72, 10));
    m_datePicker = new QDateEdit(this);
    m_datePicker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_datePicker->setGeometry(du.toPixels(90, 49, 54, 12));
    m_timePicker = new QTimeEdit(this);
    m_timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_timePicker->setGeometry(du.toPixels(144, 49, 42, 12));
    m_datePicker->setDateRange(QDate(1980, 1, 1), QDate(2037, 12, 31));
    m_nowButton = new QPushButton(QStringLiteral("現在日時"), this);
    m_nowButton->setGeometry(du.toPixels(187, 49, 34, 12));
    m_nowButton->setToolTip(QStringLiteral("現在時刻"));
    m_midnightButton = new QPushButton(QStringLiteral("00:00:00"), this);
    m_midnightButton->setGeometry(du.toPixels(221, 49, 34, 12));
    m_midnightButton->setToolTip(QStringLiteral("00:00:00"));

    m_unifyAttr = new QCheckBox(QStringLiteral("属性統一"), this);
    m_unifyAttr->setGeometry(du.toPixels(10, 63, 44, 10));
    const char *const attrLabels[] = {"読み取り専用", "隠しファイル", "システム", "アーカイブ"};
    const char *const attrTips[] = {"読みとり専用", "隠しファイル", "システムファイル", "アーカイブ"};
    const int attrX[] = {90, 150, 210, 260};
    const int attrW[] = {56, 56, 46, 46};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i) {
        m_attrChecks[i] = new QCheckBox(QString::fromUtf8(attrLabels[i]), this);
        m_attrChecks[i]->setTristate(true);
        m_attrChecks[i]->setToolTip(QString::fromUtf8(attrTips[i]));
        m_attrChecks[i]->setGeometry(du.toPixels(attrX[i], 63, attrW[i], 10));
    }
}

namespace {

CImageButton *MakeButton(QWidget *parent, const char *image, QSize size, const char *tip)
{
    auto *button = new CImageButton(parent);
    button->SetImage(QString::fromLatin1(image), size);
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

} // namespace

void CMainDlg::CreateListArea()
{
    m_splitButton = MakeButton(this, icons::kSplitTwoPanes, icons::kDirectoryButtonSize, "リスト分割変更");
    m_sourceCaption = new QLabel(QStringLiteral("選択リスト"), this);
    m_browseButton = MakeButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, "ディレクトリ参照");
    m_parentButton = MakeButton(this, icons::kParentFolder, icons::kDirectoryButtonSize, "親ディレクトリへ");
    m_refreshButton = MakeButton(this, icons::kRefresh, icons::kDirectoryButtonSize, "更新");
    m_directoryCombo = new CHistoryComboBox(this);
    m_directoryCombo->SetDropEmpty(true);
    m_sourceList = new CFileListCtrl(this);
    m_sourceList->SetSource(&m_sourceRows);
    m_sourceList->SetColumns(CSelectionList::Columns());
    m_sourceStatus = new QLabel(this);
    m_sourceProgress = new QProgressBar(this);
    m_sourceProgress->setTextVisible(false);
    m_sourceProgress->hide();
    m_leftBar = new SplitterBar(this);
    m_rightBar = new SplitterBar(this);

    struct ButtonDef {
        const char *image;
        const char *tip;
    };
    const ButtonDef listButtons[] = {
        {icons::kInsertDummy, "ダミー挿入"}, {icons::kAddAll, "全て追加"},
        {icons::kRemoveAll, "全て取消"},     {icons::kAdd, "追加"},
        {icons::kMoveTop, "先頭へ"},         {icons::kMoveUp, "上へ"},
        {icons::kMoveTo, "指定位置へ"},      {icons::kMoveDown, "下へ"},
        {icons::kMoveBottom, "末尾へ"},
    };
    for (std::size_t i = 0; i < m_listButtons.size(); ++i)
        m_listButtons[i] = MakeButton(this, listButtons[i].image, icons::kListButtonSize, listButtons[i].tip);

    m_candidateCaption = new QLabel(QStringLiteral("候補リスト"), this);
    m_outputCombo = new QComboBox(this);
    m_outputCombo->addItems({QStringLiteral("通常"), QStringLiteral("移動"), QStringLiteral("複写")});
    m_destinationCombo = new CHistoryComboBox(this);
    m_destinationCombo->SetDropEmpty(true);
    m_destinationBrowse =
        MakeButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, "ディレクトリ参照");
    m_candidateList = new CFileListCtrl(this);
    m_candidateList->SetSource(&m_candidateRows);
    m_candidateList->SetReorder(true);
    m_candidateStatus = new QLabel(this);
    m_candidateProgress = new QProgressBar(this);
    m_candidateProgress->setTextVisible(false);
    m_candidateProgress->hide();

    m_leftFrame = new QRubberBand(QRubberBand::Rectangle, this);
    m_rightFrame = new QRubberBand(QRubberBand::Rectangle, this);
}

void CMainDlg::CreateBottomRow()
{
    const QSize size = icons::kBottomButtonSize;
    m_viewerButton = MakeButton(this, icons::kViewer, size, "簡易テキストビュア");
    m_undoButton = MakeButton(this, icons::kUndo, size, "アンドゥ");
    m_executeButton = MakeButton(this, icons::kExecute, size, "実行");
    m_exitButton = MakeButton(this, icons::kExit, size, "終了");
    m_settingsButton = MakeButton(this, icons::kSettings, size, "環境設定");
    m_helpButton = MakeButton(this, icons::kHelp, size, "ヘルプ");
    m_aboutButton = MakeButton(this, icons::kAbout, size, "バージョン情報");
    // The viewer, settings and about windows arrive with their own handlers;
    // until then they stay disabled.
    for (QWidget *w : {static_cast<QWidget *>(m_viewerButton), static_cast<QWidget *>(m_settingsButton),
                       static_cast<QWidget *>(m_aboutButton)})
        w->setEnabled(false);
}

void CMainDlg::ConnectControls()
{
    connect(m_modeCombo, &QComboBox::activated, this, &CMainDlg::ChangeMode);
    connect(m_outputCombo, &QComboBox::activated, this, [this] {
        RefreshControlStates();
        StoreUnification();
    });
    connect(m_destinationCombo, &QComboBox::editTextChanged, this, [this] {
        if (!m_created)
            return;
        RefreshControlStates();
        StoreUnification();
    });
    connect(m_objectGroup, &QButtonGroup::idClicked, this, &CMainDlg::ChangeObjectKind);
    connect(m_nowButton, &QPushButton::clicked, this, [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_datePicker->setDate(now.date());
        m_timePicker->setTime(now.time());
    });
    connect(m_midnightButton, &QPushButton::clicked, this, [this] { m_timePicker->setTime(QTime(0, 0, 0)); });
    for (QCheckBox *check : {m_unifyTime, m_unifyAttr})
        connect(check, &QCheckBox::clicked, this, [this] {
            RefreshControlStates();
            StoreUnification();
        });
    for (QCheckBox *check : m_attrChecks)
        connect(check, &QCheckBox::clicked, this, &CMainDlg::StoreUnification);
    connect(m_datePicker, &QDateEdit::dateChanged, this, &CMainDlg::StoreUnification);
    connect(m_timePicker, &QTimeEdit::timeChanged, this, &CMainDlg::StoreUnification);

    connect(m_splitButton, &QAbstractButton::clicked, this, &CMainDlg::ToggleSplit);
    connect(m_browseButton, &QAbstractButton::clicked, this, &CMainDlg::BrowseDirectory);
    connect(m_parentButton, &QAbstractButton::clicked, this, &CMainDlg::GoToParent);
    connect(m_refreshButton, &QAbstractButton::clicked, this, &CMainDlg::Refresh);
    connect(m_destinationBrowse, &QAbstractButton::clicked, this, &CMainDlg::BrowseDestination);
    connect(m_helpButton, &QAbstractButton::clicked, this, &CMainDlg::ShowHelp);
    connect(m_exitButton, &QAbstractButton::clicked, this, &CMainDlg::Exit);
    connect(m_executeButton, &QAbstractButton::clicked, this, &CMainDlg::Execute);
    connect(m_undoButton, &QAbstractButton::clicked, this, &CMainDlg::Undo);
    const std::array<void (CMainDlg::*)(), 9> listCommands = {
        &CMainDlg::InsertDummies, &CMainDlg::AddAll, &CMainDlg::ClearAll,       nullptr,
        &CMainDlg::MoveToTop,     &CMainDlg::MoveUp, &CMainDlg::MoveToPosition, &CMainDlg::MoveDown,
        &CMainDlg::MoveToEnd};
    for (std::size_t i = 0; i < m_listButtons.size(); ++i)
        if (listCommands[i])
            connect(m_listButtons[i], &QAbstractButton::clicked, this, listCommands[i]);
    // One button adds while the selection list has the focus and removes
    // while the candidate list has it.
    connect(m_listButtons[3], &QAbstractButton::clicked, this, [this] {
        if (m_listFocus == 1)
            AddSelected();
        else
            RemoveSelected();
    });

    connect(m_directoryCombo, &QComboBox::activated, this, [this](int index) {
        m_directoryCombo->setCurrentIndex(index);
        m_sourceList->CurrentView()->setFocus();
    });
    m_directoryCombo->installEventFilter(this);
    m_destinationCombo->installEventFilter(this);

    connect(m_sourceList, &CFileListCtrl::ColumnClicked, this, &CMainDlg::SortSourceByColumn);
    connect(m_sourceList, &CFileListCtrl::RowActivated, this, &CMainDlg::ActivateSourceRow);
    connect(m_sourceList, &CFileListCtrl::SelectionChanged, this, &CMainDlg::RefreshControlStates);
    connect(m_sourceList, &CFileListCtrl::ContextMenuRequested, this, &CMainDlg::ShowSourceMenu);
    connect(m_sourceList, &CFileListCtrl::FocusEntered, this, [this] { SetListFocus(1); });
    m_sourceList->SetKeyHandler([this](const QKeyEvent &key) { return HandleSourceKey(key); });
    connect(m_candidateList, &CFileListCtrl::SelectionChanged, this, &CMainDlg::RefreshControlStates);
    connect(m_candidateList, &CFileListCtrl::FocusEntered, this, [this] { SetListFocus(2); });
    connect(m_candidateList, &CFileListCtrl::ColumnClicked, this, &CMainDlg::SortCandidatesByColumn);
    connect(m_candidateList, &CFileListCtrl::ReorderFinished, this, &CMainDlg::MoveSelectionTo);
    m_candidateList->SetKeyHandler([this](const QKeyEvent &key) { return HandleCandidateKey(key); });

    for (SplitterBar *bar : {m_leftBar, m_rightBar}) {
        connect(bar, &SplitterBar::DragStarted, this, &CMainDlg::StartSplitterDrag);
        connect(bar, &SplitterBar::DragMoved, this, &CMainDlg::MoveSplitterDrag);
        connect(bar, &SplitterBar::DragFinished, this, &CMainDlg::FinishSplitterDrag);
        connect(bar, &SplitterBar::DragCancelled, this, &CMainDlg::CancelSplitterDrag);
    }
}

void CMainDlg::SetListFocus(int list)
{
    // The add button of the selection list is the remove button of the
    // candidate list.
    m_listFocus = list;
    const bool adding = list == 1;
    m_listButtons[3]->SetImage(QString::fromLatin1(adding ? icons::kAdd : icons::kRemove),
                               icons::kListButtonSize);
    m_listButtons[3]->setToolTip(adding ? QStringLiteral("追加") : QStringLiteral("取消"));
    RefreshControlStates();
}

void CMainDlg::LoadState()
{
    std::optional<std::vector<unsigned char>> placement;
    {
        CRegistryStore store;
        store.Open("Window");
        placement = platform::QueryWindowPlacement(store);
        m_srcListWidth = store.ReadDword("SrcListWidth", 240);
        store.Close();
    }
    m_env.Load();
    {
        CRegistryStore store;
        m_settings.LoadSettings(store, m_env.DataMode != 0 ? "Default" : "Rename");
    }
    if (placement)
        restoreGeometry(QByteArray(reinterpret_cast<const char *>(placement->data()),
                                   static_cast<qsizetype>(placement->size())));
    m_sourceList->LoadColumnWidths("Window", "SrcListColumn");

    m_isSplit = CRegistryStore::ReadKeyDword("Window", "IsSplit", 1) != 0;
    if (m_env.SplitMode == 1)
        m_isSplit = true;
    else if (m_env.SplitMode == 2)
        m_isSplit = false;

    m_directoryCombo->LoadHistory("Environment", "CurrentDirectory");
    m_destinationCombo->LoadHistory("Environment", "CopyDirectory");
    m_launchers.Load();
    if (m_env.DirectoryMode == 1)
        m_directoryCombo->SetCurrentText(m_env.DefDirectory);

    m_settings.RenameMode = UsableMode(m_settings.RenameMode);
    m_modeIndex = m_settings.RenameMode;
    m_objectKind = m_settings.ObjMode == 1 ? 1 : 0;
    m_outputIndex =
        m_settings.FileCopyMode >= 0 && m_settings.FileCopyMode <= 2 ? m_settings.FileCopyMode : 0;
}

void CMainDlg::LoadControls()
{
    m_modeCombo->setCurrentIndex(m_modeIndex);
    m_objectGroup->button(m_objectKind)->setChecked(true);
    m_outputCombo->setCurrentIndex(m_outputIndex);
    m_unifyTime->setChecked(m_settings.IsFileTimeChange != 0);
    m_unifyAttr->setChecked(m_settings.IsFileAttribChange != 0);
    const QDateTime time = QDateTime::fromSecsSinceEpoch(m_settings.FileTime);
    {
        const QSignalBlocker blockDate(m_datePicker), blockTime(m_timePicker);
        m_datePicker->setDate(time.date());
        m_timePicker->setTime(time.time());
    }
    const int attrs[] = {m_settings.AtrReadOnly, m_settings.AtrHidden, m_settings.AtrSystem,
                         m_settings.AtrArchive};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i)
        m_attrChecks[i]->setCheckState(CheckFromAttribute(attrs[i]));
}

void CMainDlg::SaveControls()
{
    m_modeIndex = m_modeCombo->currentIndex();
    m_objectKind = m_objectGroup->checkedId() == 1 ? 1 : 0;
    m_outputIndex = m_outputCombo->currentIndex();
}

void CMainDlg::ApplyListOptions()
{
    const bool fullRow = m_env.SelectMode == 1;
    for (CFileListCtrl *list : {m_sourceList, m_candidateList}) {
        list->SetFullRowSelect(fullRow);
        list->SetGridLines(m_env.IsGrid == 1);
    }
    m_sourceList->SetViewType(m_env.SrcListType, true);
    m_candidateList->SetViewType(0, m_env.IsDestSort == 1);
    m_sourceRows.SetDisplayOptions({m_env.FileCharMode, m_env.FileSizeType == 1});
    m_candidateRows.SetDisplayOptions({m_env.FileCharMode, m_env.RenamePath == 1, m_env.FileSizeType == 1});
}

void CMainDlg::ProcessArguments(const std::vector<std::string> &args)
{
    bool directoryGiven = false;
    for (const std::string &arg : args) {
        const std::string path = AbsoluteDirectory(arg, m_currentDirectory);
        platform::DirEntryInfo info;
        if (arg.empty() || platform::ReadDirEntry(platform::DisplayDirectory(path), info) != 0 ||
            info.isDirectory) {
            m_directoryCombo->SetCurrentText(platform::DisplayDirectory(path));
            directoryGiven = true;
            continue;
        }
        m_candidateRows.Append(CFileEntry(info));
    }
    m_candidateList->Reset();
    // A directory from the command line is listed at once rather than at the
    // next refresh.
    if (directoryGiven) {
        if (m_isSplit)
            ListDirectory();
        else
            m_listingPending = true;
    }
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
    SaveControls();
    ControlStateInputs in;
    in.renameMode = m_settings.RenameMode;
    in.objMode = m_objectKind;
    in.outputIndex = m_outputIndex;
    in.unifyTime = m_unifyTime->isChecked();
    in.unifyAttr = m_unifyAttr->isChecked();
    in.directoryIsRoot = platform::IsRootDirectory(m_currentDirectory);
    in.destinationEmpty = m_destinationCombo->CurrentText().empty();
    in.formatEmpty = m_settings.FormatStr.empty();
    in.inputFileEmpty = m_settings.InputFile.empty();
    in.outputFileEmpty = m_settings.OutputFile.empty();
    in.isSplit = m_isSplit;
    in.listFocus = m_listFocus;
    in.sourceRows = m_sourceRows.RowCount();
    in.sourceSelected = m_sourceList->SelectedCount();
    in.candidateRows = m_candidateRows.RowCount();
    in.candidateSelected = m_candidateList->SelectedCount();
    in.firstCandidateSelected = in.candidateRows > 0 && m_candidateList->IsRowSelected(0);
    in.lastCandidateSelected = in.candidateRows > 0 && m_candidateList->IsRowSelected(in.candidateRows - 1);
    in.undoAvailable = m_undo.available;
    const ControlStates s = ComputeControlStates(in);

    m_filesRadio->setEnabled(s.objectKind);
    m_foldersRadio->setEnabled(s.objectKind);
    m_unifyTime->setEnabled(s.unifyTime);
    for (QWidget *w : {static_cast<QWidget *>(m_datePicker), static_cast<QWidget *>(m_timePicker),
                       static_cast<QWidget *>(m_nowButton), static_cast<QWidget *>(m_midnightButton)})
        w->setEnabled(s.timePickers);
    m_unifyAttr->setEnabled(s.unifyAttr);
    for (QCheckBox *check : m_attrChecks)
        check->setEnabled(s.attrChecks);
    m_parentButton->setEnabled(s.parentDirectory);
    m_outputCombo->setEnabled(s.output);
    m_destinationCombo->setEnabled(s.destination);
    m_destinationBrowse->setEnabled(s.destination);
    m_undoButton->setEnabled(s.undo);
    const bool listStates[] = {s.insertDummy, s.addAll,         s.clearAll, s.addOrRemove, s.moveToTop,
                               s.moveUp,      s.moveToPosition, s.moveDown, s.moveToEnd};
    for (std::size_t i = 0; i < m_listButtons.size(); ++i)
        m_listButtons[i]->setEnabled(listStates[i]);
    m_executeButton->setEnabled(s.execute);

    m_sourceStatus->setText(SourceStatusText());
    m_candidateStatus->setText(CandidateStatusText());
}

QString CMainDlg::SourceStatusText() const
{
    return ListStatusText(m_sourceRows.RowCount(), m_sourceList->SelectedCount());
}

QString CMainDlg::CandidateStatusText() const
{
    return ListStatusText(m_candidateRows.RowCount(), m_candidateList->SelectedCount());
}

void CMainDlg::StoreUnification()
{
    if (!m_created)
        return;
    SaveControls();
    m_settings.IsFileTimeChange = m_unifyTime->isChecked() ? 1 : 0;
    m_settings.IsFileAttribChange = m_unifyAttr->isChecked() ? 1 : 0;
    m_settings.FileTime = QDateTime(m_datePicker->date(), m_timePicker->time()).toSecsSinceEpoch();
    int *attrs[] = {&m_settings.AtrReadOnly, &m_settings.AtrHidden, &m_settings.AtrSystem,
                    &m_settings.AtrArchive};
    for (std::size_t i = 0; i < m_attrChecks.size(); ++i)
        *attrs[i] = AttributeFromCheck(m_attrChecks[i]->checkState());
    m_settings.FileCopyMode = m_outputIndex;
    m_settings.FileCopyDirectory = m_destinationCombo->CurrentText();
    PanelRefresh();
}

void CMainDlg::PanelRefresh()
{
    if (!m_created)
        return;
    SaveControls();
    m_settings.RenameMode = m_modeIndex;
    m_settings.ObjMode = m_objectKind;
    if (m_panel)
        m_panel->ReadInto(m_settings);
    if (m_settings.RenameMode == kModeFromFile)
        m_settings.LoadInputLines();
    if (m_settings.RenameMode == kModeNumberedDirs) {
        const int before = m_candidateRows.RowCount();
        m_candidateRows.PlaceNumberedDirectories(m_settings.NumDirCount);
        if (m_candidateRows.RowCount() != before)
            m_candidateList->Reset();
    }
    RedrawCandidates();
    RefreshControlStates();
}

void CMainDlg::RedrawCandidates()
{
    m_candidateRows.UpdateMarks(m_existingNames);
    m_candidateList->UpdateAll();
}

void CMainDlg::RebuildCandidateColumns()
{
    m_candidateList->SetColumns(CCandidateList::Columns(m_settings.RenameMode));
    m_candidateList->LoadColumnWidths("Window", "DestColumnWidth");
}

void CMainDlg::ChangeMode(int index)
{
    const int old = m_settings.RenameMode;
    if (index == old)
        return;
    if (IsSeparatorMode(index)) {
        QApplication::beep();
        m_modeCombo->setCurrentIndex(old);
        return;
    }
    if (index == kModeStoreDefaults) {
        m_modeCombo->setCurrentIndex(old);
        PanelRefresh();
        CRegistryStore store;
        m_settings.SaveSettings(store, "Default");
        if (store.WriteError() != 0)
            Ask(QMessageBox::Warning, QStringLiteral("Kestrel"), SettingsNotSavedText(store.WriteError()),
                QMessageBox::Ok);
        else
            Ask(QMessageBox::Information, QStringLiteral("Kestrel"),
                QStringLiteral("変名の初期値を変更しました。"), QMessageBox::Ok);
        return;
    }
    if (m_candidateRows.RowCount() > 0) {
        const QString caption = QStringLiteral("変名モード変更");
        const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        if (old == kModeNumberedDirs) {
            m_candidateRows.Clear();
        } else if (index == kModeConcatenate) {
            const auto answer =
                Ask(QMessageBox::Question, caption,
                    QStringLiteral("【連結】モードに変更されました。リストをクリアしますか？\n"
                                   "『いいえ』を選択してもダミーファイルはクリアされます。"),
                    buttons);
            if (answer == QMessageBox::Yes)
                m_candidateRows.Clear();
            else if (answer == QMessageBox::No)
                m_candidateRows.RemoveDummies();
        } else if (old == kModeConcatenate) {
            const auto answer =
                Ask(QMessageBox::Question, caption,
                    QStringLiteral("【連結】モードから変更されました。リストをクリアしますか？"), buttons);
            if (answer == QMessageBox::Cancel) {
                m_modeCombo->setCurrentIndex(kModeConcatenate);
                RefreshControlStates();
                StoreUnification();
                return;
            }
            if (answer == QMessageBox::Yes)
                m_candidateRows.Clear();
        }
        m_candidateList->Reset();
    }
    m_settings.RenameMode = index;
    m_modeIndex = index;
    RebuildCandidateColumns();
    DestroyPanel();
    CreatePanel();
    m_modeCombo->setCurrentIndex(m_settings.RenameMode);
    RefreshControlStates();
    PanelRefresh();
}

void CMainDlg::ChangeObjectKind(int kind)
{
    if (kind == m_settings.ObjMode)
        return;
    if (m_candidateRows.RowCount() > 0) {
        const auto answer =
            Ask(QMessageBox::Question, QStringLiteral("対象モード変更"),
                QStringLiteral("対象モードが変更されました。リストがクリアされますが，よろしいですか？"),
                QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            m_objectGroup->button(m_settings.ObjMode)->setChecked(true);
            RefreshControlStates();
            return;
        }
        m_candidateRows.Clear();
        m_candidateList->Reset();
    }
    m_objectGroup->button(kind)->setChecked(true);
    m_objectKind = kind;
    m_settings.ObjMode = kind;
    if (m_settings.RenameMode == kModeConcatenate) {
        DestroyPanel();
        CreatePanel();
    }
    RefreshControlStates();
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

void CMainDlg::Exit()
{
    close();
}

void CMainDlg::closeEvent(QCloseEvent *event)
{
    SaveState();
    event->accept();
}

void CMainDlg::SaveState()
{
    SaveControls();
    // Every value goes to the one store file: a single warning at the end
    // covers them all, with the reason of the first failed write.
    int writeError = 0;
    {
        CRegistryStore store;
        store.Open("Window");
        const QByteArray geometry = saveGeometry();
        platform::WriteWindowPlacement(store, std::vector<unsigned char>(geometry.begin(), geometry.end()));
        store.WriteDword("SrcListWidth", m_srcListWidth);
        store.WriteDword("IsSplit", m_isSplit ? 1 : 0);
        store.Close();
        writeError = store.WriteError();
    }
    m_sourceList->SaveColumnWidths("Window", "SrcListColumn");
    m_candidateList->SaveColumnWidths("Window", "DestColumnWidth");
    DestroyPanel();
    m_settings.FileCopyMode = m_outputIndex;
    m_settings.FileCopyDirectory = m_destinationCombo->CurrentText();
    {
        CRegistryStore store;
        m_settings.SaveSettings(store, "Rename");
        if (writeError == 0)
            writeError = store.WriteError();
    }
    m_directoryCombo->SaveHistory("Environment", "CurrentDirectory", CHistoryComboBox::kDefaultMaxCount);
    m_destinationCombo->SaveHistory("Environment", "CopyDirectory", CHistoryComboBox::kDefaultMaxCount);
    if (writeError != 0)
        Ask(QMessageBox::Warning, QStringLiteral("Kestrel"), SettingsNotSavedText(writeError),
            QMessageBox::Ok);
}

void CMainDlg::ToggleSplit()
{
    m_isSplit = !m_isSplit;
    for (QWidget *w : {static_cast<QWidget *>(m_sourceCaption), static_cast<QWidget *>(m_browseButton),
                       static_cast<QWidget *>(m_parentButton), static_cast<QWidget *>(m_refreshButton),
                       static_cast<QWidget *>(m_directoryCombo), static_cast<QWidget *>(m_sourceList),
                       static_cast<QWidget *>(m_sourceStatus), static_cast<QWidget *>(m_leftBar),
                       static_cast<QWidget *>(m_rightBar)})
        w->setVisible(m_isSplit);
    m_splitButton->SetImage(QString::fromLatin1(m_isSplit ? icons::kSplitTwoPanes : icons::kSplitSinglePane),
                            icons::kDirectoryButtonSize);
    if (m_isSplit && m_listingPending)
        ListDirectory();
    RefreshControlStates();
    LayOut();
}

QWidget *CMainDlg::Control(int id) const
{
    switch (id) {
    case 1:
        return m_executeButton;
    case 2:
        return m_exitButton;
    case 1000:
        return m_sourceList;
    case 1001:
        return m_candidateList;
    case 1015:
        return m_directoryCombo;
    case 1048:
        return m_undoButton;
    case 1060:
        return m_outputCombo;
    case 1066:
        return m_modeCombo;
    case 1109:
        return m_leftBar;
    case 1111:
        return m_rightBar;
    case 1126:
        return m_nowButton;
    case 1127:
        return m_midnightButton;
    case 1137:
        return m_sourceStatus;
    case 1138:
        return m_candidateStatus;
    case 1162:
        return m_unifyTime;
    case 1198:
        return m_destinationCombo;
    case 1235:
        return m_unifyAttr;
    case 1284:
        return m_sourceProgress;
    case 1285:
        return m_candidateProgress;
    case 1327:
        return m_datePicker;
    case 1328:
        return m_timePicker;
    case 1401:
        return m_filesRadio;
    case 1402:
        return m_foldersRadio;
    case 2000:
        return m_destinationBrowse;
    case 2001:
        return m_settingsButton;
    case 2002:
        return m_browseButton;
    case 2003:
        return m_parentButton;
    case 2004:
        return m_refreshButton;
    case 2014:
        return m_viewerButton;
    case 2015:
        return m_splitButton;
    case 2016:
        return m_aboutButton;
    case 57670:
        return m_helpButton;
    default:
        if (id >= 1163 && id <= 1166)
            return m_attrChecks[static_cast<std::size_t>(id - 1163)];
        if (id >= 2005 && id <= 2013)
            return m_listButtons[static_cast<std::size_t>(id - 2005)];
        return nullptr;
    }
}
