// Bytes as a key-value file: reading must take any of them, and what is read
// must survive being written and read again.
#include "fuzz/fuzz_support.h"
#include "project/key_value_file.h"
#include "project/key_value_parse.h"

#include <QStringList>
#include <cstdint>

namespace {

// Every group with the values of the keys it holds, as the reading calls see them.
QStringList ReadBack(const QString& path, const QStringList& keys) {
    using namespace dw;
    QStringList seen;
    DW_FUZZ_CHECK(OpenKeyValueFile(path));
    RewindGroups();
    while (NextGroup()) {
        seen << CurrentGroupName();
        for (const QString& key : keys)
            seen << key + u'=' + ReadTextKey(key, QStringLiteral("<none>")) + u'/' +
                        QString::number(ReadIntegerKey(key, -7));
    }
    CloseKeyValueFile();
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dw;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const KeyValueContent content = ParseKeyValueText(bytes);
    DW_FUZZ_CHECK(!content.sections.empty() && content.sections.front().name.size == 0);

    QStringList keys = {QStringLiteral("x"), QStringLiteral("Version"), QStringLiteral("Form Datei")};
    qsizetype chained = 0;
    for (const KeyValueSection& section : content.sections) {
        content.forEachEntry(section, [&](const KeyValueEntry& entry) {
            ++chained;
            if (!entry.isComment() && keys.size() < 8)
                keys << QString::fromUtf8(content.bytes(entry.name));
        });
    }
    DW_FUZZ_CHECK(chained == static_cast<qsizetype>(content.entries.size()));
    const QString path = fuzz::ScratchPath("file.dwkp");
    fuzz::WriteFile(path, bytes);
    const QStringList first = ReadBack(path, keys);
    DW_FUZZ_CHECK(first.size() == static_cast<qsizetype>(content.sections.size() - 1) * (1 + keys.size()));

    // Written out as the tool writes files (with a byte-order mark) and read
    // again, groups and values that hold no line end and no bracket stay as they were.
    const QByteArray again = SerializeKeyValueText(ParseKeyValueText(SerializeKeyValueText(content)));
    DW_FUZZ_CHECK(again == SerializeKeyValueText(ParseKeyValueText(again)));
    return 0;
}
