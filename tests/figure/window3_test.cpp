#include "app/application.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "figure/figurecanvas.h"
#include "figure/figurepainter.h"
#include "figure/window3.h"
#include "support/gridcells.h"
#include "support/savedialoganswer.h"
#include "support/shots.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <string>
#include <vector>

namespace {

using Row = GridRow;

// Types the rows into the grid from row 1 down, clears the rest, and raises one Change, as a
// paste does.
void enterData(const std::vector<Row>& rows) {
    const DataGrid::ChangeBatch change(Module1::grid());
    clearGrid();
    fillGrid(rows);
}

std::vector<std::string> phaseColumn(int rows) {
    std::vector<std::string> labels;
    for (int row = 1; row <= rows; ++row) {
        labels.push_back(Module1::grid().cell(row, DataGrid::phaseColumn));
    }
    return labels;
}

const QColor blue(0, 0, 255);
const QColor green(0, 255, 0);
const QColor grey(100, 100, 100);
const QColor cyan(0, 255, 255);
const QColor magenta(255, 0, 255);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);

} // namespace

// The figure as a person looks at it: the lines where the scale puts them, the options, the
// click that splits the phases and the pictures it exports.
class Window3Test : public QObject {
    Q_OBJECT

    App* app_ = nullptr;

    Window3& figure() { return Window3::instance(); }
    QImage picture() { return figure().picture(); }
    QColor at(int x, int y) { return picture().pixelColor(x, y); }
    template <typename Control> Control* control(const char* name) {
        Control* found = figure().findChild<Control*>(name);
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QCheckBox* option(const char* name) { return control<QCheckBox>(name); }
    void allOptionsOff() {
        for (const char* name :
             {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"}) {
            option(name)->setChecked(false);
        }
    }
    template <typename Match> int countPixels(Match match, QRect area) {
        const QImage image = picture();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += match(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    int countColour(const QColor& colour, QRect area = QRect(0, 0, 800, 600)) {
        return countPixels([&](const QColor& pixel) { return pixel == colour; }, area);
    }
    // Magenta text on white, smoothed at its edges: full red and blue, less green.
    int magentaInk(QRect area = QRect(0, 0, 800, 600)) {
        return countPixels(
            [](const QColor& pixel) {
                return pixel.red() == 255 && pixel.blue() == 255 && pixel.green() < 200;
            },
            area);
    }
    void clickCanvas(int x, int y = 40) {
        QTest::mouseClick(figure().Canvas1(), Qt::LeftButton, {}, QPoint(x, y));
    }

  private slots:
    void initTestCase() {
        // Start-up shows the figure beside the Data Window and has it follow the grid.
        app_ = new App;
        app_->start();
        QVERIFY(Window3::exists());
        // It comes up once the Data Window is in its place.
        QTRY_VERIFY(figure().isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&figure()));
    }
    void cleanupTestCase() {
        delete &Window1::instance();
        QVERIFY(!Window3::exists());
        delete app_;
    }
    void init() {
        allOptionsOff();
        control<QComboBox>("PopupMenu1")->setCurrentIndex(0);
        control<QScrollBar>("ScrollBar2")->setValue(3);
        control<QScrollBar>("ScrollBar1")->setValue(-10);
    }

    void isLaidOutWithItsControls() {
        QCOMPARE(figure().windowTitle(), QString("Figure"));
        QCOMPARE(figure().size(), QSize(400, 480));
        QCOMPARE(figure().Canvas1()->geometry(), QRect(0, 180, 400, 300));
        QCOMPARE(control<QPushButton>("PushButton1")->text(), QString("Test"));
        QVERIFY(control<QPushButton>("PushButton1")->isDefault());
        QCOMPARE(control<QPushButton>("PushButton3")->text(), QString("Save"));
        QCOMPARE(control<QPushButton>("PushButton5")->text(), QString("Copy to Clipboard"));
        QCOMPARE(control<QLineEdit>("EditField1")->text(), QString("400"));
        QCOMPARE(control<QLineEdit>("EditField2")->text(), QString("300"));
        auto* sizes = control<QComboBox>("PopupMenu1");
        QCOMPARE(sizes->count(), 51);
        QCOMPARE(sizes->currentText(), QString("14"));
        QCOMPARE(sizes->itemText(1), QString("1"));
        QCOMPARE(sizes->itemText(50), QString("50"));
        QCOMPARE(picture().size(), QSize(800, 600));
    }

    void resizeButtonSizesTheCanvas() {
        control<QLineEdit>("EditField1")->setText("520");
        control<QLineEdit>("EditField2")->setText("500");
        control<QPushButton>("PushButton6")->click();
        QCOMPARE(figure().size(), QSize(520, 680));
        QCOMPARE(figure().Canvas1()->size(), QSize(520, 500));
        QCOMPARE(control<QPushButton>("PushButton1")->x(), 315 + 120);
        QCOMPARE(picture().size(), QSize(800, 600));
        figure().resize(400, 480);
        QCOMPARE(control<QLineEdit>("EditField1")->text(), QString("400"));
        QCOMPARE(control<QLineEdit>("EditField2")->text(), QString("300"));
        QCOMPARE(figure().Canvas1()->size(), QSize(400, 300));
    }

    void gridChangeRedrawsTheFigure() {
        enterData({});
        QCOMPARE(countColour(black, QRect(10, 10, 780, 580)), 0);
        enterData({{"1", ""}, {"2", ""}, {"3", ""}});
        QCOMPARE(at(204, 370), black); // the first dot, one sigma below the mean
        QCOMPARE(at(404, 304), black);
        QCOMPARE(at(604, 237), black);
        QCOMPARE(at(1, 300), black); // the border
        QCOMPARE(at(798, 599), black);
    }

    void meanAndSigmaLinesStandAtTheirRows() {
        enterData({{"1", ""}, {"2", ""}, {"3", ""}});
        QCOMPARE(at(100, 300), white);
        option("CheckBox1")->setChecked(true);
        QCOMPARE(at(100, 300), blue);
        QCOMPARE(at(100, 299), blue);
        QCOMPARE(at(100, 301), blue);
        QCOMPARE(at(100, 303), white);
        QCOMPARE(at(100, 233), white);
        option("CheckBox3")->setChecked(true);
        for (const int row : {233, 366, 166, 433, 100, 500}) {
            QCOMPARE(at(100, row), green);
            QCOMPARE(at(700, row), green);
        }
        QCOMPARE(at(100, 200), white);
        option("CheckBox1")->setChecked(false);
        QCOMPARE(at(100, 300), white);
    }

    void phaseMeansStandOnTheirOwnRows() {
        // Phase means 0.7746 sigma below and above the mean of the whole series (rows 351 and
        // 248); phase A's +1 sigma line at row 315, phase B's -1 sigma line at row 284.
        enterData({{"1", "0"}, {"3", "0"}, {"5", "1"}, {"7", "1"}});
        QCOMPARE(figure().myphasean(), 2);
        QCOMPARE(figure().myphasebn(), 2);
        option("CheckBox5")->setChecked(true);
        QCOMPARE(at(100, 351), grey);
        QCOMPARE(at(700, 248), grey);
        QCOMPARE(at(700, 351), white);
        QCOMPARE(at(100, 248), white);
        QCOMPARE(at(100, 315), white);
        option("CheckBox6")->setChecked(true);
        QCOMPARE(at(100, 315), cyan);
        QCOMPARE(at(700, 284), cyan);
        QCOMPARE(at(700, 315), white);
        QCOMPARE(at(100, 351), grey);
    }

    void numbersAndValuesFollowTheirOptions() {
        enterData({{"10", ""}, {"20", ""}, {"30", ""}});
        QCOMPARE(magentaInk(), 0);
        option("CheckBox2")->setChecked(true);
        // Each label is written from 3 pixels right of and 10 above its point's corner, on its
        // baseline: point 2's from (403, 290).
        const QRect besidePoint1(203, 336, 40, 22);
        const QRect besidePoint2(403, 270, 40, 22);
        const QRect besidePoint3(603, 203, 40, 22);
        const int numberInk = magentaInk(besidePoint2);
        QVERIFY(numberInk > 0);
        QVERIFY(magentaInk(besidePoint1) > 0);
        QVERIFY(magentaInk(besidePoint3) > 0);
        QCOMPARE(magentaInk(), magentaInk(besidePoint1) + numberInk + magentaInk(besidePoint3));
        option("CheckBox2")->setChecked(false);
        option("CheckBox4")->setChecked(true);
        const int valueInk = magentaInk(besidePoint2);
        QVERIFY2(valueInk > numberInk, "\"20\" takes more ink than \"2\"");
        const int inkAt14 = magentaInk();
        control<QComboBox>("PopupMenu1")->setCurrentText("30");
        QVERIFY(magentaInk() > 2 * inkAt14);
        control<QComboBox>("PopupMenu1")->setCurrentIndex(0);
        control<QScrollBar>("ScrollBar2")->setValue(-100);
        control<QScrollBar>("ScrollBar1")->setValue(100);
        QCOMPARE(magentaInk(besidePoint2), 0);
        QCOMPARE(magentaInk(besidePoint2.translated(-103, 110)), valueInk);
        QCOMPARE(at(404, 304), black); // the dots stay where they are
        option("CheckBox4")->setChecked(false);
        QCOMPARE(magentaInk(), 0);
    }

    void drawsTheGridNotWhatAnAnalysisLeft() {
        enterData({{"1", ""}, {"2", ""}, {"3", ""}});
        const QImage before = picture();
        Module1::n = 150;
        Module1::v[0].fill(-40.0);
        option("CheckBox1")->setChecked(true);
        option("CheckBox1")->setChecked(false);
        QCOMPARE(picture(), before);
        QCOMPARE(Module1::n, 3);
    }

    void seriesWithoutSpreadOrPhasesDrawWithoutFault_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("phases");
        QTest::addColumn<int>("phaseMeanInk");
        QTest::newRow("constant") << QStringList{"5", "5", "5", "5"}
                                  << QStringList{"0", "0", "1", "1"} << 0;
        QTest::newRow("empty phase B")
            << QStringList{"1", "4", "2"} << QStringList{"0", "0", "0"} << 1;
        QTest::newRow("one-point phase B")
            << QStringList{"1", "4", "2"} << QStringList{"0", "0", "1"} << 1;
        QTest::newRow("one point") << QStringList{"3"} << QStringList{"1"} << 0;
        QTest::newRow("no point") << QStringList{} << QStringList{} << 0;
    }
    void seriesWithoutSpreadOrPhasesDrawWithoutFault() {
        QFETCH(QStringList, values);
        QFETCH(QStringList, phases);
        QFETCH(int, phaseMeanInk);
        std::vector<Row> rows;
        for (qsizetype i = 0; i < values.size(); ++i) {
            rows.push_back({values[i].toStdString(), phases[i].toStdString()});
        }
        for (const char* name :
             {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"}) {
            option(name)->setChecked(true);
        }
        enterData(rows);
        QCOMPARE(countColour(grey) > 0, phaseMeanInk > 0);
        if (values.size() == 1 || (values.size() > 1 && values[0] == values[1])) {
            const int step = 800 / (values.size() + 1);
            QCOMPARE(at(step + 4, 304), black); // on the mean line
        }
        QCOMPARE(at(1, 1), black);
    }

    void aCellThatIsNotANumberIsNamedInPlaceOfThePlot() {
        for (const char* name :
             {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"}) {
            option(name)->setChecked(true);
        }
        enterData({{"3", "0"}, {"1e400", "0"}, {"4", "1"}, {"NA", "1"}});
        // Nothing but the notice within the border, as the painter draws it.
        figure::FigureGeometry noticeOnly;
        noticeOnly.notice = "Row 2 of Var1(DV) holds \"1e400\", which is too large a number. "
                            "Empty the cell to make it a missing value.";
        QImage expected(picture().size(), picture().format());
        QPainter painter(&expected);
        paintFigure(painter, noticeOnly, {});
        painter.end();
        QCOMPARE(picture(), expected);
        QVERIFY(picture().save(shot("figure-not-a-number.png")));
        // Its text stands in the middle of the picture, clear of the border.
        QVERIFY(countColour(black, QRect(100, 200, 600, 200)) > 1000);
        QCOMPARE(countColour(black, QRect(3, 3, 794, 100)), 0);
        // There are no points to click between.
        clickCanvas(200);
        QCOMPARE(phaseColumn(4), (std::vector<std::string>{"0", "0", "1", "1"}));
        // Emptied, the cells are missing values and the plot is back.
        enterData({{"3", "0"}, {"", "0"}, {"4", "1"}, {"", "1"}});
        QVERIFY(picture() != expected);
        QCOMPARE(countColour(grey) > 0, true);
    }

    void clickBetweenTwoPointsSplitsThePhases() {
        enterData({{"3", ""},
                   {"4", ""},
                   {"2", ""},
                   {"5", ""},
                   {"4", ""},
                   {"7", ""},
                   {"8", ""},
                   {"6", ""},
                   {"9", ""},
                   {"8", ""}});
        Module1::datasaved = true;
        // The canvas is 400 wide: gaps 36 pixels wide, x = 200 lies between points 5 and 6.
        clickCanvas(200);
        QCOMPARE(figure().divider(), 5);
        QCOMPARE(phaseColumn(11),
                 (std::vector<std::string>{"0", "0", "0", "0", "0", "1", "1", "1", "1", "1", ""}));
        // The grid's Change went through the Data Window and redrew the figure.
        QVERIFY(!Module1::datasaved);
        QCOMPARE(Module1::phasen[1], 5);
        QCOMPARE(figure().myphasean(), 5);
        QCOMPARE(figure().myphasebn(), 5);
        const int splitX = static_cast<int>(5.5 * 800 / 11);
        QCOMPARE(countColour(red, QRect(splitX - 2, 10, 5, 1)), 3);

        option("CheckBox5")->setChecked(true);
        QCOMPARE(countColour(grey, QRect(splitX - 3, 0, 1, 600)), 3);
        QCOMPARE(countColour(grey, QRect(splitX + 4, 0, 1, 600)), 3);
    }

    void clickOutsideEveryGapChangesNothing_data() {
        QTest::addColumn<int>("x");
        QTest::newRow("left of the first gap") << 20;
        QTest::newRow("on a gap's edge") << 72;
        QTest::newRow("right of the last gap") << 390;
    }
    void clickOutsideEveryGapChangesNothing() {
        QFETCH(int, x);
        enterData({{"3", "0"},
                   {"4", "0"},
                   {"2", "0"},
                   {"5", "1"},
                   {"4", "1"},
                   {"7", "1"},
                   {"8", "1"},
                   {"6", "1"},
                   {"9", "1"},
                   {"8", "1"}});
        Module1::datasaved = true;
        const int divider = figure().divider();
        const std::vector<std::string> labels = phaseColumn(10);
        clickCanvas(x);
        QCOMPARE(figure().divider(), divider);
        QCOMPARE(phaseColumn(10), labels);
        QVERIFY(Module1::datasaved);
    }

    void clickSplitsPointsNotRows() {
        // Row 2 has no value: points 1 and 2 are rows 1 and 3.
        enterData({{"3", ""}, {"", "5"}, {"4", ""}, {"6", ""}, {"7", ""}, {"8", ""}});
        // Five points on 400 pixels: gaps 66 wide, gap 2 from 132 to 198.
        clickCanvas(150, 250);
        QCOMPARE(figure().divider(), 2);
        QCOMPARE(phaseColumn(6), (std::vector<std::string>{"0", "5", "0", "1", "1", "1"}));
        QCOMPARE(figure().myphasean(), 2);
        QCOMPARE(figure().myphasebn(), 3);
    }

    void exportsEachFormat() {
        enterData({{"1", "0"}, {"3", "0"}, {"5", "1"}, {"7", "1"}});
        option("CheckBox1")->setChecked(true);
        option("CheckBox2")->setChecked(true);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        const QString png = folder.filePath("figure.png");
        QCOMPARE(figure().exportPicture(png), QString());
        const QImage decoded(png);
        QCOMPARE(decoded.size(), QSize(800, 600));
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), picture());

        const QString svg = folder.filePath("figure.SVG");
        QCOMPARE(figure().exportPicture(svg), QString());
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svgFile);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 800, 600));
        QImage drawn(800, 600, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        QCOMPARE(drawn.pixelColor(100, 300), blue);
        QCOMPARE(drawn.pixelColor(1, 300), black);

        const QString pdf = folder.filePath("figure.pdf");
        QCOMPARE(figure().exportPicture(pdf), QString());
        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        const QByteArray document = pdfFile.readAll();
        QVERIFY(document.startsWith("%PDF-"));
        QVERIFY(document.trimmed().endsWith("%%EOF"));
        const QRegularExpression pageOf800By600(R"(/MediaBox \[0 0 800(\.0+)? 600(\.0+)?\])");
        QVERIFY(pageOf800By600.match(QString::fromLatin1(document)).hasMatch());
        QVERIFY(document.contains("/Type /Page"));
    }

