#pragma once
#include "core/tool.h"

namespace dw {

// Stores the form path and the four marks of every record, keyed by name.
void SaveProject(Tool& tool);

// Imports the form a project names again and puts its marks back onto the
// records whose names are unchanged.
void LoadProject(Tool& tool);

} // namespace dw
