#pragma once
// The rows of the gadget list: copies of the records as the import made them,
// six texts each. A model, so the view only ever draws the rows on screen.
#include "core/user_seam.h"

#include <QAbstractTableModel>
#include <vector>

namespace dw {

class GadgetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    void append(std::span<const GadgetRecord> records);
    QString name(int row) const;

private:
    std::vector<GadgetRecord> rows_;
};

} // namespace dw
