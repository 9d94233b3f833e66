#include "ui/settings/ListDisplayPage.h"

#include "app/EnvSettings.h"
#include "ui/settings/ChoiceGroup.h"
#include "ui/settings/InitialValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CListDisplayPage::CListDisplayPage(CEnvSettings &env, QWidget *parent) : CSettingsPage(parent), m_env(env)
{
    CreateControls();
    ShowValues();
    UpdateEnabling();

    for (CChoiceGroup *group : {m_view, m_select, m_chars, m_size, m_path})
        connect(group, &CChoiceGroup::Clicked, this, [this] {
            MarkChanged();
            UpdateEnabling();
        });
    for (QCheckBox *check : {m_grid, m_sortDown, m_sortNum, m_destSort})
        connect(check, &QCheckBox::clicked, this, [this] { MarkChanged(); });
    connect(m_sort, &QComboBox::activated, this, [this] {
        MarkChanged();
        UpdateEnabling();
    });
    connect(m_initial, &QPushButton::clicked, this, [this] {
        StoreInitialValues(
            this, [this](CEnvSettings &initial) { StoreInto(initial); }, "Disp",
            tr("リスト表示の初期値を変更しました。"));
    });
}

void CListDisplayPage::CreateControls()
{
    m_view = new CChoiceGroup(tr("選択リストの形式"), {tr("詳細"), tr("一覧"), tr("小さいアイコン")}, this);
    m_select = new CChoiceGroup(tr("リストの選択方法"), {tr("ファイル名部分"), tr("行全体")}, this);
    m_grid = new QCheckBox(tr("（罫線表示）"), this);
    m_select->AddWidget(m_grid);
    m_chars = new CChoiceGroup(tr("ファイル表示"), {tr("通常"), tr("大文字"), tr("小文字")}, this);
    m_size = new CChoiceGroup(tr("ファイルサイズ"), {tr("キロバイト単位"), tr("バイト単位")}, this);

    auto *sortGroup = new QGroupBox(tr("選択リストのソート方法"), this);
    m_sort = new QComboBox(sortGroup);
    for (const QString &item : {tr("名前"), tr("サイズ"), tr("ファイルの種類"), tr("更新日時"), tr("属性")})
        m_sort->addItem(item);
    m_sortDown = new QCheckBox(tr("逆順"), sortGroup);
    m_sortNum = new QCheckBox(tr("数値比較"), sortGroup);
    auto *sortLayout = new QVBoxLayout(sortGroup);
    sortLayout->addWidget(m_sort);
    sortLayout->addWidget(m_sortDown);
    sortLayout->addWidget(m_sortNum);

    m_path = new CChoiceGroup(tr("変名／連結候補表示"), {tr("ファイル名"), tr("フルパス名")}, this);
    auto *destSortGroup = new QGroupBox(tr("候補リストのソート機能"), this);
    m_destSort = new QCheckBox(tr("使用する"), destSortGroup);
    (new QVBoxLayout(destSortGroup))->addWidget(m_destSort);

    m_initial = new QPushButton(tr("起動動作"), this);
    m_initial->setAutoDefault(false);

    m_view->setObjectName(QStringLiteral("viewChoice"));
    m_select->setObjectName(QStringLiteral("selectChoice"));
    m_grid->setObjectName(QStringLiteral("gridCheck"));
    m_chars->setObjectName(QStringLiteral("charChoice"));
    m_size->setObjectName(QStringLiteral("sizeChoice"));
    m_sort->setObjectName(QStringLiteral("sortCombo"));
    m_sortDown->setObjectName(QStringLiteral("sortDownCheck"));
    m_sortNum->setObjectName(QStringLiteral("sortNumCheck"));
    m_path->setObjectName(QStringLiteral("pathChoice"));
    m_destSort->setObjectName(QStringLiteral("destSortCheck"));
    m_initial->setObjectName(QStringLiteral("initialButton"));

    auto *grid = new QGridLayout;
    grid->addWidget(m_view, 0, 0);
    grid->addWidget(m_select, 0, 1);
    grid->addWidget(m_chars, 0, 2);
    grid->addWidget(m_size, 1, 0);
    grid->addWidget(sortGroup, 1, 1);
    grid->addWidget(m_path, 1, 2);
    grid->addWidget(destSortGroup, 2, 0);
    LayOutWithInitialButton(this, grid, m_initial);
}

void CListDisplayPage::ShowValues()
{
    m_view->SetValue(m_env.SrcListType);
    m_select->SetValue(m_env.SelectMode);
    m_grid->setChecked(m_env.IsGrid != 0);
    m_chars->SetValue(m_env.FileCharMode);
    m_size->SetValue(m_env.FileSizeType);
    m_sort->setCurrentIndex(m_env.SortMode);
    m_sortDown->setChecked(m_env.IsSortDown != 0);
    m_sortNum->setChecked(m_env.IsSortNum != 0);
    m_path->SetValue(m_env.RenamePath);
    m_destSort->setChecked(m_env.IsDestSort != 0);
}

void CListDisplayPage::Store()
{
    StoreInto(m_env);
}

void CListDisplayPage::StoreInto(CEnvSettings &env) const
{
    m_view->StoreInto(env.SrcListType);
    m_select->StoreInto(env.SelectMode);
    env.IsGrid = m_grid->isChecked() ? 1 : 0;
    m_chars->StoreInto(env.FileCharMode);
    m_size->StoreInto(env.FileSizeType);
    if (m_sort->currentIndex() >= 0)
        env.SortMode = m_sort->currentIndex();
    env.IsSortDown = m_sortDown->isChecked() ? 1 : 0;
    env.IsSortNum = m_sortNum->isChecked() ? 1 : 0;
    m_path->StoreInto(env.RenamePath);
    env.IsDestSort = m_destSort->isChecked() ? 1 : 0;
}

void CListDisplayPage::UpdateEnabling()
{
    m_grid->setEnabled(m_select->Value() == 1);
    m_sortNum->setEnabled(m_sort->currentIndex() == 0);
}
