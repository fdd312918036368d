#pragma once
// Which controls can be used, from three facts read on every timer tick.

namespace dw {

struct ControlInputs {
    bool dataLoaded = false;
    int selectedRow = -1;
    bool saveProjectTicked = false;
    bool saveCommandsTicked = false;
};

struct ControlStates {
    bool gadgetList = true;
    bool checkSaveProject = true;
    bool checkSaveCommands = true;
    bool menuSaveProject = true;   // item 1
    bool menuSaveCommands = true;  // item 3
    bool behaviourBoxes = true;    // CheckXPos .. CheckHeight
    bool behaviourButtons = true;  // ButtonXY, ButtonSize, ButtonNone
    bool buttonSave = true;
    bool buttonPreview = true;
    bool operator==(const ControlStates&) const = default;
};

// The rule in its three steps, later steps overriding earlier ones. Preview
// is switched off by the first step and never on again.
ControlStates ComputeControlStates(const ControlInputs& in);

} // namespace dw
