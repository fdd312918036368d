#include "ui/control_states.h"

namespace dw {

ControlStates ComputeControlStates(const ControlInputs& in) {
    ControlStates s;
    // Step 1: loaded data opens the list and the saving; without it, everything closes.
    s.gadgetList = s.checkSaveProject = s.checkSaveCommands = in.dataLoaded;
    s.menuSaveProject = s.menuSaveCommands = in.dataLoaded;
    s.buttonSave = in.dataLoaded;
    s.buttonPreview = false;  // only step 1a touches it, and the list is empty until data loads
    // Step 2: the behaviour panel works on the selected row only.
    s.behaviourBoxes = s.behaviourButtons = in.selectedRow >= 0;
    // Step 3: saving needs something to save.
    s.buttonSave = in.saveProjectTicked || in.saveCommandsTicked;
    return s;
}

} // namespace dw
