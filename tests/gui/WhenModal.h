#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace zf::test {

// Answers the next modal window of type T once it runs its event loop. A
// window of another type, or none, fails the test and is closed, so the test
// never waits in a modal loop nobody answers.
template <typename T>
void whenModal(std::function<void(T &)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *window = qobject_cast<T *>(modal);
        if (!window) {
            ADD_FAILURE() << "the expected " << T::staticMetaObject.className()
                          << " is not shown";
            if (modal)
                modal->close();
            return;
        }
        act(*window);
    });
}

} // namespace zf::test
