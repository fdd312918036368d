#include "import/form_line.h"

#include "core/gadget_keywords.h"
#include "text/text_ops.h"

#include <type_traits>

namespace dw {

namespace {

template <typename View>
constexpr bool kBytes = std::is_same_v<View, QByteArrayView>;

// A phrase of the cuts in the form of the line being cut.
template <typename View>
View Phrase(QStringView text, QByteArrayView bytes) {
    if constexpr (kBytes<View>)
        return bytes;
    else
        return text;
}

QString Decoded(QStringView text) {
    return text.toString();
}

QString Decoded(QByteArrayView bytes) {
    return DecodeUtf8(bytes);
}

// True when any keyword stands anywhere in line. Every keyword ends in
// "Gadget", so a keyword occurs exactly where an occurrence of "Gadget" is
// preceded by the rest of that keyword: one pass over the line instead of one
// search per keyword.
template <typename View>
bool HasGadgetKeyword(View line) {
    const View tail = Phrase<View>(u"Gadget", "Gadget");
    for (int at = FindText(line, tail); at > 0;) {
        const qsizetype end = at - 1 + tail.size();
        for (QStringView keyword : GadgetKeywords) {
            if (keyword.size() > end)
                continue;
            // Only the stem before "Gadget" is left to compare; stems differ in their first letters.
            const qsizetype from = end - keyword.size();
            const qsizetype stem = keyword.size() - tail.size();
            qsizetype k = 0;
            while (k < stem && CodeUnitAt(line, from + k) == keyword[k].unicode())
                ++k;
            if (k == stem)
                return true;
        }
        const int next = FindText(line.sliced(at), tail);
        at = next > 0 ? at + next : 0;
    }
    return false;
}

template <typename View>
std::int32_t NumberOf(View field) {
    return LowBits32(ParseInteger(TrimLeadingSpaces(field)));
}

template <typename View>
void ProcessLine(View line, ToolState& state, RecordList& records) {
    const View comma = Phrase<View>(u",", ",");
    const View blank = Phrase<View>(u" ", " ");
    if (FindText(line, Phrase<View>(u"Procedure Open", "Procedure Open")) > 0) {
        line = FieldViewAt(line, 2, Phrase<View>(u"x = ", "x = "));
        state.windowWidthText = Decoded(FieldViewAt(FieldViewAt(line, 3, comma), 4, blank));
        state.windowHeightText = TrimTrailing(Decoded(FieldViewAt(FieldViewAt(line, 4, comma), 4, blank)), u")");
    }
    if (FindText(line, Phrase<View>(u"= OpenWindow", "= OpenWindow")) > 0) {
        line = FieldViewAt(line, 1, Phrase<View>(u"=", "="));
        state.windowVar = RemoveText(Decoded(line), u" ");
    }
    if (HasGadgetKeyword(line)) {
        const View assignment = Phrase<View>(u" = ", " = ");
        GadgetRecord record;
        record.name = RemoveText(Decoded(FieldViewAt(line, 1, assignment)), u" ");
        record.type = Decoded(FieldViewAt(FieldViewAt(line, 1, Phrase<View>(u"(", "(")), 2, assignment));
        // The comma parts 1 to 5 in one pass, each as FieldAt (line, k, ",") cuts it.
        View parts[6];
        qsizetype start = 0;
        for (int k = 1; k <= 5 && start >= 0; ++k) {
            const int found = FindText(line.sliced(start), comma);
            const qsizetype at = found > 0 ? start + found - 1 : -1;
            parts[k] = at < 0 ? line.sliced(start) : line.sliced(start, at - start);
            start = at < 0 ? -1 : at + 1;
        }
        record.x = NumberOf(parts[2]);
        record.y = NumberOf(parts[3]);
        record.width = NumberOf(parts[4]);
        record.height = NumberOf(parts[5]);
        records.append(std::move(record));
    }
}

} // namespace

void ProcessFormLine(QStringView line, ToolState& state, RecordList& records) {
    ProcessLine(line, state, records);
}

void ProcessFormLine(QByteArrayView line, ToolState& state, RecordList& records) {
    ProcessLine(line, state, records);
}

} // namespace dw
