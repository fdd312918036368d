#pragma once
// The real dialogs and message boxes, modal and owned by the main window, and
// the list and path lines of the main window.
#include "core/user_seam.h"

namespace dw {

class MainWindow;

// Qt name filters from a "Label|pattern|Label|pattern" list.
QStringList NameFiltersFromPatterns(const QString& patterns);

class QtUserSeam : public UserSeam {
public:
    explicit QtUserSeam(MainWindow& window) : window_(window) {}

    QString chooseFileToOpen(const FileDialogRequest& request) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    void showMessage(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    void clearGadgetRows() override;
    void appendGadgetRows(std::span<const GadgetRecord> records) override;
    void setFormFileLabel(const QString& text) override;
    void setProjectFileLabel(const QString& text) override;

private:
    QString runFileDialog(const FileDialogRequest& request, bool forSaving);

    MainWindow& window_;
};

} // namespace dw
