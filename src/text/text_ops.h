#pragma once
// The text operations the form reader, the writers and the project files are
// defined in. Positions are 1-based code-unit positions; every comparison is by
// code unit, case-sensitive. A null QString behaves like the empty text.
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace dw {

// Position of the first occurrence of part in text; 0 when there is none or
// either argument is empty.
int FindText(QStringView text, QStringView part);

// Field number index (1 = first) of text cut at non-overlapping occurrences of
// separator. Out-of-range indexes and missing fields give the empty text.
QString FieldAt(QStringView text, int index, QStringView separator);

// The same cut without a copy, for readers that discard most fields.
QStringView FieldViewAt(QStringView text, int index, QStringView separator);

// text without any occurrence of part, in one left-to-right pass.
QString RemoveText(QStringView text, QStringView part);

// text without the run of the first code unit of character at its end.
QString TrimTrailing(QStringView text, QStringView character);

// text without the blanks (U+0020, nothing else) at its start.
QStringView TrimLeadingSpaces(QStringView text);

// Integer at the start of text: blanks and tabs skipped, one sign, "$" hex,
// "%" binary, decimal otherwise; 64-bit arithmetic that wraps; never fails.
std::int64_t ParseInteger(QStringView text);

// Plain decimal text of value: "-" for negatives, no plus, no padding.
QString FormatInteger(std::int64_t value);

// Writes FormatInteger (value) to out, which has room for it (20 code units at
// most, 11 for a 32-bit value), and gives the end of what it wrote: for
// writers that build a line in place.
char16_t* WriteInteger(char16_t* out, std::int64_t value);

// The same operations on the raw UTF-8 bytes of a text, for ASCII parts and
// separators: UTF-8 keeps every ASCII character as its one byte and uses no
// ASCII byte for anything else, so searching and cutting the bytes and then
// decoding a piece gives what decoding first and cutting the text would.
int FindText(QByteArrayView text, QByteArrayView part);
QByteArrayView FieldViewAt(QByteArrayView text, int index, QByteArrayView separator);
QByteArrayView TrimLeadingSpaces(QByteArrayView text);
std::int64_t ParseInteger(QByteArrayView text);

// The code unit at i; for bytes, the byte's value (an ASCII byte reads as the
// code unit it decodes to).
inline char16_t CodeUnitAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}
inline char16_t CodeUnitAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes[i]);
}

// UTF-8 bytes as a text: a malformed sequence becomes U+FFFD and a byte-order
// mark is an ordinary character (U+FEFF), wherever it stands.
QString DecodeUtf8(QByteArrayView bytes);

// Same length and the same code units.
bool TextEquals(QStringView a, QStringView b);

// Low 32 bits of a 64-bit value, read as signed.
inline std::int32_t LowBits32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

} // namespace dw
