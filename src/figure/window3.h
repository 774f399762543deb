#pragma once

#include "figure/figuregeometry.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class FigureCanvas;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class Window1;

// The figure window: the series plotted with its mean, sigma lines and phase lines on an
// 800 x 600 picture shown stretched below a band of option controls. A click between two points
// splits the data into phase A and phase B.
class Window3 : public QWidget {
    Q_OBJECT
  public:
    // The one figure window, made on first use.
    static Window3& instance();
    static bool exists();
    // Shows the figure beside the Data Window, once the Data Window is on the screen, and redraws
    // it whenever the grid changes; the figure lives as long as the Data Window.
    static void showBeside(Window1& dataWindow);

    // Draws the whole figure anew from a fresh snapshot of the grid and the option controls.
    void drawfigure();

    // The picture as last drawn: 800 x 600, whatever the canvas's size.
    const QImage& picture() const { return p_; }
    FigureCanvas* Canvas1() const { return canvas1_; }
    // The last phase-A point of the last click that fell between two points; 0 before any.
    int divider() const { return divider_; }
    int myphasean() const { return myphasean_; }
    int myphasebn() const { return myphasebn_; }

    // Writes the figure to the file: PNG (the picture), SVG or PDF (drawn afresh, as vectors),
    // chosen by the file name's extension. Returns the empty text, or why nothing was written.
    QString exportPicture(const QString& path) const;

  signals:
    // The Test button was pressed: the shell opens the simulation test on the data as split.
    void testRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Window3();
    void createControls();
    // Moves the figure to the right of the Data Window, both on the screen.
    void placeBeside(Window1& dataWindow);
    // The points of a fresh snapshot of the grid, with the counts of phase A and phase B.
    figure::FigureSeries GetNs();
    figure::FigureOptions readOptions() const;
    QByteArray vectorPicture(const QString& format) const;

    void Canvas1_MouseDown(int x, int y);
    void PushButton3_Action();
    // Puts the picture on the clipboard.
    void PushButton5_Action();
    void PushButton6_Action();
    void Event_Resized();

    QImage p_;
    int divider_ = 0;
    int myphasean_ = 0;
    int myphasebn_ = 0;
    // What the picture shows, for the exports that draw it again.
    figure::FigureGeometry shownGeometry_;
    figure::FigureOptions shownOptions_;
    int shownPoints_ = 0;

    FigureCanvas* canvas1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QCheckBox* checkBox4_ = nullptr;
    QCheckBox* checkBox5_ = nullptr;
    QCheckBox* checkBox6_ = nullptr;
    QPushButton* pushButton1_ = nullptr;
    QComboBox* popupMenu1_ = nullptr;
    QScrollBar* scrollBar1_ = nullptr;
    QScrollBar* scrollBar2_ = nullptr;
    QLineEdit* editField1_ = nullptr;
    QLineEdit* editField2_ = nullptr;
    // Controls kept at their distance from the window's right edge.
    std::vector<std::pair<QWidget*, int>> rightLocked_;
};
