#pragma once
// The process-wide hook for fatal faults.

namespace dw {

// Installs the tool's fault hook, keeping the one that was there before.
void InstallCrashHandler();

// Puts the previous hook back.
void RestoreCrashHandler();

} // namespace dw
