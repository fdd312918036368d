#pragma once
// The byte-level side of key-value files: reading their text into sections,
// writing sections back as bytes, and the name and number rules.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace dw {

// A run of bytes of a content's text.
struct TextPiece {
    qsizetype at = 0;
    qsizetype size = 0;
};

struct KeyValueEntry {
    TextPiece name;  // for a comment, its text
    TextPiece value;
    qsizetype next = -1;  // the section's next entry; -1 after its last
    bool isComment = false;
};

// The entries from one group line up to the next. The first section is the
// area before the first group line; it has no name.
struct KeyValueSection {
    TextPiece name;
    qsizetype first = -1;  // entries, chained by next
    qsizetype last = -1;
};

// All names and values are pieces of one UTF-8 text, and all entries stand in
// one table, so that a file of a million groups is a few large blocks instead
// of millions of small ones.
struct KeyValueContent {
    QByteArray text;
    std::vector<KeyValueSection> sections{KeyValueSection{}};
    std::vector<KeyValueEntry> entries;

    QByteArrayView bytes(TextPiece piece) const { return QByteArrayView(text).sliced(piece.at, piece.size); }
    TextPiece append(QByteArrayView bytes);
    void appendEntry(std::size_t section, const KeyValueEntry& entry);

    template <typename Visit>
    void forEachEntry(const KeyValueSection& section, Visit visit) const {
        for (qsizetype at = section.first; at >= 0; at = entries[static_cast<std::size_t>(at)].next)
            visit(entries[static_cast<std::size_t>(at)]);
    }
};

// A byte-order mark makes the rest UTF-8; anything else is read as Latin-1.
KeyValueContent ParseKeyValueText(const QByteArray& fileBytes);

// The file's bytes in pieces of at most about chunkSize, in order; false from
// put stops the writing and is passed on.
template <typename Put>
bool SerializeKeyValueText(const KeyValueContent& content, Put put, qsizetype chunkSize = 65536);
QByteArray SerializeKeyValueText(const KeyValueContent& content);

// Only the ASCII letters fold; every other byte stands for itself.
QByteArray FoldAsciiCase(QByteArrayView name);
bool NamesEqual(QByteArrayView a, QByteArrayView b);

QByteArrayView TrimBlanksAndTabs(QByteArrayView text);

// Leading white space, one sign, decimal digits; wraps in 64 bits and keeps
// the low 32. No digits give 0.
std::int32_t ParseLeadingDecimal(QByteArrayView text);

template <typename Put>
bool SerializeKeyValueText(const KeyValueContent& content, Put put, qsizetype chunkSize) {
    QByteArray out;
    out.reserve(chunkSize + 256);
    out.append("\xEF\xBB\xBF\r\n");
    auto flushIfFull = [&] {
        if (out.size() < chunkSize)
            return true;
        const bool ok = put(QByteArrayView(out));
        out.resize(0);
        return ok;
    };
    for (std::size_t i = 0; i < content.sections.size(); ++i) {
        const KeyValueSection& section = content.sections[i];
        if (i > 0)
            out.append('[').append(content.bytes(section.name)).append("]\r\n");
        bool ok = flushIfFull();
        content.forEachEntry(section, [&](const KeyValueEntry& entry) {
            if (entry.isComment)
                out.append("; ").append(content.bytes(entry.name)).append("\r\n");
            else
                out.append(content.bytes(entry.name)).append(" = ").append(content.bytes(entry.value)).append("\r\n");
            ok = ok && flushIfFull();
        });
        if (!ok)
            return false;
    }
    return out.isEmpty() || put(QByteArrayView(out));
}

} // namespace dw
