#include "import/form_line.h"

#include "core/gadget_keywords.h"
#include "text/text_ops.h"

namespace dw {

namespace {

bool HasGadgetKeyword(QStringView line) {
    // Every keyword ends in "Gadget": most lines of a form fail this one search.
    if (FindText(line, u"Gadget") == 0)
        return false;
    for (QStringView keyword : GadgetKeywords) {
        if (FindText(line, keyword) > 0)
            return true;
    }
    return false;
}

std::int32_t NumberField(QStringView line, int index) {
    return LowBits32(ParseInteger(TrimLeadingSpaces(FieldViewAt(line, index, u","))));
}

} // namespace

void ProcessFormLine(QStringView line, ToolState& state, RecordList& records) {
    if (FindText(line, u"Procedure Open") > 0) {
        line = FieldViewAt(line, 2, u"x = ");
        state.windowWidthText = FieldAt(FieldViewAt(line, 3, u","), 4, u" ");
        state.windowHeightText = TrimTrailing(FieldViewAt(FieldViewAt(line, 4, u","), 4, u" "), u")");
    }
    if (FindText(line, u"= OpenWindow") > 0) {
        line = FieldViewAt(line, 1, u"=");
        state.windowVar = RemoveText(line, u" ");
    }
    if (HasGadgetKeyword(line)) {
        GadgetRecord record;
        record.name = RemoveText(FieldViewAt(line, 1, u" = "), u" ");
        record.type = FieldAt(FieldViewAt(line, 1, u"("), 2, u" = ");
        record.x = NumberField(line, 2);
        record.y = NumberField(line, 3);
        record.width = NumberField(line, 4);
        record.height = NumberField(line, 5);
        records.append(std::move(record));
    }
}

} // namespace dw