    void saveGivesANameTheChosenTypesExtension() {
        QTemporaryDir folder;
        answerSaveDialog(folder.path(), "split", "SVG drawing (*.svg)");
        control<QPushButton>("PushButton3")->click();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"split.svg"});
        QVERIFY(QSvgRenderer(folder.filePath("split.svg")).isValid());
    }

    void exportRefusesWhatItCannotWrite() {
        QTemporaryDir folder;
        const QString unknown = folder.filePath("figure.bmp");
        QVERIFY(!figure().exportPicture(unknown).isEmpty());
        QVERIFY(!QFile::exists(unknown));
        QVERIFY(!figure().exportPicture(folder.filePath("missing/figure.png")).isEmpty());
    }

    void copyPutsThePictureOnTheClipboard() {
        enterData({{"1", ""}, {"2", ""}, {"3", ""}});
        QGuiApplication::clipboard()->clear();
        control<QPushButton>("PushButton5")->click();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(800, 600));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), picture());
    }

    void standsBesideTheDataWindow() {
        // A baseline of eight sessions and a treatment of ten, split by a click after session 8.
        enterData({{"3", ""},
                   {"4", ""},
                   {"3.5", ""},
                   {"5", ""},
                   {"4", ""},
                   {"3", ""},
                   {"4.5", ""},
                   {"4", ""},
                   {"6", ""},
                   {"7.5", ""},
                   {"7", ""},
                   {"8", ""},
                   {"8.5", ""},
                   {"7", ""},
                   {"9", ""},
                   {"8", ""},
                   {"9.5", ""},
                   {"9", ""}});
        const int gapWidth = 400 / 19;
        clickCanvas(8 * gapWidth + gapWidth / 2);
        QCOMPARE(figure().divider(), 8);
        option("CheckBox1")->setChecked(true);
        option("CheckBox5")->setChecked(true);
        option("CheckBox2")->setChecked(true);

        Window1& dataWindow = Window1::instance();
        QVERIFY(figure().x() > dataWindow.frameGeometry().right());
        QCOMPARE(figure().y(), dataWindow.y());

        const QPixmap data = dataWindow.grab();
        const QPixmap plot = figure().grab();
        QImage both(data.width() + plot.width() + 1, std::max(data.height(), plot.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::darkGray);
        QPainter painter(&both);
        painter.drawPixmap(0, 0, data);
        painter.drawPixmap(data.width() + 1, 0, plot);
        painter.end();
        QVERIFY(both.save(shot("figure-beside-data.png")));
        QVERIFY(picture().save(shot("figure-picture.png")));
    }
};

QTEST_MAIN(Window3Test)
#include "window3_test.moc"
