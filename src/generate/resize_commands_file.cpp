#include "generate/resize_commands_file.h"

#include "core/file_requester.h"
#include "core/write_failure.h"
#include "generate/resize_command.h"
#include "text/text_file.h"
#include "text/text_ops.h"

namespace dw {

void SaveResizeCommands(Tool& tool) {
    const QString suggested = RemoveText(tool.state.formPath, u".pbf") + QStringLiteral(".txt");
    const QString path = AskSaveFile(tool.user, QStringLiteral("Resitze Befehle speichern"), suggested,
                                     QStringLiteral("Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"), 0);
    if (path.isEmpty())
        return;
    if (!CreateTextFile(path)) {
        ReportWriteFailure(tool.user, path);
        return;
    }
    QString line;
    for (const GadgetRecord& record : tool.records) {
        BuildResizeCommandLine(line, record, tool.state);
        WriteTextLine(line);
    }
    if (!CloseTextFile())
        ReportWriteFailure(tool.user, path);
}

} // namespace dw
