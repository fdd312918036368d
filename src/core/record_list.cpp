#include "core/record_list.h"

namespace dw {

void RecordList::clear() {
    records_.clear();
    firstByName_.clear();
    nextSameName_.clear();
    firstOfName_.clear();
    expected_ = 0;
    indexed_ = true;
}

GadgetRecord& RecordList::append(GadgetRecord record) {
    records_.push_back(std::move(record));
    indexed_ = false;
    return records_.back();
}

namespace {

std::uint32_t HashOf(QStringView name) {
    NameHash hash;
    for (const QChar c : name)
        hash.add(c.unicode());
    return hash.value();
}

} // namespace

void RecordList::buildIndex() const {
    firstByName_.clear();
    firstByName_.reserve(records_.size());
    nextSameName_.assign(records_.size(), -1);
    firstOfName_.assign(records_.size(), 1);
    expected_ = 0;
    // Walking backwards, each record becomes the first of its name and points on to the previous first.
    for (qsizetype at = size() - 1; at >= 0; --at) {
        const QString& name = records_[static_cast<std::size_t>(at)].name;
        const std::uint32_t hash = HashOf(name);
        std::uint32_t* first = firstByName_.find(hash, [&](std::uint32_t other) { return records_[other].name == name; });
        if (first) {
            nextSameName_[static_cast<std::size_t>(at)] = *first;
            firstOfName_[*first] = 0;
            *first = static_cast<std::uint32_t>(at);
        } else {
            firstByName_.insert(hash, static_cast<std::uint32_t>(at));
        }
    }
    indexed_ = true;
}

qsizetype RecordList::firstNamed(const QString& name) const {
    if (!indexed_)
        buildIndex();
    qsizetype found = -1;
    const std::size_t guess = static_cast<std::size_t>(expected_);
    if (guess < records_.size() && firstOfName_[guess] && records_[guess].name == name) {
        found = expected_;
    } else {
        const std::uint32_t* first =
            firstByName_.find(HashOf(name), [&](std::uint32_t at) { return records_[at].name == name; });
        found = first ? static_cast<qsizetype>(*first) : -1;
    }
    if (found >= 0)
        expected_ = found + 1;
    return found;
}

qsizetype RecordList::countNamed(const QString& name) const {
    qsizetype count = 0;
    for (qsizetype at = firstNamed(name); at >= 0; at = nextSameName_[static_cast<std::size_t>(at)])
        ++count;
    return count;
}

} // namespace dw
