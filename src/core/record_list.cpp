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

void RecordList::buildIndex() const {
    firstByName_.clear();
    firstByName_.reserve(size());
    nextSameName_.assign(records_.size(), -1);
    // Walking backwards, each record becomes the first of its name and points on to the previous first.
    for (qsizetype at = size() - 1; at >= 0; --at) {
        const QString& name = records_[static_cast<std::size_t>(at)].name;
        const auto found = firstByName_.find(name);
        if (found == firstByName_.end()) {
            firstByName_.insert(name, at);
        } else {
            nextSameName_[static_cast<std::size_t>(at)] = *found;
            *found = at;
        }
    }
    indexed_ = true;
}

qsizetype RecordList::firstNamed(const QString& name) const {
    if (!indexed_)
        buildIndex();
    const auto found = firstByName_.constFind(name);
    return found == firstByName_.constEnd() ? -1 : *found;
}

qsizetype RecordList::countNamed(const QString& name) const {
    qsizetype count = 0;
    for (qsizetype at = firstNamed(name); at >= 0; at = nextSameName_[static_cast<std::size_t>(at)])
        ++count;
    return count;
}

} // namespace dw
