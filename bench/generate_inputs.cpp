// Writes the benchmark inputs: forms in the Form Designer's layout with the
// given numbers of gadget lines (mixed keywords, some comment lines) and the
// matching projects with random marks.
//
// usage: generate_inputs FOLDER COUNT...
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kKinds[] = {"ButtonGadget", "StringGadget", "TextGadget", "CheckBoxGadget", "ComboBoxGadget",
                              "ListIconGadget", "EditorGadget", "ExplorerTreeGadget", "ButtonImageGadget",
                              "ContainerGadget", "ProgressBarGadget", "TrackBarGadget"};

bool WriteForm(const std::string& path, long count) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fputs("; Form Designer for Purebasic - 5.22\r\n"
               "; Warning: this file uses a strict syntax, if you edit it, make sure to respect the Form Designer "
               "limitation or it won't be opened again.\r\n\r\n"
               "Procedure OpenWindow_0(x = 0, y = 0, width = 1200, height = 900)\r\n"
               "  Window_0 = OpenWindow(#PB_Any, x, y, width, height, \"Bench\", #PB_Window_SystemMenu)\r\n",
               f);
    std::mt19937 random(42);
    for (long i = 0; i < count; ++i) {
        const char* kind = kKinds[i % (sizeof kKinds / sizeof kKinds[0])];
        if (i % 50 == 7)
            std::fprintf(f, "  ; Gadget_%ld was a %s once\r\n", i, kind);
        std::fprintf(f, "  Gadget_%ld = %s(#PB_Any, %u, %u, %u, %u, \"Text %ld\")\r\n", i, kind,
                     static_cast<unsigned>(random() % 1200), static_cast<unsigned>(random() % 900),
                     10 + static_cast<unsigned>(random() % 300), 10 + static_cast<unsigned>(random() % 100), i);
        if (i % 20 == 3)
            std::fprintf(f, "  GadgetToolTip(Gadget_%ld, \"Tip\")\r\n", i);
    }
    std::fputs("EndProcedure\r\n", f);
    return std::fclose(f) == 0;
}

bool WriteProject(const std::string& path, const std::string& form, long count) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "\xEF\xBB\xBF\r\n[Version]\r\nVersion = 0.6\r\n[Pfad]\r\nForm Datei = %s\r\n", form.c_str());
    std::mt19937 random(7);
    for (long i = 0; i < count; ++i) {
        const unsigned marks = static_cast<unsigned>(random());
        std::fprintf(f, "[Gadget_%ld]\r\nx = %u\r\ny = %u\r\nbreite = %u\r\nhoehe = %u\r\n", i, marks & 1,
                     (marks >> 1) & 1, (marks >> 2) & 1, (marks >> 3) & 1);
    }
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER COUNT...\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (int i = 2; i < argc; ++i) {
        const long count = std::atol(argv[i]);
        const std::string form = folder + "/form_" + argv[i] + ".pbf";
        if (!WriteForm(form, count) || !WriteProject(folder + "/project_" + argv[i] + ".dwkp", form, count)) {
            std::fprintf(stderr, "cannot write the inputs for %ld gadgets into %s\n", count, folder.c_str());
            return 1;
        }
    }
    return 0;
}
