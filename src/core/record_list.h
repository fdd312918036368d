#pragma once
// The ordered gadget records of the current form, with a name index so that
// finding every record of a name costs as many steps as there are such records.
#include "core/gadget_record.h"
#include "core/name_index.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace dw {

class RecordList {
public:
    void clear();
    GadgetRecord& append(GadgetRecord record);

    qsizetype size() const { return static_cast<qsizetype>(records_.size()); }
    bool isEmpty() const { return records_.empty(); }

    std::vector<GadgetRecord>::iterator begin() { return records_.begin(); }
    std::vector<GadgetRecord>::iterator end() { return records_.end(); }
    std::vector<GadgetRecord>::const_iterator begin() const { return records_.begin(); }
    std::vector<GadgetRecord>::const_iterator end() const { return records_.end(); }
    GadgetRecord& operator[](qsizetype i) { return records_[static_cast<std::size_t>(i)]; }
    const GadgetRecord& operator[](qsizetype i) const { return records_[static_cast<std::size_t>(i)]; }

    // How many records carry exactly this name.
    qsizetype countNamed(const QString& name) const;

    // Calls visit for every record of that name, first to last.
    template <typename Visit>
    void forEachNamed(const QString& name, Visit visit) {
        for (qsizetype at = firstNamed(name); at >= 0; at = nextSameName_[static_cast<std::size_t>(at)])
            visit(records_[static_cast<std::size_t>(at)]);
    }

private:
    qsizetype firstNamed(const QString& name) const;
    void buildIndex() const;

    std::vector<GadgetRecord> records_;
    // Built on the first lookup after the list changed, so an import pays nothing
    // for it: the first record of each name, and for each record the next one of its name.
    mutable NameIndex firstByName_;
    mutable std::vector<qsizetype> nextSameName_;
    mutable std::vector<std::uint8_t> firstOfName_;  // 1 where a record is the first of its name
    // Where the record after the last one found stands: a project lists its
    // groups in list order, so the next lookup is nearly always answered there
    // without the index.
    mutable qsizetype expected_ = 0;
    mutable bool indexed_ = true;
};

} // namespace dw
