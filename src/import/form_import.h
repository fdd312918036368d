#pragma once
#include "core/tool.h"

namespace dw {

// Reads a form file into the record list and the gadget list. With fromProject
// the file is the one formPath names; otherwise the user chooses it.
void ImportFormFile(Tool& tool, bool fromProject);

} // namespace dw
