#pragma once
// The byte-level side of key-value files: reading their text into sections,
// writing sections back as bytes, and the name and number rules.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace dw {

struct KeyValueEntry {
    QByteArray name;   // UTF-8; for a comment, its text
    QByteArray value;  // UTF-8
    bool isComment = false;
};

// The entries from one group line up to the next. The first section is the
// area before the first group line; it has no name.
struct KeyValueSection {
    QByteArray name;
    std::vector<KeyValueEntry> entries;
};

struct KeyValueContent {
    std::vector<KeyValueSection> sections{KeyValueSection{}};
    // The UTF-8 text a read file was parsed from: its names and values point
    // into it instead of holding copies.
    QByteArray text;
};

// A byte-order mark makes the rest UTF-8; anything else is read as Latin-1.
KeyValueContent ParseKeyValueText(const QByteArray& fileBytes);

QByteArray SerializeKeyValueText(const KeyValueContent& content);

// Only the ASCII letters fold; every other byte stands for itself.
QByteArray FoldAsciiCase(const QByteArray& name);
bool NamesEqual(QByteArrayView a, QByteArrayView b);

QByteArray TrimBlanksAndTabs(const QByteArray& text);

// Leading white space, one sign, decimal digits; wraps in 64 bits and keeps
// the low 32. No digits give 0.
std::int32_t ParseLeadingDecimal(const QByteArray& text);

} // namespace dw
