#pragma once
// The process-wide model the operations work on: the records, the tool state
// and the way to the user. One instance lives for the whole process.
#include "core/record_list.h"
#include "core/tool_state.h"
#include "core/user_seam.h"

namespace dw {

struct Tool {
    explicit Tool(UserSeam& seam) : user(seam) {}
    RecordList records;
    ToolState state;
    UserSeam& user;
};

} // namespace dw
