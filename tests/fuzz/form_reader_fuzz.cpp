// Bytes as a form file: the import must take any of them, the rows must match
// the records, and skimming the first line must agree with reading it.
#include "core/tool.h"
#include "fuzz/fuzz_support.h"
#include "import/form_import.h"
#include "import/form_line.h"
#include "text/text_file.h"
#include "text/text_ops.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dw;
    const QString path = fuzz::ScratchPath("form.pbf");
    fuzz::WriteFile(path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    fuzz::AnsweringUser user;
    Tool tool(user);
    tool.state.formPath = path;
    ImportFormFile(tool, true);
    DW_FUZZ_CHECK(tool.state.dataLoaded == 1 || tool.records.isEmpty());
    DW_FUZZ_CHECK(static_cast<qsizetype>(user.rows) == tool.records.size());
    for (const GadgetRecord& record : tool.records) {
        DW_FUZZ_CHECK(!record.name.contains(u' '));
        DW_FUZZ_CHECK(tool.records.countNamed(record.name) >= 1);
    }

    // Every line cut as bytes gives what the decoded line gives.
    DW_FUZZ_CHECK(OpenTextForReading(path));
    while (!AtEndOfText()) {
        ToolState fromBytes, fromText;
        RecordList bytesRecords, textRecords;
        QString decoded;
        ReadTextLineBytes([&](QByteArrayView line) {
            ProcessFormLine(line, fromBytes, bytesRecords);
            decoded = DecodeUtf8(line);
        });
        ProcessFormLine(QStringView(decoded), fromText, textRecords);
        DW_FUZZ_CHECK(fromBytes.windowVar == fromText.windowVar);
        DW_FUZZ_CHECK(fromBytes.windowWidthText == fromText.windowWidthText);
        DW_FUZZ_CHECK(fromBytes.windowHeightText == fromText.windowHeightText);
        DW_FUZZ_CHECK(bytesRecords.size() == textRecords.size());
        for (qsizetype i = 0; i < bytesRecords.size(); ++i) {
            const GadgetRecord& a = bytesRecords[i];
            const GadgetRecord& b = textRecords[i];
            DW_FUZZ_CHECK(a.name == b.name && a.type == b.type && a.x == b.x && a.y == b.y && a.width == b.width &&
                          a.height == b.height);
        }
    }
    CloseTextFile();

    const QString phrase = QStringLiteral("Form Designer for Purebasic - 5.2");
    DW_FUZZ_CHECK(OpenTextForReading(path));
    const bool read = FindText(ReadTextLine(), phrase) > 0;
    DW_FUZZ_CHECK(OpenTextForReading(path));
    DW_FUZZ_CHECK(SkimTextLineFor({"Form Designer for Purebasic - 5.2"}) == read);
    CloseTextFile();
    return 0;
}
