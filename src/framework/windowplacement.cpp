#include "framework/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace framework {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

namespace {

// The start of a span of the given length moved just far enough to lie in [low, high), or at low
// when it is longer than that.
int keptWithin(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

// How long a shown window waits for the frame a window manager puts around it.
constexpr int frameWaitMilliseconds = 500;

// Watches the window from its first exposure until it is placed, runs the action once, then
// goes away. A window manager maps the window, then reparents it into its frame and moves it: the
// window's exposure and the news of its frame and final position come in either order.
class PlacementWatch final : public QObject {
  public:
    PlacementWatch(QWidget& window, std::function<void()> action)
        : QObject(&window), window_(window), action_(std::move(action)) {
        window.winId();
        window.windowHandle()->installEventFilter(this);
        window.installEventFilter(this);
        if (window.windowHandle()->isExposed()) {
            exposed();
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            exposed();
        } else if (event->type() == QEvent::Move && watched == &window_ && exposed_) {
            // The move has been delivered once the event loop comes round again.
            QTimer::singleShot(0, this, [this] { runIfFramed(); });
        }
        return false;
    }

  private:
    void exposed() {
        if (exposed_) {
            return;
        }
        exposed_ = true;
        QTimer::singleShot(0, this, [this] { runIfFramed(); });
        QTimer::singleShot(frameWaitMilliseconds, this, [this] { run(); });
    }

    void runIfFramed() {
        if (window_.frameGeometry() != window_.geometry()) {
            run();
        }
    }

    void run() {
        if (done_) {
            return;
        }
        done_ = true;
        window_.windowHandle()->removeEventFilter(this);
        window_.removeEventFilter(this);
        action_();
        deleteLater();
    }

    QWidget& window_;
    std::function<void()> action_;
    bool exposed_ = false;
    bool done_ = false;
};

} // namespace

void whenPlaced(QWidget& window, std::function<void()> action) {
    new PlacementWatch(window, std::move(action));
}

SideBySide sideBySide(const QRect& firstFrame, const QSize& secondFrame, const QRect& available) {
    const int right = available.left() + available.width();
    const int bottom = available.top() + available.height();
    const int pairWidth = firstFrame.width() + secondFrame.width();
    const int pairHeight = std::max(firstFrame.height(), secondFrame.height());

    const int top = keptWithin(firstFrame.top(), pairHeight, available.top(), bottom);
    const int firstLeft = keptWithin(firstFrame.left(), pairWidth, available.left(), right);
    // On a screen narrower than the pair the second overlaps the first rather than leave it.
    const int secondLeft =
        keptWithin(firstLeft + firstFrame.width(), secondFrame.width(), available.left(), right);
    return {QPoint(firstLeft, top), QPoint(secondLeft, top)};
}

} // namespace framework
