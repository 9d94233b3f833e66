#include "ui/dialogs/ListPosDlg.h"

#include "ui/widgets/SpinEdit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CListPosDlg::CListPosDlg(int rowCount, int preset, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_rowCount(rowCount), m_preset(preset), m_position(preset)
{
    setWindowTitle(tr("Kestrel（変更リスト位置指定）"));
    m_edit = new CSpinEdit(this);
    m_edit->setObjectName(QStringLiteral("position"));
    m_edit->SetText(QString::number(preset));
    connect(m_edit, &CSpinEdit::Stepped, this, &CListPosDlg::step);

    auto *ok = new QPushButton(tr("実行"), this);
    auto *cancel = new QPushButton(tr("中止"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CListPosDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CListPosDlg::reject);

    auto *field = new QHBoxLayout;
    field->addWidget(new QLabel(tr("指定位置(0～%1)：").arg(rowCount), this));
    field->addWidget(m_edit, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->setFocus();
}

void CListPosDlg::accept()
{
    const int value = m_edit->LeadingValue();
    if (!m_edit->IsWholeNumber() || value < 0 || value > m_rowCount) {
        QApplication::beep();
        m_edit->SetText(QString::number(m_preset));
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_position = value;
    QDialog::accept();
}

void CListPosDlg::step(int delta)
{
    // The arrows keep the value within 0 to the row count.
    const long long stepped = static_cast<long long>(m_edit->LeadingValue()) + delta;
    m_edit->SetText(QString::number(std::clamp<long long>(stepped, 0, m_rowCount)));
}
