#include "core/record_list.h"

namespace dw {

void RecordList::clear() {
    records_.clear();
    byName_.clear();
}

GadgetRecord& RecordList::append(GadgetRecord record) {
    byName_[record.name].push_back(size());
    records_.push_back(std::move(record));
    return records_.back();
}

std::span<const qsizetype> RecordList::positionsOf(QStringView name) const {
    const auto found = byName_.constFind(name.toString());
    if (found == byName_.constEnd())
        return {};
    return {found->data(), found->size()};
}

} // namespace dw
