#pragma once

#include <QWidget>

class QImage;

// Shows the figure's picture stretched to the whole canvas, and passes clicks on it on in canvas
// pixels.
class FigureCanvas : public QWidget {
    Q_OBJECT
  public:
    FigureCanvas(const QImage& picture, QWidget* parent);

  signals:
    void mouseDown(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const QImage& picture_;
};
