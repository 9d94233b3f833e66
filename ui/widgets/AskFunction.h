#pragma once

#include <QMessageBox>

#include <functional>

// Asks the user a question in a message box; returns the button chosen.
// Parts that ask take one, so that tests can answer in their place.
using AskFunction =
    std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString &caption,
                                              const QString &text, QMessageBox::StandardButtons buttons)>;
