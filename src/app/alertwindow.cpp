#include "app/alertwindow.h"

#include "data/module1.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

class ModalAlertWindow final : public Module1::AlertWindow {
  public:
    void showModal() override {
        warning window;
        window.exec();
    }
};

} // namespace

warning::warning()
    : st1_(new QLabel("Label:", this)), pb1_(new QPushButton("Untitled", this)),
      pushButton2_(new QPushButton("Cancel", this)) {
    setWindowTitle("Alert");
    setFixedSize(295, 78);
    setFont(framework::layoutFont("Times", 12));
    st1_->setFont(framework::layoutFont("Times", 12, true));
    st1_->setGeometry(4, 6, 287, 38);
    st1_->setAlignment(Qt::AlignCenter);
    st1_->setWordWrap(true);
    // A notice can quote a cell's text, which is never markup.
    st1_->setTextFormat(Qt::PlainText);

    pb1_->setObjectName("pb1");
    pb1_->setGeometry(186, 47, 69, 20);
    pb1_->setDefault(true);
    pb1_->setAutoDefault(true);
    pushButton2_->setObjectName("PushButton2");
    pushButton2_->setGeometry(47, 47, 69, 20);
    pushButton2_->setAutoDefault(false);

    connect(pb1_, &QPushButton::clicked, this, &warning::pb1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &warning::PushButton2_Action);

    Event_Open();
    framework::centreOnScreen(*this);
}

void warning::Event_Open() {
    st1_->setText(QString::fromStdString(Module1::message));
    pb1_->setText(QString::fromStdString(Module1::button));
    // The layout holds two lines. A longer notice (an analysis naming a field, its value and
    // what it needs) makes the window taller rather than lose its last lines.
    const int needed = st1_->fontMetrics()
                           .boundingRect(QRect(0, 0, st1_->width(), 10000),
                                         Qt::AlignCenter | Qt::TextWordWrap, st1_->text())
                           .height();
    const int extra = std::max(0, needed - st1_->height());
    if (extra > 0) {
        st1_->resize(st1_->width(), st1_->height() + extra);
        pb1_->move(pb1_->x(), pb1_->y() + extra);
        pushButton2_->move(pushButton2_->x(), pushButton2_->y() + extra);
        setFixedSize(width(), height() + extra);
    }
}

void warning::pb1_Action() {
    Module1::confirmed = true;
    accept();
}

void warning::PushButton2_Action() {
    Module1::confirmed = false;
    reject();
}

Module1::AlertWindow& alertWindow() {
    static ModalAlertWindow window;
    return window;
}
