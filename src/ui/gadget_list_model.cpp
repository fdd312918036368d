#include "ui/gadget_list_model.h"

#include "ui/main_window_layout.h"

namespace dw {

int GadgetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GadgetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kGadgetListColumns.size());
}

QVariant GadgetListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return GadgetRowText(rows_[static_cast<std::size_t>(index.row())], index.column());
}

QVariant GadgetListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kGadgetListColumns.size()))
        return {};
    return kGadgetListColumns[static_cast<std::size_t>(section)].title.toString();
}

void GadgetListModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void GadgetListModel::append(std::span<const GadgetRecord> records) {
    if (records.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(records.size()) - 1);
    rows_.insert(rows_.end(), records.begin(), records.end());
    endInsertRows();
}

QString GadgetListModel::name(int row) const {
    if (row < 0 || row >= rowCount())
        return QString();
    return rows_[static_cast<std::size_t>(row)].name;
}

} // namespace dw
