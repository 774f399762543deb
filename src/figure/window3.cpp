#include "figure/window3.h"

#include "data/datawindow.h"
#include "data/module1.h"
#include "figure/figurecanvas.h"
#include "figure/figurepainter.h"
#include "figure/phasesplit.h"
#include "framework/atomicfile.h"
#include "framework/conversions.h"
#include "framework/implicitinstance.h"
#include "framework/layoutfont.h"
#include "framework/qtruntime.h"
#include "framework/savedialog.h"
#include "framework/windowplacement.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSvgGenerator>

#include <filesystem>

namespace {

framework::ImplicitInstance<Window3> theFigureWindow;

constexpr int windowWidth = 400;
constexpr int windowHeight = 480;
// The band of option controls above the canvas.
constexpr int controlsHeight = 180;

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setFont(framework::layoutFont("Times", 12));
    control->setGeometry(left, top, width, height);
    return control;
}

QLabel* rightAlignedLabel(QWidget* parent, const char* name, const char* text, int left, int top) {
    auto* label = place(new QLabel(text, parent), name, left, top, 100, 20);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QScrollBar* offsetBar(QWidget* parent, const char* name, int value, int left, int top) {
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), name, left, top, 80, 10);
    bar->setRange(-100, 100);
    bar->setSingleStep(1);
    bar->setPageStep(20);
    bar->setValue(value);
    // The figure is redrawn when the thumb is let go, not while it moves.
    bar->setTracking(false);
    return bar;
}

std::string_view bytesOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

Window3& Window3::instance() {
    return theFigureWindow.get([] { return new Window3; });
}

bool Window3::exists() {
    return theFigureWindow.open() != nullptr;
}

void Window3::showBeside(Window1& dataWindow) {
    Window3& figure = instance();
    connect(&dataWindow, &Window1::gridChanged, &figure, &Window3::drawfigure);
    connect(&dataWindow, &QObject::destroyed, &figure, [] {
        if (exists()) {
            delete &instance();
        }
    });
    framework::whenPlaced(dataWindow, [&dataWindow, &figure] {
        figure.placeBeside(dataWindow);
        figure.show();
    });
}

void Window3::placeBeside(Window1& dataWindow) {
    const QRect dataFrame = dataWindow.frameGeometry();
    // The figure is not framed yet; the window manager will give it the Data Window's frame.
    const QSize figureFrame = size() + (dataFrame.size() - dataWindow.size());
    const QScreen* screen = dataWindow.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : dataFrame;
    const framework::SideBySide placed = framework::sideBySide(dataFrame, figureFrame, available);
    if (placed.first != dataFrame.topLeft()) {
        dataWindow.move(placed.first);
    }
    move(placed.second);
}

Window3::Window3()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinMaxButtonsHint),
      p_(figure::pictureWidth, figure::pictureHeight, QImage::Format_RGB32) {
    setWindowTitle("Figure");
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    createControls();
    resize(windowWidth, windowHeight);
    drawfigure();
}

