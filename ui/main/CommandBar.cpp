#include "ui/main/CommandBar.h"

#include "ui/main/MainLayout.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

CCommandBar::CCommandBar(QWidget *window) : QObject(window)
{
    const QSize size = icons::kBottomButtonSize;
    m_viewer = MakeImageButton(window, icons::kViewer, size, tr("簡易テキストビュア"));
    m_undo = MakeImageButton(window, icons::kUndo, size, tr("アンドゥ"));
    m_execute = MakeImageButton(window, icons::kExecute, size, tr("実行"));
    m_exit = MakeImageButton(window, icons::kExit, size, tr("終了"));
    m_settings = MakeImageButton(window, icons::kSettings, size, tr("環境設定"));
    m_help = MakeImageButton(window, icons::kHelp, size, tr("ヘルプ"));
    m_about = MakeImageButton(window, icons::kAbout, size, tr("バージョン情報"));
    m_exit->setObjectName(QStringLiteral("exitButton"));
    m_settings->setObjectName(QStringLiteral("settingsButton"));
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_about->setObjectName(QStringLiteral("aboutButton"));

    connect(m_execute, &QAbstractButton::clicked, this, &CCommandBar::ExecuteClicked);
    connect(m_undo, &QAbstractButton::clicked, this, &CCommandBar::UndoClicked);
    connect(m_exit, &QAbstractButton::clicked, this, &CCommandBar::ExitClicked);
    connect(m_help, &QAbstractButton::clicked, this, &CCommandBar::HelpClicked);
    connect(m_settings, &QAbstractButton::clicked, this, &CCommandBar::SettingsClicked);
    connect(m_about, &QAbstractButton::clicked, this, &CCommandBar::AboutClicked);
}

void CCommandBar::Place(const MainLayout &layout)
{
    m_viewer->setGeometry(layout.viewer);
    m_undo->setGeometry(layout.undo);
    m_execute->setGeometry(layout.execute);
    m_exit->setGeometry(layout.exit);
    m_settings->setGeometry(layout.settings);
    m_help->setGeometry(layout.help);
    m_about->setGeometry(layout.about);
}

void CCommandBar::SetStates(bool undo, bool execute)
{
    m_undo->setEnabled(undo);
    m_execute->setEnabled(execute);
}
