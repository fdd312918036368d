#include "import/form_import.h"

#include "core/file_requester.h"
#include "import/form_line.h"
#include "text/text_file.h"
#include "text/text_ops.h"

namespace dw {

namespace {

void ShowRecords(Tool& tool) {
    tool.user.appendGadgetRows(std::span<const GadgetRecord>(tool.records.begin(), tool.records.end()));
}

} // namespace

void ImportFormFile(Tool& tool, bool fromProject) {
    if (!fromProject) {
        const QString chosen =
            AskOpenFile(tool.user, QStringLiteral("FormDesinger Datei laden"), QString(),
                        QStringLiteral("PureBasic (*.pbf)|*.pbf|Alle Dateien (*.*)|*.*"), 0, 0, tool.state.dataLoaded != 0);
        if (chosen.isEmpty())
            return;
        tool.state.formPath = chosen;
    }

    tool.records.clear();
    tool.user.clearGadgetRows();

    const bool opened = OpenTextForReading(tool.state.formPath);
    if (opened) {
        // The header must stand in the first line; a file that is no form may have
        // no line end at all, so the line is skimmed rather than kept.
        if (!SkimTextLineFor({"Form Designer for Purebasic - 5.21", "Form Designer for Purebasic - 5.22"})) {
            CloseTextFile();
            tool.user.showMessage(QStringLiteral("FEHLER!"),
                                  QStringLiteral("Sie haben keine Purebasic 5.21 FormDesinger Datei ausgwählt."));
            return;
        }
        // Lines are cut as bytes; only the pieces a record or the window keeps are decoded.
        const auto process = [&tool](QByteArrayView line) { ProcessFormLine(line, tool.state, tool.records); };
        while (!AtEndOfText())
            ReadTextLineBytes(process);
        CloseTextFile();
    }

    tool.user.setFormFileLabel(QStringLiteral("Aktuelle FormDesinger Datei: ") + tool.state.formPath);
    tool.state.dataLoaded = 1;
    tool.user.setProjectFileLabel(QStringLiteral("Aktuelle Projekt Datei: "));
    ShowRecords(tool);

    if (!opened)
        tool.user.showMessage(QStringLiteral("Fehler!"),
                              QStringLiteral("PBF- Datei konnte nicht geöffnet/gefunden werden."));
}

} // namespace dw
