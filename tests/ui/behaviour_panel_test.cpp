#include "ui/behaviour_panel.h"
#include "ui/control_states.h"
#include "ui/main_window_layout.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace dw {
namespace {

class FakePanel : public PanelControls {
public:
    int row = -1;
    QStringList names;
    bool boxes[4] = {};
    int selectedRow() const override { return row; }
    QString rowName(int r) const override { return names.value(r); }
    bool isTicked(Box box) const override { return boxes[int(box)]; }
    void setTicked(Box box, bool ticked) override { boxes[int(box)] = ticked; }
    QString shown() const {
        return QStringLiteral("%1%2%3%4").arg(int(boxes[0])).arg(int(boxes[1])).arg(int(boxes[2])).arg(int(boxes[3]));
    }
};

QString Flags(const GadgetRecord& r) {
    return QStringLiteral("%1%2%3%4").arg(r.dynX).arg(r.dynY).arg(r.dynWidth).arg(r.dynHeight);
}

struct PanelSetup {
    RecordList records;
    FakePanel panel;
    PanelSetup() {
        records.append(GadgetRecord{"Button_0", "", 0, 0, 0, 0, 1, 0, 1, 0});
        records.append(GadgetRecord{"Text_0", "", 0, 0, 0, 0, 0, 2, 0, 0});
        records.append(GadgetRecord{"Button_0", "", 0, 0, 0, 0, 0, 1, 1, 0});
        records.append(GadgetRecord{"button_0", "", 0, 0, 0, 0, 0, 0, 0, 0});
        panel.names = {"Button_0", "Text_0", "Button_0", "button_0"};
    }
};

TEST(BehaviourPanel, ShowingARowLetsTheLastRecordOfItsNameDecide) {
    PanelSetup s;
    s.panel.row = 0;
    ShowRecordInChecks(s.records, s.panel);
    EXPECT_EQ(s.panel.shown(), "0110");
    // A flag that is neither 0 nor 1 leaves its box alone.
    s.panel.boxes[1] = true;
    s.panel.row = 1;
    ShowRecordInChecks(s.records, s.panel);
    EXPECT_EQ(s.panel.shown(), "0100");
    s.panel.row = -1;
    s.panel.boxes[0] = true;
    ShowRecordInChecks(s.records, s.panel);
    EXPECT_EQ(s.panel.shown(), "1100");
}

TEST(BehaviourPanel, EveryOperationWritesAllFourBoxesIntoEveryRecordOfTheName) {
    struct Case {
        const char* what;
        void (*operation)(RecordList&, PanelControls&);
        QString boxesBefore;
        QString boxesAfter;
    };
    const Case cases[] = {
        {"box click", ApplyChecksToRecord, "1001", "1001"},
        {"XY", SetXYDynamic, "0010", "1110"},
        {"Size", SetSizeDynamic, "1000", "1011"},
        {"Keine", ClearAllMarks, "1111", "0000"},
    };
    for (const Case& c : cases) {
        PanelSetup s;
        s.panel.row = 2;
        for (int i = 0; i < 4; ++i)
            s.panel.boxes[i] = c.boxesBefore[i] == u'1';
        c.operation(s.records, s.panel);
        EXPECT_EQ(s.panel.shown(), c.boxesAfter) << c.what;
        EXPECT_EQ(Flags(s.records[0]), c.boxesAfter) << c.what;
        EXPECT_EQ(Flags(s.records[2]), c.boxesAfter) << c.what;
        EXPECT_EQ(Flags(s.records[1]), "0200") << c.what;
        EXPECT_EQ(Flags(s.records[3]), "0000") << c.what << ": names differing in case are other gadgets";
    }
}

TEST(BehaviourPanel, WithoutASelectedRowTheButtonsChangeBoxesButNoRecord) {
    PanelSetup s;
    SetXYDynamic(s.records, s.panel);
    EXPECT_EQ(s.panel.shown(), "1100");
    ApplyChecksToRecord(s.records, s.panel);
    EXPECT_EQ(Flags(s.records[0]), "1010");
}

TEST(ControlStates, TheThreeStepsGiveTheseStates) {
    struct Case {
        ControlInputs in;
        ControlStates expected;
    };
    // Order: list, save project box, save commands box, menu 1, menu 3, behaviour boxes,
    // behaviour buttons, save button, preview.
    const Case cases[] = {
        {{false, -1, false, false}, {false, false, false, false, false, false, false, false, false}},
        {{false, -1, true, false}, {false, false, false, false, false, false, false, true, false}},
        {{true, -1, false, false}, {true, true, true, true, true, false, false, false, false}},
        {{true, 3, false, false}, {true, true, true, true, true, true, true, false, false}},
        {{true, 0, false, true}, {true, true, true, true, true, true, true, true, false}},
        {{true, -1, true, true}, {true, true, true, true, true, false, false, true, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeControlStates(c.in), c.expected)
            << c.in.dataLoaded << c.in.selectedRow << c.in.saveProjectTicked << c.in.saveCommandsTicked;
}

TEST(MainWindowLayout, AtTheDesignedSizeEveryAnchorGivesTheDesignedGeometry) {
    for (const ControlSpec& entry : MainWindowControls())
        EXPECT_EQ(AnchoredGeometry(entry, entry.designed, kDesignedWidth, kDesignedHeight), entry.designed)
            << entry.text.toString().toStdString();
}

} // namespace
} // namespace dw