void Window3::createControls() {
    // The group box frames the label options; it lies beneath them so they take the clicks.
    place(new QGroupBox(this), "GroupBox1", 9, 48, 150, 113)->lower();

    canvas1_ = place(new FigureCanvas(p_, this), "Canvas1", 0, controlsHeight, windowWidth,
                     windowHeight - controlsHeight);
    checkBox1_ = place(new QCheckBox("Show Mean", this), "CheckBox1", 12, 3, 93, 20);
    pushButton1_ = place(new QPushButton("Test", this), "PushButton1", 315, 6, 69, 20);
    pushButton1_->setDefault(true);
    connect(pushButton1_, &QPushButton::clicked, this, &Window3::testRequested);
    checkBox2_ = place(new QCheckBox("Show N", this), "CheckBox2", 17, 73, 80, 20);
    auto* invitation = place(
        new QLabel("Click the figure to split your data stream into regions for testing:", this),
        "StaticText1", 37, 163, 358, 20);
    invitation->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* pushButton3 = place(new QPushButton("Save", this), "PushButton3", 236, 6, 69, 20);
    auto* pushButton5 =
        place(new QPushButton("Copy to Clipboard", this), "PushButton5", 236, 135, 148, 20);
    checkBox3_ = place(new QCheckBox("Show Sigmas", this), "CheckBox3", 12, 23, 93, 20);
    checkBox4_ = place(new QCheckBox("Show values", this), "CheckBox4", 17, 53, 101, 20);

    popupMenu1_ = place(new QComboBox(this), "PopupMenu1", 69, 95, 51, 20);
    popupMenu1_->addItem("14");
    for (std::int32_t size = 1; size <= 50; ++size) {
        popupMenu1_->addItem(QString::fromStdString(framework::CStr(size)));
    }
    popupMenu1_->setCurrentIndex(0);
    rightAlignedLabel(this, "StaticText2", "Font size:", -37, 93);

    scrollBar2_ = offsetBar(this, "ScrollBar2", 3, 69, 117);
    scrollBar1_ = offsetBar(this, "ScrollBar1", -10, 69, 135);
    rightAlignedLabel(this, "StaticText3", "X Offset:", -37, 112);
    rightAlignedLabel(this, "StaticText4", "Y Offset:", -37, 129);

    editField1_ = place(new QLineEdit("400", this), "EditField1", 344, 38, 40, 20);
    editField2_ = place(new QLineEdit("300", this), "EditField2", 344, 64, 40, 20);
    auto* pushButton6 = place(new QPushButton("Resize", this), "PushButton6", 324, 91, 60, 16);
    auto* staticText5 = rightAlignedLabel(this, "StaticText5", "Figure Width:", 242, 38);
    auto* staticText6 = rightAlignedLabel(this, "StaticText6", "Figure Height:", 242, 63);

    checkBox5_ = place(new QCheckBox("Phase Means", this), "CheckBox5", 108, 3, 116, 20);
    checkBox6_ = place(new QCheckBox("Phase Sigmas", this), "CheckBox6", 108, 23, 116, 20);

    for (QWidget* control :
         std::initializer_list<QWidget*>{pushButton1_, pushButton3, pushButton5, editField1_,
                                         editField2_, pushButton6, staticText5, staticText6}) {
        rightLocked_.emplace_back(control, windowWidth - control->x());
    }

    for (QCheckBox* option :
         {checkBox1_, checkBox2_, checkBox3_, checkBox4_, checkBox5_, checkBox6_}) {
        connect(option, &QCheckBox::toggled, this, &Window3::drawfigure);
    }
    connect(popupMenu1_, &QComboBox::currentIndexChanged, this, &Window3::drawfigure);
    connect(scrollBar1_, &QScrollBar::valueChanged, this, &Window3::drawfigure);
    connect(scrollBar2_, &QScrollBar::valueChanged, this, &Window3::drawfigure);
    connect(canvas1_, &FigureCanvas::mouseDown, this, &Window3::Canvas1_MouseDown);
    connect(pushButton3, &QPushButton::clicked, this, &Window3::PushButton3_Action);
    connect(pushButton5, &QPushButton::clicked, this, &Window3::PushButton5_Action);
    connect(pushButton6, &QPushButton::clicked, this, &Window3::PushButton6_Action);
}

figure::FigureSeries Window3::GetNs() {
    figure::FigureSeries series = figure::loadFigureSeries();
    myphasean_ = series.na;
    myphasebn_ = series.nb;
    return series;
}

figure::FigureOptions Window3::readOptions() const {
    figure::FigureOptions options;
    options.showMean = checkBox1_->isChecked();
    options.showSigmas = checkBox3_->isChecked();
    options.phaseMeans = checkBox5_->isChecked();
    options.phaseSigmas = checkBox6_->isChecked();
    options.showNumbers = checkBox2_->isChecked();
    options.showValues = checkBox4_->isChecked();
    options.textSize =
        framework::toInt32(framework::CDbl(popupMenu1_->currentText().toStdString()));
    options.xOffset = scrollBar2_->value();
    options.yOffset = scrollBar1_->value();
    return options;
}

