#include "project/project_file.h"

#include "project/key_value_file.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/tool_fixture.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace dw {
namespace {

using test::kNotAProject;
using test::kOpenFailed;

using test::DataPath;
using test::Scratch;
using test::ToolUnderTest;
using test::WriteBytes;


QString Flags(const Tool& tool) {
    QStringList flags;
    for (const GadgetRecord& r : tool.records)
        flags << QStringLiteral("%1/%2/%3/%4").arg(r.dynX).arg(r.dynY).arg(r.dynWidth).arg(r.dynHeight);
    return flags.join(' ');
}

// Each hand-made project is loaded after a form was imported. The tool answers
// clearly, keeps running, and the project file stays as it was.
TEST(BadProjects, EachGetsAClearAnswerAndStaysUntouched) {
    Scratch scratch;
    const QByteArray form = DataPath("forms/duplicate_names.pbf").toUtf8();
    const QByteArray pfad = "[Pfad]\r\nForm Datei = " + form + "\r\n";
    QByteArray folderPfad = "[Pfad]\r\nForm Datei = " + scratch.folder().toUtf8() + "\r\n";
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList messages;
        qsizetype records;
        QString flags;  // empty: not looked at
    };
    const Case cases[] = {
        {"no byte-order mark, Latin-1 name", "[Version]\r\nVersion = 0.6\r\n" + pfad + "[Text_0]\r\nx = 1\r\n; \xE4\r\n",
         {}, 3, "0/0/0/0 1/0/0/0 0/0/0/0"},
        {"a zero byte in the form path", "[Pfad]\r\nForm Datei = " + form + QByteArray("\0x", 2) + "\r\n",
         {kOpenFailed}, 0, ""},
        {"a zero byte in a value", pfad + "[Text_0]\r\nx = 1" + QByteArray("\0", 1) + "7\r\n", {}, 3,
         "0/0/0/0 1/0/0/0 0/0/0/0"},
        {"version 0.60", "[Version]\r\nVersion = 0.60\r\n" + pfad, {kNotAProject}, 5, ""},
        {"no Pfad group: marks go onto the records in memory", "[OkButton]\r\ny = 1\r\n", {}, 5,
         "0/1/0/0 0/0/0/0 0/0/0/0 0/0/0/0 0/0/0/0"},
        {"Pfad names a missing form", "[Pfad]\r\nForm Datei = " + scratch.path("gone.pbf").toUtf8() + "\r\n",
         {kOpenFailed}, 0, ""},
        {"Pfad names a folder", folderPfad, {kOpenFailed}, 0, ""},
        {"flags 2, -1 and 2^40", pfad + "[Button_0]\r\nx = 2\r\ny = -1\r\nbreite = 1099511627776\r\nhoehe = 1\r\n", {},
         3, "2/-1/0/1 0/0/0/0 2/-1/0/1"},
        {"keys outside any group", "x = 1\r\ny = 1\r\n" + pfad, {}, 3, "0/0/0/0 0/0/0/0 0/0/0/0"},
        {"garbage", QByteArray("\x00\xFF\x13[\r\n=\n]]]==[", 14), {}, 5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(scratch.path("p.dwkp"), c.bytes);
        ToolUnderTest t;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.user.log.clear();
        t.user.openAnswers.push_back(scratch.path("p.dwkp"));
        t.user.yesNoAnswers.push_back(true);
        LoadProject(t.tool);
        EXPECT_EQ(t.user.messages(), c.messages);
        EXPECT_EQ(t.tool.records.size(), c.records);
        if (!c.flags.isEmpty()) {
            EXPECT_EQ(Flags(t.tool), c.flags);
        }
        EXPECT_EQ(test::ReadBytes(scratch.path("p.dwkp")), c.bytes);
        EXPECT_FALSE(NextGroup()) << "the project file is closed";
    }
}

TEST(BadProjects, AFolderOrADeviceIsNoProject) {
    Scratch scratch;
    for (const QString& path : {scratch.folder(), QStringLiteral("/dev/zero")}) {
        ToolUnderTest t;
        t.user.openAnswers.push_back(path);
        LoadProject(t.tool);
        EXPECT_EQ(t.user.messages(), QStringList{kNotAProject}) << path.toStdString();
    }
}

TEST(BadProjects, AMillionGroupsLoadInLinearTime) {
    Scratch scratch;
    QByteArray bytes = "[Pfad]\r\nForm Datei = " + DataPath("forms/duplicate_names.pbf").toUtf8() + "\r\n";
    bytes.reserve(30 * 1000000);
    for (int i = 0; i < 1000000; ++i)
        bytes += "[G" + QByteArray::number(i) + "]\r\nx = 1\r\n";
    bytes += "[Text_0]\r\nhoehe = 1\r\n";
    WriteBytes(scratch.path("p.dwkp"), bytes);
    ToolUnderTest t;
    t.user.openAnswers.push_back(scratch.path("p.dwkp"));
    QElapsedTimer clock;
    clock.start();
    LoadProject(t.tool);
    EXPECT_LT(clock.elapsed(), 60000);
    EXPECT_EQ(t.user.messages(), QStringList());
    EXPECT_EQ(Flags(t.tool), "0/0/0/0 0/0/0/1 0/0/0/0");
}

} // namespace
} // namespace dw
