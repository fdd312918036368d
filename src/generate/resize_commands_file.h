#pragma once
#include "core/tool.h"

namespace dw {

// Asks for a target and writes one ResizeGadget line per record, in list order.
void SaveResizeCommands(Tool& tool);

} // namespace dw
