#include "crash/crash_drills.h"
#include "crash/crash_handler.h"
#include "generate/resize_commands_file.h"
#include "text/text_file.h"

#include "support/files.h"
#include "support/tool_fixture.h"

#include <QStringList>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dw {
namespace {

struct Outcome {
    bool exitedNormally = false;
    int exitCode = -1;
    QStringList report;  // the report's lines, cut at its carriage returns
};

// Runs fault in a child process with the crash handler installed; the report
// goes to a file instead of a box.
Outcome RunFaulting(const std::function<void()>& fault) {
    test::Scratch scratch;
    const QString reportPath = scratch.path("report.txt");
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        InstallCrashHandler({DW_CRASH_HELPER, DW_PROJECT_DIR "/", reportPath});
        fault();
        ::_exit(99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome outcome;
    outcome.exitedNormally = WIFEXITED(status);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    outcome.report = QString::fromUtf8(test::ReadBytes(reportPath)).split(u'\r');
    return outcome;
}

QString Drills() {
    return QStringLiteral(DW_PROJECT_DIR "/tests/crash/crash_drills.cpp");
}

TEST(CrashFault, RealFaultsAreReportedWithTheirCodeAndOwnSourceLine) {
    struct Case {
        const char* what;
        std::function<void()> fault;
        QString message;
        QString code;
        QString target;  // empty: no Target Address line
        int line;        // 0: any line of the file
        QString file;
    };
    const Case cases[] = {
        {"division by zero", [] { drill::DivideByZero(0); }, "Division by zero ", "-1073741676", "",
         drill::kDivideLine, Drills()},
        {"read from address 0", [] { drill::ReadFrom(nullptr); }, "Invalid memory access", "-1073741819", "0",
         drill::kNullReadLine, Drills()},
        {"endless recursion", [] { drill::RecurseForever(0); }, "Stack overflow", "-1073741571", "", 0, Drills()},
        {"fault inside Qt", [] { drill::FaultInsideQt(); }, "Invalid memory access", "-1073741819", "16",
         drill::kQtCallLine, Drills()},
        {"abort", [] { std::abort(); }, "Unknown error code", "-536870906", "", 0, ""},
    };
    for (const Case& c : cases) {
        const Outcome out = RunFaulting(c.fault);
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(out.exitedNormally);
        EXPECT_EQ(out.exitCode, 0);
        ASSERT_GE(out.report.size(), 18) << out.report.join("|").toStdString();
        EXPECT_EQ(out.report[0], "A program error was detected:");
        EXPECT_EQ(out.report[2], "Error Message:   " + c.message);
        EXPECT_EQ(out.report[3], "Error Code:      " + c.code);
        int next = 5;
        if (!c.target.isEmpty()) {
            EXPECT_EQ(out.report[next++], "Target Address:  " + c.target);
        }
        EXPECT_TRUE(out.report[next].startsWith("Sourcecode line: ")) << out.report[next].toStdString();
        if (c.line > 0) {
            EXPECT_EQ(out.report[next], "Sourcecode line: " + QString::number(c.line));
        }
        if (!c.file.isEmpty()) {
            EXPECT_EQ(out.report[next + 1], "Sourcecode file: " + c.file);
        }
        EXPECT_EQ(out.report[next + 3], "Register content:");
        EXPECT_TRUE(out.report[next + 11].startsWith("ESP = "));
    }
}

TEST(CrashFault, LinesWrittenBeforeAFaultReachTheirFile) {
    test::Scratch scratch;
    const QString target = scratch.path("commands.txt");
    test::WriteBytes(target, "previous content\r\n");
    const Outcome out = RunFaulting([&] {
        test::ToolUnderTest t;
        t.tool.state.windowVar = "W";
        t.tool.records.append(GadgetRecord{"First", "", 1, 2, 3, 4});
        t.tool.records.append(GadgetRecord{"Second", "", 1, 2, 3, 4});
        t.tool.records.append(GadgetRecord{"Third", "", 1, 2, 3, 4});
        // A name whose text lies nowhere: the writer faults in the middle of the file.
        struct RawText { void* d; const char16_t* ptr; qsizetype size; } raw{nullptr, reinterpret_cast<const char16_t*>(0x10), 64};
        QString kept = std::move(t.tool.records[2].name);
        std::memcpy(static_cast<void*>(&t.tool.records[2].name), &raw, sizeof raw);
        t.user.saveAnswers.push_back(target);
        t.user.yesNoAnswers.push_back(true);
        SaveResizeCommands(t.tool);
    });
    EXPECT_EQ(out.exitCode, 0);
    ASSERT_GE(out.report.size(), 8);
    EXPECT_EQ(out.report[3], "Error Code:      -1073741819");
    EXPECT_EQ(out.report[7], QStringLiteral("Sourcecode file: " DW_PROJECT_DIR "/src/generate/resize_command.cpp"));
    EXPECT_EQ(test::ReadBytes(target), "ResizeGadget(First,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n"
                                       "ResizeGadget(Second,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n");
}

TEST(CrashFault, WithoutAHelperTheToolStillEndsWithItsOutputWritten) {
    test::Scratch scratch;
    const QString target = scratch.path("commands.txt");
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        InstallCrashHandler({scratch.path("no-such-helper"), DW_PROJECT_DIR "/", scratch.path("report.txt")});
        CreateTextFile(target);
        WriteTextLine(u"written before the fault");
        drill::ReadFrom(nullptr);
        ::_exit(99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::ReadBytes(target), "written before the fault\r\n");
}

} // namespace
} // namespace dw
