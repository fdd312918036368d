#include "text/text_ops.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace dw {

namespace {

// Index of the first occurrence of part at or after from, or -1. The form
// reader searches every short line for a few short phrases: a plain loop
// beats a general string search that is set up anew for every call. The same
// loop serves texts and, for ASCII phrases, the raw UTF-8 bytes of a line.
template <typename View>
qsizetype IndexOf(View text, View part, qsizetype from) {
    const qsizetype last = text.size() - part.size();
    const auto* const data = text.data();
    const auto* const needle = part.data();
    const auto first = needle[0];
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

// Bytes: the C library finds the first byte many at a time.
template <>
qsizetype IndexOf(QByteArrayView text, QByteArrayView part, qsizetype from) {
    const qsizetype last = text.size() - part.size();
    const char* const data = text.data();
    while (from <= last) {
        const void* hit = std::memchr(data + from, part[0], static_cast<std::size_t>(last - from + 1));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const char*>(hit) - data;
        qsizetype k = 1;
        while (k < part.size() && data[at + k] == part[k])
            ++k;
        if (k == part.size())
            return at;
        from = at + 1;
    }
    return -1;
}

template <typename View>
int FindIn(View text, View part) {
    if (text.isEmpty() || part.isEmpty())
        return 0;
    const qsizetype at = IndexOf(text, part, 0);
    return at < 0 ? 0 : static_cast<int>(at + 1);
}

template <typename View>
View FieldIn(View text, int index, View separator) {
    if (index < 1)
        return {};
    if (separator.isEmpty())
        return index == 1 ? text : View();
    qsizetype start = 0;
    for (int field = 1; field < index; ++field) {
        const qsizetype at = IndexOf(text, separator, start);
        if (at < 0)
            return {};
        start = at + separator.size();
    }
    const qsizetype end = IndexOf(text, separator, start);
    return end < 0 ? text.sliced(start) : text.sliced(start, end - start);
}

template <typename View>
View LeadingSpacesTrimmed(View text) {
    qsizetype start = 0;
    while (start < text.size() && CodeUnitAt(text, start) == u' ')
        ++start;
    return text.sliced(start);
}

// Code units are compared by value, so a byte of a UTF-8 text reads here as the
// code unit it decodes to whenever it is ASCII, and as no digit otherwise.
template <typename View>
std::int64_t IntegerIn(View text) {
    auto unit = [&](qsizetype i) { return CodeUnitAt(text, i); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (unit(i) == u' ' || unit(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (unit(i) == u'-' || unit(i) == u'+')) {
        negative = unit(i) == u'-';
        ++i;
    }
    unsigned radix = 10;
    if (i < n && unit(i) == u'$') {
        radix = 16;
        ++i;
    } else if (i < n && unit(i) == u'%') {
        radix = 2;
        ++i;
    }
    // Unsigned arithmetic wraps modulo 2^64 without undefined behaviour.
    std::uint64_t value = 0;
    if (radix == 10) {  // nearly every number: a loop of its own
        for (; i < n; ++i) {
            const unsigned digit = static_cast<unsigned>(unit(i)) - u'0';
            if (digit > 9)
                break;
            value = value * 10 + digit;
        }
    }
    for (; radix != 10 && i < n; ++i) {
        const char16_t c = unit(i);
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

} // namespace

QString DecodeUtf8(QByteArrayView bytes) {
    // QString::fromUtf8 drops a byte-order mark at the start and is otherwise the
    // same decoding, at a third of the cost of a decoder object.
    // Names are nearly always ASCII, where every byte is its own code unit.
    qsizetype ascii = 0;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
        ++ascii;
    if (ascii == bytes.size() && ascii > 0)
        return QString::fromLatin1(bytes);
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    static QStringDecoder decoder(QStringDecoder::Utf8,
                                  QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

int FindText(QStringView text, QStringView part) {
    return FindIn(text, part);
}

int FindText(QByteArrayView text, QByteArrayView part) {
    return FindIn(text, part);
}

QStringView FieldViewAt(QStringView text, int index, QStringView separator) {
    return FieldIn(text, index, separator);
}

QByteArrayView FieldViewAt(QByteArrayView text, int index, QByteArrayView separator) {
    return FieldIn(text, index, separator);
}

QString FieldAt(QStringView text, int index, QStringView separator) {
    return FieldViewAt(text, index, separator).toString();
}

QString RemoveText(QStringView text, QStringView part) {
    if (text.isEmpty())
        return QString();
    if (part.isEmpty())
        return text.toString();
    // Written unit by unit into storage of the largest size the result can have.
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    qsizetype kept = 0;
    qsizetype next = IndexOf(text, part, 0);
    for (qsizetype i = 0; i < text.size();) {
        if (i == next) {
            i += part.size();
            next = IndexOf(text, part, i);
        } else {
            out[kept++] = text[i++];
        }
    }
    result.truncate(kept);
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
    return LeadingSpacesTrimmed(text);
}

QByteArrayView TrimLeadingSpaces(QByteArrayView text) {
    return LeadingSpacesTrimmed(text);
}

std::int64_t ParseInteger(QStringView text) {
    return IntegerIn(text);
}

std::int64_t ParseInteger(QByteArrayView text) {
    return IntegerIn(text);
}

QString FormatInteger(std::int64_t value) {
    char16_t text[20];
    return QString::fromUtf16(text, WriteInteger(text, value) - text);
}

char16_t* WriteInteger(char16_t* out, std::int64_t value) {
    char16_t digits[20];
    int n = 0;
    // The magnitude in unsigned arithmetic, so the smallest value has one too.
    std::uint64_t magnitude = value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0)
        *out++ = u'-';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

bool TextEquals(QStringView a, QStringView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace dw
