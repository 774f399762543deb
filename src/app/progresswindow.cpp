#include "app/progresswindow.h"

#include "framework/coarseclock.h"
#include "framework/conversions.h"
#include "framework/implicitinstance.h"
#include "framework/layoutfont.h"
#include "framework/vectorstate.h"
#include "framework/windowplacement.h"

#include <QLabel>

namespace {

framework::ImplicitInstance<prog> openProgress;

QLabel* label(QWidget* parent, const QString& text, QRect geometry, Qt::Alignment alignment,
              bool bold) {
    auto* control = new QLabel(text, parent);
    control->setFont(framework::layoutFont("Times", 12, bold));
    control->setGeometry(geometry);
    control->setAlignment(alignment | Qt::AlignVCenter);
    return control;
}

class ProgressOnScreen final : public Module1::Progress {
  public:
    void show(const std::string& title, const std::string& sublabel, std::int32_t goal) override {
        prog& window = prog::instance();
        window.main()->setText(QString::fromStdString(title));
        window.sublabel()->setText(QString::fromStdString(sublabel));
        window.proggoal()->setText(QString::fromStdString("of " + framework::CStr(goal)));
        window.show();
        window.raise();
        goal_ = goal;
        countsSinceClock_ = 0;
        shownAt_ = framework::coarseMilliseconds();
    }

    void setMainLabel(const std::string& title) override {
        if (prog* window = prog::openWindow()) {
            window->main()->setText(QString::fromStdString(title));
            window->main()->repaint();
            framework::clearUpperVectorState();
        }
    }

    // The label is rewritten and repainted at most every 15 ms, and always at the goal: a
    // repaint per iteration would cost more than the iteration itself. The clock is asked only
    // at every 16th count, since a run that counts every iteration gives a count every
    // microsecond or so.
    void setCount(std::int32_t done) override {
        if (done != goal_ && ++countsSinceClock_ < countsPerClock) {
            return;
        }
        countsSinceClock_ = 0;
        prog* window = prog::openWindow();
        const std::int64_t now = framework::coarseMilliseconds();
        if (window == nullptr || (done != goal_ && now - shownAt_ < repaintMilliseconds)) {
            return;
        }
        window->prognum()->setText(QString::fromStdString(framework::CStr(done)));
        window->prognum()->repaint();
        framework::clearUpperVectorState();
        shownAt_ = now;
    }

    void close() override { delete prog::openWindow(); }

  private:
    static constexpr std::int64_t repaintMilliseconds = 15;
    static constexpr int countsPerClock = 16;
    std::int32_t goal_ = 0;
    std::int64_t shownAt_ = 0;
    int countsSinceClock_ = 0;
};

} // namespace

prog::prog()
    : main_(label(this, "Working...", {14, 8, 266, 20}, Qt::AlignHCenter, true)),
      sublabel_(label(this, "Number of iterations completed:", {20, 36, 268, 20}, Qt::AlignHCenter,
                      false)),
      prognum_(label(this, "0", {28, 57, 100, 20}, Qt::AlignRight, false)),
      proggoal_(label(this, "of 1000", {135, 57, 100, 20}, Qt::AlignLeft, false)),
      staticText1_(label(this, "Press the CNTRL key to Cancel.", {14, 80, 272, 20},
                         Qt::AlignHCenter, true)) {
    setWindowTitle("Progress");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setFixedSize(300, 106);
    main_->setObjectName("main");
    sublabel_->setObjectName("sublabel");
    prognum_->setObjectName("prognum");
    proggoal_->setObjectName("proggoal");
    staticText1_->setObjectName("StaticText1");
    framework::centreOnScreen(*this);
}

prog& prog::instance() {
    return openProgress.get([] {
        auto* window = new prog;
        window->show();
        return window;
    });
}

prog* prog::openWindow() {
    return openProgress.open();
}

Module1::Progress& progressOnScreen() {
    static ProgressOnScreen progress;
    return progress;
}
