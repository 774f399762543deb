#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The program's one data set as the user sees it: 200 rows by 3 text cells. Row 0 holds the
// captions, column 0 the row numbers; rows 1..199 of columns 1 (DV) and 2 (phase or second
// variable) hold the data, an empty cell being a missing value.
class DataGrid {
  public:
    static constexpr int rowCount = 200;
    static constexpr int columnCount = 3;
    static constexpr int firstDataRow = 1;
    static constexpr int lastDataRow = rowCount - 1;
    static constexpr int dvColumn = 1;
    static constexpr int phaseColumn = 2;

    DataGrid();

    const std::string& cell(int row, int column) const;
    // Writes one cell without raising Change: commands that write many cells raise one Change
    // when they end (see ChangeBatch).
    void setCell(int row, int column, std::string text);

    static bool isDataRow(int row);
    static bool isEditable(int row, int column);

    using ChangeListener = std::function<void()>;
    // Returns the key that removes the listener again.
    int addChangeListener(ChangeListener listener);
    void removeChangeListener(int key);
    // Tells every listener that the contents changed: the grid's Change event.
    void raiseChange();

    // Raises one Change when the command that wrote the cells ends, however it ends.
    class ChangeBatch {
      public:
        explicit ChangeBatch(DataGrid& grid) : grid_(grid) {}
        ~ChangeBatch() { grid_.raiseChange(); }
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        DataGrid& grid_;
    };

  private:
    std::array<std::array<std::string, columnCount>, rowCount> cells_;
    std::vector<std::pair<int, ChangeListener>> listeners_;
    int nextListenerKey_ = 0;
};
