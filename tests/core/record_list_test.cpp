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

TEST(GadgetRow, NumbersShowAsPlainDecimalsWithTheirSign) {
    const GadgetRow row{"Big_0", "ButtonGadget", 10, -5, 31, INT32_MIN};
    QStringList texts;
    for (int column = 0; column < 7; ++column)
        texts << GadgetRowText(row, column);
    EXPECT_EQ(texts, (QStringList{"Big_0", "ButtonGadget", "10", "-5", "31", "-2147483648", ""}));
}

} // namespace
} // namespace dw
