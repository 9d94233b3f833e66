#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QSize>

// A flat picture button. It has no border while idle, a raised border while
// the pointer is over it, and a sunken border with the picture shifted by one
// pixel while it is pressed or latched. A latched button that the pointer is
// not over has its face filled with a checker pattern; a disabled button draws
// its picture greyed. A text given with setText() is drawn right of the
// picture. Clicks are those of any push button.
class CImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CImageButton(QWidget *parent = nullptr);

    // The picture and the size it is drawn at.
    void SetImage(const QIcon &icon, const QSize &size);
    // A picture from a resource path such as ":/icons/refresh.svg".
    void SetImage(const QString &resourcePath, const QSize &size);
    bool HasImage() const { return !m_icon.isNull(); }

    // Shows the button pressed independently of the mouse (a toggle whose
    // state the owner keeps), and repaints.
    void SetLatched(bool on);
    bool IsLatched() const { return m_latched; }

    // The pointer is over the button.
    bool IsHot() const { return m_hot; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHot(bool hot);

    QIcon m_icon;
    QSize m_iconSize;
    bool m_hot = false;
    bool m_latched = false;
};

// A picture button on `parent` with a picture from the resources and a tooltip.
CImageButton *MakeImageButton(QWidget *parent, const char *image, QSize size, const QString &tip);
