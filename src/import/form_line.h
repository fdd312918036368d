#pragma once
// What one line of a form file (after its header) contributes: the window's
// designed size, the window variable, or a gadget record.
#include "core/record_list.h"
#include "core/tool_state.h"

#include <QStringView>

namespace dw {

void ProcessFormLine(QStringView line, ToolState& state, RecordList& records);

} // namespace dw
