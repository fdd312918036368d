#include "import/form_import.h"

#include "support/files.h"
#include "support/messages.h"
#include "support/tool_fixture.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

using test::kHeaderRefused;
using test::kOpenFailed;

using test::DataPath;
using test::FixturePath;
using test::ToolUnderTest;


TEST(FormImport, ADesignerFormGivesItsWindowAndOneRecordPerGadgetLine) {
    ToolUnderTest t;
    t.importForm(DataPath("forms/designer_layout.pbf"));
    EXPECT_EQ(t.user.messages(), QStringList());
    EXPECT_EQ(t.tool.state.windowVar, "MainWin");
    EXPECT_EQ(t.tool.state.windowWidthText, "600");
    EXPECT_EQ(t.tool.state.windowHeightText, "400");
    EXPECT_EQ(t.tool.state.dataLoaded, 1);
    EXPECT_EQ(t.recordNames(),
              (QStringList{"OkButton", "InfoEdit", QString::fromUtf8("TextGadget(#Text_Enum,140,340,200,20,\"Größe:ä,ö,ü\")"),
                           ";LogoImage", "\tLogoImage"}));
    ASSERT_EQ(t.user.rows.size(), 5u);
    EXPECT_EQ(t.user.rowTexts(0), (QStringList{"OkButton", "ButtonGadget", "20", "340", "100", "25"}));
    EXPECT_EQ(t.user.rowTexts(4), (QStringList{"\tLogoImage", "ImageGadget", "550", "10", "100", "50"}));
    EXPECT_EQ(t.user.formLabel, "Aktuelle FormDesinger Datei: " + DataPath("forms/designer_layout.pbf"));
    EXPECT_EQ(t.user.projectLabel, "Aktuelle Projekt Datei: ");
    const FileDialogRequest& dialog = t.user.dialogs.at(0);
    EXPECT_EQ(dialog.title, "FormDesinger Datei laden");
    EXPECT_EQ(dialog.patterns, "PureBasic (*.pbf)|*.pbf|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(dialog.patternIndex, 0);
    EXPECT_EQ(dialog.folder, "");
    EXPECT_EQ(dialog.fileName, "");
}

TEST(FormImport, RealFormsOfTheSupportedVersionsAreRead) {
    struct Case {
        const char* file;
        qsizetype records;
        const char* firstName;
        const char* windowVar;
        const char* width;
        const char* height;
    };
    const Case cases[] = {
        {"AlexanderNaehring__ffmpegGUI__WindowMain__0f63898.pbf", 8, "GadgetQueue", "WindowMain", "800", "500"},
        {"AlexanderNaehring__ffmpegGUI__WindowMain__718ef8c.pbf", 7, "GadgetQueue", "WindowMain", "800", "500"},
        {"AlexanderNaehring__ffmpegGUI__WindowTranscode__718ef8c.pbf", 15, "StringInput", "WindowTranscode", "375", "220"},
    };
    for (const Case& c : cases) {
        ToolUnderTest t;
        t.importForm(FixturePath(c.file));
        EXPECT_EQ(t.user.messages(), QStringList()) << c.file;
        EXPECT_EQ(t.tool.records.size(), c.records) << c.file;
        EXPECT_EQ(t.recordNames().value(0), c.firstName) << c.file;
        EXPECT_EQ(t.tool.state.windowVar, c.windowVar) << c.file;
        EXPECT_EQ(t.tool.state.windowWidthText, c.width) << c.file;
        EXPECT_EQ(t.tool.state.windowHeightText, c.height) << c.file;
        EXPECT_EQ(qsizetype(t.user.rows.size()), c.records) << c.file;
    }
}

TEST(FormImport, FilesWithoutASupportedHeaderAreRefusedAndChangeNothingButTheList) {
    const QString refused[] = {
        FixturePath("AlexanderNaehring__ffmpegGUI__WindowTranscode__4099a9e.pbf"),
        FixturePath("AlexanderNaehring__ffmpegGUI__WindowMain__512a61b.pbf"),
        FixturePath("AlexanderNaehring__TFMM__WindowMain__2f78c14.pbf"),
        FixturePath("stonedDiscord__serverV__Common__35b70b2.pbf"),
        FixturePath("ccccmagicboy2022__purebasic__UART_controlpanel.pbf"),
        FixturePath("ct1676__ShellManager__window__ad55302.pbf"),
        FixturePath("essess__codepop__form.pbf"),
        DataPath("forms/header_second_line.pbf"),
    };
    for (const QString& path : refused) {
        ToolUnderTest t;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.user.log.clear();
        t.importForm(path);
        EXPECT_EQ(t.user.log, (QStringList{"open FormDesinger Datei laden",
                                           "ask Achtung!|Es ist bereits eine Datei geöffnet. Möchten Sie trotzdem fortfahren?",
                                           "clear rows", kHeaderRefused}))
            << path.toStdString();
        EXPECT_TRUE(t.tool.records.isEmpty());
        EXPECT_EQ(t.tool.state.formPath, path);
        EXPECT_EQ(t.user.formLabel, "Aktuelle FormDesinger Datei: " + DataPath("forms/designer_layout.pbf"));
        EXPECT_EQ(t.tool.state.windowVar, "MainWin") << "window values stay";
    }
}

TEST(FormImport, AFileThatCannotBeOpenedIsReportedAfterTheLabelsAreSet) {
    test::Scratch scratch;
    const QString paths[] = {scratch.path("missing.pbf"), scratch.folder()};
    for (const QString& path : paths) {
        ToolUnderTest t;
        t.importForm(path);
        EXPECT_EQ(t.user.log, (QStringList{"open FormDesinger Datei laden", "clear rows",
                                           "form label Aktuelle FormDesinger Datei: " + path,
                                           "project label Aktuelle Projekt Datei: ", "rows 0", kOpenFailed}));
        EXPECT_EQ(t.tool.state.dataLoaded, 1);
        EXPECT_TRUE(t.tool.records.isEmpty());
    }
}

TEST(FormImport, CancellingOrDecliningKeepsEverything) {
    ToolUnderTest t;
    t.importForm(DataPath("forms/designer_layout.pbf"));
    t.tool.records[0].dynX = 1;
    t.user.openAnswers.push_back(QString());  // cancelled: no question
    ImportFormFile(t.tool, false);
    t.user.openAnswers.push_back(DataPath("forms/duplicate_names.pbf"));
    t.user.yesNoAnswers.push_back(false);  // declined
    ImportFormFile(t.tool, false);
    EXPECT_EQ(t.user.log.filter("ask").size(), 1);  // not after the cancelled dialog
    EXPECT_EQ(t.tool.records.size(), 5);
    EXPECT_EQ(t.tool.records[0].dynX, 1);
    EXPECT_EQ(t.tool.state.formPath, DataPath("forms/designer_layout.pbf"));
}

TEST(FormImport, ASecondImportReplacesRecordsButKeepsWindowValuesItLacks) {
    ToolUnderTest t;
    t.importForm(DataPath("forms/designer_layout.pbf"));
    t.tool.records[0].dynY = 1;
    t.importForm(DataPath("forms/no_window_lines.pbf"));
    EXPECT_EQ(t.recordNames(), QStringList{"Other"});
    EXPECT_EQ(t.tool.state.windowVar, "MainWin");
    EXPECT_EQ(t.tool.state.windowWidthText, "600");
    t.importForm(DataPath("forms/designer_layout.pbf"));
    EXPECT_EQ(t.tool.records[0].dynY, 0) << "flags are lost on re-import";
    t.importForm(DataPath("forms/header_only.pbf"));
    EXPECT_TRUE(t.tool.records.isEmpty());
    EXPECT_EQ(t.user.messages(), QStringList());
    EXPECT_EQ(t.user.formLabel, "Aktuelle FormDesinger Datei: " + DataPath("forms/header_only.pbf"));
}

TEST(FormImport, DuplicateNamesGiveOneRecordEachInFileOrder) {
    ToolUnderTest t;
    t.importForm(DataPath("forms/duplicate_names.pbf"));
    EXPECT_EQ(t.recordNames(), (QStringList{"Button_0", "Text_0", "Button_0"}));
    EXPECT_EQ(t.tool.records.countNamed(QStringLiteral("Button_0")), 2);
    EXPECT_EQ(t.tool.records.countNamed(QStringLiteral("button_0")), 0);
}

TEST(FormImport, FromAProjectTheFormPathIsReadWithoutADialog) {
    ToolUnderTest t;
    t.tool.state.formPath = DataPath("forms/duplicate_names.pbf");
    ImportFormFile(t.tool, true);
    EXPECT_TRUE(t.user.dialogs.empty());
    EXPECT_EQ(t.tool.records.size(), 3);
}

} // namespace
} // namespace dw
