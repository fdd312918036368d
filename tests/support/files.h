#pragma once
// Small helpers for tests that put bytes into files and read them back.
#include "support/qt_print.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace dw::test {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// A fresh folder for one test, removed afterwards.
class Scratch {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace dw::test
