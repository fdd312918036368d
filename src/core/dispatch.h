#pragma once
#include "core/commands.h"
#include "core/event.h"

namespace dw {

// Runs at most one operation for an event; events without a route do nothing.
void DispatchEvent(const Event& event, Commands& commands);

} // namespace dw
