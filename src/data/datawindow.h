#pragma once

#include <QMainWindow>

class QTableView;
class GridModel;

// The Data Window: the grid where the data are typed, pasted and kept.
class Window1 : public QMainWindow {
    Q_OBJECT
  public:
    // The one Data Window, made on first use.
    static Window1& instance();
    ~Window1() override;

    QTableView* ListBox1() const { return listBox1_; }

    // The selected grid row, or -1 when none is selected.
    int ListIndex() const;

    // Ends the cell edit in progress, keeping what was typed, so a command sees it as data.
    void commitOpenEdit();

  signals:
    // The grid changed and the data set was reloaded: whoever shows the data redraws.
    void gridChanged();
    // The window manager or the desktop asked to close the window.
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Fits the columns whenever the grid's visible width changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Window1();
    void ListBox1_Change();
    void fitColumnWidths();

    QTableView* listBox1_;
    GridModel* model_;
    int changeListener_;
};
