#include "core/name_index.h"

#include <QString>
#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

namespace dw {
namespace {

std::uint32_t HashOf(const QString& name) {
    NameHash hash;
    for (const QChar c : name)
        hash.add(c.unicode());
    return hash.value();
}

// Names go in under their first position; a later equal name finds that one.
// Every answer is checked against a plain map, with and without room made
// beforehand, with many equal names and with hashes forced to collide.
TEST(NameIndex, FindsExactlyTheNamesInsertedAtTheirFirstPosition) {
    struct Case {
        const char* what;
        int names;
        int distinct;      // names are drawn from this many different ones
        bool reserve;
        std::uint32_t hashMask;  // 0xF: only 16 different hashes
    };
    const Case cases[] = {
        {"all different, room made", 20000, 1 << 30, true, 0xFFFFFFFF},
        {"all different, grown", 20000, 1 << 30, false, 0xFFFFFFFF},
        {"many equal names", 20000, 300, false, 0xFFFFFFFF},
        {"colliding hashes", 3000, 1500, false, 0xF},
        {"a single name", 1, 1, true, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        std::mt19937 random(7);
        std::vector<QString> names;
        for (int i = 0; i < c.names; ++i)
            names.push_back(QStringLiteral("N%1").arg(random() % static_cast<unsigned>(c.distinct)));
        NameIndex index;
        if (c.reserve)
            index.reserve(names.size());
        std::unordered_map<QString, std::uint32_t> expected;
        for (std::uint32_t at = 0; at < names.size(); ++at) {
            const QString& name = names[at];
            const std::uint32_t hash = HashOf(name) & c.hashMask;
            const auto isName = [&](std::uint32_t other) { return names[other] == name; };
            const std::uint32_t* found = index.find(hash, isName);
            const auto known = expected.find(name);
            ASSERT_EQ(found != nullptr, known != expected.end()) << c.what << " at " << at;
            if (found)
                ASSERT_EQ(*found, known->second) << c.what;
            else {
                index.insert(hash, at);
                expected.emplace(name, at);
            }
        }
        // Afterwards every name is still found, at its first position.
        for (const auto& [name, at] : expected) {
            const std::uint32_t* found =
                index.find(HashOf(name) & c.hashMask, [&](std::uint32_t other) { return names[other] == name; });
            ASSERT_NE(found, nullptr) << c.what << ": " << name.toStdString();
            EXPECT_EQ(*found, at) << c.what;
        }
        // Names never inserted are not found, whatever the filter lets through.
        for (int i = 0; i < 2000; ++i) {
            const QString absent = QStringLiteral("absent %1").arg(i);
            EXPECT_EQ(index.find(HashOf(absent) & c.hashMask, [&](std::uint32_t other) { return names[other] == absent; }),
                      nullptr)
                << c.what;
        }
        index.clear();
        EXPECT_EQ(index.find(HashOf(names[0]) & c.hashMask, [](std::uint32_t) { return true; }), nullptr) << c.what;
    }
}

// A found position can be changed in place: the record index keeps the first
// record of a name there while it walks the list backwards.
TEST(NameIndex, AFoundPositionCanBeReplaced) {
    const QString name = QStringLiteral("Knopf");
    NameIndex index;
    index.insert(HashOf(name), 5);
    std::uint32_t* found = index.find(HashOf(name), [](std::uint32_t at) { return at == 5; });
    ASSERT_NE(found, nullptr);
    *found = 2;
    found = index.find(HashOf(name), [](std::uint32_t at) { return at == 2; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(*found, 2u);
}

} // namespace
} // namespace dw
