#include "ui/settings/SettingsDlg.h"

#include "ui/settings/BehaviourPage.h"
#include "ui/settings/HistoryPage.h"
#include "ui/settings/LaunchPage.h"
#include "ui/settings/ListDisplayPage.h"
#include "ui/settings/StartupPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

CSettingsDlg::CSettingsDlg(const CEnvSettings &env, const CLaunchList &launchers, QWidget *parent)
    : QDialog(parent), m_launchers(launchers)
{
    m_env.CopyFrom(env);
    setWindowTitle(tr("Kestrel（環境設定）"));

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setExpanding(false);
    for (const QString &caption :
         {tr("リスト表示"), tr("動　作"), tr("起動動作"), tr("起動アプリケーション"), tr("履歴編集")})
        m_tabs->addTab(caption);
    auto *pageFrame = new QFrame(this);
    pageFrame->setFrameShape(QFrame::StyledPanel);
    m_pageLayout = new QVBoxLayout(pageFrame);

    auto *firstButton = new QPushButton(tr("起動時に最初に表示"), this);
    auto *okButton = new QPushButton(tr("設定"), this);
    auto *cancelButton = new QPushButton(tr("取消"), this);
    firstButton->setAutoDefault(false);
    okButton->setDefault(true);
    cancelButton->setAutoDefault(false);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(firstButton);
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(pageFrame, 1);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);

    connect(firstButton, &QPushButton::clicked, this, &CSettingsDlg::StoreFirstPage);
    connect(okButton, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CSettingsDlg::reject);

    // A tab bar always has a current tab once it has tabs: without a usable
    // first page tab 0 looks chosen but shows nothing until a tab is clicked,
    // which is why clicks are followed as well as changes.
    if (env.FirstCustom >= 0 && env.FirstCustom < kPageCount) {
        m_tabs->setCurrentIndex(env.FirstCustom);
        ShowPage(env.FirstCustom);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, &CSettingsDlg::ShowPage);
    connect(m_tabs, &QTabBar::tabBarClicked, this, &CSettingsDlg::ShowPage);
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::ShowPage(int index)
{
    if (index == m_currentPage || index < 0 || index >= kPageCount)
        return;
    LeavePage();
    m_page = CreatePage(index);
    m_pageLayout->addWidget(m_page);
    m_currentPage = index;
    if (m_tabs->currentIndex() != index) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
}

CSettingsPage *CSettingsDlg::CreatePage(int index)
{
    switch (index) {
    case kListDisplay:
        return new CListDisplayPage(m_env, this);
    case kBehaviour:
        return new CBehaviourPage(m_env, this);
    case kStartup:
        return new CStartupPage(m_env, this);
    case kLaunch:
        return new CLaunchPage(m_launchers, this);
    default:
        return new CHistoryPage(this);
    }
}

void CSettingsDlg::LeavePage()
{
    if (!m_page)
        return;
    m_page->Store();
    const bool changed = m_page->Changed();
    if (m_currentPage == kListDisplay)
        m_displayChanged = m_displayChanged || changed;
    else if (m_currentPage == kBehaviour)
        m_behaviourChanged = m_behaviourChanged || changed;
    else if (m_currentPage == kHistory)
        m_historyChanged = m_historyChanged || changed;
    delete m_page;
    m_page = nullptr;
}

void CSettingsDlg::StoreFirstPage()
{
    m_env.FirstCustom = m_currentPage;
    m_env.Save("First");
}

void CSettingsDlg::accept()
{
    LeavePage();
    m_env.Save("StartUp");
    m_launchers.Save();
    QDialog::accept();
}

void CSettingsDlg::reject()
{
    LeavePage();
    QDialog::reject();
}
