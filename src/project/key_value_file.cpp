#include "project/key_value_file.h"

#include "core/name_index.h"
#include "project/key_value_parse.h"
#include "text/platform_file.h"
#include "text/text_ops.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace dw {

namespace {

enum class Mode { None, Created, Opened };

std::uint32_t FoldedHash(QByteArrayView name) {
    NameHash hash;
    for (const char c : name)
        hash.add(static_cast<unsigned char>(FoldByte(c)));
    return hash.value();
}

// A key name or a mark written over and over is stored once in the text and
// shared by every entry that has it.
struct SharedPiece {
    QString key;
    TextPiece piece;
};

struct CurrentFile {
    Mode mode = Mode::None;
    platform::ReplaceTarget target;
    KeyValueContent content;
    std::size_t group = 0;  // section index; 0 is the area before the first group
    // A selected group that gets its section with its first key; its name
    // stands at the end of the text until then.
    TextPiece pending;
    std::uint32_t pendingHash = 0;
    bool hasPending = false;
    bool modified = false;
    NameIndex groups;  // the sections of a created file by their folded names
    std::array<SharedPiece, 8> keys;
    int nextKey = 0;
    TextPiece marks[2];  // "0" and "1"
    bool haveMarks = false;
};

CurrentFile file;

void Forget() {
    file.mode = Mode::None;
    file.content = KeyValueContent();
    file.group = 0;
    file.hasPending = false;
    file.modified = false;
    file.groups.clear();
    file.keys = {};
    file.nextKey = 0;
    file.haveMarks = false;
}

// The UTF-8 form of text, appended to the file's text.
TextPiece AppendUtf8(const QString& text) {
    QByteArray& out = file.content.text;
    const TextPiece piece{out.size(), text.size()};
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* const to = out.data() + start;
    const char16_t* const from = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (from[i] >= 0x80) {  // not only ASCII: the library's encoder does the rest
            out.resize(start);
            return file.content.append(text.toUtf8());
        }
        to[i] = static_cast<char>(from[i]);
    }
    return piece;
}

void DropPending() {
    if (file.hasPending)
        file.content.text.truncate(file.pending.at);
    file.hasPending = false;
}

void CreatePendingGroup() {
    if (!file.hasPending)
        return;
    file.content.sections.push_back(KeyValueSection{file.pending});
    file.group = file.content.sections.size() - 1;
    file.groups.insert(file.pendingHash, static_cast<std::uint32_t>(file.group));
    file.hasPending = false;
}

TextPiece KeyPiece(const QString& key) {
    const QStringView wanted(key);
    for (const SharedPiece& shared : file.keys) {
        // Compared in place: the names are a few letters long.
        if (!shared.key.isNull() && shared.key.size() == wanted.size() &&
            std::equal(wanted.begin(), wanted.end(), shared.key.cbegin()))
            return shared.piece;
    }
    SharedPiece& slot = file.keys[static_cast<std::size_t>(file.nextKey)];
    file.nextKey = (file.nextKey + 1) % static_cast<int>(file.keys.size());
    slot = SharedPiece{key, AppendUtf8(key)};
    return slot.piece;
}

TextPiece IntegerPiece(std::int32_t value) {
    if (value == 0 || value == 1) {
        if (!file.haveMarks) {
            file.marks[0] = file.content.append("0");
            file.marks[1] = file.content.append("1");
            file.haveMarks = true;
        }
        return file.marks[value];
    }
    char16_t digits[12];
    const qsizetype size = WriteInteger(digits, value) - digits;
    char bytes[12];
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(digits[i]);
    return file.content.append(QByteArrayView(bytes, size));
}

template <typename MakeValue>
void WriteKey(const QString& key, MakeValue makeValue) {
    if (file.mode == Mode::None)
        return;
    CreatePendingGroup();
    const TextPiece name = KeyPiece(key);
    const TextPiece value = makeValue();
    file.modified = true;
    KeyValueContent& content = file.content;
    const qsizetype at = content.findKey(file.group, content.bytes(name));
    if (at < 0) {
        content.appendEntry(file.group, KeyValueEntry{name, value});
        return;
    }
    KeyValueEntry& entry = content.entries[static_cast<std::size_t>(at)];
    entry.name = name;
    entry.value = value;
}

