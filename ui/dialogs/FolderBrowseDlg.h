#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class CFolderDivider;
class CFolderFileList;
class CFolderTree;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

// "フォルダの参照": the program's own folder browser. A folder tree on the
// left, the files of the selected folder on the right, a button that makes a
// new folder inside the selected one, and 選択 / 中止. The list view, whether
// the size is remembered, the tree's width and the window size are kept under
// the key SelDirDlg and written whenever the dialog closes.
class CFolderBrowseDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *kStoreKey = "SelDirDlg";
    static constexpr int kMaxWidth = 800;
    static constexpr int kMaxHeight = 600;
    static constexpr int kDefaultTreeWidth = 250;

    using WarningFunction = std::function<void(QWidget *parent, const QString &caption, const QString &text)>;

    // An empty prompt shows "フォルダを選択して下さい。"; an empty initial
    // folder selects nothing.
    CFolderBrowseDlg(QWidget *parent, const QString &prompt, const std::string &initialFolder);
    ~CFolderBrowseDlg() override;

    // The text that asks for a folder: prompt, or the default when it is empty.
    static QString ShownPrompt(const QString &prompt);

    // The selected folder's path as bytes; nothing when no folder is selected.
    std::optional<std::string> SelectedPath() const;
    int ListMode() const;
    int TreeWidth() const { return m_treeWidth; }

    // Asks a name and makes that folder in the selected one.
    void MakeFolder();
    // Makes the folder `name` in the selected one; on success it becomes the
    // selected folder, otherwise the failure is shown and the tree stays as
    // it is.
    void MakeFolderNamed(const std::string &name);
    // How failures are shown (a warning message box unless replaced).
    void SetWarningFunction(WarningFunction warn) { m_warn = std::move(warn); }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *MakeToolButton(const char *themeIcon, const char *ownIcon, const QString &text);
    void ShowSelection(const std::optional<std::string> &path);
    void SetListMode(int mode);
    void DividerDropped(int left);
    void Layout();
    void loadStoredValues();
    void saveStoredValues() const;

    QLabel *m_prompt;
    QLabel *m_path;
    CFolderTree *m_tree;
    CFolderFileList *m_files;
    CFolderDivider *m_divider;
    QToolButton *m_newFolder;
    QButtonGroup *m_views;
    QCheckBox *m_rememberSize;
    QPushButton *m_choose;
    QPushButton *m_cancel;
    int m_treeWidth = kDefaultTreeWidth;
    WarningFunction m_warn;
};
