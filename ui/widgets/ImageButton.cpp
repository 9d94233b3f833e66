#include "ui/widgets/ImageButton.h"

#include "ui/widgets/Icons.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

constexpr int kTextGap = 4;    // between picture and text
constexpr int kFaceMargin = 2; // border area left free of the latched pattern

void DrawEdge(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

CImageButton::CImageButton(QWidget *parent) : QAbstractButton(parent)
{
    icons::EnsureResourcesLoaded();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void CImageButton::SetImage(const QIcon &icon, const QSize &size)
{
    m_icon = icon;
    m_iconSize = size;
    updateGeometry();
    update();
}

void CImageButton::SetImage(const QString &resourcePath, const QSize &size)
{
    SetImage(QIcon(resourcePath), size);
}

void CImageButton::SetLatched(bool on)
{
    if (m_latched == on)
        return;
    m_latched = on;
    update();
}

QSize CImageButton::sizeHint() const
{
    QSize content = m_iconSize;
    if (!text().isEmpty()) {
        const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
        content.setWidth(content.width() + (HasImage() ? kTextGap : 0) + textSize.width());
        content.setHeight(std::max(content.height(), textSize.height()));
    }
    return content + QSize(8, 6);
}

void CImageButton::setHot(bool hot)
{
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

void CImageButton::enterEvent(QEnterEvent *event)
{
    if (isEnabled())
        setHot(true);
    QAbstractButton::enterEvent(event);
}

void CImageButton::leaveEvent(QEvent *event)
{
    setHot(false);
    QAbstractButton::leaveEvent(event);
}

void CImageButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHot(false);
    QAbstractButton::changeEvent(event);
}

void CImageButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QPalette &pal = palette();
    const QRect face = rect();
    const bool pressed = isDown();
    const bool shownPressed = pressed || m_latched;

    painter.fillRect(face, pal.color(QPalette::Button));
    if (m_latched && !m_hot) {
        const QRect inner = face.adjusted(kFaceMargin, kFaceMargin, -kFaceMargin, -kFaceMargin);
        painter.fillRect(inner, QBrush(pal.color(QPalette::Light), Qt::Dense4Pattern));
    }

    // Picture and text, centred together; pushed in by one pixel while pressed.
    const QString caption = text();
    const QSize textSize = caption.isEmpty() ? QSize() : fontMetrics().size(Qt::TextSingleLine, caption);
    const int imageWidth = HasImage() ? m_iconSize.width() : 0;
    const int gap = HasImage() && !caption.isEmpty() ? kTextGap : 0;
    const int contentWidth = imageWidth + gap + textSize.width();
    QPoint origin((face.width() - contentWidth) / 2, 0);
    if (shownPressed)
        origin += QPoint(1, 1);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    if (HasImage()) {
        const QPixmap pixmap = m_icon.pixmap(m_iconSize, devicePixelRatio(), mode);
        const int y = origin.y() + (face.height() - m_iconSize.height()) / 2;
        painter.drawPixmap(QRect(QPoint(origin.x(), y), m_iconSize), pixmap);
    }
    if (!caption.isEmpty()) {
        const QRect textRect(origin.x() + imageWidth + gap, origin.y(), textSize.width(), face.height());
        painter.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, caption);
    }

    // Border: sunken while pressed, raised while the pointer is over it,
    // sunken while latched, none otherwise.
    const QRect &edge = face;
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    if (pressed || (m_latched && !m_hot))
        DrawEdge(painter, edge, shadow, light);
    else if (m_hot)
        DrawEdge(painter, edge, light, shadow);

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

CImageButton *MakeImageButton(QWidget *parent, const char *image, QSize size, const QString &tip)
{
    auto *button = new CImageButton(parent);
    button->SetImage(QString::fromLatin1(image), size);
    button->setToolTip(tip);
    return button;
}
