#include "text/text_ops.h"

#include <algorithm>
#include <cstring>

namespace dw {

namespace {

// Index of the first occurrence of part at or after from, or -1. The form
// reader searches every short line for a few short phrases: a plain loop
// beats a general string search that is set up anew for every call.
qsizetype IndexOf(QStringView text, QStringView part, qsizetype from) {
    const qsizetype last = text.size() - part.size();
    const char16_t* const data = reinterpret_cast<const char16_t*>(text.data());
    const char16_t* const needle = reinterpret_cast<const char16_t*>(part.data());
    const char16_t first = needle[0];
    const qsizetype rest = part.size() - 1;
    for (qsizetype at = from; at <= last; ++at) {
        if (data[at] != first)
            continue;
        qsizetype k = 0;
        while (k < rest && data[at + 1 + k] == needle[1 + k])
            ++k;
        if (k == rest)
            return at;
    }
    return -1;
}

} // namespace

int FindText(QStringView text, QStringView part) {
    if (text.isEmpty() || part.isEmpty())
        return 0;
    const qsizetype at = IndexOf(text, part, 0);
    return at < 0 ? 0 : static_cast<int>(at + 1);
}

QStringView FieldViewAt(QStringView text, int index, QStringView separator) {
    if (index < 1)
        return {};
    if (separator.isEmpty())
        return index == 1 ? text : QStringView();
    qsizetype start = 0;
    for (int field = 1; field < index; ++field) {
        const qsizetype at = IndexOf(text, separator, start);
        if (at < 0)
            return {};
        start = at + separator.size();
    }
    const qsizetype end = IndexOf(text, separator, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

QString FieldAt(QStringView text, int index, QStringView separator) {
    return FieldViewAt(text, index, separator).toString();
}

QString RemoveText(QStringView text, QStringView part) {
    if (text.isEmpty())
        return QString();
    if (part.isEmpty())
        return text.toString();
    QString result;
    result.reserve(text.size());
    qsizetype start = 0;
    while (true) {
        const qsizetype at = IndexOf(text, part, start);
        if (at < 0)
            break;
        result.append(text.mid(start, at - start));
        start = at + part.size();
    }
    result.append(text.mid(start));
    return result;
}

QString TrimTrailing(QStringView text, QStringView character) {
    if (character.isEmpty())
        return text.toString();
    const QChar c = character.front();
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == c)
        --end;
    return text.left(end).toString();
}

QStringView TrimLeadingSpaces(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

std::int64_t ParseInteger(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    unsigned radix = 10;
    if (i < n && text[i] == u'$') {
        radix = 16;
        ++i;
    } else if (i < n && text[i] == u'%') {
        radix = 2;
        ++i;
    }
    // Unsigned arithmetic wraps modulo 2^64 without undefined behaviour.
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        unsigned digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        value = value * radix + digit;
    }
    if (negative)
        value = ~value + 1;
    return static_cast<std::int64_t>(value);
}

QString FormatInteger(std::int64_t value) {
    QString text;
    AppendInteger(text, value);
    return text;
}

void AppendInteger(QString& text, std::int64_t value) {
    char16_t digits[20];
    int n = 0;
    // The magnitude in unsigned arithmetic, so the smallest value has one too.
    std::uint64_t magnitude = value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0)
        text += u'-';
    std::reverse(digits, digits + n);
    text.append(QStringView(digits, n));
}

bool TextEquals(QStringView a, QStringView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace dw
