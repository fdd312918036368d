#include "project/key_value_parse.h"

#include <QString>

namespace dw {

namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

char FoldByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

QByteArray DecodeToUtf8(const QByteArray& bytes) {
    if (bytes.size() >= 3 && bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.mid(3);
    return QString::fromLatin1(bytes).toUtf8();
}

// A name or value inside the content's text, without a copy.
QByteArray View(const char* begin, const char* end) {
    return QByteArray::fromRawData(begin, end - begin);
}

void ParseLine(const char* begin, const char* end, KeyValueContent& content) {
    while (begin < end && IsBlankOrTab(*begin))
        ++begin;
    if (begin == end)
        return;
    std::vector<KeyValueEntry>& entries = content.sections.back().entries;
    if (*begin == ';') {
        ++begin;
        if (begin < end && *begin == ' ')
            ++begin;
        entries.push_back(KeyValueEntry{View(begin, end), QByteArray(), true});
        return;
    }
    if (*begin == '[') {
        ++begin;
        const char* close = begin;
        while (close < end && *close != ']')
            ++close;
        content.sections.push_back(KeyValueSection{View(begin, close), {}});
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
    entries.push_back(KeyValueEntry{View(begin, nameEnd), View(value, end), false});
}

} // namespace

KeyValueContent ParseKeyValueText(const QByteArray& fileBytes) {
    KeyValueContent content;
    content.text = DecodeToUtf8(fileBytes);
    // Room for every group line there may be, so the table is not grown step by step.
    content.sections.reserve(static_cast<std::size_t>(content.text.count('[')) + 1);
    const char* p = content.text.constData();
    const char* const end = p + content.text.size();
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        ParseLine(p, lineEnd, content);
        p = lineEnd;
        while (p < end && (*p == '\r' || *p == '\n'))
            ++p;
    }
    return content;
}

QByteArray SerializeKeyValueText(const KeyValueContent& content) {
    qsizetype size = 5;
    for (const KeyValueSection& section : content.sections) {
        size += section.name.size() + 4;
        for (const KeyValueEntry& entry : section.entries)
            size += entry.name.size() + entry.value.size() + 5;
    }
    QByteArray out;
    out.reserve(size);
    out.append("\xEF\xBB\xBF\r\n");
    for (std::size_t i = 0; i < content.sections.size(); ++i) {
        const KeyValueSection& section = content.sections[i];
        if (i > 0)
            out.append('[').append(section.name).append("]\r\n");
        for (const KeyValueEntry& entry : section.entries) {
            if (entry.isComment)
                out.append("; ").append(entry.name).append("\r\n");
            else
                out.append(entry.name).append(" = ").append(entry.value).append("\r\n");
        }
    }
    return out;
}

QByteArray FoldAsciiCase(const QByteArray& name) {
    QByteArray folded(name);
    for (char& c : folded)
        c = FoldByte(c);
    return folded;
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

QByteArray TrimBlanksAndTabs(const QByteArray& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlankOrTab(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrTab(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

std::int32_t ParseLeadingDecimal(const QByteArray& text) {
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
