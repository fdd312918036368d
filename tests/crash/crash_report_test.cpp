#include "crash/crash_report.h"
#include "crash/fault_codes_linux.h"

#include <QStringList>
#include <csignal>
#include <gtest/gtest.h>

namespace dw {
namespace {

TEST(CrashReport, TheTextHasItsFixedLayout) {
    struct Case {
        const char* what;
        FaultRecord record;
        int line;
        QString file;
        QString expected;
    };
    const QString registers = "Register content:\rEAX = 1\rEBX = 2\rECX = 3\rEDX = 4\rEBP = 5\rESI = 6\rEDI = 7\rESP = 8\r";
    const Case cases[] = {
        {"integer division by zero",
         {fault::IntDivideByZero, 4198400, 0, {1, 2, 3, 4, 5, 6, 7, 8, 518}},
         42,
         "/src/a.cpp",
         "A program error was detected:\r\rError Message:   Division by zero \rError Code:      -1073741676\r"
         "Code Address:    4198400\rSourcecode line: 42\rSourcecode file: /src/a.cpp\r\r" + registers},
        {"read from address 0",
         {fault::AccessViolation, 0x80000000u, 0, {1, 2, 3, 4, 5, 6, 7, 8, 0}},
         7,
         "/src/b.cpp",
         "A program error was detected:\r\rError Message:   Invalid memory access\rError Code:      -1073741819\r"
         "Code Address:    -2147483648\rTarget Address:  0\rSourcecode line: 7\rSourcecode file: /src/b.cpp\r\r" +
             registers},
        {"access above 2^31 and an unknown code",
         {0xE0000006u, 0xFFFFFFFFu, 0xFFFFFFF0u, {1, 2, 3, 4, 5, 6, 7, 8, 0}},
         0,
         "",
         "A program error was detected:\r\rError Message:   Unknown error code\rError Code:      -536870906\r"
         "Code Address:    -1\rSourcecode line: 0\rSourcecode file: \r\r" + registers},
    };
    for (const Case& c : cases) {
        const QString text = CrashReportText(c.record, c.line, c.file);
        EXPECT_EQ(text, c.expected) << c.what;
        EXPECT_FALSE(text.contains(u'\n')) << c.what;
    }
    EXPECT_EQ(CrashReportText({fault::AccessViolation, 0, 0xF0000000u, {}}, 1, "f").split(u'\r').at(5),
              "Target Address:  -268435456");
}

TEST(CrashReport, SignalsMapOntoTheErrorCodes) {
    struct Case {
        int signo;
        int code;
        std::uintptr_t address;
        std::uint32_t expected;
    };
    const std::uintptr_t sp = 0x7ffd00100000;
    const Case cases[] = {
        {SIGSEGV, SEGV_MAPERR, 0, fault::AccessViolation},
        {SIGSEGV, SEGV_MAPERR, sp - 128, fault::StackOverflow},
        {SIGSEGV, SEGV_ACCERR, sp - 4096, fault::StackOverflow},
        {SIGFPE, FPE_INTDIV, 0, fault::IntDivideByZero},
        {SIGFPE, FPE_INTOVF, 0, fault::IntOverflow},
        {SIGFPE, FPE_FLTDIV, 0, fault::FltDivideByZero},
        {SIGFPE, FPE_FLTOVF, 0, fault::FltOverflow},
        {SIGFPE, FPE_FLTUND, 0, fault::FltUnderflow},
        {SIGFPE, FPE_FLTRES, 0, fault::FltInexactResult},
        {SIGFPE, FPE_FLTINV, 0, fault::FltInvalidOperation},
        {SIGILL, ILL_ILLOPC, 0, fault::IllegalInstruction},
        {SIGILL, ILL_PRVOPC, 0, fault::PrivilegedInstruction},
        {SIGBUS, BUS_ADRALN, 0, fault::DatatypeMisalignment},
        {SIGBUS, BUS_ADRERR, 0, fault::InPageError},
        {SIGTRAP, TRAP_BRKPT, 0, fault::Breakpoint},
        {SIGTRAP, TRAP_TRACE, 0, fault::SingleStep},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorCodeForSignal(c.signo, c.code, c.address, sp), c.expected) << c.signo << "/" << c.code;
    EXPECT_EQ(ErrorMessageFor(ErrorCodeForSignal(SIGABRT, 0, 0, sp)), "Unknown error code");
}

} // namespace
} // namespace dw
