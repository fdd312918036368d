#include "generate/resize_commands_file.h"
#include "project/project_file.h"

#include "support/files.h"
#include "support/tool_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace dw {
namespace {

using test::ReadBytes;

// Names the first line in which two files differ, for a readable failure.
std::string FirstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray left = a.value(i, "<end of file>");
        const QByteArray right = e.value(i, "<end of file>");
        if (left != right)
            return "line " + std::to_string(i + 1) + ": got [" + left.toStdString() + "] expected [" +
                   right.toStdString() + "]";
    }
    return "identical";
}

void ApplyMarks(Tool& tool, const QByteArray& marks) {
    for (const QByteArray& line : marks.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QList<QByteArray> fields = line.split(' ');
        ASSERT_GE(fields.size(), 5) << line.toStdString();
        const int h = fields.takeLast().toInt(), w = fields.takeLast().toInt();
        const int y = fields.takeLast().toInt(), x = fields.takeLast().toInt();
        const QString name = QString::fromUtf8(fields.join(' '));
        ASSERT_GT(tool.records.countNamed(name), 0) << "no gadget " << name.toStdString();
        tool.records.forEachNamed(name, [&](GadgetRecord& r) {
            r.dynX = x;
            r.dynY = y;
            r.dynWidth = w;
            r.dynHeight = h;
        });
    }
}

void RunCase(const QDir& dir) {
    test::Scratch scratch;
    const QString form = scratch.path("form.pbf");
    const QString source = dir.exists("form.fixture")
                               ? test::FixturePath(QString::fromUtf8(ReadBytes(dir.filePath("form.fixture")).trimmed()))
                               : dir.filePath("form.pbf");
    ASSERT_TRUE(QFile::copy(source, form)) << source.toStdString();

    test::ToolUnderTest t;
    t.importForm(form);
    ApplyMarks(t.tool, ReadBytes(dir.filePath("marks")));

    t.user.saveAnswers.push_back(scratch.path("project.dwkp"));
    SaveProject(t.tool);
    QByteArray expectedProject = ReadBytes(dir.filePath("expected.dwkp"));
    expectedProject.replace("@FORM@", form.toUtf8());
    const QByteArray project = ReadBytes(scratch.path("project.dwkp"));
    EXPECT_EQ(project, expectedProject) << FirstDifference(project, expectedProject);

    if (dir.exists("edited.pbf")) {
        test::WriteBytes(form, ReadBytes(dir.filePath("edited.pbf")));
        t.user.openAnswers.push_back(scratch.path("project.dwkp"));
        t.user.yesNoAnswers.push_back(true);
        LoadProject(t.tool);
    }

    t.user.saveAnswers.push_back(scratch.path("commands.txt"));
    SaveResizeCommands(t.tool);
    const QByteArray expectedCommands = ReadBytes(dir.filePath("expected.txt"));
    const QByteArray commands = ReadBytes(scratch.path("commands.txt"));
    EXPECT_EQ(commands, expectedCommands) << FirstDifference(commands, expectedCommands);
    EXPECT_EQ(t.user.messages(), QStringList());
    EXPECT_EQ(t.user.log.filter("UNSCRIPTED"), QStringList());
}

TEST(FormToFile, EveryCaseFolderComesOutByteForByte) {
    const QDir cases(test::DataPath("cases"));
    const QStringList names = cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        RunCase(QDir(cases.filePath(name)));
    }
}

} // namespace
} // namespace dw
