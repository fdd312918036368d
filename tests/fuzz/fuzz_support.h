#pragma once
// What the fuzz targets share: a scratch folder that lives as long as the
// process, files written into it, and a user that answers everything.
#include "core/user_seam.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace dw::fuzz {

inline QString ScratchPath(const char* name) {
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

class AnsweringUser : public UserSeam {
public:
    QString path;
    QString chooseFileToOpen(const FileDialogRequest&) override { return path; }
    QString chooseFileToSave(const FileDialogRequest&) override { return path; }
    void showMessage(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return true; }
    void clearGadgetRows() override { rows = 0; }
    void appendGadgetRows(std::span<const GadgetRecord> added) override { rows += added.size(); }
    void setFormFileLabel(const QString&) override {}
    void setProjectFileLabel(const QString&) override {}
    std::size_t rows = 0;
};

// Stops the process the way a fuzzer notices: a broken promise is a crash.
#define DW_FUZZ_CHECK(condition) \
    do {                         \
        if (!(condition))        \
            std::abort();        \
    } while (false)

} // namespace dw::fuzz
