// A project of fuzzed bytes loaded onto a form of fuzzed bytes: the load must
// finish, close its file, and leave marks only where a group named a gadget.
#include "core/tool.h"
#include "fuzz/fuzz_support.h"
#include "project/key_value_file.h"
#include "project/project_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dw;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The first byte 01 splits the input: the form before, the project after.
    const qsizetype split = input.indexOf('\x01');
    const QByteArray formPart = split < 0 ? input : input.left(split);
    const QByteArray projectPart = split < 0 ? QByteArray() : input.mid(split + 1);

    const QString form = fuzz::ScratchPath("form.pbf");
    const QString project = fuzz::ScratchPath("project.dwkp");
    fuzz::WriteFile(form, "; Form Designer for Purebasic - 5.22\r\n" + formPart);
    fuzz::WriteFile(project, "[Pfad]\r\nForm Datei = " + form.toUtf8() + "\r\n" + projectPart);

    fuzz::AnsweringUser user;
    user.path = project;
    Tool tool(user);
    LoadProject(tool);
    DW_FUZZ_CHECK(!NextGroup());  // closed on every road
    DW_FUZZ_CHECK(static_cast<qsizetype>(user.rows) == tool.records.size());
    return 0;
}
