#include "ui/dialogs/ResultDlg.h"

#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "ui/dialogs/CentreOnParent.h"
#include "ui/dialogs/StoredWindowRect.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/FileListDelegate.h"
#include "ui/widgets/ListFont.h"
#include "ui/widgets/ShownText.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

namespace {

constexpr int kColumnWidth = 150;
constexpr int kWidthUnits = 250;
constexpr int kHeightUnits = 180;

} // namespace

// The rows of the log; every cell text is made when the list asks for it.
class ResultRowsModel : public QAbstractTableModel {
public:
    explicit ResultRowsModel(const exec::CResultLog &log, QObject *parent)
        : QAbstractTableModel(parent), m_log(log), m_titles(log.ColumnTitles())
    {
    }

    void SetDisplayMode(int mode)
    {
        m_displayMode = mode;
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    }
    int DisplayMode() const { return m_displayMode; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_log.rows().size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_titles.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return ShownText(m_log.CellText(m_log.rows()[size_t(index.row())], index.column(), m_displayMode));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= int(m_titles.size()))
            return {};
        return ShownText(m_titles[size_t(section)]);
    }

private:
    const exec::CResultLog &m_log;
    std::vector<std::string> m_titles;
    int m_displayMode = 0;
};

CResultDlg::CResultDlg(const exec::CResultLog &log, QWidget *parent) : QDialog(parent), m_modal(parent)
{
    setWindowTitle(tr("Kestrel（変名結果出力）"));
    m_caption = new QLabel(tr("表示"), this);
    m_nameOnly = new QRadioButton(tr("ファイル名"), this);
    m_fullPath = new QRadioButton(tr("フルパス名"), this);
    m_nameOnly->setChecked(true);
    m_model = new ResultRowsModel(log, this);
    m_list = new QTreeView(this);
    m_list->setFont(ListFont());
    // Cut cells show their whole text as a tooltip, as in the main lists.
    auto *delegate = new FileListDelegate(m_list);
    delegate->setFullRow(true);
    m_list->setItemDelegate(delegate);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setModel(m_model);
    m_list->header()->setStretchLastSection(false);
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_list->setColumnWidth(column, kColumnWidth);
    m_rememberSize = new QCheckBox(tr("サイズを記憶"), this);
    m_close = new QPushButton(tr("確　認"), this);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &CResultDlg::accept);
    connect(m_nameOnly, &QRadioButton::clicked, this, [this] { m_model->SetDisplayMode(0); });
    connect(m_fullPath, &QRadioButton::clicked, this, [this] { m_model->SetDisplayMode(1); });

    const QSize initial = DialogUnits(font()).toPixels(kWidthUnits, kHeightUnits);
    setMinimumSize(initial.boundedTo(QSize(kMaxWidth, kMaxHeight)));
    setMaximumSize(kMaxWidth, kMaxHeight);
    resize(initial);
    loadStoredValues();
    CentreOnParent(this);
}

CResultDlg::~CResultDlg() = default;

int CResultDlg::DisplayMode() const
{
    return m_model->DisplayMode();
}

void CResultDlg::loadStoredValues()
{
    CRegistryStore store;
    if (!store.Open(kStoreKey))
        return;
    m_rememberSize->setChecked(store.QueryDword("IsRememberSize").value_or(0) != 0);
    if (m_rememberSize->isChecked()) {
        if (const auto widths = platform::QueryColumnWidths(store, "ListColumn")) {
            for (int column = 0; column < int(widths->size()) && column < m_model->columnCount(); ++column)
                m_list->setColumnWidth(column, (*widths)[size_t(column)]);
        }
        ResizeToStoredRect(store, "WindowSize", *this);
    }
    const int mode = store.QueryDword("DispMode").value_or(0) == 1 ? 1 : 0;
    (mode == 1 ? m_fullPath : m_nameOnly)->setChecked(true);
    m_model->SetDisplayMode(mode);
}

void CResultDlg::saveStoredValues() const
{
    CRegistryStore store;
    store.Open(kStoreKey);
    std::vector<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths.push_back(m_list->columnWidth(column));
    platform::WriteColumnWidths(store, "ListColumn", widths);
    store.WriteDword("IsRememberSize", m_rememberSize->isChecked() ? 1 : 0);
    WriteWindowRect(store, "WindowSize", *this);
    store.WriteDword("DispMode", DisplayMode());
    store.Close();
}

void CResultDlg::done(int result)
{
    saveStoredValues();
    QDialog::done(result);
}

void CResultDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const DialogUnits units(font());
    const int w = units.toUnitsX(width());
    const int h = units.toUnitsY(height());
    m_caption->setGeometry(units.toPixels(6, 6, 20, 10));
    m_nameOnly->setGeometry(units.toPixels(30, 5, 50, 10));
    m_fullPath->setGeometry(units.toPixels(84, 5, 56, 10));
    m_list->setGeometry(units.toPixels(4, 18, w - 8, h - 42));
    m_rememberSize->setGeometry(units.toPixels(6, h - 18, 86, 11));
    m_close->setGeometry(units.toPixels(w - 44, h - 20, 40, 16));
}
