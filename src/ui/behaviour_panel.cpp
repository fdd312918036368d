#include "ui/behaviour_panel.h"

namespace dw {

namespace {

void ShowFlag(PanelControls& panel, Box box, std::int32_t flag) {
    // Only 0 and 1 are marks; anything else (a hand-edited project) leaves the box as it is.
    if (flag == 1)
        panel.setTicked(box, true);
    else if (flag == 0)
        panel.setTicked(box, false);
}

void Tick(PanelControls& panel, Box box) {
    if (!panel.isTicked(box))
        panel.setTicked(box, true);
}

} // namespace

void ShowRecordInChecks(RecordList& records, PanelControls& panel) {
    const int row = panel.selectedRow();
    if (row < 0)
        return;
    records.forEachNamed(panel.rowName(row), [&](const GadgetRecord& record) {
        ShowFlag(panel, Box::XPos, record.dynX);
        ShowFlag(panel, Box::YPos, record.dynY);
        ShowFlag(panel, Box::Width, record.dynWidth);
        ShowFlag(panel, Box::Height, record.dynHeight);
    });
}

void ApplyChecksToRecord(RecordList& records, PanelControls& panel) {
    const int row = panel.selectedRow();
    if (row < 0)
        return;
    const std::int32_t x = panel.isTicked(Box::XPos) ? 1 : 0;
    const std::int32_t y = panel.isTicked(Box::YPos) ? 1 : 0;
    const std::int32_t width = panel.isTicked(Box::Width) ? 1 : 0;
    const std::int32_t height = panel.isTicked(Box::Height) ? 1 : 0;
    records.forEachNamed(panel.rowName(row), [&](GadgetRecord& record) {
        record.dynX = x;
        record.dynY = y;
        record.dynWidth = width;
        record.dynHeight = height;
    });
}

void SetXYDynamic(RecordList& records, PanelControls& panel) {
    Tick(panel, Box::XPos);
    Tick(panel, Box::YPos);
    ApplyChecksToRecord(records, panel);
}

void SetSizeDynamic(RecordList& records, PanelControls& panel) {
    Tick(panel, Box::Height);
    Tick(panel, Box::Width);
    ApplyChecksToRecord(records, panel);
}

void ClearAllMarks(RecordList& records, PanelControls& panel) {
    panel.setTicked(Box::XPos, false);
    panel.setTicked(Box::YPos, false);
    panel.setTicked(Box::Height, false);
    panel.setTicked(Box::Width, false);
    ApplyChecksToRecord(records, panel);
}

} // namespace dw
