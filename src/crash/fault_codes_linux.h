#pragma once
// How a Linux signal maps onto the error codes of the report.
#include <cstdint>

namespace dw {

// signo and code as in siginfo_t; faultAddress is si_addr, stackPointer the
// faulting thread's stack pointer. Signals without a matching fault kind (an
// abort, say) get a code outside the report's table.
std::uint32_t ErrorCodeForSignal(int signo, int code, std::uintptr_t faultAddress, std::uintptr_t stackPointer);

} // namespace dw
