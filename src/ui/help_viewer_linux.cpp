#include "ui/help_viewer.h"

#include "crash/crash_handler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <vector>

namespace dw {

namespace {

// Viewers for compiled HTML help that Debian ships, in order of preference.
const char* const kViewers[] = {"kchmviewer", "xchm", "chmsee", "okular"};

class LinuxHelpViewer : public HelpViewer {
public:
    ~LinuxHelpViewer() override { closeAll(); }

    void show(const QString& fileName) override {
        const QString file = findFile(fileName);
        if (file.isEmpty())
            return;
        for (const char* name : kViewers) {
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (program.isEmpty())
                continue;
            auto process = std::make_unique<QProcess>();
            process->setProgram(program);
            process->setArguments({file});
            process->setStandardOutputFile(QProcess::nullDevice());
            process->setStandardErrorFile(QProcess::nullDevice());
            process->start();
            if (process->processId() > 0)
                EndChildOnCrash(static_cast<long>(process->processId()));
            viewers_.push_back(std::move(process));
            return;
        }
    }

    void closeAll() override {
        for (auto& process : viewers_) {
            ForgetChildOnCrash(static_cast<long>(process->processId()));
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(1000)) {
                process->kill();
                process->waitForFinished(1000);
            }
        }
        viewers_.clear();
    }

private:
    static QString findFile(const QString& fileName) {
        const QString candidates[] = {QDir::current().filePath(fileName),
                                      QDir(QCoreApplication::applicationDirPath()).filePath(fileName)};
        for (const QString& candidate : candidates) {
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
        return QString();
    }

    std::vector<std::unique_ptr<QProcess>> viewers_;
};

} // namespace

std::unique_ptr<HelpViewer> CreateHelpViewer() {
    return std::make_unique<LinuxHelpViewer>();
}

} // namespace dw
