#include "project/project_file.h"

#include "project/key_value_file.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/tool_fixture.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

using test::kNotAProject;

using test::ReadBytes;
using test::Scratch;
using test::ToolUnderTest;
using test::WriteBytes;


GadgetRecord Named(const QString& name, int dx = 0, int dy = 0, int dw = 0, int dh = 0) {
    return GadgetRecord{name, "ButtonGadget", 1, 2, 3, 4, dx, dy, dw, dh};
}

void Save(ToolUnderTest& t, const QString& path) {
    t.user.saveAnswers.push_back(path);
    if (QFile::exists(path))
        t.user.yesNoAnswers.push_back(true);
    SaveProject(t.tool);
}

void Load(ToolUnderTest& t, const QString& path) {
    t.user.openAnswers.push_back(path);
    if (t.tool.state.dataLoaded)
        t.user.yesNoAnswers.push_back(true);
    LoadProject(t.tool);
}

// A form with the given gadget names, in the Form Designer's layout.
QString WriteForm(const Scratch& scratch, const QString& name, const QStringList& gadgets) {
    QByteArray bytes = "; Form Designer for Purebasic - 5.22\r\n"
                       "Procedure OpenWindow_0(x = 0, y = 0, width = 600, height = 400)\r\n"
                       "  Window_0 = OpenWindow(#PB_Any, x, y, width, height, \"\")\r\n";
    for (const QString& gadget : gadgets)
        bytes += "  " + gadget.toUtf8() + " = ButtonGadget(#PB_Any, 10, 20, 100, 25, \"\")\r\n";
    WriteBytes(scratch.path(name), bytes);
    return scratch.path(name);
}

QString Flags(const GadgetRecord& r) {
    return QStringLiteral("%1%2%3%4").arg(r.dynX).arg(r.dynY).arg(r.dynWidth).arg(r.dynHeight);
}

TEST(ProjectSave, TheExampleProjectIsWrittenByteForByte) {
    ToolUnderTest t;
    Scratch scratch;
    t.tool.state.formPath = "C:\\Projekte\\Fenster.pbf";
    t.tool.records.append(Named("OkButton", 0, 1, 0, 0));
    t.tool.records.append(Named("InfoEdit", 0, 0, 1, 1));
    Save(t, scratch.path("p.dwkp"));
    const QByteArray bytes = ReadBytes(scratch.path("p.dwkp"));
    EXPECT_EQ(bytes.size(), 175);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF\r\n[Version]\r\nVersion = 0.6\r\n[Pfad]\r\nForm Datei = C:\\Projekte\\Fenster.pbf\r\n"
                     "[OkButton]\r\nx = 0\r\ny = 1\r\nbreite = 0\r\nhoehe = 0\r\n"
                     "[InfoEdit]\r\nx = 0\r\ny = 0\r\nbreite = 1\r\nhoehe = 1\r\n");
    EXPECT_EQ(t.tool.state.projectPath, scratch.path("p.dwkp"));
    EXPECT_EQ(t.user.projectLabel, "Aktuelle Projekt Datei: " + scratch.path("p.dwkp"));
    const FileDialogRequest& dialog = t.user.dialogs.at(0);
    EXPECT_EQ(dialog.title, "Projektdatei speichern");
    EXPECT_EQ(dialog.patterns, "Dehnwerk Projekt (*.dwkp)|*.dwkp|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(dialog.fileName, "") << "a backslash is no separator here, and no file name may hold one";
}

TEST(ProjectSave, NamesThatFoldTogetherShareOneGroup) {
    ToolUnderTest t;
    Scratch scratch;
    t.tool.state.formPath = QString::fromUtf8("/tmp/Entwürfe/Fenster.pbf");
    t.tool.records.append(Named("Knopf", 1, 1, 1, 1));
    t.tool.records.append(Named("knopf", 0, 1, 0, 1));
    t.tool.records.append(Named("Pfad", 1, 0, 0, 0));
    Save(t, scratch.path("p.dwkp"));
    EXPECT_EQ(ReadBytes(scratch.path("p.dwkp")),
              "\xEF\xBB\xBF\r\n[Version]\r\nVersion = 0.6\r\n[Pfad]\r\nForm Datei = /tmp/Entw\xC3\xBCrfe/Fenster.pbf\r\n"
              "x = 1\r\ny = 0\r\nbreite = 0\r\nhoehe = 0\r\n"
              "[Knopf]\r\nx = 0\r\ny = 1\r\nbreite = 0\r\nhoehe = 1\r\n");
}

