#include "data/datawindow.h"

#include "data/gridcelldelegate.h"
#include "data/gridmodel.h"
#include "data/module1.h"
#include "framework/implicitinstance.h"
#include "framework/layoutfont.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>

namespace {

framework::ImplicitInstance<Window1> theDataWindow;

constexpr int windowWidth = 250;
constexpr int windowHeight = 480;
constexpr int rowHeight = 20;

} // namespace

Window1& Window1::instance() {
    return theDataWindow.get([] { return new Window1; });
}

Window1::Window1()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowMinMaxButtonsHint),
      listBox1_(new QTableView(this)), model_(new GridModel(Module1::grid(), this)),
      changeListener_(Module1::grid().addChangeListener([this] { ListBox1_Change(); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Data Window");
    resize(windowWidth, windowHeight);
    setMinimumSize(64, 64);

    listBox1_->setObjectName("ListBox1");
    listBox1_->setModel(model_);
    listBox1_->setItemDelegate(new GridCellDelegate(listBox1_));
    listBox1_->setFont(framework::layoutFont("Times", 12));
    listBox1_->horizontalHeader()->setStretchLastSection(true);
    listBox1_->horizontalHeader()->hide();
    listBox1_->verticalHeader()->hide();
    listBox1_->verticalHeader()->setMinimumSectionSize(rowHeight);
    listBox1_->verticalHeader()->setDefaultSectionSize(rowHeight);
    listBox1_->setShowGrid(true);
    listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listBox1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listBox1_->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    listBox1_->setTabKeyNavigation(false);
    setCentralWidget(listBox1_);
    // The window's own resize comes before its layout has sized the grid, and the grid's viewport
    // settles its width only after its own resize event: the columns are fitted once it has.
    listBox1_->viewport()->installEventFilter(this);
    fitColumnWidths();
}

Window1::~Window1() {
    Module1::grid().removeChangeListener(changeListener_);
}

int Window1::ListIndex() const {
    const QModelIndexList rows = listBox1_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void Window1::commitOpenEdit() {
    QWidget* editor = listBox1_->indexWidget(listBox1_->currentIndex());
    if (editor == nullptr) {
        return;
    }
    QAbstractItemDelegate* delegate = listBox1_->itemDelegate();
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void Window1::ListBox1_Change() {
    Module1::datasaved = false;
    Module1::loadinfo();
    emit gridChanged();
}

void Window1::closeEvent(QCloseEvent* event) {
    // The data window only closes when the program ends; Quit asks its questions first.
    event->ignore();
    commitOpenEdit();
    emit closeRequested();
}

bool Window1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listBox1_->viewport() && event->type() == QEvent::Resize) {
        QTimer::singleShot(0, this, [this] { fitColumnWidths(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void Window1::fitColumnWidths() {
    const int width = listBox1_->viewport()->width();
    const int first = width * 20 / 100;
    const int second = width * 40 / 100;
    listBox1_->setColumnWidth(0, first);
    listBox1_->setColumnWidth(1, second);
    listBox1_->setColumnWidth(2, width - first - second);
}
