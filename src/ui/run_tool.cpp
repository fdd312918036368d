#include "ui/run_tool.h"

#include "crash/crash_handler.h"
#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace dw {

int RunTool(int argc, char** argv, const RunHooks& hooks) {
    QApplication qt(argc, argv);
    // The standard buttons and the file dialogs speak the platform's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    InstallCrashHandler();
    int exitCode = 0;
    {
        Application tool;
        tool.start();
        if (hooks.afterShown)
            QTimer::singleShot(0, hooks.afterShown);
        exitCode = qt.exec();
        tool.release();
    }
    return exitCode;
}

} // namespace dw
