#include "project/key_value_file.h"

#include "support/files.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

using test::ReadBytes;
using test::Scratch;
using test::WriteBytes;

const QByteArray kHead("\xEF\xBB\xBF\r\n");

TEST(KeyValueWriting, TheSmallestFileHoldsExactlyItsBytes) {
    Scratch scratch;
    ASSERT_TRUE(CreateKeyValueFile(scratch.path("p")));
    EXPECT_FALSE(SelectGroup("A"));
    WriteTextKey("k", "v");
    WriteIntegerKey("n", -5);
    EXPECT_TRUE(CloseKeyValueFile());
    EXPECT_EQ(ReadBytes(scratch.path("p")).toHex(' '),
              QByteArray("ef bb bf 0d 0a 5b 41 5d 0d 0a 6b 20 3d 20 76 0d 0a 6e 20 3d 20 2d 35 0d 0a"));
}

TEST(KeyValueWriting, GroupsAndKeysMergeByAsciiCaseAndKeepTheirPlace) {
    Scratch scratch;
    ASSERT_TRUE(CreateKeyValueFile(scratch.path("p")));
    SelectGroup("A");
    WriteTextKey("k", "1");
    EXPECT_TRUE(SelectGroup("a"));
    WriteTextKey("K", "2");
    SelectGroup("B");
    WriteTextKey("k", "2");
    SelectGroup("A");
    WriteTextKey("m", "3");
    SelectGroup(QString::fromUtf8("Ü"));
    WriteTextKey("x", "1");
    SelectGroup(QString::fromUtf8("ü"));
    WriteTextKey("x", "2");
    SelectGroup("");
    WriteTextKey("top", "t");
    ASSERT_TRUE(CloseKeyValueFile());
    EXPECT_EQ(ReadBytes(scratch.path("p")),
              kHead + "top = t\r\n[A]\r\nK = 2\r\nm = 3\r\n[B]\r\nk = 2\r\n[\xC3\x9C]\r\nx = 1\r\n[\xC3\xBC]\r\nx = 2\r\n");
}

TEST(KeyValueWriting, ManyGroupsAndLongValuesAreWrittenWholeAndReadBack) {
    Scratch scratch;
    const int groups = 20000;
    const QString longValue = QString(70000, u'v') + QString::fromUtf8("\xC3\xA4");
    ASSERT_TRUE(CreateKeyValueFile(scratch.path("p")));
    for (int i = 0; i < groups; ++i) {
        EXPECT_FALSE(SelectGroup(QStringLiteral("G%1").arg(i)));
        WriteIntegerKey("x", i);
        WriteIntegerKey("y", i % 2);
    }
    // A name that never gets a key, then a group from long ago.
    EXPECT_FALSE(SelectGroup("Unused"));
    EXPECT_TRUE(SelectGroup("g10"));
    WriteTextKey("late", longValue);
    WriteIntegerKey("X", -1);
    ASSERT_TRUE(CloseKeyValueFile());

    QByteArray expected = kHead;
    for (int i = 0; i < groups; ++i) {
        expected += "[G" + QByteArray::number(i) + "]\r\n";
        expected += (i == 10 ? "X = -1" : "x = " + QByteArray::number(i)) + "\r\ny = " + QByteArray::number(i % 2) + "\r\n";
        if (i == 10)
            expected += "late = " + longValue.toUtf8() + "\r\n";
    }
    EXPECT_EQ(ReadBytes(scratch.path("p")), expected);

    ASSERT_TRUE(OpenKeyValueFile(scratch.path("p")));
    RewindGroups();
    int seen = 0;
    while (NextGroup()) {
        EXPECT_EQ(CurrentGroupName(), QStringLiteral("G%1").arg(seen));
        EXPECT_EQ(ReadIntegerKey("x", 7), seen == 10 ? -1 : seen);
        ++seen;
    }
    EXPECT_EQ(seen, groups);
    CloseKeyValueFile();
}

TEST(KeyValueWriting, AGroupWithoutKeysIsNeverWritten) {
    Scratch scratch;
    ASSERT_TRUE(CreateKeyValueFile(scratch.path("p")));
    SelectGroup("A");
    EXPECT_TRUE(CloseKeyValueFile());
    EXPECT_EQ(ReadBytes(scratch.path("p")), QByteArray());
}

TEST(KeyValueWriting, AFailedWriteLeavesThePreviousFile) {
    Scratch scratch;
    WriteBytes(scratch.path("p"), "old project");
    ASSERT_TRUE(CreateKeyValueFile(scratch.path("p")));
    SelectGroup("A");
    WriteTextKey("k", "v");
    // Until close the old content is what a reader sees.
    EXPECT_EQ(ReadBytes(scratch.path("p")), "old project");
    EXPECT_TRUE(CloseKeyValueFile());
    EXPECT_EQ(ReadBytes(scratch.path("p")), kHead + "[A]\r\nk = v\r\n");

    EXPECT_FALSE(CreateKeyValueFile(QString()));
    EXPECT_FALSE(CreateKeyValueFile(scratch.folder()));
    if (QFile::exists("/dev/full")) {
        ASSERT_TRUE(CreateKeyValueFile("/dev/full"));
        SelectGroup("A");
        WriteTextKey("k", "v");
        EXPECT_FALSE(CloseKeyValueFile());
    }
}

