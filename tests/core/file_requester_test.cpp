#include "core/file_requester.h"

#include "support/files.h"
#include "support/scripted_user.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

using test::ScriptedUser;

const QString kAlreadyOpen =
    QStringLiteral("ask Achtung!|Es ist bereits eine Datei geöffnet. Möchten Sie trotzdem fortfahren?");

TEST(FileRequester, DefaultPathsSplitIntoFolderAndAValidName) {
    struct Case {
        QString defaultPath;
        QString folder;
        QString name;
    };
    const Case cases[] = {
        {"", "", ""},
        {"/home/u/Fenster.dwkp", "/home/u", "Fenster.dwkp"},
        {"Fenster.dwkp", "", "Fenster.dwkp"},
        {"/Fenster.dwkp", "/", "Fenster.dwkp"},
        {"/home/u/a:b.txt", "/home/u", ""},
        {"/home/u/", "/home/u", ""},
        {"/home/u/a\tb.txt", "/home/u", ""},
        {"/home/u/a|b?.txt", "/home/u", ""},
        {".txt", "", ".txt"},
    };
    for (const Case& c : cases) {
        const FileDialogRequest request = MakeDialogRequest("t", c.defaultPath, "p", 0);
        EXPECT_EQ(request.folder, c.folder) << c.defaultPath.toStdString();
        EXPECT_EQ(request.fileName, c.name) << c.defaultPath.toStdString();
    }
}

TEST(FileRequester, OpenAsksOnlyAfterAChoiceAndOnlyWithDataLoaded) {
    struct Case {
        const char* what;
        QString chosen;
        bool loaded;
        std::deque<bool> answers;
        QString result;
        QStringList asked;
    };
    const Case cases[] = {
        {"cancelled with data", "", true, {}, "", {}},
        {"chosen, no data", "/f.pbf", false, {}, "/f.pbf", {}},
        {"chosen, data, yes", "/f.pbf", true, {true}, "/f.pbf", {kAlreadyOpen}},
        {"chosen, data, no", "/f.pbf", true, {false}, "", {kAlreadyOpen}},
    };
    for (const Case& c : cases) {
        ScriptedUser user;
        user.openAnswers.push_back(c.chosen);
        user.yesNoAnswers = c.answers;
        EXPECT_EQ(AskOpenFile(user, "T", "", "P|*.p", 0, 0, c.loaded), c.result) << c.what;
        EXPECT_EQ(user.log.filter("ask"), c.asked) << c.what;
    }
}

TEST(FileRequester, SaveAsksBeforeReplacingAnyFileButNotAFolder) {
    test::Scratch scratch;
    test::WriteBytes(scratch.path("empty.txt"), "");
    const QString overwrite = "ask Achtung!|Die Datei " + scratch.path("empty.txt") + " existiert bereits. Überschreiben?";
    struct Case {
        const char* what;
        QString chosen;
        std::deque<bool> answers;
        QString result;
        QStringList asked;
    };
    const Case cases[] = {
        {"cancelled", "", {}, "", {}},
        {"new name", scratch.path("new.txt"), {}, scratch.path("new.txt"), {}},
        {"folder", scratch.folder(), {}, scratch.folder(), {}},
        {"empty file, yes", scratch.path("empty.txt"), {true}, scratch.path("empty.txt"), {overwrite}},
        {"empty file, no", scratch.path("empty.txt"), {false}, "", {overwrite}},
    };
    for (const Case& c : cases) {
        ScriptedUser user;
        user.saveAnswers.push_back(c.chosen);
        user.yesNoAnswers = c.answers;
        EXPECT_EQ(AskSaveFile(user, "T", "", "P|*.p", 0), c.result) << c.what;
        EXPECT_EQ(user.log.filter("ask"), c.asked) << c.what;
    }
}

} // namespace
} // namespace dw
