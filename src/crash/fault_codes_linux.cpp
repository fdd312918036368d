#include "crash/fault_codes_linux.h"

#include "crash/fault_record.h"

#include <csignal>

namespace dw {

namespace {

// A fault this close to the stack pointer ran into the guard page below the stack.
constexpr std::uintptr_t kGuardReach = 64 * 1024;

bool NearStackPointer(std::uintptr_t address, std::uintptr_t sp) {
    return address + kGuardReach >= sp && address <= sp + kGuardReach;
}

} // namespace

std::uint32_t ErrorCodeForSignal(int signo, int code, std::uintptr_t faultAddress, std::uintptr_t stackPointer) {
    switch (signo) {
    case SIGSEGV:
        return NearStackPointer(faultAddress, stackPointer) ? fault::StackOverflow : fault::AccessViolation;
    case SIGFPE:
        switch (code) {
        case FPE_INTDIV: return fault::IntDivideByZero;
        case FPE_INTOVF: return fault::IntOverflow;
        case FPE_FLTDIV: return fault::FltDivideByZero;
        case FPE_FLTOVF: return fault::FltOverflow;
        case FPE_FLTUND: return fault::FltUnderflow;
        case FPE_FLTRES: return fault::FltInexactResult;
        case FPE_FLTSUB: return fault::ArrayBoundsExceeded;
        default: return fault::FltInvalidOperation;
        }
    case SIGILL:
        return code == ILL_PRVOPC ? fault::PrivilegedInstruction : fault::IllegalInstruction;
    case SIGBUS:
        return code == BUS_ADRALN ? fault::DatatypeMisalignment : fault::InPageError;
    case SIGTRAP:
        return code == TRAP_TRACE ? fault::SingleStep : fault::Breakpoint;
    default:
        // Application-defined range: no row of the table, so "Unknown error code".
        return 0xE0000000u | static_cast<std::uint32_t>(signo);
    }
}

} // namespace dw
