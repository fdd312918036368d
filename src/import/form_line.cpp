#include "import/form_line.h"

#include "core/gadget_keywords.h"
#include "text/text_ops.h"

#include <cstring>

namespace dw {

namespace {

// True when any keyword stands anywhere in line. Every keyword ends in
// "Gadget", so a keyword occurs exactly where an occurrence of "Gadget" is
// preceded by the rest of that keyword: one pass over the line instead of one
// search per keyword.
bool HasGadgetKeyword(QStringView line) {
    constexpr QStringView tail = u"Gadget";
    for (int at = FindText(line, tail); at > 0;) {
        const qsizetype end = at - 1 + tail.size();
        for (QStringView keyword : GadgetKeywords) {
            if (keyword.size() <= end &&
                std::memcmp(line.data() + end - keyword.size(), keyword.data(), keyword.size() * sizeof(QChar)) == 0)
                return true;
        }
        const int next = FindText(line.mid(at), tail);
        at = next > 0 ? at + next : 0;
    }
    return false;
}

std::int32_t NumberOf(QStringView field) {
    return LowBits32(ParseInteger(TrimLeadingSpaces(field)));
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
        // The comma parts 1 to 5 in one pass, each as FieldAt (line, k, ",") cuts it.
        QStringView parts[6];
        qsizetype start = 0;
        for (int k = 1; k <= 5 && start >= 0; ++k) {
            const int found = FindText(line.mid(start), u",");
            const qsizetype comma = found > 0 ? start + found - 1 : -1;
            parts[k] = comma < 0 ? line.mid(start) : line.mid(start, comma - start);
            start = comma < 0 ? -1 : comma + 1;
        }
        record.x = NumberOf(parts[2]);
        record.y = NumberOf(parts[3]);
        record.width = NumberOf(parts[4]);
        record.height = NumberOf(parts[5]);
        records.append(std::move(record));
    }
}

} // namespace dw
