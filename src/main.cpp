// Dehnwerk: reads a Form Designer form, lets the user mark which geometry
// values follow the window size, and writes the ResizeGadget statements.
#include "core/gadget_keywords.h"
#include "crash/crash_handler.h"
#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    // The standard buttons and the file dialogs speak the platform's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    dw::InstallCrashHandler();
    int exitCode = 0;
    {
        dw::Application tool;
        tool.start();
        exitCode = qt.exec();
        tool.release();
    }
    return exitCode;
}
