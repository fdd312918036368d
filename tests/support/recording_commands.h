#pragma once
// Commands that only note which operation ran.
#include "core/commands.h"

#include <QStringList>
#include <functional>

namespace dw::test {

class RecordingCommands : public Commands {
public:
    QStringList ran;
    bool projectBox = false;
    bool commandsBox = false;
    std::function<void()> duringSaveProject;  // lets a test change the boxes mid-way

    void confirmQuit() override { ran << "ConfirmQuit"; }
    void resizeMainWindow() override { ran << "ResizeMainWindow"; }
    void loadProject() override { ran << "LoadProject"; }
    void saveProject() override {
        ran << "SaveProject";
        if (duringSaveProject)
            duringSaveProject();
    }
    void importFormFile() override { ran << "ImportFormFile"; }
    void saveResizeCommands() override { ran << "SaveResizeCommands"; }
    void showInfoWindow() override { ran << "ShowInfoWindow"; }
    void openHelpFile() override { ran << "OpenHelpFile"; }
    void setXYDynamic() override { ran << "SetXYDynamic"; }
    void setSizeDynamic() override { ran << "SetSizeDynamic"; }
    void clearAllMarks() override { ran << "ClearAllMarks"; }
    void applyChecksToRecord() override { ran << "ApplyChecksToRecord"; }
    void showRecordInChecks() override { ran << "ShowRecordInChecks"; }
    void updateControlStates() override { ran << "UpdateControlStates"; }
    bool saveProjectTicked() override { return projectBox; }
    bool saveCommandsTicked() override { return commandsBox; }
};

} // namespace dw::test
