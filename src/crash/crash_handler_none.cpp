#include "crash/crash_handler.h"

namespace dw {

// Faults still end the process the platform's own way until the report exists.
void InstallCrashHandler() {}
void RestoreCrashHandler() {}

} // namespace dw
