#include "generate/resize_commands_file.h"
#include "project/project_file.h"

#include "support/files.h"
#include "support/resident_memory.h"
#include "support/tool_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace dw {
namespace {


// A day of use in fast motion: every round imports, marks, saves the project,
// loads it back and saves the commands. Memory must stay where it settled.
TEST(Soak, TenThousandRoundsKeepMemoryFlatAndOutputsRight) {
    // In memory when possible: the rounds measure the tool, not the disk.
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/dehnwerk-soak-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString form = test::DataPath("forms/designer_layout.pbf");
    const QString project = dir.filePath("p.dwkp");
    const QString commands = dir.filePath("c.txt");

    test::ToolUnderTest t;
    const int rounds = 10000;
    long settled = 0;
    long peak = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 1; round <= rounds; ++round) {
        t.importForm(form);
        t.tool.records[round % 5].dynX = 1;
        t.tool.records[(round + 2) % 5].dynHeight = 1;
        t.user.saveAnswers.push_back(project);
        t.user.yesNoAnswers.push_back(true);
        SaveProject(t.tool);
        t.user.openAnswers.push_back(project);
        t.user.yesNoAnswers.push_back(true);
        LoadProject(t.tool);
        t.user.saveAnswers.push_back(commands);
        t.user.yesNoAnswers.push_back(true);
        SaveResizeCommands(t.tool);
        t.user.log.clear();
        t.user.dialogs.clear();
        if (round == 200)
            settled = test::ResidentKiB();
        if (round > 200)
            peak = std::max(peak, test::ResidentKiB());
    }
    const QByteArray last = test::ReadBytes(commands);
    EXPECT_EQ(last.count("\r\n"), 5);
    EXPECT_TRUE(last.contains("ResizeGadget(OkButton,WindowWidth(MainWin)-680+100,"));
    std::printf("soak: %d rounds in %lld ms; resident %ld KiB after 200 rounds, at most %ld KiB after\n", rounds,
                static_cast<long long>(clock.elapsed()), settled, peak);
    EXPECT_LT(peak - settled, 4096) << "memory grows with use";
}

} // namespace
} // namespace dw
