#pragma once

#include <QPixmap>
#include <QWidget>

// The "TVK - Free" window shown at start-up and by About; it closes itself 3 s after it opened.
class splashwin : public QWidget {
    Q_OBJECT
  public:
    splashwin();

    // The open splash window, or nullptr.
    static splashwin* openWindow();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Timer1_Action();
};

// Shows the splash window, making it when none is open; an open one is brought to the front and
// keeps its closing time.
void showSplashWindow();

// The 400 x 300 splash picture, drawn once per run.
const QPixmap& TVK_Splash();