// The UTF-8 form of a key name being looked up. A project reads the same four
// names for every gadget: converted once, then found by the text they came from.
QByteArrayView KeyBytes(const QString& key) {
    static QString lastKeys[8];
    static QByteArray lastBytes[8];
    static int next = 0;
    for (int i = 0; i < 8; ++i) {
        if (lastKeys[i] == key && !lastKeys[i].isNull())
            return lastBytes[i];
    }
    next = (next + 1) % 8;
    lastKeys[next] = key;
    lastBytes[next] = key.toUtf8();
    return lastBytes[next];
}

const KeyValueEntry* FindKey(QByteArrayView key) {
    if (file.mode == Mode::None)
        return nullptr;
    const qsizetype at = file.content.findKey(file.group, key);
    return at < 0 ? nullptr : &file.content.entries[static_cast<std::size_t>(at)];
}

} // namespace

bool CreateKeyValueFile(const QString& path) {
    CloseKeyValueFile();
    if (!platform::BeginReplace(path, file.target))
        return false;
    file.mode = Mode::Created;
    return true;
}

bool OpenKeyValueFile(const QString& path) {
    CloseKeyValueFile();
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly) || source.isSequential())
        return false;
    file.content = ParseKeyValueText(source.readAll());
    file.mode = Mode::Opened;
    return true;
}

bool CloseKeyValueFile() {
    bool ok = true;
    if (file.mode == Mode::Created) {
        const int fd = file.target.fd;
        const bool written = !file.modified || SerializeKeyValueText(file.content, [fd](QByteArrayView bytes) {
            return platform::WriteAll(fd, reinterpret_cast<const unsigned char*>(bytes.data()),
                                      static_cast<std::size_t>(bytes.size()));
        });
        if (written) {
            ok = platform::CommitReplace(file.target);
        } else {
            platform::AbortReplace(file.target);
            ok = false;
        }
    }
    Forget();
    return ok;
}

void AbandonKeyValueFileInSignalHandler() {
    if (file.mode == Mode::Created)
        platform::AbortReplace(file.target);
}

void ReserveGroups(qsizetype count) {
    if (file.mode != Mode::Created || count <= 0)
        return;
    file.content.sections.reserve(static_cast<std::size_t>(count) + 1);
    file.groups.reserve(static_cast<std::size_t>(count));
}

bool SelectGroup(const QString& name) {
    if (file.mode == Mode::None)
        return false;
    DropPending();
    if (name.isEmpty()) {
        file.group = 0;
        return true;
    }
    // The name goes to the end of the text; it stays there only if it is new.
    const TextPiece piece = AppendUtf8(name);
    const QByteArrayView bytes = file.content.bytes(piece);
    const std::uint32_t hash = FoldedHash(bytes);
    const std::uint32_t* found = file.groups.find(hash, [&bytes](std::uint32_t section) {
        return NamesEqual(file.content.bytes(file.content.sections[section].name), bytes);
    });
    if (found) {
        file.group = *found;
        file.content.text.truncate(piece.at);
        return true;
    }
    file.pending = piece;
    file.pendingHash = hash;
    file.hasPending = true;
    return false;
}

void WriteTextKey(const QString& key, const QString& value) {
    WriteKey(key, [&value] { return AppendUtf8(value); });
}

void WriteIntegerKey(const QString& key, std::int32_t value) {
    WriteKey(key, [value] { return IntegerPiece(value); });
}

void RewindGroups() {
    file.group = 0;
}

bool NextGroup() {
    if (file.mode == Mode::None || file.group + 1 >= file.content.sections.size())
        return false;
    ++file.group;
    return true;
}

QString CurrentGroupName() {
    if (file.mode == Mode::None || file.group == 0)
        return QString();
    return DecodeUtf8(file.content.bytes(file.content.sections[file.group].name));
}

QString ReadTextKey(const QString& key, const QString& defaultValue) {
    const KeyValueEntry* entry = FindKey(KeyBytes(key));
    if (!entry)
        return defaultValue;
    return DecodeUtf8(TrimBlanksAndTabs(file.content.bytes(entry->value)));
}

std::int32_t ReadIntegerKey(const QString& key, std::int32_t defaultValue) {
    const KeyValueEntry* entry = FindKey(KeyBytes(key));
    if (!entry)
        return defaultValue;
    return ParseLeadingDecimal(file.content.bytes(entry->value));
}

} // namespace dw
