// Measures a whole process up to its first shown main window: "tool" starts
// the tool as its executable does, "bare" a plain QMainWindow with a menu bar,
// "idle" the tool left alone for 10 s. Prints the resident memory in KiB once
// the window is shown (idle: after the 10 s, followed by the CPU seconds they
// took), then ends.
#include "support/resident_memory.h"
#include "ui/run_tool.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>
#include <string>

namespace {


void PrintAndQuit() {
    std::printf("%ld\n", dw::test::ResidentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// The CPU time of 10 s left alone, from the shown window on, measured inside
// the process so that starting and ending do not blur it.
void IdleThenPrintAndQuit() {
    const double before = CpuSeconds();
    QTimer::singleShot(10000, [before] {
        std::printf("%ld %.6f\n", dw::test::ResidentKiB(), CpuSeconds() - before);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "tool";
    if (mode == "bare") {
        QApplication qt(argc, argv);
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Projekt"))->addAction(QStringLiteral("Projekt laden"));
        window.resize(980, 600);
        window.show();
        QTimer::singleShot(0, PrintAndQuit);
        return qt.exec();
    }
    if (mode == "idle")
        return dw::RunTool(argc, argv, {IdleThenPrintAndQuit});
    return dw::RunTool(argc, argv, {PrintAndQuit});
}
