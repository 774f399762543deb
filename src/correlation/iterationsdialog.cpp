#include "correlation/iterationsdialog.h"

#include "analysis/dialogcontrols.h"
#include "analysis/fieldchecks.h"
#include "analysis/numerickeys.h"
#include "framework/layoutfont.h"
#include "framework/windowplacement.h"

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
    analysis::filterKeys(*editField1_, analysis::NumericKeys::Digits);
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
    analysis::FieldChecks checks;
    const Module1::BootstrapSettings settings{
        checks.count("Number of Iterations", analysis::textOf(editField1_), "iterations")};
    if (!checks.passed()) {
        refuse(checks.notice());
        return;
    }
    runAnalysis([this, settings](Module1::Progress& progress, Module1::Output& output) {
        analysis_(settings, progress, output);
    });
}

void IterationsDialog::PushButton2_Action() {
    reject();
}
