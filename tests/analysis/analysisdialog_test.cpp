#include "analysis/analysisdialog.h"

#include "analysis/reportwindows.h"
#include "support/fakeprogress.h"

#include <QLineEdit>
#include <QtTest>

#include <stdexcept>

namespace {

// The smallest dialog: one field, and OK runs what the test gives it.
class OneFieldDialog : public AnalysisDialog {
  public:
    OneFieldDialog() : field(new QLineEdit(this)) {}
    void ok(const Analysis& analysis) { runAnalysis(analysis); }
    QLineEdit* field;
};

} // namespace

class AnalysisDialogTest : public QObject {
    Q_OBJECT

    FakeProgress progress_;
    FakeOutput output_;

  private slots:
    void init() { analysis::installReportWindows(&progress_, &output_); }
    void cleanup() { analysis::installReportWindows(nullptr, nullptr); }

    void aRunDisablesTheControlsAndClosesTheDialog() {
        OneFieldDialog dialog;
        dialog.show();
        bool enabledDuringRun = true;
        bool closedDuringRun = false;
        dialog.ok([&](Module1::Progress&, Module1::Output& output) {
            enabledDuringRun = dialog.field->isEnabled();
            // Escape during the run.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            closedDuringRun = !dialog.isVisible();
            output.append("report");
        });
        QVERIFY(!enabledDuringRun);
        QVERIFY(!closedDuringRun);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(output_.blocks.size(), size_t{1});
    }

    void aRunThatFailsStillEndsAndClosesTheDialog() {
        OneFieldDialog dialog;
        dialog.show();
        bool thrown = false;
        try {
            dialog.ok([](Module1::Progress&, Module1::Output&) {
                throw std::out_of_range("index outside the array's bounds");
            });
        } catch (const std::out_of_range&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(!dialog.isVisible());
        // A new run starts, so the dialog did not stay in the failed one.
        bool ranAgain = false;
        dialog.ok([&](Module1::Progress&, Module1::Output&) { ranAgain = true; });
        QVERIFY(ranAgain);
    }
};

QTEST_MAIN(AnalysisDialogTest)
#include "analysisdialog_test.moc"
