#include "data/datawindow.h"
#include "data/module1.h"
#include "support/editingkeys.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

// The Data Window as a person uses it: the grid it shows and the keys a cell editor takes.
class DataWindowTest : public QObject {
    Q_OBJECT

  private:
    QTableView& grid() { return *Window1::instance().ListBox1(); }
    QString shown(int row, int column) {
        return grid().model()->index(row, column).data().toString();
    }
    QLineEdit* editCell(int row, int column) {
        const QModelIndex index = grid().model()->index(row, column);
        grid().setCurrentIndex(index);
        grid().edit(index);
        return activeEditor();
    }
    QLineEdit* activeEditor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    void commitEditor() { grid().setFocus(); }

  private slots:
    void initTestCase() {
        Window1::instance().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window1::instance()));
    }
    void cleanupTestCase() { delete &Window1::instance(); }

    void showsCaptionsAndRowNumbers() {
        QCOMPARE(grid().model()->rowCount(), 200);
        QCOMPARE(grid().model()->columnCount(), 3);
        QCOMPARE(shown(0, 0), QString("Time"));
        QCOMPARE(shown(0, 1), QString("Var1(DV)"));
        QCOMPARE(shown(0, 2), QString("Var2(PHASE)"));
        QCOMPARE(shown(1, 0), QString("1"));
        QCOMPARE(shown(199, 0), QString("199"));
        QVERIFY(grid().model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!(grid().model()->flags(grid().model()->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(!(grid().model()->flags(grid().model()->index(3, 0)) & Qt::ItemIsEditable));
        QCOMPARE(Window1::instance().windowTitle(), QString("Data Window"));
    }

    void columnsShareTheGridsWidth() {
        const auto widthOf = [this](int column) { return grid().columnWidth(column); };
        QTRY_COMPARE(widthOf(0) + widthOf(1) + widthOf(2), grid().viewport()->width());
        QCOMPARE(widthOf(1), grid().viewport()->width() * 40 / 100);
        QVERIFY(widthOf(0) >= 40);
    }

    void onlyNumberCharactersReachTheCell() {
        QLineEdit* editor = editCell(1, 1);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "1a2.e5, -+");
        QCOMPARE(editor->text(), QString("12.5-"));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->text(), QString("12.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(activeEditor(), editor);
        commitEditor();
    }

    void keysThatInsertNothingWorkInTheCell() {
        for (const EditingKeyCase& keys : editingKeyCases()) {
            QLineEdit* editor = editCell(4, 1);
            QVERIFY(editor != nullptr);
            editor->setText("1000");
            editor->setCursorPosition(1);
            typeKeys(editor, keys.keys);
            QVERIFY2(editor->text() == keys.text, keys.name);
            QCOMPARE(activeEditor(), editor);
            commitEditor();
        }
        QCOMPARE(Module1::grid().cell(4, 1), std::string("15000"));
        Module1::grid().setCell(4, 1, "");
    }

    void tabMovesDownAndCommitsTheCell() {
        Module1::datasaved = true;
        QLineEdit* editor = editCell(5, 2);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "1");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(grid().currentIndex().row(), 6);
        QCOMPARE(grid().currentIndex().column(), 2);
        QCOMPARE(Module1::grid().cell(5, 2), std::string("1"));
        QVERIFY(!Module1::datasaved);
        QVERIFY(activeEditor() != nullptr);
        commitEditor();
    }

    void arrowsMoveTheEditorWithinTheDataCells_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toColumn");
        QTest::newRow("right") << 3 << 1 << int(Qt::Key_Right) << 3 << 2;
        QTest::newRow("left") << 3 << 2 << int(Qt::Key_Left) << 3 << 1;
        QTest::newRow("up") << 3 << 1 << int(Qt::Key_Up) << 2 << 1;
        QTest::newRow("down") << 3 << 1 << int(Qt::Key_Down) << 4 << 1;
        QTest::newRow("left edge") << 3 << 1 << int(Qt::Key_Left) << 3 << 1;
        QTest::newRow("right edge") << 3 << 2 << int(Qt::Key_Right) << 3 << 2;
        QTest::newRow("top edge") << 1 << 1 << int(Qt::Key_Up) << 1 << 1;
        QTest::newRow("bottom edge") << 199 << 1 << int(Qt::Key_Down) << 199 << 1;
        QTest::newRow("tab at bottom") << 199 << 2 << int(Qt::Key_Tab) << 199 << 2;
    }
    void arrowsMoveTheEditorWithinTheDataCells() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, key);
        QFETCH(int, toRow);
        QFETCH(int, toColumn);
        QLineEdit* editor = editCell(row, column);
        QVERIFY(editor != nullptr);
        QTest::keyClick(editor, static_cast<Qt::Key>(key));
        QCOMPARE(grid().currentIndex().row(), toRow);
        QCOMPARE(grid().currentIndex().column(), toColumn);
        QVERIFY(activeEditor() != nullptr);
        commitEditor();
    }

    void typingIntoAnUneditedCellFiltersTheFirstKeyToo() {
        const QModelIndex index = grid().model()->index(8, 1);
        grid().setFocus();
        grid().setCurrentIndex(index);
        QTest::keyClick(&grid(), Qt::Key_X);
        QLineEdit* editor = activeEditor();
        QVERIFY2(editor != nullptr, "a key typed on a data cell opens its editor");
        QCOMPARE(editor->text(), QString());
        QTest::keyClick(editor, Qt::Key_7);
        QCOMPARE(editor->text(), QString("7"));
        commitEditor();
        QCOMPARE(Module1::grid().cell(8, 1), std::string("7"));
    }

    void editReloadsTheDataSet() {
        QCOMPARE(Module1::grid().cell(1, 1), std::string("12.5"));
        QCOMPARE(Module1::nvalid, 2);
        QCOMPARE(Module1::v[0][1], 12.5);
    }
};

QTEST_MAIN(DataWindowTest)
#include "datawindow_test.moc"
