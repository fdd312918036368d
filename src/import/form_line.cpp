#include "import/form_line.h"

#include "core/gadget_keywords.h"
#include "text/text_ops.h"

#include <array>
#include <bit>
#include <cstring>
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

// The gadget lines of a large form are nearly all its lines, so their bytes get
// a path of their own: every search is a memchr for one byte of a phrase, the
// keyword test looks only at the stems that end in the byte before "Gadget",
// and a type that is exactly a keyword shares that keyword's text. It gives what
// ProcessLine gives for a line without "Open" (the tests and the form reader's
// fuzz target compare the two).

qsizetype ByteIndex(QByteArrayView line, char c, qsizetype from) {
    if (from >= line.size())
        return -1;
    const void* hit = std::memchr(line.data() + from, c, static_cast<std::size_t>(line.size() - from));
    return hit ? static_cast<const char*>(hit) - line.data() : -1;
}

// True when phrase stands in line at at. The phrases are a few bytes long: a
// plain loop costs less than a call to compare them.
template <qsizetype N>
bool PhraseAt(QByteArrayView line, qsizetype at, const char (&phrase)[N]) {
    if (line.size() - at < N - 1)
        return false;
    for (qsizetype k = 0; k < N - 1; ++k) {
        if (line[at + k] != phrase[k])
            return false;
    }
    return true;
}

// Start of the first " = " that begins at or after from and ends by end; -1 if none.
qsizetype AssignmentAt(QByteArrayView line, qsizetype from, qsizetype end) {
    const QByteArrayView part = line.first(end);
    for (qsizetype eq = ByteIndex(part, '=', from + 1); eq >= 0 && eq + 1 < end; eq = ByteIndex(part, '=', eq + 1)) {
        if (part[eq - 1] == ' ' && part[eq + 1] == ' ')
            return eq - 1;
    }
    return -1;
}

constexpr qsizetype kTailSize = 6;  // "Gadget"

struct KeywordStems {
    // For each byte, the keywords whose stem (the keyword before "Gadget") ends in it.
    std::array<std::uint32_t, 256> endingIn{};
    std::array<QByteArray, GadgetKeywords.size()> stems;
    std::array<QString, GadgetKeywords.size()> texts;  // shared by the records, never copied

    KeywordStems() {
        static_assert(GadgetKeywords.size() <= 32);
        for (std::size_t k = 0; k < GadgetKeywords.size(); ++k) {
            const QStringView keyword = GadgetKeywords[k];
            stems[k] = keyword.first(keyword.size() - kTailSize).toLatin1();
            endingIn[static_cast<unsigned char>(stems[k].back())] |= 1u << k;
            texts[k] = QString::fromRawData(keyword.data(), keyword.size());
        }
    }

    // The keyword whose "Gadget" starts at tailAt in line and whose stem ends
    // right before it; -1 if none.
    int endingAt(QByteArrayView line, qsizetype tailAt) const {
        if (tailAt <= 0)
            return -1;
        for (std::uint32_t mask = endingIn[static_cast<unsigned char>(line[tailAt - 1])]; mask != 0; mask &= mask - 1) {
            const int k = std::countr_zero(mask);
            const qsizetype size = stems[static_cast<std::size_t>(k)].size();
            const char* const stem = stems[static_cast<std::size_t>(k)].constData();
            if (size > tailAt)
                continue;
            qsizetype i = 0;
            while (i < size && line[tailAt - size + i] == stem[i])
                ++i;
            if (i == size)
                return k;
        }
        return -1;
    }
};

const KeywordStems keywordStems;

// The first keyword standing in line: which one and where it starts.
struct KeywordAt {
    int keyword = -1;
    qsizetype from = -1;
};

KeywordAt FirstGadgetKeyword(QByteArrayView line) {
    for (qsizetype at = ByteIndex(line, 'G', 0); at >= 0; at = ByteIndex(line, 'G', at + 1)) {
        if (!PhraseAt(line, at, "Gadget"))
            continue;
        const int k = keywordStems.endingAt(line, at);
        if (k >= 0)
            return KeywordAt{k, at - keywordStems.stems[static_cast<std::size_t>(k)].size()};
    }
    return KeywordAt{};
}

