#pragma once
// The window events the tool reacts to, as the main loop hands them on.

namespace dw {

enum class EventKind { CloseRequest, SizeChanged, MenuItem, Control, TimerTick };

// Where an event comes from: a window, a menu item (by its number) or a control.
enum class Source {
    None,
    MainWindow,
    InfoWindow,
    MenuLoadProject = 0x100,      // item 0
    MenuSaveProject,              // item 1
    MenuImportForm,               // item 2
    MenuSaveCommands,             // item 3
    MenuAbout,                    // item 4
    MenuManual,                   // item 5
    GadgetList = 0x200,
    ButtonXY,
    ButtonSize,
    ButtonNone,
    ButtonSave,
    ButtonQuit,
    ButtonLoadProject,
    ButtonImportForm,
    ButtonPreview,
    CheckXPos,
    CheckYPos,
    CheckWidth,
    CheckHeight,
    CheckSaveProject,
    CheckSaveCommands,
};

enum class ControlEvent { None, LeftClick, RightClick, DoubleClick, Change };

struct Event {
    EventKind kind = EventKind::TimerTick;
    Source source = Source::None;
    ControlEvent type = ControlEvent::None;
};

inline Source MenuItemSource(int item) {
    return static_cast<Source>(static_cast<int>(Source::MenuLoadProject) + item);
}

} // namespace dw
