// Shows the crash report of a tool process that has just faulted. The faulting
// process starts it and waits for it: everything that is not safe inside a
// signal handler (reading debug information, building text, a message box)
// happens here instead.
//
// Arguments: pid errorCode codeAddress targetAddress 9 registers ownSourcePrefix
//            reportFile (or "-" for the box) frame addresses...
#include "crash/crash_report.h"
#include "crash/source_lines.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>

#include <cstdlib>

namespace {

std::uint64_t Number(const char* text) {
    return std::strtoull(text, nullptr, 10);
}

} // namespace

int main(int argc, char** argv) {
    constexpr int kFixed = 16;
    if (argc < kFixed)
        return 2;
    const long pid = static_cast<long>(Number(argv[1]));
    dw::FaultRecord record;
    record.errorCode = static_cast<std::uint32_t>(Number(argv[2]));
    record.codeAddress = static_cast<std::uint32_t>(Number(argv[3]));
    record.targetAddress = static_cast<std::uint32_t>(Number(argv[4]));
    for (int i = 0; i < 9; ++i)
        record.registers[i] = static_cast<std::uint32_t>(Number(argv[5 + i]));
    const QString ownPrefix = QFile::decodeName(argv[14]);
    const QString reportFile = QFile::decodeName(argv[15]);
    std::vector<std::uint64_t> frames;
    for (int i = kFixed; i < argc; ++i)
        frames.push_back(Number(argv[i]));

    const dw::SourcePosition where = dw::FindOwnSourcePosition(pid, frames, ownPrefix);
    const QString text = dw::CrashReportText(record, where.line, where.file);

    if (reportFile != QStringLiteral("-")) {
        QFile out(reportFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        out.write(text.toUtf8());
        return 0;
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The report ends its lines with a carriage return; a label breaks lines at line feeds.
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("OnError example"), shown, QMessageBox::Ok);
    // The labels are padded to one width so that the values line up.
    box.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box.exec();
    return 0;
}
