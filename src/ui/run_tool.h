#pragma once
// The tool's start-up, loop and orderly end, in one place for the executable
// and for the start-up measurements of the benchmarks.
#include <functional>

namespace dw {

struct RunHooks {
    // Runs once the main window has been shown; the benchmarks end the loop there.
    std::function<void()> afterShown;
};

int RunTool(int argc, char** argv, const RunHooks& hooks = {});

} // namespace dw
