#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

// The child of `parent` (at any depth) with the object name `name` and type T.
// When there is none the test fails and stops there, as a failed ASSERT would:
// the exception ends the test instead of a null pointer crashing the program.
template <class T> T *Widget(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromUtf8(name));
    if (found == nullptr) {
        ADD_FAILURE() << "no widget named " << name;
        throw std::runtime_error(std::string("no widget named ") + name);
    }
    return found;
}
