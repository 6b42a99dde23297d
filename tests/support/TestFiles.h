// Helpers for the window tests (Qt Test) that read and write files in a fresh
// temporary directory, and for their tables; the Qt-free ones are Files.h's.
#pragma once

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <string>

namespace velomark::test {

inline QStringList strings(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

inline std::string readBytes(const QString& path) {
    return readBytes(path.toStdString());
}
// False when the file cannot be written; call it inside QVERIFY.
inline bool writeBytes(const QString& path, const std::string& bytes) {
    return writeBytes(path.toStdString(), bytes);
}

// A row of the current table, its values in column order.
template <class... T> void addRow(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}

// Makes a temporary directory the working directory for one test.
class ScopedWorkDir {
  public:
    ScopedWorkDir() : m_old(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScopedWorkDir() { QDir::setCurrent(m_old); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

  private:
    QTemporaryDir m_dir;
    QString m_old;
};

} // namespace velomark::test
