#include "project/key_value_file.h"

#include "project/key_value_parse.h"
#include "text/platform_file.h"

#include <QFile>
#include <QHash>

namespace dw {

namespace {

enum class Mode { None, Created, Opened };

struct CurrentFile {
    Mode mode = Mode::None;
    platform::ReplaceTarget target;
    KeyValueContent content;
    std::size_t group = 0;  // section index; 0 is the area before the first group
    QByteArray pendingGroup;
    QByteArray pendingFolded;
    bool hasPending = false;
    bool modified = false;
    QHash<QByteArray, std::size_t> groupByFoldedName;  // first section of each name
};

CurrentFile file;

void Forget() {
    file.mode = Mode::None;
    file.content = KeyValueContent();
    file.group = 0;
    file.pendingGroup.clear();
    file.pendingFolded.clear();
    file.hasPending = false;
    file.modified = false;
    file.groupByFoldedName.clear();
}

void CreatePendingGroup() {
    if (!file.hasPending)
        return;
    file.content.sections.push_back(KeyValueSection{file.pendingGroup, {}});
    file.group = file.content.sections.size() - 1;
    file.groupByFoldedName.insert(file.pendingFolded, file.group);
    file.pendingGroup.clear();
    file.pendingFolded.clear();
    file.hasPending = false;
}

const KeyValueEntry* FindKey(QByteArrayView key) {
    if (file.mode == Mode::None)
        return nullptr;
    for (const KeyValueEntry& entry : file.content.sections[file.group].entries) {
        if (!entry.isComment && NamesEqual(entry.name, key))
            return &entry;
    }
    return nullptr;
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
        const QByteArray bytes = file.modified ? SerializeKeyValueText(file.content) : QByteArray();
        if (platform::WriteAll(file.target.fd, reinterpret_cast<const unsigned char*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()))) {
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
    file.groupByFoldedName.reserve(count);
}

bool SelectGroup(const QString& name) {
    if (file.mode == Mode::None)
        return false;
    file.hasPending = false;
    file.pendingGroup.clear();
    if (name.isEmpty()) {
        file.group = 0;
        return true;
    }
    const QByteArray utf8 = name.toUtf8();
    QByteArray folded = FoldAsciiCase(utf8);
    const auto found = file.groupByFoldedName.constFind(folded);
    if (found != file.groupByFoldedName.constEnd()) {
        file.group = *found;
        return true;
    }
    file.pendingGroup = utf8;
    file.pendingFolded = std::move(folded);
    file.hasPending = true;
    return false;
}

namespace {

// The UTF-8 form of a key name. A project writes the same four names for every
// gadget: converted once, each entry then shares the same bytes.
QByteArray KeyBytes(const QString& key) {
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

// The decimal text of an integer; the marks 0 and 1 share their bytes.
QByteArray IntegerBytes(std::int32_t value) {
    static const QByteArray zero("0"), one("1");
    return value == 0 ? zero : value == 1 ? one : QByteArray::number(value);
}

void WriteKey(const QString& key, QByteArray value) {
    if (file.mode == Mode::None)
        return;
    CreatePendingGroup();
    const QByteArray name = KeyBytes(key);
    file.modified = true;
    std::vector<KeyValueEntry>& entries = file.content.sections[file.group].entries;
    for (KeyValueEntry& entry : entries) {
        if (!entry.isComment && NamesEqual(entry.name, name)) {
            entry.name = name;
            entry.value = std::move(value);
            return;
        }
    }
    if (entries.empty())
        entries.reserve(4);  // a project's gadget groups hold four keys
    entries.push_back(KeyValueEntry{name, std::move(value), false});
}

} // namespace

void WriteTextKey(const QString& key, const QString& value) {
    WriteKey(key, value.toUtf8());
}

void WriteIntegerKey(const QString& key, std::int32_t value) {
    WriteKey(key, IntegerBytes(value));
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
    return QString::fromUtf8(file.content.sections[file.group].name);
}

QString ReadTextKey(const QString& key, const QString& defaultValue) {
    const KeyValueEntry* entry = FindKey(KeyBytes(key));
    if (!entry)
        return defaultValue;
    return QString::fromUtf8(TrimBlanksAndTabs(entry->value));
}

std::int32_t ReadIntegerKey(const QString& key, std::int32_t defaultValue) {
    const KeyValueEntry* entry = FindKey(KeyBytes(key));
    if (!entry)
        return defaultValue;
    return ParseLeadingDecimal(entry->value);
}

} // namespace dw
