#pragma once
// The operations the dispatcher can start. The window implements them over
// the real model; tests record which one ran.

namespace dw {

class Commands {
public:
    virtual ~Commands() = default;
    virtual void confirmQuit() = 0;
    virtual void resizeMainWindow() = 0;
    virtual void loadProject() = 0;
    virtual void saveProject() = 0;
    virtual void importFormFile() = 0;
    virtual void saveResizeCommands() = 0;
    virtual void showInfoWindow() = 0;
    virtual void openHelpFile() = 0;
    virtual void setXYDynamic() = 0;
    virtual void setSizeDynamic() = 0;
    virtual void clearAllMarks() = 0;
    virtual void applyChecksToRecord() = 0;
    virtual void showRecordInChecks() = 0;
    virtual void updateControlStates() = 0;
    // The two save boxes, read at the moment the save button needs them.
    virtual bool saveProjectTicked() = 0;
    virtual bool saveCommandsTicked() = 0;
};

} // namespace dw
