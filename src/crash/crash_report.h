#pragma once
// The text of the crash report.
#include "crash/fault_record.h"

#include <QString>

namespace dw {

// The message for an error code; "Unknown error code" for codes without one.
QString ErrorMessageFor(std::uint32_t errorCode);

// The report: fixed labels of 17 characters, every number as a signed 32-bit
// decimal, a carriage return after every line and no line feed.
QString CrashReportText(const FaultRecord& record, int sourceLine, const QString& sourceFile);

} // namespace dw
