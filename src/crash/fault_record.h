#pragma once
// What is captured at a fatal fault, before anything else runs.
#include <cstdint>

namespace dw {

struct FaultRecord {
    std::uint32_t errorCode = 0;
    std::uint32_t codeAddress = 0;    // low 32 bits of the faulting instruction's address
    std::uint32_t targetAddress = 0;  // the address an access violation tried to reach
    std::uint32_t registers[9] = {};  // EAX, EBX, ECX, EDX, EBP, ESI, EDI, ESP, EFLAGS (low 32 bits)
};

// The error codes of the report, by the names fault reports use for them.
namespace fault {
inline constexpr std::uint32_t AccessViolation = 0xC0000005;
inline constexpr std::uint32_t ArrayBoundsExceeded = 0xC000008C;
inline constexpr std::uint32_t Breakpoint = 0x80000003;
inline constexpr std::uint32_t DatatypeMisalignment = 0x80000002;
inline constexpr std::uint32_t FltDenormalOperand = 0xC000008D;
inline constexpr std::uint32_t FltDivideByZero = 0xC000008E;
inline constexpr std::uint32_t FltInexactResult = 0xC000008F;
inline constexpr std::uint32_t FltInvalidOperation = 0xC0000090;
inline constexpr std::uint32_t FltOverflow = 0xC0000091;
inline constexpr std::uint32_t FltStackCheck = 0xC0000092;
inline constexpr std::uint32_t FltUnderflow = 0xC0000093;
inline constexpr std::uint32_t IllegalInstruction = 0xC000001D;
inline constexpr std::uint32_t InPageError = 0xC0000006;
inline constexpr std::uint32_t IntDivideByZero = 0xC0000094;
inline constexpr std::uint32_t IntOverflow = 0xC0000095;
inline constexpr std::uint32_t InvalidDisposition = 0xC0000026;
inline constexpr std::uint32_t NoncontinuableException = 0xC0000025;
inline constexpr std::uint32_t PrivilegedInstruction = 0xC0000096;
inline constexpr std::uint32_t SingleStep = 0x80000004;
inline constexpr std::uint32_t StackOverflow = 0xC00000FD;
} // namespace fault

} // namespace dw
