#pragma once
// The resident memory of this process, from the kernel's own account.
#include <fstream>
#include <string>

namespace dw::test {

inline long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

} // namespace dw::test