void Window3::drawfigure() {
    const figure::FigureSeries series = GetNs();
    shownOptions_ = readOptions();
    shownGeometry_ = figure::figureGeometry(series, divider_, shownOptions_);
    shownPoints_ = static_cast<int>(series.values.size());
    QPainter painter(&p_);
    paintFigure(painter, shownGeometry_, shownOptions_);
    painter.end();
    canvas1_->update();
}

void Window3::Canvas1_MouseDown(int x, int) {
    // The gaps are those of the points on show; a click that falls in none changes nothing.
    const int gap = figure::clickedGap(canvas1_->width(), shownPoints_, x);
    if (gap == 0) {
        return;
    }
    divider_ = gap;
    // The grid's one Change reloads the data set and redraws the figure.
    figure::writePhaseSplit(Module1::grid(), divider_);
}

QByteArray Window3::vectorPicture(const QString& format) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == "svg") {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(p_.size());
        generator.setViewBox(p_.rect());
        generator.setTitle("Figure");
        QPainter painter(&generator);
        paintFigure(painter, shownGeometry_, shownOptions_);
    } else {
        QPdfWriter writer(&buffer);
        writer.setTitle("Figure");
        writer.setCreator("TVK");
        writer.setPageSize(
            QPageSize(QSizeF(p_.size()), QPageSize::Point, "Figure", QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(), QPageLayout::Point);
        // One unit of the drawing is one point of the page.
        writer.setResolution(72);
        QPainter painter(&writer);
        paintFigure(painter, shownGeometry_, shownOptions_);
    }
    return buffer.data();
}

QString Window3::exportPicture(const QString& path) const {
    const QString format = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (format == "png") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        p_.save(&buffer, "PNG");
    } else if (format == "svg" || format == "pdf") {
        bytes = vectorPicture(format);
    } else {
        return "The file name must end in .png, .svg or .pdf.";
    }
    const std::string failure =
        framework::writeFileAtomically(std::filesystem::path(path.toStdString()), bytesOf(bytes));
    return QString::fromStdString(failure);
}

void Window3::PushButton3_Action() {
    static const framework::SaveFileType pictureTypes[] = {
        {"PNG picture (*.png)", "png"},
        {"SVG drawing (*.svg)", "svg"},
        {"PDF document (*.pdf)", "pdf"},
    };
    const QString path = framework::saveFileName(this, "Save Figure", "Figure.png", pictureTypes);
    if (path.isEmpty()) {
        return;
    }
    const QString failure = exportPicture(path);
    if (!failure.isEmpty()) {
        framework::MsgBox("The figure could not be saved. " + failure, this);
    }
}

void Window3::PushButton5_Action() {
    QGuiApplication::clipboard()->setImage(p_);
}

void Window3::PushButton6_Action() {
    // Both fields are read before the window changes, since a resize rewrites them.
    const int width = framework::toInt32(framework::CDbl(editField1_->text().toStdString()));
    const int height =
        framework::toInt32(framework::CDbl(editField2_->text().toStdString()) + controlsHeight);
    resize(width, height);
}

void Window3::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Event_Resized();
}

void Window3::Event_Resized() {
    for (const auto& [control, fromRight] : rightLocked_) {
        control->move(width() - fromRight, control->y());
    }
    canvas1_->setGeometry(0, controlsHeight, width(), std::max(0, height() - controlsHeight));
    editField1_->setText(QString::fromStdString(framework::CStr(std::int32_t{width()})));
    editField2_->setText(
        QString::fromStdString(framework::CStr(std::int32_t{height() - controlsHeight})));
    canvas1_->update();
}

void Window3::closeEvent(QCloseEvent* event) {
    // The figure stays for as long as the Data Window.
    event->ignore();
}

void Window3::keyPressEvent(QKeyEvent* event) {
    // Return and Enter press the default button, as in a dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pushButton1_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
