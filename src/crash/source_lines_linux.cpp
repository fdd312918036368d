#include "crash/source_lines.h"

#include <QFile>

#include <elfutils/libdwfl.h>

namespace dw {

SourcePosition FindOwnSourcePosition(long pid, const std::vector<std::uint64_t>& frames, const QString& ownPrefix) {
    static char* debugInfoPath = nullptr;
    static const Dwfl_Callbacks callbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo, nullptr,
                                             &debugInfoPath};
    Dwfl* dwfl = dwfl_begin(&callbacks);
    if (!dwfl)
        return {};
    SourcePosition found;
    if (dwfl_linux_proc_report(dwfl, static_cast<pid_t>(pid)) == 0 && dwfl_report_end(dwfl, nullptr, nullptr) == 0) {
        const QByteArray prefix = QFile::encodeName(ownPrefix);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            // A return address points behind its call; the call's own line is one byte back.
            const Dwarf_Addr address = i == 0 ? frames[i] : frames[i] - 1;
            Dwfl_Module* module = dwfl_addrmodule(dwfl, address);
            Dwfl_Line* line = module ? dwfl_module_getsrc(module, address) : nullptr;
            int lineNumber = 0;
            const char* source = line ? dwfl_lineinfo(line, nullptr, &lineNumber, nullptr, nullptr, nullptr) : nullptr;
            if (source && QByteArray(source).startsWith(prefix)) {
                found = {lineNumber, QFile::decodeName(source)};
                break;
            }
        }
    }
    dwfl_end(dwfl);
    return found;
}

} // namespace dw
