#include "crash/crash_handler.h"

#include "crash/fault_codes_linux.h"
#include "crash/fault_record.h"
#include "project/key_value_file.h"
#include "text/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

#define UNW_LOCAL_ONLY
#include <libunwind.h>

extern char** environ;

namespace dw {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
constexpr int kMaxFrames = 128;
constexpr int kFixedArgs = 16;  // helper, pid, 3 fault values, 9 registers, prefix, report file
constexpr int kMaxChildren = 16;

// The fault path runs outside the sanitizers' reach: on the alternate stack
// their bookkeeping of the thread's stack no longer holds.
#define DW_FAULT_PATH __attribute__((no_sanitize("address", "undefined")))

// Everything the handler touches is static: it must not allocate.
struct sigaction previousActions[kSignalCount];
stack_t previousAltStack;
bool installed = false;
alignas(16) unsigned char altStack[256 * 1024];
alignas(16) unsigned char helperStack[64 * 1024];
char helperPath[4096];
char ownPrefix[4096];
char reportFile[4096];
char numberArgs[kFixedArgs + kMaxFrames][24];
char* helperArgv[kFixedArgs + kMaxFrames + 1];
std::atomic<long> children[kMaxChildren];
volatile sig_atomic_t handlingFault = 0;

void CopyText(const QByteArray& from, char (&to)[4096]) {
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(from.size()), sizeof to - 1);
    std::memcpy(to, from.constData(), n);
    to[n] = '\0';
}

DW_FAULT_PATH void FormatUnsigned(std::uint64_t value, char* out) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    out[n] = '\0';
}

