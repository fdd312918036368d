#pragma once
// The byte-level side of key-value files: reading their text into sections,
// writing sections back as bytes, and the name and number rules.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace dw {

// A run of bytes of a content's text.
struct TextPiece {
    qsizetype at = 0;
    qsizetype size = 0;
};

struct KeyValueEntry {
    TextPiece name;  // for a comment, its text
    TextPiece value;  // for a comment, the size -1
    qsizetype next = -1;  // the section's next entry; -1 after its last

    static constexpr TextPiece kCommentMark{0, -1};
    bool isComment() const { return value.size < 0; }
};

// The entries from one group line up to the next. The first section is the
// area before the first group line; it has no name.
struct KeyValueSection {
    TextPiece name;
    qsizetype first = -1;  // entries, chained by next
    qsizetype last = -1;
};

// The entries of a file in blocks of a fixed size: growing never moves an
// entry, and no more room is taken than the entries need. A block is written
// only where entries are put, not cleared first.
class EntryTable {
public:
    std::size_t size() const { return size_; }
    KeyValueEntry& operator[](std::size_t i) { return blocks_[i >> kShift].get()[i & kMask]; }
    const KeyValueEntry& operator[](std::size_t i) const { return blocks_[i >> kShift].get()[i & kMask]; }
    void push_back(const KeyValueEntry& entry) {
        if ((size_ >> kShift) == blocks_.size())
            blocks_.emplace_back(static_cast<KeyValueEntry*>(::operator new(kBlock * sizeof(KeyValueEntry))));
        new (&(*this)[size_]) KeyValueEntry(entry);
        ++size_;
    }

private:
    static_assert(std::is_trivially_destructible_v<KeyValueEntry>);
    struct FreeBlock {
        void operator()(KeyValueEntry* block) const { ::operator delete(block); }
    };
    static constexpr std::size_t kShift = 12;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;
    static constexpr std::size_t kMask = kBlock - 1;
    std::vector<std::unique_ptr<KeyValueEntry, FreeBlock>> blocks_;
    std::size_t size_ = 0;
};

// All names and values are pieces of one UTF-8 text, and all entries stand in
// one table, so that a file of a million groups is a few large blocks instead
// of millions of small ones.
struct KeyValueContent {
    QByteArray text;
    std::vector<KeyValueSection> sections{KeyValueSection{}};
    EntryTable entries;

    QByteArrayView bytes(TextPiece piece) const { return QByteArrayView(text).sliced(piece.at, piece.size); }
    TextPiece append(QByteArrayView bytes);
    void appendEntry(std::size_t section, const KeyValueEntry& entry);

    // The first key entry of the section with that name (comments passed over), or -1.
    qsizetype findKey(std::size_t section, QByteArrayView name) const;

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
inline char FoldByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool NamesEqual(QByteArrayView a, QByteArrayView b);

QByteArrayView TrimBlanksAndTabs(QByteArrayView text);

// Leading white space, one sign, decimal digits; wraps in 64 bits and keeps
// the low 32. No digits give 0.
std::int32_t ParseLeadingDecimal(QByteArrayView text);

template <typename Put>
bool SerializeKeyValueText(const KeyValueContent& content, Put put, qsizetype chunkSize) {
    // Pieces are copied into one buffer that goes out whenever it is nearly full;
    // a piece longer than the buffer goes out on its own.
    std::vector<char> buffer(static_cast<std::size_t>(chunkSize));
    char* const begin = buffer.data();
    char* const end = begin + chunkSize;
    char* at = begin;
    bool ok = true;
    auto flush = [&] {
        if (ok && at > begin)
            ok = put(QByteArrayView(begin, at - begin));
        at = begin;
    };
    auto add = [&](QByteArrayView bytes) {
        if (bytes.size() > end - at) {
            flush();
            if (bytes.size() > chunkSize) {
                ok = ok && put(bytes);
                return;
            }
        }
        std::memcpy(at, bytes.data(), static_cast<std::size_t>(bytes.size()));
        at += bytes.size();
    };
    add("\xEF\xBB\xBF\r\n");
    for (std::size_t i = 0; i < content.sections.size() && ok; ++i) {
        const KeyValueSection& section = content.sections[i];
        if (i > 0) {
            add("[");
            add(content.bytes(section.name));
            add("]\r\n");
        }
        content.forEachEntry(section, [&](const KeyValueEntry& entry) {
            if (entry.isComment()) {
                add("; ");
                add(content.bytes(entry.name));
            } else {
                add(content.bytes(entry.name));
                add(" = ");
                add(content.bytes(entry.value));
            }
            add("\r\n");
        });
    }
    flush();
    return ok;
}

} // namespace dw
