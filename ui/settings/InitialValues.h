#pragma once

#include <functional>
#include <string>

class CEnvSettings;
class QLayout;
class QString;
class QWidget;

// The 起動動作 button of a settings page: a record with the built-in defaults
// receives the page's values through `fill`, its `group` is saved as the
// initial values of later starts, and a message confirms it. The settings the
// program runs with are not touched.
void StoreInitialValues(QWidget *page, const std::function<void(CEnvSettings &)> &fill,
                        const std::string &group, const QString &confirmation);

// Lays out a page with the 起動動作 button: `content` at the top, the button
// at the bottom right.
void LayOutWithInitialButton(QWidget *page, QLayout *content, QWidget *button);