DW_FAULT_PATH void SayOnStandardError(const char* text) {
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

DW_FAULT_PATH std::uint32_t Low32(std::uint64_t value) {
    return static_cast<std::uint32_t>(value);
}

// The last steps of the process: the pending lines reach their file, a project
// being written keeps its previous version, viewers end, and the process ends.
DW_FAULT_PATH [[noreturn]] void EndAfterFault() {
    FlushTextFileInSignalHandler();
    AbandonKeyValueFileInSignalHandler();
    for (auto& child : children) {
        const long pid = child.load();
        if (pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGTERM);
    }
    ::_exit(0);
}

DW_FAULT_PATH void AddNumberArg(int& arg, std::uint64_t value) {
    FormatUnsigned(value, numberArgs[arg]);
    helperArgv[arg] = numberArgs[arg];
    ++arg;
}

DW_FAULT_PATH int StartHelper(void*) {
    ::execve(helperPath, helperArgv, environ);
    ::_exit(127);
}

DW_FAULT_PATH void ShowReportAndWait(const FaultRecord& record, const unw_word_t* frames, int frameCount) {
    int arg = 0;
    helperArgv[arg++] = helperPath;
    AddNumberArg(arg, static_cast<std::uint64_t>(::getpid()));
    AddNumberArg(arg, record.errorCode);
    AddNumberArg(arg, record.codeAddress);
    AddNumberArg(arg, record.targetAddress);
    for (std::uint32_t value : record.registers)
        AddNumberArg(arg, value);
    helperArgv[arg++] = ownPrefix;
    helperArgv[arg++] = reportFile[0] ? reportFile : const_cast<char*>("-");
    for (int i = 0; i < frameCount; ++i)
        AddNumberArg(arg, frames[i]);
    helperArgv[arg] = nullptr;

    // The helper starts on a stack of its own, sharing memory until it execs,
    // like vfork but without fork handlers (a fault inside malloc cannot
    // deadlock here) and without touching the faulted thread's stack.
    const pid_t child = ::clone(StartHelper, helperStack + sizeof helperStack, CLONE_VM | CLONE_VFORK | SIGCHLD, nullptr);
    int status = 0;
    if (child > 0) {
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        SayOnStandardError("dehnwerk: the crash report could not be shown\n");
}

DW_FAULT_PATH void OnFault(int signo, siginfo_t* info, void* context) {
    if (handlingFault) {
        // A fault while reporting one: end with what we have.
        char where[24];
        FormatUnsigned(static_cast<std::uint64_t>(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]), where);
        SayOnStandardError("dehnwerk: a second fault happened while the first was reported, at ");
        SayOnStandardError(where);
        SayOnStandardError("\n");
        EndAfterFault();
    }
    handlingFault = 1;

    auto* uc = static_cast<ucontext_t*>(context);
    const greg_t* g = uc->uc_mcontext.gregs;
    FaultRecord record;
    // A signal sent by another process (kill) carries no address of its own.
    const auto faultAddress = info->si_code > 0 ? reinterpret_cast<std::uintptr_t>(info->si_addr) : 0;
    record.errorCode = ErrorCodeForSignal(signo, info->si_code, faultAddress, static_cast<std::uintptr_t>(g[REG_RSP]));
    record.codeAddress = Low32(static_cast<std::uint64_t>(g[REG_RIP]));
    record.targetAddress = record.errorCode == fault::AccessViolation ? Low32(faultAddress) : 0;
    const int regs[9] = {REG_RAX, REG_RBX, REG_RCX, REG_RDX, REG_RBP, REG_RSI, REG_RDI, REG_RSP, REG_EFL};
    for (int i = 0; i < 9; ++i)
        record.registers[i] = Low32(static_cast<std::uint64_t>(g[regs[i]]));

    static unw_word_t frames[kMaxFrames];
    int frameCount = 0;
    static unw_cursor_t cursor;
    if (unw_init_local2(&cursor, reinterpret_cast<unw_context_t*>(uc), UNW_INIT_SIGNAL_FRAME) == 0) {
        do {
            unw_word_t ip = 0;
            if (unw_get_reg(&cursor, UNW_REG_IP, &ip) != 0 || ip == 0)
                break;
            frames[frameCount++] = ip;
        } while (frameCount < kMaxFrames && unw_step(&cursor) > 0);
    } else {
        frames[frameCount++] = static_cast<unw_word_t>(g[REG_RIP]);
    }

    ShowReportAndWait(record, frames, frameCount);
    EndAfterFault();
}

QString DefaultHelperPath() {
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self).absolutePath() + QStringLiteral("/dehnwerk-crash-report");
}

} // namespace

void InstallCrashHandler(const CrashHandlerOptions& options) {
    if (installed)
        RestoreCrashHandler();
    CopyText(QFile::encodeName(options.helperPath.isEmpty() ? DefaultHelperPath() : options.helperPath), helperPath);
    CopyText(QFile::encodeName(options.ownSourcePrefix.isEmpty() ? QStringLiteral(DW_SOURCE_DIR "/src/")
                                                                 : options.ownSourcePrefix),
             ownPrefix);
    CopyText(QFile::encodeName(options.reportFileForTests), reportFile);

    stack_t stack{};
    stack.ss_sp = altStack;
    stack.ss_size = sizeof altStack;
    ::sigaltstack(&stack, &previousAltStack);

    struct sigaction action {};
    action.sa_sigaction = OnFault;
    sigemptyset(&action.sa_mask);
    // SA_NODEFER: a fault inside the handler comes back to it instead of killing the process.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &action, &previousActions[i]);
    installed = true;
}

void RestoreCrashHandler() {
    if (!installed)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &previousActions[i], nullptr);
    ::sigaltstack(&previousAltStack, nullptr);
    installed = false;
}

void EndChildOnCrash(long pid) {
    for (auto& child : children) {
        long expected = 0;
        if (child.compare_exchange_strong(expected, pid))
            return;
    }
}

void ForgetChildOnCrash(long pid) {
    for (auto& child : children) {
        long expected = pid;
        child.compare_exchange_strong(expected, 0);
    }
}

} // namespace dw
