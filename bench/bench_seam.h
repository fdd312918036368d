#pragma once
// A user who always picks the prepared path and says yes; rows go nowhere,
// so the figures measure files and records, not widgets.
#include "core/user_seam.h"

namespace dw::bench {

class BenchUser : public UserSeam {
public:
    QString path;
    QString chooseFileToOpen(const FileDialogRequest&) override { return path; }
    QString chooseFileToSave(const FileDialogRequest&) override { return path; }
    void showMessage(const QString&, const QString&) override { ++messages; }
    bool askYesNo(const QString&, const QString&) override { return true; }
    void clearGadgetRows() override {}
    void appendGadgetRows(std::span<const GadgetRecord> records) override { rowsShown += records.size(); }
    void setFormFileLabel(const QString&) override {}
    void setProjectFileLabel(const QString&) override {}
    int messages = 0;
    std::size_t rowsShown = 0;
};

} // namespace dw::bench