TEST(ProjectSave, AFailedSaveIsReportedAndKeepsThePreviousProject) {
    ToolUnderTest t;
    Scratch scratch;
    t.tool.records.append(Named("A", 1));
    WriteBytes(scratch.path("old.dwkp"), "previous");
    QFile::setPermissions(scratch.path("old.dwkp"), QFile::ReadOwner);
    Save(t, scratch.path("old.dwkp"));
    Save(t, scratch.path("missing/p.dwkp"));
    EXPECT_EQ(t.user.messages(),
              (QStringList{"message Fehler!|Die Datei " + scratch.path("old.dwkp") + " konnte nicht geschrieben werden.",
                           "message Fehler!|Die Datei " + scratch.path("missing/p.dwkp") +
                               " konnte nicht geschrieben werden."}));
    EXPECT_EQ(ReadBytes(scratch.path("old.dwkp")), "previous");
    EXPECT_EQ(t.user.projectLabel, "<unset>");

    t.user.saveAnswers.push_back(QString());  // cancelled: nothing at all
    SaveProject(t.tool);
    EXPECT_EQ(t.user.messages().size(), 2);
}

TEST(ProjectLoad, MarksComeBackOntoEveryRecordOfTheExactName) {
    ToolUnderTest t;
    Scratch scratch;
    const QString form = WriteForm(scratch, "f.pbf", {"OkButton", "Knopf", "knopf", "Knopf", "Pfad", "Version", "Neu"});
    WriteBytes(scratch.path("p.dwkp"), "\xEF\xBB\xBF\r\n[Version]\r\nVersion = 0.6  \r\nx = 1\r\n[Pfad]\r\nForm Datei = " +
                                           form.toUtf8() +
                                           "\r\nx = 1\r\nbreite = 1\r\n"
                                           "[OkButton]\r\nx = 0\r\ny = 1\r\nbreite = 0\r\nhoehe = 0\r\n"
                                           "[Knopf]\r\nx = 1\r\ny = 1\r\nbreite = 2\r\nhoehe = -1\r\n"
                                           "[okbutton]\r\nx = 1\r\ny = 1\r\nbreite = 1\r\nhoehe = 1\r\n"
                                           "[InfoEdit]\r\nx = 1\r\n");
    Load(t, scratch.path("p.dwkp"));
    EXPECT_EQ(t.user.messages(), QStringList());
    QStringList flags;
    for (const GadgetRecord& r : t.tool.records)
        flags << r.name + "=" + Flags(r);
    EXPECT_EQ(flags, (QStringList{"OkButton=0100", "Knopf=112-1", "knopf=0000", "Knopf=112-1", "Pfad=1010",
                                  "Version=0000", "Neu=0000"}));
    EXPECT_EQ(t.user.formLabel, "Aktuelle FormDesinger Datei: " + form);
    EXPECT_EQ(t.user.projectLabel, "Aktuelle Projekt Datei: " + scratch.path("p.dwkp"));
    EXPECT_EQ(t.tool.state.projectPath, scratch.path("p.dwkp"));
    const FileDialogRequest& dialog = t.user.dialogs.at(0);
    EXPECT_EQ(dialog.title, QString::fromUtf8("Projektdatei auswählen"));
    EXPECT_EQ(dialog.patterns, "Dehnwerk Projekt (*.dwkp)|*.dwkp");
}

