#include "app/outputwindow.h"

#include "analysis/alert.h"
#include "data/module1.h"
#include "framework/atomicfile.h"
#include "framework/implicitinstance.h"
#include "framework/layoutfont.h"
#include "framework/runtime.h"
#include "framework/savedialog.h"
#include "framework/windowplacement.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

framework::ImplicitInstance<stats> openOutput;

constexpr int windowWidth = 600;
constexpr int windowHeight = 480;
constexpr double printWidthPoints = 540;
constexpr double printBlockHeightPoints = 720;
// How often a new report looks again whether the dialog that made it has closed.
constexpr int modalPollMilliseconds = 20;

// Reports are laid out in columns: a monospaced face wherever Courier itself is missing.
QFont monospaced(QFont font) {
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// On paper, Courier 12 in a 540-point column.
QFont printCourier() {
    return monospaced(QFont("Courier", 12));
}

// On screen, 12 layout pixels, as every other text of the windows.
QFont screenCourier() {
    return monospaced(framework::layoutFont("Courier", 12));
}

class OutputOnScreen final : public Module1::Output {
  public:
    void append(const std::string& block) override { stats::instance().append(block); }
};

} // namespace

stats::stats()
    : out_(new QPlainTextEdit(this)), pushButton1_(new QPushButton("Print", this)),
      pushButton2_(new QPushButton("Save", this)), pushButton3_(new QPushButton("Close", this)),
      pushButton4_(new QPushButton("Clear", this)) {
    setWindowTitle("Statistical Output");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint);
    setMinimumSize(64, 64);
    resize(windowWidth, windowHeight);

    out_->setObjectName("out");
    out_->setFont(screenCourier());
    out_->setTabChangesFocus(true);
    // Report lines are columns and text bars: a wide line scrolls rather than breaks.
    out_->setLineWrapMode(QPlainTextEdit::NoWrap);
    out_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    out_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = out_->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    out_->setPalette(colours);

    int index = 1;
    for (QPushButton* button : {pushButton1_, pushButton2_, pushButton3_, pushButton4_}) {
        button->setObjectName(QString("PushButton%1").arg(index++));
        button->setFont(framework::layoutFont("Times", 12));
        button->setAutoDefault(false);
    }

    connect(out_, &QPlainTextEdit::textChanged, this, &stats::out_TextChange);
    connect(pushButton1_, &QPushButton::clicked, this, &stats::PushButton1_Action);
    connect(pushButton2_, &QPushButton::clicked, this, &stats::PushButton2_Action);
    connect(pushButton3_, &QPushButton::clicked, this, &stats::PushButton3_Action);
    connect(pushButton4_, &QPushButton::clicked, this, &stats::PushButton4_Action);

    framework::centreOnScreen(*this);
}

stats& stats::instance() {
    return openOutput.get([] {
        auto* window = new stats;
        window->show();
        return window;
    });
}

stats* stats::openWindow() {
    return openOutput.open();
}

void stats::resizeEvent(QResizeEvent* event) {
    // The text fills the window above the buttons, which keep to the bottom right corner.
    const int right = width() - windowWidth;
    const int bottom = height() - windowHeight;
    out_->setGeometry(0, 0, width(), height() - (windowHeight - 450));
    pushButton1_->setGeometry(511 + right, 456 + bottom, 69, 18);
    pushButton2_->setGeometry(435 + right, 456 + bottom, 69, 18);
    pushButton3_->setGeometry(359 + right, 456 + bottom, 69, 18);
    pushButton4_->setGeometry(283 + right, 456 + bottom, 69, 18);
    QWidget::resizeEvent(event);
}

void stats::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void stats::append(const std::string& block) {
    QTextCursor end(out_->document());
    end.movePosition(QTextCursor::End);
    const int firstLine = end.blockNumber();
    end.insertText(QString::fromStdString(block));
    // The new report is what the user asked for: its first line goes to the top of the view (as
    // far as the text reaches), without touching the user's selection. Unwrapped, the vertical
    // scroll bar counts lines.
    out_->verticalScrollBar()->setValue(firstLine);
    out_->horizontalScrollBar()->setValue(0);
    if (!comingForward_) {
        comingForward_ = true;
        QTimer::singleShot(0, this, &stats::comeForward);
    }
}

void stats::comeForward() {
    // A report arrives from inside a dialog's run, and the dialog closes after it; a window
    // manager then hands the focus back to the window beneath, often the Data Window. Coming
    // forward once no modal window is left puts the report in front of it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(modalPollMilliseconds, this, &stats::comeForward);
        return;
    }
    comingForward_ = false;
    // A minimised window would take the focus and still show nothing; a maximised one stays so.
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    raise();
    activateWindow();
}

void stats::out_TextChange() {
    Module1::outputsaved = false;
}

void stats::printTo(QPrinter& printer) {
    // The 540-point text column sits in the middle of a letter page, as far from the edge of a
    // narrower sheet as it can.
    const double paperWidth = printer.pageLayout().fullRect(QPageLayout::Point).width();
    const double side = std::clamp((paperWidth - printWidthPoints) / 2, 0.0, 36.0);
    printer.setPageMargins(QMarginsF(side, 36, side, 36), QPageLayout::Point);

    QTextDocument pages;
    pages.documentLayout()->setPaintDevice(&printer);
    pages.setDefaultFont(printCourier());
    pages.setDocumentMargin(0);
    pages.setPlainText(out_->toPlainText());
    const double pixelsPerPoint = printer.resolution() / 72.0;
    const QSizeF page(printWidthPoints * pixelsPerPoint, printBlockHeightPoints * pixelsPerPoint);
    pages.setPageSize(page);

    QPainter painter(&printer);
    const int pageCount = pages.pageCount();
    for (int number = 0; number < pageCount; ++number) {
        painter.save();
        painter.translate(0, -number * page.height());
        pages.drawContents(&painter, QRectF(QPointF(0, number * page.height()), page));
        painter.restore();
        if (number + 1 < pageCount) {
            printer.newPage();
        }
        framework::RuntimeBackgroundTask();
    }
}

void stats::PushButton1_Action() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printTo(printer);
}

std::string stats::saveTo(const QString& path) {
    const QByteArray text = out_->toPlainText().toUtf8();
    std::string reason = framework::writeFileAtomically(
        path.toStdString(), std::string_view(text.constData(), text.size()));
    if (reason.empty()) {
        Module1::outputsaved = true;
    }
    return reason;
}

void stats::PushButton2_Action() {
    const framework::SaveFileType text{"Text files (*.txt)", "txt"};
    const QString path = framework::saveFileName(this, QString(), "Output.txt", {&text, 1});
    if (path.isEmpty()) {
        return;
    }
    const std::string reason = saveTo(path);
    if (!reason.empty()) {
        Module1::notify("The output could not be saved: " + reason);
    }
}

void stats::closeWindow() {
    // The window is gone for every later append at once, and deleted once this click is over.
    closing_ = true;
    close();
    openOutput.forget();
    deleteLater();
}

void stats::PushButton3_Action() {
    if (!Module1::outputsaved) {
        if (!Module1::ask("Are you sure you want to close the window without saving your output?",
                          "Close")) {
            return;
        }
    }
    closeWindow();
    Module1::outputsaved = true;
}

void stats::PushButton4_Action() {
    if (!Module1::outputsaved) {
        if (!Module1::ask("Are you sure you want to clear the window without saving your output?",
                          "Clear")) {
            return;
        }
    }
    out_->setPlainText(QString());
    Module1::outputsaved = true;
}

Module1::Output& outputOnScreen() {
    static OutputOnScreen output;
    return output;
}
