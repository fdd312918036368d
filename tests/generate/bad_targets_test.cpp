#include "generate/resize_commands_file.h"
#include "project/project_file.h"

#include "support/files.h"
#include "support/tool_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace dw {
namespace {

using test::ReadBytes;
using test::Scratch;
using test::WriteBytes;

// Saves both files to target through the operations; answers Yes to a replace question.
QStringList SaveBoth(const QString& target) {
    test::ToolUnderTest t;
    t.tool.state.formPath = "/forms/haupt.pbf";
    t.tool.state.windowVar = "W";
    t.tool.records.append(GadgetRecord{"Knopf", "ButtonGadget", 1, 2, 3, 4, 1, 0, 0, 1});
    for (int i = 0; i < 2; ++i) {
        t.user.saveAnswers.push_back(target);
        t.user.yesNoAnswers.push_back(true);
    }
    SaveProject(t.tool);
    SaveResizeCommands(t.tool);
    return t.user.messages();
}

TEST(BadTargets, EveryWriteFailureIsReportedAndTheOldFileSurvives) {
    Scratch scratch;
    WriteBytes(scratch.path("readonly.txt"), "old");
    QFile::setPermissions(scratch.path("readonly.txt"), QFile::ReadOwner);
    const QString failing[] = {scratch.path("readonly.txt"), scratch.folder(), scratch.path("no/folder/x.txt"),
                               "/dev/full"};
    for (const QString& target : failing) {
        const QString message = "message Fehler!|Die Datei " + target + " konnte nicht geschrieben werden.";
        EXPECT_EQ(SaveBoth(target), (QStringList{message, message})) << target.toStdString();
    }
    EXPECT_EQ(ReadBytes(scratch.path("readonly.txt")), "old");
    EXPECT_EQ(QDir(scratch.folder()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

TEST(BadTargets, UnusualButValidPathsAreWritten) {
    Scratch scratch;
    const QString umlauts = scratch.path(QString::fromUtf8("Ordner mit Blanks und Ümläuten/Größe ä.txt"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(umlauts).path()));
    QString longPath = scratch.folder();
    while (longPath.size() < 300) {
        longPath += "/" + QString(60, u'd');
        ASSERT_TRUE(QDir().mkpath(longPath));
    }
    longPath += "/commands.txt";
    for (const QString& target : {umlauts, longPath}) {
        EXPECT_EQ(SaveBoth(target), QStringList()) << target.toStdString();
        EXPECT_EQ(ReadBytes(target), "ResizeGadget(Knopf,WindowWidth(W)-2+3,#PB_Ignore,#PB_Ignore,WindowHeight(W)--6-2)\r\n");
    }
}

} // namespace
} // namespace dw
