#include "support/tool_fixture.h"

#include "import/form_import.h"

namespace dw::test {

void ToolUnderTest::ImportFormFileForTest() {
    ImportFormFile(tool, false);
}

} // namespace dw::test
