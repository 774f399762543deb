#include "correlation/iterationsdialog.h"

#include "app/outputwindow.h"
#include "app/progresswindow.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

IterationsDialog::IterationsDialog(const Layout& layout, Analysis analysis)
    : analysis_(analysis), pushButton1_(new QPushButton("OK", this)),
      pushButton2_(new QPushButton("Cancel", this)), editField1_(new QLineEdit("1000", this)),
      staticText1_(new QLabel("Number of Iterations:", this)) {
    setWindowTitle(layout.title);
    setFont(framework::layoutFont("Times", 12));
    setMinimumSize(64, 64);

    // The caption is right-aligned against the field; where its text is wider in this font
    // than the room left of it, everything moves right and the window widens by as much.
    constexpr int margin = 8;
    const int textWidth =
        staticText1_->fontMetrics().horizontalAdvance(staticText1_->text()) + margin;
    const int captionRight = layout.caption.left() + layout.caption.width();
    const int shift = std::max(0, margin - (captionRight - textWidth));
    resize(layout.size.width() + shift, layout.size.height());

    pushButton1_->setObjectName("PushButton1");
    pushButton1_->setGeometry(layout.okButton.translated(shift, 0));
    pushButton1_->setAutoDefault(false);
    pushButton2_->setObjectName("PushButton2");
    pushButton2_->setGeometry(layout.cancelButton.translated(shift, 0));
    pushButton2_->setAutoDefault(false);
    editField1_->setObjectName("EditField1");
    editField1_->setGeometry(layout.field.translated(shift, 0));
    editField1_->installEventFilter(this);
    staticText1_->setObjectName("StaticText1");
    const int captionLeft =
        std::max(0, std::min(layout.caption.left(), captionRight - textWidth) + shift);
    staticText1_->setGeometry(captionLeft, layout.caption.top(), captionRight + shift - captionLeft,
                              layout.caption.height());
    staticText1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(pushButton1_, &QPushButton::clicked, this, &IterationsDialog::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &IterationsDialog::PushButton2_Action);

    framework::centreOnScreen(*this);
}

void IterationsDialog::PushButton1_Action() {
    if (running_) {
        return;
    }
    const Module1::BootstrapSettings settings =
        Module1::readBootstrapSettings(editField1_->text().toStdString());
    running_ = true;
    for (QWidget* control :
         std::initializer_list<QWidget*>{pushButton1_, pushButton2_, editField1_}) {
        control->setEnabled(false);
    }
    analysis_(settings, progressWindow(), outputWindow());
    running_ = false;
    accept();
}

void IterationsDialog::PushButton2_Action() {
    reject();
}

void IterationsDialog::reject() {
    // Escape and the close box wait until the run has ended, like the buttons.
    if (!running_) {
        QDialog::reject();
    }
}

void IterationsDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
    } else {
        QDialog::closeEvent(event);
    }
}

bool IterationsDialog::EditField1_KeyDown(int key, const QString& text) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    default:
        return !(text.size() == 1 && text[0] >= '0' && text[0] <= '9');
    }
}

bool IterationsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editField1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return EditField1_KeyDown(key->key(), key->text());
    }
    return QDialog::eventFilter(watched, event);
}
