#include "ui/dialogs/TextViewerDlg.h"

#include "platform/TextPreview.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/ShownText.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cerrno>

namespace {

QString ViewerText(const platform::TextPreview &preview)
{
    using Kind = platform::TextPreview::Kind;
    switch (preview.kind) {
    case Kind::Binary:
        return QStringLiteral("=============== Binary File ===============");
    case Kind::Unreadable:
        return preview.error == ENOENT
                   ? CTextViewerDlg::tr("=============== ファイルが見つかりません ===============")
                   : CTextViewerDlg::tr("=============== ファイルを読み込めません ===============");
    case Kind::Text:
        break;
    }
    QString text = QString::fromStdString(preview.lines);
    if (preview.continues)
        text += CTextViewerDlg::tr("=============== 続く．．． ===============");
    return text;
}

} // namespace

CTextViewerDlg::CTextViewerDlg(QWidget *owner)
    : QWidget(owner, Qt::Window), m_du(std::make_unique<DialogUnits>(font())), m_path(new QLabel(this)),
      m_text(new QPlainTextEdit(this)), m_close(new QPushButton(tr("閉じる"), this))
{
    setWindowTitle(tr("Kestrel（簡易テキストビュア）"));
    m_path->setObjectName(QStringLiteral("pathLine"));
    m_text->setObjectName(QStringLiteral("text"));
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_path->setTextFormat(Qt::PlainText);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    const QSize initial = m_du->toPixels(200, 180);
    resize(initial);
    setMinimumSize(initial);
    LayOut();
}

CTextViewerDlg::~CTextViewerDlg() = default;

void CTextViewerDlg::ShowFile(const std::string &path)
{
    const QString shown = ShownText(path);
    m_path->setText(QLatin1Char(' ') + shown);
    // A path too long for the line shows whole in its tooltip.
    m_path->setToolTip(shown);
    m_text->setPlainText(ViewerText(platform::PreviewTextFile(path, kMaxLines)));
}

void CTextViewerDlg::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit Closed();
}

void CTextViewerDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CTextViewerDlg::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CTextViewerDlg::LayOut()
{
    const int w = m_du->toUnitsX(width());
    const int h = m_du->toUnitsY(height());
    m_path->setGeometry(m_du->toPixels(2, 2, w - 4, 10));
    m_text->setGeometry(m_du->toPixels(2, 14, w - 4, h - 34));
    m_close->setGeometry(m_du->toPixels(w - 38, h - 16, 36, 14));
}
