#include "ui/dialogs/FolderBrowseDlg.h"

#include "platform/FileOps.h"
#include "platform/FolderScan.h"
#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "ui/dialogs/CentreOnParent.h"
#include "ui/dialogs/FolderDivider.h"
#include "ui/dialogs/FolderFileList.h"
#include "ui/dialogs/FolderTree.h"
#include "ui/dialogs/MakeDirDlg.h"
#include "ui/dialogs/StoredWindowRect.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kWidthUnits = 240;
constexpr int kHeightUnits = 220;

void ShowWarning(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox::warning(parent, caption, text);
}

} // namespace

CFolderBrowseDlg::CFolderBrowseDlg(QWidget *parent, const QString &prompt, const std::string &initialFolder)
    : QDialog(parent), m_warn(ShowWarning)
{
    icons::EnsureResourcesLoaded();
    setWindowTitle(tr("フォルダの参照"));
    m_prompt = new QLabel(ShownPrompt(prompt), this);
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_prompt->setWordWrap(true);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_tree = new CFolderTree(this);
    m_files = new CFolderFileList(this);
    m_divider = new CFolderDivider(this);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_files->setObjectName(QStringLiteral("files"));
    m_divider->setObjectName(QStringLiteral("divider"));

    m_newFolder = MakeToolButton("folder-new", icons::kNewFolder, tr("新しいフォルダ"));
    m_views = new QButtonGroup(this);
    m_views->setExclusive(true);
    m_views->addButton(MakeToolButton("view-list-details", icons::kViewDetails, tr("詳細")),
                       CFolderFileList::kDetails);
    m_views->addButton(MakeToolButton("view-list-text", icons::kViewList, tr("一覧")),
                       CFolderFileList::kList);
    m_views->addButton(MakeToolButton("view-list-icons", icons::kViewIcons, tr("小さいアイコン")),
                       CFolderFileList::kSmallIcons);
    for (QAbstractButton *button : m_views->buttons())
        button->setCheckable(true);

    m_rememberSize = new QCheckBox(tr("サイズ・分割位置を記憶"), this);
    m_choose = new QPushButton(tr("選択"), this);
    m_choose->setDefault(true);
    m_cancel = new QPushButton(tr("中止"), this);

    connect(m_choose, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_newFolder, &QToolButton::clicked, this, &CFolderBrowseDlg::MakeFolder);
    connect(m_views, &QButtonGroup::idClicked, this, &CFolderBrowseDlg::SetListMode);
    connect(m_tree, &CFolderTree::PathSelected, this, &CFolderBrowseDlg::ShowSelection);
    connect(m_divider, &CFolderDivider::Dropped, this, &CFolderBrowseDlg::DividerDropped);

    const QSize initial = DialogUnits(font()).toPixels(kWidthUnits, kHeightUnits);
    setMinimumSize(initial.boundedTo(QSize(kMaxWidth, kMaxHeight)));
    setMaximumSize(kMaxWidth, kMaxHeight);
    resize(initial);
    loadStoredValues();
    CentreOnParent(this);

    ShowSelection(std::nullopt);
    m_tree->SelectPath(initialFolder);
}

CFolderBrowseDlg::~CFolderBrowseDlg() = default;

QString CFolderBrowseDlg::ShownPrompt(const QString &prompt)
{
    return prompt.isEmpty() ? tr("フォルダを選択して下さい。") : prompt;
}

QToolButton *CFolderBrowseDlg::MakeToolButton(const char *themeIcon, const char *ownIcon, const QString &text)
{
    auto *button = new QToolButton(this);
    // The desktop theme's picture, else the program's own; the button draws
    // its text only where it has no picture at all.
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(themeIcon), QIcon(QString::fromLatin1(ownIcon))));
    button->setIconSize(icons::kListImageSize);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    return button;
}

std::optional<std::string> CFolderBrowseDlg::SelectedPath() const
{
    return m_tree->SelectedPath();
}

int CFolderBrowseDlg::ListMode() const
{
    return m_files->ViewMode();
}

