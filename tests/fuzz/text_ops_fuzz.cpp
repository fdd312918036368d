// The text operations against plain reference versions built on Qt's own
// string functions: the fast loops must give the same answers.
#include "fuzz/fuzz_support.h"
#include "text/text_ops.h"

#include <QStringList>
#include <cstdint>

namespace {

QString ReferenceFieldAt(const QString& text, int index, const QString& separator) {
    if (index < 1)
        return QString();
    if (separator.isEmpty())
        return index == 1 ? text : QString();
    return text.split(separator, Qt::KeepEmptyParts).value(index - 1);
}

QString ReferenceRemoveText(const QString& text, const QString& part) {
    if (part.isEmpty())
        return text;
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        if (QStringView(text).mid(i).startsWith(part)) {
            i += part.size();
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dw;
    if (size < 2)
        return 0;
    const int index = static_cast<int>(data[0]) % 8 - 1;
    const std::size_t cut = 1 + data[1] % (size - 1);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data + 2), (size - 2) / 2)
                             .left(static_cast<qsizetype>(cut));
    const QString part = QString::fromUtf16(reinterpret_cast<const char16_t*>(data + 2), (size - 2) / 2)
                             .mid(static_cast<qsizetype>(cut), 3);

    const qsizetype at = part.isEmpty() || text.isEmpty() ? -1 : text.indexOf(part);
    DW_FUZZ_CHECK(FindText(text, part) == static_cast<int>(at + 1));
    DW_FUZZ_CHECK(FieldAt(text, index, part) == ReferenceFieldAt(text, index, part));
    DW_FUZZ_CHECK(RemoveText(text, part) == ReferenceRemoveText(text, part));
    DW_FUZZ_CHECK(!TrimTrailing(text, part).endsWith(part.isEmpty() ? QString() : part.left(1)) || part.isEmpty());
    DW_FUZZ_CHECK(!TrimLeadingSpaces(text).startsWith(u' '));
    const std::int64_t value = ParseInteger(text);
    DW_FUZZ_CHECK(ParseInteger(FormatInteger(value)) == value);
    DW_FUZZ_CHECK(TextEquals(text, QString(text)) && TextEquals(text, part) == (text == part));
    return 0;
}
