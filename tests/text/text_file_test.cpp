#include "text/text_file.h"
#include "text/text_ops.h"

#include "support/files.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace dw {
namespace {

using test::ReadBytes;
using test::Scratch;
using test::WriteBytes;

QStringList ReadAllLines(const QString& path) {
    QStringList lines;
    EXPECT_TRUE(OpenTextForReading(path));
    while (!AtEndOfText())
        lines << ReadTextLine();
    CloseTextFile();
    return lines;
}

TEST(TextFileLines, EveryKindOfLineEndCutsLines) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {QByteArray("a\r\nb"), {"a", "b"}},
        {QByteArray("a\r\nb\r\n"), {"a", "b"}},
        {QByteArray("a\n\rb"), {"a", "", "b"}},
        {QByteArray("a\r\r\nb"), {"a", "", "b"}},
        {QByteArray("a\rb"), {"a", "b"}},
        {QByteArray("a\r"), {"a"}},
        {QByteArray("a\0b\r\n", 5), {"a", "b"}},
        {QByteArray(""), {}},
        {QByteArray("\n"), {""}},
        {QByteArray("\xC3\x9C" "ber"), {QString::fromUtf8("Über")}},
        {QByteArray("\xE4"), {QString(QChar(0xFFFD))}},
        {QByteArray("\xF0\x9F\x98\x80"), {QString::fromUtf16(u"\U0001F600")}},
    };
    Scratch scratch;
    for (const Case& c : cases) {
        WriteBytes(scratch.path("f"), c.bytes);
        EXPECT_EQ(ReadAllLines(scratch.path("f")), c.lines) << c.bytes.toHex().toStdString();
    }
}

TEST(TextFileLines, AByteOrderMarkStaysAtTheStartOfTheFirstLine) {
    Scratch scratch;
    WriteBytes(scratch.path("f"), "\xEF\xBB\xBF; Form Designer for Purebasic - 5.22\r\n");
    const QStringList lines = ReadAllLines(scratch.path("f"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].front(), QChar(0xFEFF));
    EXPECT_GT(lines[0].indexOf(u"Form Designer for Purebasic - 5.22"), 0);
}

