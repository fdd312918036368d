#pragma once
// Everything the operations show to the user or change in the window goes
// through this interface, so the operations can run without a screen. The
// window implements it with real dialogs; tests answer it from a script.
#include "core/gadget_record.h"

#include <QString>
#include <span>

namespace dw {

struct FileDialogRequest {
    QString title;
    QString folder;    // empty: the dialog picks its own folder
    QString fileName;  // preset of the name field, empty when none
    QString patterns;  // "Label|*.ext|Label|*.*"
    int patternIndex = 0;
};

// The text of column 0 to 5 of a record's row in the gadget list: name, type,
// x, y, width, height in plain decimal. The numbers become text only when a row
// is drawn, so that filling the list with many rows stays cheap.
QString GadgetRowText(const GadgetRecord& record, int column);

class UserSeam {
public:
    virtual ~UserSeam() = default;

    // The chosen path, or the empty text when the dialog was cancelled or failed.
    virtual QString chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual QString chooseFileToSave(const FileDialogRequest& request) = 0;

    virtual void showMessage(const QString& title, const QString& text) = 0;
    // True only for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;

    virtual void clearGadgetRows() = 0;
    // Appends a row for each record at the end of the gadget list, in order.
    // The list keeps its own rows: the records may change or go afterwards.
    virtual void appendGadgetRows(std::span<const GadgetRecord> records) = 0;
    virtual void setFormFileLabel(const QString& text) = 0;
    virtual void setProjectFileLabel(const QString& text) = 0;
};

} // namespace dw
