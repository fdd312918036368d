#include "project/project_file.h"

#include "core/file_requester.h"
#include "core/write_failure.h"
#include "import/form_import.h"
#include "project/key_value_file.h"
#include "text/text_ops.h"

namespace dw {

namespace {

const QString kProjectLabel = QStringLiteral("Aktuelle Projekt Datei: ");
const QString kFormLabel = QStringLiteral("Aktuelle FormDesinger Datei: ");

void ShowNotAProject(UserSeam& user) {
    user.showMessage(QStringLiteral("FEHLER!"), QStringLiteral("Sie haben kein Dehnwerk 0.6 Projekt ausgewählt."));
}

} // namespace

void SaveProject(Tool& tool) {
    const QString suggested = RemoveText(tool.state.formPath, u".pbf") + QStringLiteral(".dwkp");
    const QString path = AskSaveFile(tool.user, QStringLiteral("Projektdatei speichern"), suggested,
                                     QStringLiteral("Dehnwerk Projekt (*.dwkp)|*.dwkp|Alle Dateien (*.*)|*.*"), 0);
    if (path.isEmpty())
        return;
    tool.state.projectPath = path;
    if (!CreateKeyValueFile(path)) {
        ReportWriteFailure(tool.user, path);
        return;
    }
    tool.user.setProjectFileLabel(kProjectLabel + path);
    ReserveGroups(tool.records.size() + 2);
    SelectGroup(QStringLiteral("Version"));
    WriteTextKey(QStringLiteral("Version"), QStringLiteral("0.6"));
    SelectGroup(QStringLiteral("Pfad"));
    WriteTextKey(QStringLiteral("Form Datei"), tool.state.formPath);
    const QString x = QStringLiteral("x"), y = QStringLiteral("y");
    const QString breite = QStringLiteral("breite"), hoehe = QStringLiteral("hoehe");
    for (const GadgetRecord& record : tool.records) {
        SelectGroup(record.name);
        WriteIntegerKey(x, record.dynX);
        WriteIntegerKey(y, record.dynY);
        WriteIntegerKey(breite, record.dynWidth);
        WriteIntegerKey(hoehe, record.dynHeight);
    }
    if (!CloseKeyValueFile())
        ReportWriteFailure(tool.user, path);
}

void LoadProject(Tool& tool) {
    const QString path = AskOpenFile(tool.user, QStringLiteral("Projektdatei auswählen"), QString(),
                                     QStringLiteral("Dehnwerk Projekt (*.dwkp)|*.dwkp"), 0, 0,
                                     tool.state.dataLoaded != 0);
    if (path.isEmpty())
        return;
    tool.state.projectPath = path;
    if (!OpenKeyValueFile(path)) {
        ShowNotAProject(tool.user);
        return;
    }
    RewindGroups();
    while (NextGroup()) {
        const QString group = CurrentGroupName();
        if (TextEquals(group, u"Version") &&
            !TextEquals(ReadTextKey(QStringLiteral("Version"), QString()), u"0.6")) {
            CloseKeyValueFile();
            ShowNotAProject(tool.user);
            return;
        }
        if (TextEquals(group, u"Pfad")) {
            tool.state.formPath = ReadTextKey(QStringLiteral("Form Datei"), QString());
            // The import reads lines through its own slot; the project stays current meanwhile.
            ImportFormFile(tool, true);
            if (tool.records.isEmpty()) {
                tool.user.setFormFileLabel(kFormLabel);
                tool.user.setProjectFileLabel(kProjectLabel);
                CloseKeyValueFile();
                return;
            }
        }
        bool read = false;
        std::int32_t dynX = 0, dynY = 0, dynWidth = 0, dynHeight = 0;
        tool.records.forEachNamed(group, [&](GadgetRecord& record) {
            if (!read) {  // the keys are read once per group, not once per record
                dynX = ReadIntegerKey(QStringLiteral("x"), 0);
                dynY = ReadIntegerKey(QStringLiteral("y"), 0);
                dynWidth = ReadIntegerKey(QStringLiteral("breite"), 0);
                dynHeight = ReadIntegerKey(QStringLiteral("hoehe"), 0);
                read = true;
            }
            record.dynX = dynX;
            record.dynY = dynY;
            record.dynWidth = dynWidth;
            record.dynHeight = dynHeight;
        });
    }
    tool.user.setProjectFileLabel(kProjectLabel + path);
    CloseKeyValueFile();
}

} // namespace dw
