#include "crash/crash_report.h"

#include "text/text_ops.h"

namespace dw {

namespace {

struct CodeMessage {
    std::uint32_t code;
    const char* message;
};

constexpr CodeMessage kMessages[] = {
    {fault::AccessViolation, "Invalid memory access"},
    {fault::ArrayBoundsExceeded, "Array bounds exceeded"},
    {fault::Breakpoint, "Debugger breakpoint reached"},
    {fault::DatatypeMisalignment, "Misaligned data access"},
    {fault::FltDenormalOperand, "Denormal floating-point operand"},
    {fault::FltDivideByZero, "Division by zero (floating-point)"},
    {fault::FltInexactResult, "Inexact floating-point result"},
    {fault::FltInvalidOperation, "Invalid floating-point operation"},
    {fault::FltOverflow, "Floating-point overflow (exponent to great)"},
    {fault::FltStackCheck, "Floating-point stack overflow or underflow"},
    {fault::FltUnderflow, "Floating-point underflow (exponent too small)"},
    {fault::IllegalInstruction, "Illegal instruction"},
    {fault::InPageError, "Memory page error"},
    {fault::IntDivideByZero, "Division by zero "},
    {fault::IntOverflow, "Integer overflow"},
    {fault::InvalidDisposition, "Exception handler returned unknown value"},
    {fault::NoncontinuableException, "Exception handler tried to continue after non-continuable exception"},
    {fault::PrivilegedInstruction, "Privileged instruction"},
    {fault::SingleStep, "Single step trap"},
    {fault::StackOverflow, "Stack overflow"},
};

QString Signed(std::uint32_t value) {
    return FormatInteger(static_cast<std::int32_t>(value));
}

} // namespace

QString ErrorMessageFor(std::uint32_t errorCode) {
    for (const CodeMessage& entry : kMessages) {
        if (entry.code == errorCode)
            return QString::fromLatin1(entry.message);
    }
    return QStringLiteral("Unknown error code");
}

QString CrashReportText(const FaultRecord& r, int sourceLine, const QString& sourceFile) {
    const QChar cr = u'\r';
    QString text = QStringLiteral("A program error was detected:\r");
    text += cr;
    text += QStringLiteral("Error Message:   ") + ErrorMessageFor(r.errorCode) + cr;
    text += QStringLiteral("Error Code:      ") + Signed(r.errorCode) + cr;
    text += QStringLiteral("Code Address:    ") + Signed(r.codeAddress) + cr;
    if (r.errorCode == fault::AccessViolation)
        text += QStringLiteral("Target Address:  ") + Signed(r.targetAddress) + cr;
    text += QStringLiteral("Sourcecode line: ") + FormatInteger(sourceLine) + cr;
    text += QStringLiteral("Sourcecode file: ") + sourceFile + cr;
    text += cr;
    text += QStringLiteral("Register content:\r");
    const char* const names[] = {"EAX", "EBX", "ECX", "EDX", "EBP", "ESI", "EDI", "ESP"};
    for (int i = 0; i < 8; ++i)
        text += QString::fromLatin1(names[i]) + QStringLiteral(" = ") + Signed(r.registers[i]) + cr;
    return text;
}

} // namespace dw
