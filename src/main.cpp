// Dehnwerk: reads a Form Designer form, lets the user mark which geometry
// values follow the window size, and writes the ResizeGadget statements.
#include "ui/run_tool.h"

int main(int argc, char** argv) {
    return dw::RunTool(argc, argv);
}