TEST(TextFileLines, LinesLongerThanTheBufferAndEndsAtBufferEdgesSurvive) {
    Scratch scratch;
    // A CR as the last byte of the first 4096-byte block, its LF in the next one.
    QByteArray bytes(4095, 'x');
    bytes += "\r\n";
    bytes += QByteArray(10000, 'y');
    bytes += "\r\nz";
    WriteBytes(scratch.path("f"), bytes);
    const QStringList lines = ReadAllLines(scratch.path("f"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString(4095, u'x'));
    EXPECT_EQ(lines[1], QString(10000, u'y'));
    EXPECT_EQ(lines[2], "z");

    // A zero byte as the last byte of a block ends its line; the next block goes on.
    QByteArray zero(4095, 'x');
    zero += '\0';
    zero += "y";
    WriteBytes(scratch.path("g"), zero);
    EXPECT_EQ(ReadAllLines(scratch.path("g")), (QStringList{QString(4095, u'x'), "y"}));
}

TEST(TextFileLines, ReadingAtTheEndGivesTheEmptyText) {
    Scratch scratch;
    WriteBytes(scratch.path("f"), "");
    ASSERT_TRUE(OpenTextForReading(scratch.path("f")));
    EXPECT_TRUE(AtEndOfText());
    EXPECT_EQ(ReadTextLine(), "");
    CloseTextFile();
}

TEST(TextFileLines, OnlyExistingFilesOpen) {
    Scratch scratch;
    EXPECT_FALSE(OpenTextForReading(scratch.path("missing")));
    EXPECT_FALSE(OpenTextForReading(scratch.folder()));
    EXPECT_FALSE(OpenTextForReading(QString()));
    EXPECT_FALSE(QFile::exists(scratch.path("missing")));
}

TEST(TextFileLines, WrittenLinesAreUtf8WithCrLf) {
    Scratch scratch;
    ASSERT_TRUE(CreateTextFile(scratch.path("out")));
    WriteTextLine(QString::fromUtf8("Über"));
    WriteTextLine(QString());
    const QString longLine(5000, u'a');
    WriteTextLine(longLine);
    EXPECT_TRUE(CloseTextFile());
    EXPECT_EQ(ReadBytes(scratch.path("out")), QByteArray("\xC3\x9C" "ber\r\n\r\n") + longLine.toUtf8() + "\r\n");
}

TEST(TextFileLines, CreatingEmptiesAnExistingFileAndKeepsItsPermissions) {
    Scratch scratch;
    WriteBytes(scratch.path("old"), QByteArray(100, 'o'));
    QFile::setPermissions(scratch.path("old"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    ASSERT_TRUE(CreateTextFile(scratch.path("old")));
    EXPECT_TRUE(CloseTextFile());
    EXPECT_EQ(ReadBytes(scratch.path("old")), QByteArray());
    EXPECT_EQ(QFile::permissions(scratch.path("old")) & (QFile::WriteOwner | QFile::ReadOther),
              QFile::WriteOwner | QFile::ReadOther);
    EXPECT_EQ(QDir(scratch.folder()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

TEST(TextFileLines, TargetsThatCannotBeWrittenAreRefused) {
    Scratch scratch;
    WriteBytes(scratch.path("readonly"), "keep");
    QFile::setPermissions(scratch.path("readonly"), QFile::ReadOwner);
    EXPECT_FALSE(CreateTextFile(scratch.path("readonly")));
    EXPECT_FALSE(CreateTextFile(scratch.folder()));
    EXPECT_FALSE(CreateTextFile(scratch.path("no/such/folder/x.txt")));
    EXPECT_FALSE(CreateTextFile(QString()));
    EXPECT_EQ(ReadBytes(scratch.path("readonly")), "keep");
}

TEST(TextFileLines, AFailedWriteIsReportedAndLeavesTheOldFile) {
    // /dev/full takes the bytes and then fails: the caller must hear of it.
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    ASSERT_TRUE(CreateTextFile("/dev/full"));
    for (int i = 0; i < 1000; ++i)
        WriteTextLine(QStringLiteral("ResizeGadget(x,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)"));
    EXPECT_TRUE(TextFileWriteFailed());
    EXPECT_FALSE(CloseTextFile());
}

TEST(TextFileLines, FileSizeOfTellsFilesFoldersAndNothing) {
    Scratch scratch;
    WriteBytes(scratch.path("empty"), "");
    WriteBytes(scratch.path("three"), "abc");
    EXPECT_EQ(FileSizeOf(scratch.path("missing")), -1);
    EXPECT_EQ(FileSizeOf(scratch.path("empty")), 0);
    EXPECT_EQ(FileSizeOf(scratch.path("three")), 3);
    EXPECT_EQ(FileSizeOf(scratch.folder()), -2);
    EXPECT_EQ(FileSizeOf(scratch.folder() + "/"), -2);
    EXPECT_EQ(FileSizeOf(QString()), -1);
}

} // namespace
} // namespace dw

namespace dw {
namespace {

TEST(TextFileLines, SkimmingALineFindsExactlyWhatReadingItWould) {
    const QByteArray phrase = "Form Designer for Purebasic - 5.22";
    const QByteArray cases[] = {
        "; " + phrase + "\r\nnext",
        "\xEF\xBB\xBF; " + phrase,
        "\xE4" + phrase,
        "\xF0\x9F" + phrase,
        "\xC3" + phrase + "\xC3",
        "; Form Designer for Purebasic - 5.2\r\n2",
        "\r\n; " + phrase,
        QByteArray(5000, 'x') + phrase + QByteArray(5000, 'y'),
        QByteArray(4090, 'x') + phrase,
        "; Form Designer for Pure\0basic - 5.22",
        "",
    };
    Scratch scratch;
    for (const QByteArray& bytes : cases) {
        test::WriteBytes(scratch.path("f"), bytes);
        ASSERT_TRUE(OpenTextForReading(scratch.path("f")));
        const bool read = FindText(ReadTextLine(), QString::fromLatin1(phrase)) > 0;
        const QString second = ReadTextLine();
        ASSERT_TRUE(OpenTextForReading(scratch.path("f")));
        EXPECT_EQ(SkimTextLineFor({phrase}), read) << bytes.left(80).toStdString();
        EXPECT_EQ(ReadTextLine(), second) << "the skim ends where the line ends";
        CloseTextFile();
    }
}

TEST(TextFileLines, PathsWithAZeroCharacterNameNoFile) {
    Scratch scratch;
    test::WriteBytes(scratch.path("a"), "x");
    const QString cut = scratch.path("a") + QChar(0) + "b";
    EXPECT_FALSE(OpenTextForReading(cut));
    EXPECT_FALSE(CreateTextFile(cut));
    EXPECT_EQ(FileSizeOf(cut), -1);
    EXPECT_EQ(test::ReadBytes(scratch.path("a")), "x");
}

} // namespace
} // namespace dw