TEST(ProjectLoad, ProjectsThatAreNotOursAreRefused) {
    struct Case {
        const char* what;
        QByteArray bytes;  // empty: no file at all
    };
    const Case cases[] = {
        {"missing file", QByteArray()},
        {"version 0.60", "\xEF\xBB\xBF\r\n[Version]\r\nVersion = 0.60\r\n"},
        {"version 0,6", "[Version]\r\nVersion = 0,6\r\n"},
        {"version key missing", "[Version]\r\n"},
    };
    for (const Case& c : cases) {
        ToolUnderTest t;
        Scratch scratch;
        if (!c.bytes.isEmpty())
            WriteBytes(scratch.path("p.dwkp"), c.bytes);
        t.tool.records.append(Named("Keep", 1));
        t.tool.state.formPath = "kept.pbf";
        Load(t, scratch.path("p.dwkp"));
        EXPECT_EQ(t.user.messages(), QStringList{kNotAProject}) << c.what;
        EXPECT_EQ(t.tool.records.size(), 1) << c.what;
        EXPECT_EQ(t.tool.state.formPath, "kept.pbf") << c.what;
        EXPECT_EQ(t.user.projectLabel, "<unset>") << c.what;
        // The project file is closed on every road out.
        EXPECT_FALSE(NextGroup());
    }
}

TEST(ProjectLoad, AFormThatCannotBeReadStopsTheLoadWithBothLabelsReset) {
    Scratch scratch;
    const QByteArray forms[] = {
        "[Pfad]\r\nForm Datei = " + scratch.path("gone.pbf").toUtf8() + "\r\n[A]\r\nx = 1\r\n",
        "[Pfad]\r\n[A]\r\nx = 1\r\n",
    };
    for (const QByteArray& bytes : forms) {
        ToolUnderTest t;
        WriteBytes(scratch.path("p.dwkp"), bytes);
        Load(t, scratch.path("p.dwkp"));
        EXPECT_EQ(t.user.messages(),
                  QStringList{"message Fehler!|PBF- Datei konnte nicht geöffnet/gefunden werden."});
        EXPECT_EQ(t.user.formLabel, "Aktuelle FormDesinger Datei: ");
        EXPECT_EQ(t.user.projectLabel, "Aktuelle Projekt Datei: ");
        EXPECT_TRUE(t.tool.records.isEmpty());
        EXPECT_FALSE(NextGroup());
    }
}

TEST(ProjectLoad, WithoutAPathGroupMarksGoOntoTheRecordsInMemory) {
    ToolUnderTest t;
    Scratch scratch;
    t.tool.records.append(Named("A"));
    t.tool.state.dataLoaded = 1;
    WriteBytes(scratch.path("p.dwkp"), "[A]\nx=1\ny=1\n");
    Load(t, scratch.path("p.dwkp"));
    EXPECT_EQ(Flags(t.tool.records[0]), "1100");
    EXPECT_EQ(t.user.log.filter("ask").size(), 1);
}

TEST(ProjectRoundTrip, MarksSurviveAFormEditThatRenamesOneGadget) {
    ToolUnderTest t;
    Scratch scratch;
    const QString form = WriteForm(scratch, "f.pbf", {"OkButton", "InfoEdit"});
    t.importForm(form);
    t.tool.records[0].dynY = 1;
    t.tool.records[1].dynWidth = t.tool.records[1].dynHeight = 1;
    Save(t, scratch.path("f.dwkp"));
    WriteForm(scratch, "f.pbf", {"OkButton", "Editor"});
    Load(t, scratch.path("f.dwkp"));
    EXPECT_EQ(Flags(t.tool.records[0]), "0100");
    EXPECT_EQ(Flags(t.tool.records[1]), "0000");
    EXPECT_EQ(t.tool.records[1].name, "Editor");
}

TEST(ProjectRoundTrip, NamesBeyondAsciiKeepTheirMarks) {
    ToolUnderTest t;
    Scratch scratch;
    // A byte-order mark inside a form is an ordinary character of the name it stands in.
    const QStringList names = {QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e"), QString(QChar(0xFEFF)) + "Knopf",
                               QString::fromUtf8("\xF0\x9F\x98\x80"), "Plain"};
    const QString form = WriteForm(scratch, "f.pbf", names);
    t.importForm(form);
    ASSERT_EQ(t.tool.records.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        ASSERT_EQ(t.tool.records[i].name, names[i]);
        t.tool.records[i].dynX = 1;
        t.tool.records[i].dynHeight = static_cast<int>(i);
    }
    Save(t, scratch.path("f.dwkp"));
    Load(t, scratch.path("f.dwkp"));
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(Flags(t.tool.records[i]), QStringLiteral("100%1").arg(i)) << names[i].toStdString();
}

} // namespace
} // namespace dw
