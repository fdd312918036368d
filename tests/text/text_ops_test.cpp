#include "text/text_ops.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

struct TextCase {
    const char* what;
    QString result;
    QString expected;
};

TEST(TextOps, TextResultsFollowTheEdgeRules) {
    const QString tab12 = QStringLiteral("\t12");
    const TextCase cases[] = {
        {"third field may be empty", FieldAt(u"a,b,,c", 3, u","), ""},
        {"fourth field", FieldAt(u"a,b,,c", 4, u","), "c"},
        {"past the last field", FieldAt(u"a,b,,c", 5, u","), ""},
        {"index 0", FieldAt(u"a,b,,c", 0, u","), ""},
        {"negative index", FieldAt(u"a,b,,c", -1, u","), ""},
        {"leading separator gives an empty first field", FieldAt(u" y = 0", 4, u" "), "0"},
        {"separator of several units", FieldAt(u"x = 1, x = 2", 2, u"x = "), "1, "},
        {"occurrences do not overlap", FieldAt(u"aaa", 2, u"aa"), "a"},
        {"empty separator, field 1", FieldAt(u"abc", 1, u""), "abc"},
        {"empty separator, field 2", FieldAt(u"abc", 2, u""), ""},
        {"empty text has one empty field", FieldAt(u"", 1, u","), ""},
        {"remove blanks", RemoveText(u"Window_0 ", u" "), "Window_0"},
        {"remove every occurrence", RemoveText(u"a.pbf.pbf", u".pbf"), "a"},
        {"remove is case-sensitive", RemoveText(u"a.PBF", u".pbf"), "a.PBF"},
        {"one pass: a new occurrence stays", RemoveText(u"aabb", u"ab"), "ab"},
        {"remove nothing", RemoveText(u"abc", u""), "abc"},
        {"trim a run", TrimTrailing(u"400))", u")"), "400"},
        {"trim only at the end", TrimTrailing(u"(400)x", u")"), "(400)x"},
        {"trim to empty", TrimTrailing(u")", u")"), ""},
        {"trim uses the first unit only", TrimTrailing(u"a))", u")x"), "a"},
        {"trim with empty character", TrimTrailing(u"a))", u""), "a))"},
        {"leading blanks only", TrimLeadingSpaces(u"   12 ").toString(), "12 "},
        {"a tab ends the run", TrimLeadingSpaces(tab12).toString(), tab12},
        {"blanks only", TrimLeadingSpaces(u"   ").toString(), ""},
        {"format negative", FormatInteger(-7), "-7"},
        {"format zero", FormatInteger(0), "0"},
        {"format smallest 32-bit", FormatInteger(INT32_MIN), "-2147483648"},
        {"format smallest 64-bit", FormatInteger(INT64_MIN), "-9223372036854775808"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.what;
}

TEST(TextOps, FindTextGivesOneBasedPositionsOrZero) {
    struct Case {
        const char16_t* text;
        const char16_t* part;
        int expected;
    };
    const Case cases[] = {
        {u"Form Designer", u"", 0}, {u"", u"x", 0},      {u"abcabc", u"c", 3},
        {u"abc", u"B", 0},          {u"abc", u"abcd", 0}, {u"xabc", u"abc", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindText(c.text, c.part), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(TextOps, ParseIntegerReadsTheStartOfATextAndWraps) {
    struct Case {
        QString text;
        std::int64_t expected;
    };
    const Case cases[] = {
        {"", 0},
        {" \t-42px", -42},
        {"- 5", 0},
        {"+7", 7},
        {"+-7", 0},
        {"$fF", 255},
        {"-$10", -16},
        {"%1012", 5},
        {"$", 0},
        {"\n5", 0},
        {"0x1F", 0},
        {"18446744073709551617", 1},
        {"9223372036854775808", INT64_MIN},
        {"-9223372036854775808", INT64_MIN},
        {QString::fromUtf16(u"\uFF11"), 0},  // only ASCII digits count
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.expected) << c.text.toStdString();
}

TEST(TextOps, ParsedValuesKeepTheirLowBitsIn32BitFields) {
    EXPECT_EQ(LowBits32(ParseInteger(u"4294967297")), 1);
    EXPECT_EQ(LowBits32(ParseInteger(u"2147483648")), INT32_MIN);
    EXPECT_EQ(LowBits32(ParseInteger(u"-1")), -1);
}

TEST(TextOps, TextEqualsComparesCodeUnitsExactly) {
    EXPECT_FALSE(TextEquals(u"Pfad", u"pfad"));
    EXPECT_TRUE(TextEquals(QString(), QStringLiteral("")));
    EXPECT_TRUE(TextEquals(u"Pfad", u"Pfad"));
    EXPECT_FALSE(TextEquals(u"Pfad", u"Pfad "));
}

TEST(TextOps, DecodeUtf8KeepsEveryByteOrderMarkAndReplacesBrokenSequences) {
    struct Case {
        QByteArray bytes;
        QString expected;
    };
    const QChar bom(0xFEFF), bad(0xFFFD);
    const Case cases[] = {
        {"", ""},
        {"Gadget_0", "Gadget_0"},
        {"\xEF\xBB\xBF" "B", QString(bom) + "B"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF", QString(bom) + bom},
        {"a\xEF\xBB\xBF" "b", QString("a") + bom + "b"},
        {"\xEF\xBB", QString(bad) + bad},
        {"\xC3\xA4\xC3", QString(QChar(0xE4)) + bad},
        {"\xFF" "x", QString(bad) + "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeUtf8(c.bytes), c.expected) << c.bytes.toHex(' ').toStdString();
}

} // namespace
} // namespace dw
