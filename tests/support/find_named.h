#pragma once
// Finding a window's child by its objectName in tests, with a failure that names it.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace kemora::testing_support {

template <typename T>
T* FindNamed(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace kemora::testing_support
