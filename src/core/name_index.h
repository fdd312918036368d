#pragma once
// Positions of names by a hash of each: open addressing over one table whose
// slots hold the hash beside the position. A million names are one block
// instead of a million nodes, and a lookup rarely looks at a name other than
// the one it seeks. The caller hashes its names and says which are equal.
//
// With a million names the table no longer fits any cache, and one random
// access per name would cost more than everything else done with the name.
// Most lookups are for names not there yet (every group of a new project, every
// record while the record index is built), so a small filter answers those
// without touching the table, and new names reach the table in batches whose
// slots are fetched ahead of use.
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
        std::vector<Slot>().swap(waiting_);
        std::vector<std::uint64_t>().swap(filter_);
        count_ = 0;
    }

    void reserve(std::size_t names) {
        if (names * 2 > slots_.size())
            rehash(names * 2);
        if (names * kFilterBitsPerName > filter_.size() * 64)
            rebuildFilter(names);
    }

    // Where the position of the name with this hash is kept (isName (position)
    // tells whether a position holds that name), or nullptr.
    template <typename IsName>
    std::uint32_t* find(std::uint32_t hash, IsName isName) {
        if (!mayHold(hash))
            return nullptr;
        indexWaiting();
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask; slots_[i].position != kEmpty; i = (i + 1) & mask) {
            if (slots_[i].hash == hash && isName(slots_[i].position))
                return &slots_[i].position;
        }
        return nullptr;
    }

    // Adds a name that is not in the index yet.
    void insert(std::uint32_t hash, std::uint32_t position) {
        ++count_;
        if (count_ * kFilterBitsPerName > filter_.size() * 64)
            rebuildFilter(count_ * 2);
        addToFilter(hash);
        waiting_.push_back(Slot{hash, position});
        if (waiting_.size() >= kBatch)
            indexWaiting();
    }

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    static constexpr std::size_t kFilterBitsPerName = 8;
    static constexpr std::size_t kBatch = 256;
    static constexpr std::size_t kAhead = 8;

    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kEmpty;
    };

    static void FetchAhead([[maybe_unused]] const Slot* slot) {
#if defined(__GNUC__)
        __builtin_prefetch(slot, 1);
#endif
    }

    // A blocked Bloom filter: three bits in one 64-bit word per name, so a test
    // is one memory access. It never misses a name it holds; about one name in
    // thirty that it does not hold still passes and is looked up in the table.
    std::uint64_t spread(std::uint32_t hash) const { return hash * 0x9E3779B97F4A7C15ull; }
    std::uint64_t bitsOf(std::uint64_t spread) const {
        return (1ull << (spread & 63)) | (1ull << ((spread >> 6) & 63)) | (1ull << ((spread >> 12) & 63));
    }
    std::size_t wordOf(std::uint64_t spread) const { return (spread >> 32) & (filter_.size() - 1); }

    bool mayHold(std::uint32_t hash) const {
        if (filter_.empty())
            return false;
        const std::uint64_t s = spread(hash);
        const std::uint64_t bits = bitsOf(s);
        return (filter_[wordOf(s)] & bits) == bits;
    }

    void addToFilter(std::uint32_t hash) {
        const std::uint64_t s = spread(hash);
        filter_[wordOf(s)] |= bitsOf(s);
    }

    void rebuildFilter(std::size_t names) {
        std::size_t words = 16;
        while (words * 64 < names * kFilterBitsPerName)
            words *= 2;
        filter_.assign(words, 0);
        for (const Slot& slot : slots_) {
            if (slot.position != kEmpty)
                addToFilter(slot.hash);
        }
        for (const Slot& slot : waiting_)
            addToFilter(slot.hash);
    }

    // Moves the waiting names into the table, fetching each one's first slot a
    // few names ahead so that the accesses overlap instead of queueing.
    void indexWaiting() {
        if (waiting_.empty())
            return;
        if (count_ * 2 > slots_.size())
            rehash(count_ * 2);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = 0; i < waiting_.size(); ++i) {
            if (i + kAhead < waiting_.size())
                FetchAhead(&slots_[waiting_[i + kAhead].hash & mask]);
            place(waiting_[i]);
        }
        waiting_.clear();
    }

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
    std::vector<Slot> waiting_;  // inserted, not yet in the table
    std::vector<std::uint64_t> filter_;
    std::size_t count_ = 0;
};

} // namespace dw
