#include "generate/resize_command.h"
#include "generate/resize_commands_file.h"

#include "support/files.h"
#include "support/tool_fixture.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

GadgetRecord Record(const QString& name, int x, int y, int width, int height, int dx = 0, int dy = 0, int dw = 0,
                    int dh = 0) {
    return GadgetRecord{name, QString(), x, y, width, height, dx, dy, dw, dh};
}

ToolState MainWin(const QString& width = "600", const QString& height = "400") {
    ToolState state;
    state.windowVar = "MainWin";
    state.windowWidthText = width;
    state.windowHeightText = height;
    return state;
}

TEST(ResizeCommand, EachMarkBecomesAnExpressionThatKeepsTheDistanceToTheEdge) {
    struct Case {
        GadgetRecord record;
        ToolState state;
        QString expected;
    };
    const Case cases[] = {
        {Record("OkButton", 20, 340, 100, 25), MainWin(),
         "ResizeGadget(OkButton,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)"},
        {Record("OkButton", 20, 340, 100, 25, 0, 1), MainWin(),
         "ResizeGadget(OkButton,#PB_Ignore,WindowHeight(MainWin)-85+25,#PB_Ignore,#PB_Ignore)"},
        {Record("OkButton", 20, 340, 100, 25, 1, 1, 1, 1), MainWin(),
         "ResizeGadget(OkButton,WindowWidth(MainWin)-680+100,WindowHeight(MainWin)-85+25,WindowWidth(MainWin)-480-20,"
         "WindowHeight(MainWin)-35-340)"},
        {Record("InfoEdit", 20, 20, 560, 300, 0, 0, 1, 1), MainWin(),
         "ResizeGadget(InfoEdit,#PB_Ignore,#PB_Ignore,WindowWidth(MainWin)-20-20,WindowHeight(MainWin)-80-20)"},
        {Record("LogoImage", 550, 10, 100, 50, 0, 0, 1, 0), MainWin(),
         "ResizeGadget(LogoImage,#PB_Ignore,#PB_Ignore,WindowWidth(MainWin)--50-550,#PB_Ignore)"},
        {Record("OkButton", 20, 340, 100, 25, 1), MainWin(""),
         "ResizeGadget(OkButton,WindowWidth(MainWin)-80+100,#PB_Ignore,#PB_Ignore,#PB_Ignore)"},
        {Record("OkButton", 20, 340, 100, 25, 1, 0, 0, 1), ToolState{},
         "ResizeGadget(OkButton,WindowWidth()-80+100,#PB_Ignore,#PB_Ignore,WindowHeight()--365-340)"},
        // The window's own quit button and list at 980 x 600.
        {Record("ButtonQuit", 840, 520, 100, 30, 1), MainWin("980", "600"),
         "ResizeGadget(ButtonQuit,WindowWidth(MainWin)-240+100,#PB_Ignore,#PB_Ignore,#PB_Ignore)"},
        // Differences wrap to 32 bits, like the fields they come from.
        {Record("Far", -2147483647 - 1, 0, 1, 0, 1), MainWin("2147483647"),
         "ResizeGadget(Far,WindowWidth(MainWin)-0+1,#PB_Ignore,#PB_Ignore,#PB_Ignore)"},
        // Marks from a hand-edited project that are neither 0 nor 1 leave the value alone.
        {Record("Odd", 1, 2, 3, 4, 2, -1, 1, 7), MainWin(),
         "ResizeGadget(Odd,#PB_Ignore,#PB_Ignore,WindowWidth(MainWin)-596-1,#PB_Ignore)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResizeCommandLine(c.record, c.state), c.expected) << c.expected.toStdString();
}

TEST(ResizeCommandFile, OneLinePerRecordInListOrderWithCrLf) {
    test::ToolUnderTest t;
    test::Scratch scratch;
    t.tool.state = MainWin();
    t.tool.state.formPath = scratch.path("haupt.pbf");
    t.tool.records.append(Record("OkButton", 20, 340, 100, 25, 0, 1));
    t.tool.records.append(Record("Knopf", 1, 2, 3, 4));
    t.tool.records.append(Record("OkButton", 20, 340, 100, 25));
    t.user.saveAnswers.push_back(scratch.path("out.txt"));
    SaveResizeCommands(t.tool);
    EXPECT_EQ(test::ReadBytes(scratch.path("out.txt")),
              "ResizeGadget(OkButton,#PB_Ignore,WindowHeight(MainWin)-85+25,#PB_Ignore,#PB_Ignore)\r\n"
              "ResizeGadget(Knopf,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n"
              "ResizeGadget(OkButton,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n");
    const FileDialogRequest& dialog = t.user.dialogs.at(0);
    EXPECT_EQ(dialog.title, "Resitze Befehle speichern");
    EXPECT_EQ(dialog.folder, scratch.folder());
    EXPECT_EQ(dialog.fileName, "haupt.txt");
    EXPECT_EQ(dialog.patterns, "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(t.user.messages(), QStringList());

    // Writing again asks before replacing; No leaves the file alone.
    t.tool.records.clear();
    t.user.saveAnswers.push_back(scratch.path("out.txt"));
    t.user.yesNoAnswers.push_back(false);
    SaveResizeCommands(t.tool);
    EXPECT_EQ(t.user.log.last(), "ask Achtung!|Die Datei " + scratch.path("out.txt") + " existiert bereits. Überschreiben?");
    EXPECT_EQ(test::ReadBytes(scratch.path("out.txt")).count('\n'), 3);
    // Yes with an empty list leaves an empty file.
    t.user.saveAnswers.push_back(scratch.path("out.txt"));
    t.user.yesNoAnswers.push_back(true);
    SaveResizeCommands(t.tool);
    EXPECT_EQ(test::ReadBytes(scratch.path("out.txt")), QByteArray());
}

TEST(ResizeCommandFile, TheSuggestedNameDropsEveryDotPbf) {
    struct Case {
        QString formPath;
        QString folder;
        QString name;
    };
    const Case cases[] = {
        {"/home/u/Formulare/haupt.pbf", "/home/u/Formulare", "haupt.txt"},
        {"/home/u/alt.pbf.d/haupt.pbf", "/home/u/alt.d", "haupt.txt"},
        {"/home/u/HAUPT.PBF", "/home/u", "HAUPT.PBF.txt"},
        {"", "", ".txt"},
    };
    for (const Case& c : cases) {
        test::ToolUnderTest t;
        t.tool.state.formPath = c.formPath;
        t.user.saveAnswers.push_back(QString());
        SaveResizeCommands(t.tool);
        EXPECT_EQ(t.user.dialogs.at(0).folder, c.folder);
        EXPECT_EQ(t.user.dialogs.at(0).fileName, c.name);
    }
}

TEST(ResizeCommandFile, ATargetThatCannotBeWrittenIsReportedAndKept) {
    test::Scratch scratch;
    test::WriteBytes(scratch.path("locked.txt"), "previous");
    QFile::setPermissions(scratch.path("locked.txt"), QFile::ReadOwner);
    const QString targets[] = {scratch.path("locked.txt"), scratch.path("missing/x.txt"), "/dev/full"};
    for (const QString& target : targets) {
        test::ToolUnderTest t;
        t.tool.state = MainWin();
        for (int i = 0; i < 500; ++i)
            t.tool.records.append(Record(QStringLiteral("Gadget_%1").arg(i), i, i, 10, 10, 1, 1, 1, 1));
        t.user.saveAnswers.push_back(target);
        t.user.yesNoAnswers.push_back(true);
        SaveResizeCommands(t.tool);
        EXPECT_EQ(t.user.messages(),
                  QStringList{"message Fehler!|Die Datei " + target + " konnte nicht geschrieben werden."})
            << target.toStdString();
    }
    EXPECT_EQ(test::ReadBytes(scratch.path("locked.txt")), "previous");
}

} // namespace
} // namespace dw
