#pragma once

#include <QAbstractTableModel>

class DataGrid;

// Shows the core grid in a view; a committed edit that changes a cell raises the grid's Change.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(DataGrid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    DataGrid& grid_;
    int changeListener_;
};
