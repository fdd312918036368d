#include "core/record_list.h"

namespace dw {

void RecordList::clear() {
    records_.clear();
    firstByName_.clear();
    nextSameName_.clear();
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
    // Walking backwards, each record becomes the first of its name and points on to the previous first.
    for (qsizetype at = size() - 1; at >= 0; --at) {
        const QString& name = records_[static_cast<std::size_t>(at)].name;
        const std::uint32_t hash = HashOf(name);
        std::uint32_t* first = firstByName_.find(hash, [&](std::uint32_t other) { return records_[other].name == name; });
        if (first) {
            nextSameName_[static_cast<std::size_t>(at)] = *first;
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
    const std::uint32_t* first =
        firstByName_.find(HashOf(name), [&](std::uint32_t at) { return records_[at].name == name; });
    return first ? static_cast<qsizetype>(*first) : -1;
}

qsizetype RecordList::countNamed(const QString& name) const {
    qsizetype count = 0;
    for (qsizetype at = firstNamed(name); at >= 0; at = nextSameName_[static_cast<std::size_t>(at)])
        ++count;
    return count;
}

} // namespace dw
