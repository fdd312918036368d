#include "import/form_line.h"

#include "support/qt_print.h"

#include <QStringDecoder>
#include <QStringList>
#include <gtest/gtest.h>

namespace dw {
namespace {

// What a line left behind: the three window values and the records it made,
// each record as "name|type|x|y|width|height".
struct Outcome {
    QString windowVar = "<kept>";
    QString width = "<kept>";
    QString height = "<kept>";
    QStringList records;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "var=" << o.windowVar.toStdString() << " w=" << o.width.toStdString() << " h=" << o.height.toStdString()
        << " records=" << o.records.join(" / ").toStdString();
}

template <typename Line>
Outcome Process(const Line& line) {
    ToolState state;
    state.windowVar = state.windowWidthText = state.windowHeightText = "<kept>";
    RecordList records;
    ProcessFormLine(line, state, records);
    Outcome outcome{state.windowVar, state.windowWidthText, state.windowHeightText, {}};
    for (const GadgetRecord& r : records) {
        outcome.records << QStringList{r.name, r.type, QString::number(r.x), QString::number(r.y),
                                       QString::number(r.width), QString::number(r.height)}.join('|');
        EXPECT_EQ(r.dynX | r.dynY | r.dynWidth | r.dynHeight, 0);
    }
    return outcome;
}

TEST(FormLine, WorkedLinesGiveExactlyTheirValues) {
    struct Case {
        QString line;
        Outcome expected;
    };
    const Case cases[] = {
        {"Procedure OpenWindow_0(x = 0, y = 0, width = 600, height = 400)", {"<kept>", "600", "400", {}}},
        {"  Window_0 = OpenWindow(0, x, y, width, height)", {"Window_0", "<kept>", "<kept>", {}}},
        {"  Button_0 = ButtonGadget(0, 10, 20, 100, 25)",
         {"<kept>", "<kept>", "<kept>", {"Button_0|ButtonGadget|10|20|100|25"}}},
        {"  ExplorerTree_0 = ExplorerTreeGadget(0, 5, 40, 200, 300)",
         {"<kept>", "<kept>", "<kept>", {"ExplorerTree_0|ExplorerTreeGadget|5|40|200|300"}}},
        {"  ButtonGadget(1, 10, 20, 100, 25)",
         {"<kept>", "<kept>", "<kept>", {"ButtonGadget(1,10,20,100,25)||10|20|100|25"}}},
        {"Procedure OpenWindow_0()", {"<kept>", "", "", {}}},
        {"Procedure OpenWindow_0(x = 0, y = 0, width =  600, height = 400))", {"<kept>", "", "400", {}}},
        {"; TextGadget", {"<kept>", "<kept>", "<kept>", {";TextGadget||0|0|0|0"}}},
        {"  Window_0 = OpenWindow(0, x, y, width, height, TextGadget)", {"Window_0", "<kept>", "<kept>", {}}},
        {"  Big_0 = ButtonGadget(0, 4294967306, -5, $1F, 25)",
         {"<kept>", "<kept>", "<kept>", {"Big_0|ButtonGadget|10|-5|31|25"}}},
        {"\tTab_0 = TextGadget(#PB_Any, 1, 2, 3, 4, \"x\")",
         {"<kept>", "<kept>", "<kept>", {"\tTab_0|TextGadget|1|2|3|4"}}},
        {"  Image_0 = ButtonImageGadget(#PB_Any, 1, 2, 3, 4, 0)",
         {"<kept>", "<kept>", "<kept>", {"Image_0|ButtonImageGadget|1|2|3|4"}}},
        {"  ListIcon_0 = ListIconGadget(#PB_Any, 5, 6, 7, 8, \"a, b\", 100)",
         {"<kept>", "<kept>", "<kept>", {"ListIcon_0|ListIconGadget|5|6|7|8"}}},
        {"  Canvas_0 = CanvasGadget(#PB_Any, 1, 2, 3)", {"<kept>", "<kept>", "<kept>", {"Canvas_0|CanvasGadget|1|2|3|0"}}},
        {"  Gadget = SomethingGadget(0, 1, 2, 3, 4)", {"<kept>", "<kept>", "<kept>", {}}},
        {"  ResizeGadget(Button_0, 1, 2, 3, 4)", {"<kept>", "<kept>", "<kept>", {}}},
        {"  buttongadget(0, 1, 2, 3, 4)", {"<kept>", "<kept>", "<kept>", {}}},
        {"Global Window_0, Button_0", {"<kept>", "<kept>", "<kept>", {}}},
        {QString::fromUtf8("  Größe = TextGadget(#PB_Any, 1, 2, 3, 4, \"Ä\")"),
         {"<kept>", "<kept>", "<kept>", {QString::fromUtf8("Größe|TextGadget|1|2|3|4")}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Process(QStringView(c.line)), c.expected) << c.line.toStdString();
        const QByteArray bytes = c.line.toUtf8();
        EXPECT_EQ(Process(QByteArrayView(bytes)), c.expected) << "as bytes: " << c.line.toStdString();
    }
}

TEST(FormLine, BytesAndDecodedTextGiveTheSameResultAlsoForBrokenUtf8) {
    const QByteArray lines[] = {
        "  B\xE4 = ButtonGadget(0, 1, 2, 3, 4)",
        "  \xEF\xBB\xBF" "B = ButtonGadget(\xC3, $\xC3\xA4, 2\xF0\x9F, -\xFF" "3, 4)",
        "Procedure Open\xE4(x = \xC2, y = 0, width = \xE2\x82 600, height = 40\xED\xA0\x80)",
        "  W\xF4\x90\x80\x80 = OpenWindow(\xC0\x80TextGadget",
        "\xF8\x88\x80\x80\x80 = TextGadget\xFE(\xFF, \x80, \xBF)",
        "  x = ExplorerTree\xE4Gadget(0, 1, 2, 3, 4) TreeGadget",
        // Blanks inside a name, also inside a broken sequence.
        "  B\xC3 \xA9 = ButtonGadget(0, 1, 2, 3, 4)",
        "  a b = xButtonGadget(0, 1, 2, 3, 4)",
        // Types that only contain or nearly are a keyword.
        "  t = ButtonGadgetX(0, 1, 2, 3, 4)",
        "  t = ButtonGadget = TextGadget(1,2",
        "  t = = ButtonGadget(1, 2, 3, 4, 5)",
        "  t = Gadget(1, 2, 3, 4, 5) MDIGadget",
        "TextGadget = TextGadget(1,2,3,4,5)",
        " = MDIGadget",
        "ButtonGadget( a = b, 1",
        "\xE4Gadget = TreeGadget(,,,,,,)",
        "  w = WebGadget(1 2 3 4 5)",
        // A window phrase anywhere takes the general path.
        "  g = TextGadget(1, 2, 3, 4) ; OpenWindow",
    };
    for (const QByteArray& line : lines) {
        const QString decoded = QString::fromUtf8(line);
        EXPECT_EQ(Process(QByteArrayView(line)), Process(QStringView(decoded))) << line.toHex(' ').toStdString();
    }
}

} // namespace
} // namespace dw
