// Bytes as a form file: the import must take any of them, the rows must match
// the records, and skimming the first line must agree with reading it.
#include "core/tool.h"
#include "fuzz/fuzz_support.h"
#include "import/form_import.h"
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
        DW_FUZZ_CHECK(tool.records.positionsOf(record.name).size() >= 1);
    }

    const QString phrase = QStringLiteral("Form Designer for Purebasic - 5.2");
    DW_FUZZ_CHECK(OpenTextForReading(path));
    const bool read = FindText(ReadTextLine(), phrase) > 0;
    DW_FUZZ_CHECK(OpenTextForReading(path));
    DW_FUZZ_CHECK(SkimTextLineFor({"Form Designer for Purebasic - 5.2"}) == read);
    CloseTextFile();
    return 0;
}
