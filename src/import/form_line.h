#pragma once
// What one line of a form file (after its header) contributes: the window's
// designed size, the window variable, or a gadget record.
#include "core/record_list.h"
#include "core/tool_state.h"

#include <QByteArrayView>
#include <QStringView>

namespace dw {

void ProcessFormLine(QStringView line, ToolState& state, RecordList& records);

// The same for the line's raw UTF-8 bytes, decoding only the pieces it keeps.
// Every phrase and separator of the cuts is ASCII, so the result is the one the
// decoded line gives (the tests and the form reader's fuzz target compare them).
void ProcessFormLine(QByteArrayView line, ToolState& state, RecordList& records);

} // namespace dw
