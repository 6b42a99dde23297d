// Finding top-level windows by name in window tests.
#pragma once

#include <QApplication>
#include <QWidget>

namespace velomark::test {

// The open top-level window with this objectName, after pending deletions ran.
template <class T = QWidget> T* window(const char* name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return qobject_cast<T*>(w);
    }
    return nullptr;
}

template <class T> T* child(QWidget* parent, const char* name) {
    return parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
}

} // namespace velomark::test
