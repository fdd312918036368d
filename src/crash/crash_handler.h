#pragma once
// The process-wide hook for fatal faults: it captures the fault, has the
// report shown by a helper process, writes what the text file still holds and
// ends the process with exit code 0.
#include <QString>

namespace dw {

struct CrashHandlerOptions {
    QString helperPath;         // empty: the report helper beside the executable
    QString ownSourcePrefix;    // empty: the tool's own source folder as built
    QString reportFileForTests; // empty: the report is shown in a box
};

// Installs the hook for the fatal signals, keeping the handlers that were there.
void InstallCrashHandler(const CrashHandlerOptions& options = {});

// Puts the previous handlers back.
void RestoreCrashHandler();

// A child process (a help viewer) that a crash should not leave behind.
void EndChildOnCrash(long pid);
void ForgetChildOnCrash(long pid);

} // namespace dw
