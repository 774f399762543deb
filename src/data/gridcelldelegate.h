#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws the grid's thick caption and row-number borders and filters the keys typed into a cell
// editor: Tab and the arrows move the editor; of the characters, only those of numbers reach it,
// and the keys that insert none (cursor, selection, clipboard) work as in any text field.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit GridCellDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    QAbstractItemView* view_;
};
