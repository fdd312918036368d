#pragma once
// Positions of names by a hash of each: open addressing over one table whose
// slots hold the hash beside the position. A million names are one block
// instead of a million nodes, and a lookup rarely looks at a name other than
// the one it seeks. The caller hashes its names and says which are equal.
#include <QHashSeed>

#include <cstdint>
#include <vector>

namespace dw {

// FNV-1a, started from the process's random seed so that no file can be made
// to collide in every run.
class NameHash {
public:
    void add(std::uint32_t unit) { h_ = (h_ ^ unit) * 0x100000001b3ull; }
    std::uint32_t value() const { return static_cast<std::uint32_t>(h_ ^ (h_ >> 32)); }

private:
    std::uint64_t h_ = 0xcbf29ce484222325ull ^ static_cast<std::uint64_t>(QHashSeed::globalSeed());
};

class NameIndex {
public:
    void clear() {
        std::vector<Slot>().swap(slots_);
        count_ = 0;
    }

    void reserve(std::size_t names) {
        if (names * 2 > slots_.size())
            rehash(names * 2);
    }

    // Where the position of the name with this hash is kept (isName (position)
    // tells whether a position holds that name), or nullptr.
    template <typename IsName>
    std::uint32_t* find(std::uint32_t hash, IsName isName) {
        if (slots_.empty())
            return nullptr;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask; slots_[i].position != kEmpty; i = (i + 1) & mask) {
            if (slots_[i].hash == hash && isName(slots_[i].position))
                return &slots_[i].position;
        }
        return nullptr;
    }

    // Adds a name that is not in the index yet.
    void insert(std::uint32_t hash, std::uint32_t position) {
        if ((count_ + 1) * 2 > slots_.size())
            rehash((count_ + 1) * 2);
        place(Slot{hash, position});
        ++count_;
    }

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kEmpty;
    };

    void place(Slot slot) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = slot.hash & mask;
        while (slots_[i].position != kEmpty)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }

    void rehash(std::size_t atLeast) {
        std::size_t size = 16;
        while (size < atLeast)
            size *= 2;
        std::vector<Slot> old(size);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.position != kEmpty)
                place(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

} // namespace dw
