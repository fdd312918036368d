#include "ui/qt_user_seam.h"

#include "ui/main_window.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace dw {

QStringList NameFiltersFromPatterns(const QString& patterns) {
    const QStringList parts = patterns.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(u';', u' ');
        // Qt reads the patterns from the parentheses at the end of a filter.
        if (label.endsWith(u'(' + pattern + u')'))
            filters << label;
        else
            filters << label + QStringLiteral(" (") + pattern + u')';
    }
    return filters;
}

QString QtUserSeam::runFileDialog(const FileDialogRequest& request, bool forSaving) {
    QFileDialog dialog(&window_, request.title, request.folder);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes names of files that are not there; the caller reports them.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The only overwrite question is the tool's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = NameFiltersFromPatterns(request.patterns);
    dialog.setNameFilters(filters);
    if (request.patternIndex >= 0 && request.patternIndex < filters.size())
        dialog.selectNameFilter(filters[request.patternIndex]);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString QtUserSeam::chooseFileToOpen(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

QString QtUserSeam::chooseFileToSave(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

void QtUserSeam::showMessage(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &window_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtUserSeam::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, &window_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void QtUserSeam::clearGadgetRows() {
    window_.gadgetRows().clear();
}

void QtUserSeam::appendGadgetRows(std::span<const GadgetRecord> records) {
    window_.gadgetRows().append(records);
}

void QtUserSeam::setFormFileLabel(const QString& text) {
    window_.formFileLine()->setText(text);
    window_.formFileLine()->setCursorPosition(0);
}

void QtUserSeam::setProjectFileLabel(const QString& text) {
    window_.projectFileLine()->setText(text);
    window_.projectFileLine()->setCursorPosition(0);
}

} // namespace dw
