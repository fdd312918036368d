#include "core/dispatch.h"

namespace dw {

namespace {

void SaveBoth(Commands& commands) {
    // Two independent steps: the second box is read only after the first step,
    // and its step runs whatever the first one did.
    if (commands.saveProjectTicked())
        commands.saveProject();
    if (commands.saveCommandsTicked())
        commands.saveResizeCommands();
}

} // namespace

void DispatchEvent(const Event& event, Commands& commands) {
    switch (event.kind) {
    case EventKind::CloseRequest:
        if (event.source == Source::MainWindow)
            commands.confirmQuit();
        return;
    case EventKind::SizeChanged:
        if (event.source == Source::MainWindow)
            commands.resizeMainWindow();
        return;
    case EventKind::TimerTick:
        return;
    case EventKind::MenuItem:
    case EventKind::Control:
        break;
    }

    switch (event.source) {
    case Source::MenuLoadProject:   commands.loadProject(); return;
    case Source::MenuSaveProject:   commands.saveProject(); return;
    case Source::MenuImportForm:    commands.importFormFile(); return;
    case Source::MenuSaveCommands:  commands.saveResizeCommands(); return;
    case Source::MenuAbout:         commands.showInfoWindow(); return;
    case Source::MenuManual:        commands.openHelpFile(); return;
    case Source::ButtonImportForm:  commands.importFormFile(); return;
    case Source::ButtonLoadProject: commands.loadProject(); return;
    case Source::ButtonSave:        SaveBoth(commands); return;
    case Source::ButtonQuit:        commands.confirmQuit(); return;
    case Source::ButtonXY:          commands.setXYDynamic(); return;
    case Source::ButtonSize:        commands.setSizeDynamic(); return;
    case Source::ButtonNone:        commands.clearAllMarks(); return;
    case Source::CheckXPos:
    case Source::CheckYPos:
    case Source::CheckWidth:
    case Source::CheckHeight:       commands.applyChecksToRecord(); return;
    case Source::GadgetList:
        if (event.type == ControlEvent::LeftClick)
            commands.showRecordInChecks();
        return;
    default:
        return;  // ButtonPreview, the save boxes and anything else have no route
    }
}

} // namespace dw
