// Window tests: finding windows and widgets by name, clicking and typing as a
// player would, and a desk that starts where the player does.
#pragma once

#include "app/MainWindow.h"
#include "formats/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "ui/editor/LapTimeEditor.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

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

inline void clickButton(QWidget* parent, const char* name) {
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

// Makes the window the active one, as the player's click on it would.
[[nodiscard]] inline bool activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return window && QTest::qWaitForWindowActive(window);
}

// Types each text into its field, replacing what the field held, one key at
// a time, so letters that QTest::keyClicks cannot name are typed as well.
inline void retype(QWidget* parent,
                   std::initializer_list<std::pair<const char*, const char*>> typed) {
    for (const auto& [name, text] : typed) {
        auto* field = child<QLineEdit>(parent, name);
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        for (const QChar c : QString::fromUtf8(text))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// What each named line edit or label shows; "<none>" where there is neither.
inline QStringList texts(QWidget* parent, std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) {
        const auto* label = child<QLabel>(parent, name);
        const auto* field = child<QLineEdit>(parent, name);
        out << (label ? label->text() : field ? field->text() : QStringLiteral("<none>"));
    }
    return out;
}

inline QString text(QWidget* parent, const char* name) {
    return texts(parent, {name}).value(0);
}

// The texts of a table's row r, column by column.
inline QStringList rowTexts(const QAbstractItemModel* m, int r) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << m->index(r, c).data().toString();
    return cells;
}

// The texts of a table's column c, top to bottom.
inline QStringList columnTexts(const QAbstractItemModel* m, int c) {
    QStringList cells;
    for (int r = 0; r < m->rowCount(); ++r)
        cells << m->index(r, c).data().toString();
    return cells;
}

// A fresh working directory, answered messages and the main window.
struct Desk {
    ScopedWorkDir dir;
    FakeMessages msgs;
    MainWindow main;

    // Writes set1.dat, unless told not to, and shows the main window.
    [[nodiscard]] bool ready(const std::optional<std::string>& set1 = blankLapRecordFile()) {
        if (set1 && !writeBytes(QStringLiteral("set1.dat"), *set1))
            return false;
        main.show();
        return QTest::qWaitForWindowExposed(&main);
    }

    // Clicks circuit button k; the editor when it opened and became active.
    LapTimeEditor* open(int k) {
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("t%1").arg(k)),
                          Qt::LeftButton);
        auto* editor = window<LapTimeEditor>("frmtimes");
        return activate(editor) ? editor : nullptr;
    }
};

} // namespace velomark::test
