#include "project/key_value_parse.h"

#include <QString>

namespace dw {

namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}


void ParseLine(const char* base, const char* begin, const char* end, KeyValueContent& content) {
    const auto piece = [base](const char* from, const char* to) { return TextPiece{from - base, to - from}; };
    while (begin < end && IsBlankOrTab(*begin))
        ++begin;
    if (begin == end)
        return;
    const std::size_t section = content.sections.size() - 1;
    if (*begin == ';') {
        ++begin;
        if (begin < end && *begin == ' ')
            ++begin;
        content.appendEntry(section, KeyValueEntry{piece(begin, end), KeyValueEntry::kCommentMark});
        return;
    }
    if (*begin == '[') {
        ++begin;
        const char* close = begin;
        while (close < end && *close != ']')
            ++close;
        content.sections.push_back(KeyValueSection{piece(begin, close)});
        return;
    }
    const char* equals = begin;
    while (equals < end && *equals != '=')
        ++equals;
    const char* nameEnd = equals;
    while (nameEnd > begin && IsBlankOrTab(nameEnd[-1]))
        --nameEnd;
    const char* value = equals < end ? equals + 1 : end;
    while (value < end && IsBlankOrTab(*value))
        ++value;
    content.appendEntry(section, KeyValueEntry{piece(begin, nameEnd), piece(value, end)});
}

} // namespace

TextPiece KeyValueContent::append(QByteArrayView bytes) {
    const TextPiece piece{text.size(), bytes.size()};
    text.append(bytes);
    return piece;
}

void KeyValueContent::appendEntry(std::size_t section, const KeyValueEntry& entry) {
    const qsizetype at = static_cast<qsizetype>(entries.size());
    entries.push_back(entry);
    entries[static_cast<std::size_t>(at)].next = -1;
    KeyValueSection& s = sections[section];
    if (s.last >= 0)
        entries[static_cast<std::size_t>(s.last)].next = at;
    else
        s.first = at;
    s.last = at;
}

qsizetype KeyValueContent::findKey(std::size_t section, QByteArrayView name) const {
    for (qsizetype at = sections[section].first; at >= 0;) {
        const KeyValueEntry& entry = entries[static_cast<std::size_t>(at)];
        if (!entry.isComment() && NamesEqual(bytes(entry.name), name))
            return at;
        at = entry.next;
    }
    return -1;
}

KeyValueContent ParseKeyValueText(const QByteArray& fileBytes) {
    KeyValueContent content;
    // After a byte-order mark the bytes are UTF-8 already and are kept as they
    // are (shared, not copied); the pieces start behind the mark.
    const bool utf8 = fileBytes.startsWith("\xEF\xBB\xBF");
    content.text = utf8 ? fileBytes : QString::fromLatin1(fileBytes).toUtf8();
    const char* const base = content.text.constData();
    const char* p = base + (utf8 ? 3 : 0);
    const char* const end = base + content.text.size();
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        ParseLine(base, p, lineEnd, content);
        p = lineEnd;
        while (p < end && (*p == '\r' || *p == '\n'))
            ++p;
    }
    return content;
}

QByteArray SerializeKeyValueText(const KeyValueContent& content) {
    QByteArray all;
    SerializeKeyValueText(content, [&all](QByteArrayView bytes) {
        all.append(bytes);
        return true;
    });
    return all;
}

bool NamesEqual(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (FoldByte(a[i]) != FoldByte(b[i]))
            return false;
    }
    return true;
}

QByteArrayView TrimBlanksAndTabs(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlankOrTab(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrTab(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

std::int32_t ParseLeadingDecimal(QByteArrayView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t value = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (negative)
        value = ~value + 1;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace dw
