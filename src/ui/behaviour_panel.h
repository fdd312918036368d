#pragma once
// The four behaviour boxes and the row they belong to: showing a record's
// marks in the boxes and writing the boxes back into every record of the name.
#include "core/record_list.h"

#include <QString>

namespace dw {

enum class Box { XPos, YPos, Width, Height };

class PanelControls {
public:
    virtual ~PanelControls() = default;
    virtual int selectedRow() const = 0;                // -1 when none
    virtual QString rowName(int row) const = 0;         // text of the first column
    virtual bool isTicked(Box box) const = 0;
    virtual void setTicked(Box box, bool ticked) = 0;  // raises no event
};

void ShowRecordInChecks(RecordList& records, PanelControls& panel);
void ApplyChecksToRecord(RecordList& records, PanelControls& panel);
void SetXYDynamic(RecordList& records, PanelControls& panel);
void SetSizeDynamic(RecordList& records, PanelControls& panel);
void ClearAllMarks(RecordList& records, PanelControls& panel);

} // namespace dw
