#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

// Runs `action` on the next modal window that opens (a dialog's exec() or a
// message box), from the event loop of that window, so a test can answer
// questions that the code under test asks synchronously.
inline void WhenModalOpens(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Clicks the button of `window` with the given object name or text.
inline void ClickButton(QWidget *window, const QString &nameOrText)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->objectName() == nameOrText || button->text() == nameOrText) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << nameOrText.toStdString();
}

// Answers the next message box with `button` and remembers its title and text.
struct MessageAnswer {
    explicit MessageAnswer(QMessageBox::StandardButton button)
    {
        WhenModalOpens([this, button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->button(button)->click();
        });
    }
    QString title;
    QString text;
};

// A stand-in for the main window: a dialog (Return and Escape would close
// it) that keeps the interaction flag cleared while modal windows are open.
class HostDialog : public QDialog, public CInteractionHost {
public:
    bool IsInteractive() const override { return interactive; }
    void SetInteractive(bool on) override { interactive = on; }
    bool interactive = true;
};
