#include "core/dispatch.h"
#include "core/event_router.h"

#include "support/recording_commands.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

using test::RecordingCommands;

Event Menu(int item) {
    return {EventKind::MenuItem, MenuItemSource(item), ControlEvent::None};
}
Event Control(Source source, ControlEvent type = ControlEvent::LeftClick) {
    return {EventKind::Control, source, type};
}

TEST(Dispatch, EveryRouteStartsItsOneOperation) {
    struct Case {
        Event event;
        QStringList ran;
    };
    const Case cases[] = {
        {{EventKind::CloseRequest, Source::MainWindow}, {"ConfirmQuit"}},
        {{EventKind::SizeChanged, Source::MainWindow}, {"ResizeMainWindow"}},
        {Menu(0), {"LoadProject"}},
        {Menu(1), {"SaveProject"}},
        {Menu(2), {"ImportFormFile"}},
        {Menu(3), {"SaveResizeCommands"}},
        {Menu(4), {"ShowInfoWindow"}},
        {Menu(5), {"OpenHelpFile"}},
        {Control(Source::ButtonImportForm), {"ImportFormFile"}},
        {Control(Source::ButtonLoadProject), {"LoadProject"}},
        {Control(Source::ButtonQuit), {"ConfirmQuit"}},
        {Control(Source::ButtonXY), {"SetXYDynamic"}},
        {Control(Source::ButtonSize), {"SetSizeDynamic"}},
        {Control(Source::ButtonNone), {"ClearAllMarks"}},
        {Control(Source::CheckXPos, ControlEvent::Change), {"ApplyChecksToRecord"}},
        {Control(Source::CheckYPos, ControlEvent::Change), {"ApplyChecksToRecord"}},
        {Control(Source::CheckWidth, ControlEvent::Change), {"ApplyChecksToRecord"}},
        {Control(Source::CheckHeight, ControlEvent::Change), {"ApplyChecksToRecord"}},
        {Control(Source::GadgetList, ControlEvent::LeftClick), {"ShowRecordInChecks"}},
        {Control(Source::GadgetList, ControlEvent::RightClick), {}},
        {Control(Source::GadgetList, ControlEvent::DoubleClick), {}},
        {Control(Source::GadgetList, ControlEvent::Change), {}},
        {Control(Source::ButtonPreview), {}},
        {Control(Source::CheckSaveProject, ControlEvent::Change), {}},
        {Control(Source::CheckSaveCommands, ControlEvent::Change), {}},
        {{EventKind::TimerTick}, {}},
        {{EventKind::CloseRequest, Source::InfoWindow}, {}},
        {Control(Source::ButtonSave), {}},  // neither box ticked
    };
    for (const Case& c : cases) {
        RecordingCommands commands;
        DispatchEvent(c.event, commands);
        EXPECT_EQ(commands.ran, c.ran) << int(c.event.kind) << " " << int(c.event.source);
    }
}

TEST(Dispatch, SaveRunsTwoStepsAndReadsTheSecondBoxOnlyAfterTheFirst) {
    RecordingCommands commands;
    commands.projectBox = true;
    commands.commandsBox = true;
    DispatchEvent(Control(Source::ButtonSave), commands);
    EXPECT_EQ(commands.ran, (QStringList{"SaveProject", "SaveResizeCommands"}));

    RecordingCommands late;
    late.projectBox = true;
    late.duringSaveProject = [&] { late.commandsBox = true; };
    DispatchEvent(Control(Source::ButtonSave), late);
    EXPECT_EQ(late.ran, (QStringList{"SaveProject", "SaveResizeCommands"}));

    RecordingCommands onlyCommands;
    onlyCommands.commandsBox = true;
    DispatchEvent(Control(Source::ButtonSave), onlyCommands);
    EXPECT_EQ(onlyCommands.ran, QStringList{"SaveResizeCommands"});
}

TEST(EventRouter, TicksRunTheEnablingRuleFirstAndEventsWaitForTheRunningOperation) {
    RecordingCommands commands;
    EventRouter router(commands);
    router.deliver({EventKind::TimerTick});
    EXPECT_EQ(commands.ran, QStringList{"UpdateControlStates"});

    // An operation whose dialog lets more events arrive: they follow it, in order,
    // and the pile of ticks behind it shrinks to one.
    commands.ran.clear();
    commands.projectBox = true;
    commands.duringSaveProject = [&] {
        router.deliver({EventKind::TimerTick});
        router.deliver({EventKind::TimerTick});
        router.deliver(Control(Source::ButtonXY));
        router.deliver({EventKind::TimerTick});
        commands.duringSaveProject = nullptr;
    };
    router.deliver(Menu(1));
    EXPECT_EQ(commands.ran, (QStringList{"SaveProject", "UpdateControlStates", "SetXYDynamic", "UpdateControlStates"}));
}

TEST(EventRouter, WhileSwallowingOnlyACloseRequestCountsAndIsUsedUp) {
    RecordingCommands commands;
    EventRouter router(commands);
    int closes = 0;
    router.swallowEvents([&] { ++closes; });
    router.deliver({EventKind::TimerTick});
    router.deliver(Control(Source::ButtonImportForm));
    router.deliver({EventKind::SizeChanged, Source::MainWindow});
    router.deliver({EventKind::CloseRequest, Source::MainWindow});
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(commands.ran.isEmpty());
    router.stopSwallowing();
    router.deliver({EventKind::CloseRequest, Source::MainWindow});
    EXPECT_EQ(commands.ran, QStringList{"ConfirmQuit"});

    router.stopForGood();
    router.deliver(Control(Source::ButtonQuit));
    EXPECT_EQ(commands.ran.size(), 1);
}

} // namespace
} // namespace dw
