#pragma once
// Which line of the tool's own sources a stack of program counters was in.
// One implementation per platform (source_lines_linux.cpp reads the build's
// debug information with libdw).
#include <QString>
#include <cstdint>
#include <vector>

namespace dw {

struct SourcePosition {
    int line = 0;
    QString file;
};

// frames[0] is the faulting instruction, the others are return addresses.
// The innermost frame whose source file starts with ownPrefix wins.
SourcePosition FindOwnSourcePosition(long pid, const std::vector<std::uint64_t>& frames, const QString& ownPrefix);

} // namespace dw
