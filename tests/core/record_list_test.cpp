#include "core/record_list.h"
#include "core/user_seam.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace dw {
namespace {

TEST(RecordList, LookupFindsEveryRecordOfTheExactNameInListOrder) {
    RecordList list;
    list.append(GadgetRecord{"Button_0", "ButtonGadget", 1});
    list.append(GadgetRecord{"Text_0", "TextGadget", 2});
    list.append(GadgetRecord{"Button_0", "ButtonGadget", 3});
    std::vector<int> xs;
    list.forEachNamed(QStringLiteral("Button_0"), [&](GadgetRecord& r) { xs.push_back(r.x); });
    EXPECT_EQ(xs, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.countNamed(QStringLiteral("button_0")), 0);
    EXPECT_EQ(list.countNamed(QStringLiteral("Button_0 ")), 0);
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.countNamed(QStringLiteral("Button_0")), 0);
}

// Lookups come mostly in list order; in any order, and where the record after
// the last one found has the name sought without being its first, every lookup
// gives what a walk over the whole list gives.
TEST(RecordList, LookupsInAnyOrderGiveWhatAWalkGives) {
    const QStringList names = {"A", "B", "A", "C", "B", "D", "a", "C"};
    RecordList list;
    for (qsizetype i = 0; i < names.size(); ++i)
        list.append(GadgetRecord{names[i], "TextGadget", static_cast<int>(i)});
    const QStringList lookups = {"A", "B", "A", "C", "B", "D", "a", "X", "C", "A", "D", "B", "B", "C", "a", "A"};
    for (const QString& name : lookups) {
        std::vector<int> walked, found;
        for (const GadgetRecord& r : list) {
            if (r.name == name)
                walked.push_back(r.x);
        }
        list.forEachNamed(name, [&](GadgetRecord& r) { found.push_back(r.x); });
        EXPECT_EQ(found, walked) << name.toStdString();
    }
    list.append(GadgetRecord{"E", "TextGadget", 8});
    std::vector<int> found;
    list.forEachNamed("E", [&](GadgetRecord& r) { found.push_back(r.x); });
    EXPECT_EQ(found, std::vector<int>{8});
}

TEST(GadgetRowText, NumbersShowAsPlainDecimalsWithTheirSign) {
    const GadgetRecord row{"Big_0", "ButtonGadget", 10, -5, 31, INT32_MIN};
    QStringList texts;
    for (int column = 0; column < 7; ++column)
        texts << GadgetRowText(row, column);
    EXPECT_EQ(texts, (QStringList{"Big_0", "ButtonGadget", "10", "-5", "31", "-2147483648", ""}));
}

} // namespace
} // namespace dw
