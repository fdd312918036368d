#pragma once
#include "core/gadget_record.h"
#include "core/tool_state.h"

#include <QString>

namespace dw {

// The ResizeGadget statement for one record: a marked value becomes an
// expression that keeps the gadget's designed distance to the right or bottom
// window edge, an unmarked one #PB_Ignore.
QString ResizeCommandLine(const GadgetRecord& record, const ToolState& state);

// The same line into line, which keeps its capacity from one record to the next.
void BuildResizeCommandLine(QString& line, const GadgetRecord& record, const ToolState& state);

} // namespace dw