void CFolderBrowseDlg::ShowSelection(const std::optional<std::string> &path)
{
    m_path->setText(QStringLiteral(" ") + (path ? ShownText(*path) : QString()));
    m_choose->setEnabled(path.has_value());
    m_newFolder->setEnabled(path.has_value());
    m_files->ShowFolder(path);
}

void CFolderBrowseDlg::SetListMode(int mode)
{
    m_files->SetViewMode(mode);
    m_views->button(m_files->ViewMode())->setChecked(true);
}

void CFolderBrowseDlg::MakeFolder()
{
    if (!SelectedPath())
        return;
    CMakeDirDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        MakeFolderNamed(dialog.Name());
}

void CFolderBrowseDlg::MakeFolderNamed(const std::string &name)
{
    const std::optional<std::string> folder = SelectedPath();
    if (!folder)
        return;
    if (platform::MakeChildDirectory(platform::NormalizeDirectory(*folder), name) != 0) {
        m_warn(this, tr("ディレクトリの作成"),
               tr("ディレクトリの作成に失敗しました！\nディレクトリが既に存在するか，"
                  "入力文字がディレクトリ名として不正です。"));
        return;
    }
    m_tree->RefreshSelectedAndSelect(name);
}

void CFolderBrowseDlg::DividerDropped(int left)
{
    m_treeWidth = left - DialogUnits(font()).toPixelsX(6);
    Layout();
}

void CFolderBrowseDlg::loadStoredValues()
{
    CRegistryStore store;
    store.Open(kStoreKey);
    SetListMode(store.QueryDword("ListMode").value_or(CFolderFileList::kDetails));
    m_rememberSize->setChecked(store.QueryDword("IsRememberSize").value_or(0) != 0);
    if (!m_rememberSize->isChecked())
        return;
    if (const auto width = store.QueryDword("TreeWidth"); width && *width > 0)
        m_treeWidth = *width;
    ResizeToStoredRect(store, "WindowSize", *this);
}

void CFolderBrowseDlg::saveStoredValues() const
{
    CRegistryStore store;
    store.Open(kStoreKey);
    store.WriteDword("ListMode", ListMode());
    store.WriteDword("IsRememberSize", m_rememberSize->isChecked() ? 1 : 0);
    store.WriteDword("TreeWidth", m_treeWidth);
    WriteWindowRect(store, "WindowSize", *this);
    store.Close();
}

void CFolderBrowseDlg::done(int result)
{
    saveStoredValues();
    QDialog::done(result);
}

void CFolderBrowseDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Layout();
}

void CFolderBrowseDlg::Layout()
{
    const DialogUnits units(font());
    const int w = units.toUnitsX(width());
    const int h = units.toUnitsY(height());
    m_newFolder->setGeometry(units.toPixels(w - 64, 4, 14, 14));
    // Small icons, list, details from left to right.
    m_views->button(CFolderFileList::kSmallIcons)->setGeometry(units.toPixels(w - 46, 4, 14, 14));
    m_views->button(CFolderFileList::kList)->setGeometry(units.toPixels(w - 32, 4, 14, 14));
    m_views->button(CFolderFileList::kDetails)->setGeometry(units.toPixels(w - 18, 4, 14, 14));
    m_prompt->setGeometry(units.toPixels(4, 4, w - 74, 18));
    m_path->setGeometry(units.toPixels(4, 23, w - 8, 11));

    const int top = units.toPixelsY(36);
    const int bottom = units.toPixelsY(h - 24);
    const int treeLeft = units.toPixelsX(4);
    const int treeRight = units.toPixelsX(6) + m_treeWidth;
    const int listLeft = units.toPixelsX(8) + m_treeWidth;
    m_tree->setGeometry(treeLeft, top, treeRight - treeLeft, bottom - top);
    m_divider->setGeometry(treeRight, top, listLeft - treeRight, bottom - top);
    m_files->setGeometry(listLeft, top, units.toPixelsX(w - 4) - listLeft, bottom - top);

    m_rememberSize->setGeometry(units.toPixels(6, h - 18, 86, 11));
    m_choose->setGeometry(units.toPixels(w - 88, h - 20, 40, 16));
    m_cancel->setGeometry(units.toPixels(w - 44, h - 20, 40, 16));
}