// Opens bytes as a file and lists "group: key=value" for every key of every
// group, with ReadTextKey for each key name found in the file.
QStringList Dump(const QByteArray& bytes, const QStringList& keys) {
    Scratch scratch;
    WriteBytes(scratch.path("f"), bytes);
    EXPECT_TRUE(OpenKeyValueFile(scratch.path("f")));
    QStringList out;
    RewindGroups();
    auto dumpKeys = [&](const QString& group) {
        for (const QString& key : keys) {
            const QString value = ReadTextKey(key, "<none>");
            if (value != "<none>")
                out << group + ": " + key + "=" + value;
        }
    };
    dumpKeys("top");
    while (NextGroup())
        dumpKeys("[" + CurrentGroupName() + "]");
    CloseKeyValueFile();
    return out;
}

TEST(KeyValueReading, LinesAreReadByTheirFirstCharacter) {
    struct Case {
        QByteArray bytes;
        QStringList keys;
        QStringList expected;
    };
    const Case cases[] = {
        {"  [ Pfad ]\nk=1", {"k"}, {"[ Pfad ]: k=1"}},
        {"[Pfad] rest\nk=1", {"k"}, {"[Pfad]: k=1"}},
        {"[Pfad\nk=1", {"k"}, {"[Pfad]: k=1"}},
        {"[A]\nx=1\n", {"x"}, {"[A]: x=1"}},
        {"[A]\nx = 1  \n", {"x"}, {"[A]: x=1"}},
        {"[A]\n\tx\t=\t1\n", {"x"}, {"[A]: x=1"}},
        {"[A]\nForm Datei = C:\\a=b.pbf\n", {"Form Datei"}, {"[A]: Form Datei=C:\\a=b.pbf"}},
        {"[A]\n  ; x = 1\n", {"x"}, {}},
        {"[A]\nx = 1 ; note\n", {"x"}, {"[A]: x=1 ; note"}},
        {"[A]\r\nVersion\r\nx=1\r\n", {"Version", "x"}, {"[A]: Version=", "[A]: x=1"}},
        {"[A]\nVersion\nx=1\n", {"Version", "x"}, {"[A]: Version=", "[A]: x=1"}},
        {"[A]\rVersion\rx=1\r", {"Version", "x"}, {"[A]: Version=", "[A]: x=1"}},
        {"[A]\nx = 1\nx = 2\n", {"x"}, {"[A]: x=1"}},
        {"[A]\nx = 1\n", {"X"}, {"[A]: X=1"}},
        {"\xEF\xBB\xBF[A]\n\xC3\xBC = 1\n", {QString::fromUtf8("Ü")}, {}},
        {"k=top\n[A]\nj=a\n", {"k", "j"}, {"top: k=top", "[A]: j=a"}},
        {"[Version]\nx=1\n[Version]\nx=2\n", {"x"}, {"[Version]: x=1", "[Version]: x=2"}},
        {"\xE4=1", {QString::fromUtf8("ä")}, {QString::fromUtf8("top: ä=1")}},
        {"\xEF\xBB\xBF\xC3\xA4=1", {QString::fromUtf8("ä")}, {QString::fromUtf8("top: ä=1")}},
        {"\xEF\xBB\xBF", {"x"}, {}},
        {"[A]", {"x"}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Dump(c.bytes, c.keys), c.expected) << c.bytes.toStdString();
}

TEST(KeyValueReading, IntegerKeysReadTheNumberAtTheStart) {
    Scratch scratch;
    WriteBytes(scratch.path("f"), "[A]\na=1abc\nb=-3\nc=+4\nd=abc\ne=4294967297\n");
    ASSERT_TRUE(OpenKeyValueFile(scratch.path("f")));
    ASSERT_TRUE(NextGroup());
    EXPECT_EQ(ReadIntegerKey("a", 7), 1);
    EXPECT_EQ(ReadIntegerKey("b", 7), -3);
    EXPECT_EQ(ReadIntegerKey("c", 7), 4);
    EXPECT_EQ(ReadIntegerKey("d", 7), 0);
    EXPECT_EQ(ReadIntegerKey("e", 7), 1);
    EXPECT_EQ(ReadIntegerKey("missing", 7), 7);
    EXPECT_FALSE(NextGroup());
    EXPECT_EQ(CurrentGroupName(), "A");
    CloseKeyValueFile();
}

TEST(KeyValueReading, WithoutAFileNothingIsFound) {
    EXPECT_FALSE(OpenKeyValueFile("/nonexistent/file.dwkp"));
    EXPECT_FALSE(NextGroup());
    EXPECT_EQ(CurrentGroupName(), "");
    EXPECT_EQ(ReadTextKey("x", "d"), "d");
    EXPECT_EQ(ReadIntegerKey("x", 3), 3);
}

} // namespace
} // namespace dw
