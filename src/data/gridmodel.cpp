#include "data/gridmodel.h"

#include "data/datagrid.h"
#include "framework/layoutfont.h"

GridModel::GridModel(DataGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), changeListener_(grid.addChangeListener([this] {
          emit dataChanged(index(0, 0), index(DataGrid::rowCount - 1, DataGrid::columnCount - 1));
      })) {}

GridModel::~GridModel() {
    grid_.removeChangeListener(changeListener_);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DataGrid::rowCount;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DataGrid::columnCount;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(grid_.cell(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::FontRole:
        return framework::layoutFont("Times", 12, index.row() == 0);
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !DataGrid::isEditable(index.row(), index.column())) {
        return false;
    }
    std::string text = value.toString().toStdString();
    if (text == grid_.cell(index.row(), index.column())) {
        return true;
    }
    grid_.setCell(index.row(), index.column(), std::move(text));
    grid_.raiseChange();
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (DataGrid::isEditable(index.row(), index.column())) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}
