#pragma once
#include "core/user_seam.h"

namespace dw {

// Tells the user that a file they chose to write could not be written, so that
// no one relies on output that is not there.
void ReportWriteFailure(UserSeam& user, const QString& path);

} // namespace dw