// The type is nearly always the keyword found in its line, exactly: then it
// shares that keyword's text.
QString DecodedType(QByteArrayView line, qsizetype from, qsizetype end, KeywordAt found) {
    const qsizetype size = found.keyword >= 0 ? GadgetKeywords[static_cast<std::size_t>(found.keyword)].size() : -1;
    if (found.from == from && size == end - from)
        return keywordStems.texts[static_cast<std::size_t>(found.keyword)];
    return DecodeUtf8(line.sliced(from, end - from));
}

// The name without its blanks. Leading blank bytes decode to blanks whatever
// follows, so they go before decoding; a blank further in may stand inside a
// broken sequence and is removed from the decoded text.
QString DecodedName(QByteArrayView name) {
    qsizetype start = 0;
    while (start < name.size() && name[start] == ' ')
        ++start;
    name = name.sliced(start);
    for (const char c : name) {
        if (c == ' ')
            return RemoveText(DecodeUtf8(name), u" ");
    }
    return DecodeUtf8(name);
}

// The number a comma part stands for. The Form Designer writes plain decimals:
// blanks, maybe a minus, a few digits. Those are read here; anything else
// (other signs, "$", "%", tabs, ten digits or more) goes to ParseInteger.
std::int32_t NumberIn(QByteArrayView part) {
    qsizetype i = 0;
    const qsizetype n = part.size();
    while (i < n && part[i] == ' ')
        ++i;
    const bool negative = i < n && part[i] == '-';
    if (negative)
        ++i;
    const qsizetype first = i;
    std::uint32_t value = 0;
    for (; i < n && i - first < 9; ++i) {
        const unsigned digit = static_cast<unsigned char>(part[i]) - static_cast<unsigned>('0');
        if (digit > 9)
            break;
        value = value * 10 + digit;
    }
    if (i == first || (i < n && static_cast<unsigned char>(part[i]) - static_cast<unsigned>('0') <= 9))
        return LowBits32(ParseInteger(part));
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

void ProcessGadgetLine(QByteArrayView line, RecordList& records) {
    const KeywordAt keyword = FirstGadgetKeyword(line);
    if (keyword.keyword < 0)
        return;
    GadgetRecord record;
    const qsizetype assignment = AssignmentAt(line, 0, line.size());
    record.name = DecodedName(assignment < 0 ? line : line.first(assignment));
    // The type stands between the first and the second " = " before the first "(".
    const qsizetype paren = ByteIndex(line, '(', 0);
    const qsizetype head = paren < 0 ? line.size() : paren;
    const qsizetype typeFrom = AssignmentAt(line, 0, head);
    if (typeFrom >= 0) {
        const qsizetype typeEnd = AssignmentAt(line, typeFrom + 3, head);
        record.type = DecodedType(line, typeFrom + 3, typeEnd < 0 ? head : typeEnd, keyword);
    }
    // Comma parts 2 to 5; a part beyond the last comma is empty.
    std::int32_t* const numbers[] = {&record.x, &record.y, &record.width, &record.height};
    qsizetype start = ByteIndex(line, ',', 0);
    for (std::int32_t* number : numbers) {
        if (start < 0)
            break;
        // The numbers are short: the next comma is a few bytes on.
        qsizetype end = start + 1;
        while (end < line.size() && line[end] != ',')
            ++end;
        *number = NumberIn(line.sliced(start + 1, end - start - 1));
        start = end < line.size() ? end : -1;
    }
    records.append(std::move(record));
}

} // namespace

void ProcessFormLine(QStringView line, ToolState& state, RecordList& records) {
    ProcessLine(line, state, records);
}

void ProcessFormLine(QByteArrayView line, ToolState& state, RecordList& records) {
    // Both window phrases hold "Open"; the rare lines that do take the general path.
    if (FindText(line, QByteArrayView("Open")) > 0)
        ProcessLine(line, state, records);
    else
        ProcessGadgetLine(line, records);
}

} // namespace dw
