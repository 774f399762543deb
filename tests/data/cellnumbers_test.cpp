#include "data/cellnumbers.h"

#include "correlation/bootstrap.h"
#include "data/module1.h"
#include "descriptives/autocorrelation.h"
#include "descriptives/descriptives.h"
#include "simulation/simulationtest.h"
#include "support/analysisfixture.h"
#include "support/fakealert.h"
#include "support/fakeprogress.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Module1::grid;
using Module1::pairsNotANumber;
using Module1::seriesNotANumber;

class CellNumbers : public AnalysisFixture {};

std::string notANumber(const std::string& where, const std::string& text) {
    return where + " holds \"" + text +
           "\", which is not a number. Empty the cell to make it a missing value.";
}

TEST_F(CellNumbers, ACellIsReadOnlyWhenItsWholeTextIsAFiniteNumber) {
    struct TextCase {
        std::string text;
        bool number;
    };
    const std::vector<TextCase> cases{
        {"5", true},      {"-3", true},      {"0", true},      {"012", true},    {"2.5", true},
        {".5", true},     {"5.", true},      {"-.25", true},   {"1e3", true},    {"2E-1", true},
        {"1e+2", true},   {" 7 ", true},     {"\t4", true},    {"1e-400", true}, {"NA", false},
        {"1,5", false},   {"5-3", false},    {"1.2.3", false}, {"-", false},     {".", false},
        {"1e999", false}, {"-1e999", false}, {"A", false},     {"+5", false},    {"1e", false},
        {"5 6", false},   {"nan", false},    {"inf", false},   {"0x10", false},  {"12abc", false},
    };
    for (const TextCase& c : cases) {
        // As a DV value, which every analysis reads, and as the second value of a pair.
        clearGrid();
        fill({{"1", "0"}, {c.text, "1"}});
        EXPECT_EQ(!seriesNotANumber(grid()), c.number) << '"' << c.text << '"';
        clearGrid();
        fill({{"1", "0"}, {"2", c.text}});
        EXPECT_EQ(!pairsNotANumber(grid()), c.number) << '"' << c.text << '"';
    }
}

TEST_F(CellNumbers, TheNoticeNamesTheFirstCellThatIsReadAndHoldsNoNumber) {
    struct NoticeCase {
        std::vector<Row> rows;
        std::optional<std::string> series;
        std::optional<std::string> pairs;
    };
    const std::string tooLarge = "Row 2 of Var1(DV) holds \"1e999\", which is too large a number. "
                                 "Empty the cell to make it a missing value.";
    const std::vector<NoticeCase> cases{
        // Empty and blank cells are missing values, whatever else the grid holds.
        {{{"3", ""}, {"", "1"}, {"  ", "0"}, {"4", " "}}, std::nullopt, std::nullopt},
        {{{"3", "0"}, {"4", "0"}, {"NA", "1"}, {"1,5", "1"}},
         notANumber("Row 3 of Var1(DV)", "NA"),
         notANumber("Row 3 of Var1(DV)", "NA")},
        // Labels are read as numbers only with the pairs; in a row, the DV cell comes first.
        {{{"3", "A"}, {"4", "B"}}, std::nullopt, notANumber("Row 1 of Var2(PHASE)", "A")},
        {{{"3", "1"}, {"x", "y"}},
         notANumber("Row 2 of Var1(DV)", "x"),
         notANumber("Row 2 of Var1(DV)", "x")},
        // A half-filled row is no pair: only the series reads its DV cell.
        {{{"3", "1"}, {"5-3", ""}, {"", "NA"}, {"4", "2"}},
         notANumber("Row 2 of Var1(DV)", "5-3"),
         std::nullopt},
        {{{"3", "1"}, {"1e999", "2"}}, tooLarge, tooLarge},
        // The text is quoted as it stands, a long one cut after 30 characters.
        {{{" N A ", "1"}},
         notANumber("Row 1 of Var1(DV)", " N A "),
         notANumber("Row 1 of Var1(DV)", " N A ")},
        {{{"1", "2"}, {"2", std::string(40, 'x')}},
         std::nullopt,
         notANumber("Row 2 of Var2(PHASE)", std::string(30, 'x') + "...")},
        {{{"1", "2"}, {"2", "\xC3\xA9t\xC3\xA9 " + std::string(30, 'x')}},
         std::nullopt,
         notANumber("Row 2 of Var2(PHASE)", "\xC3\xA9t\xC3\xA9 " + std::string(26, 'x') + "...")},
    };
    for (const NoticeCase& c : cases) {
        clearGrid();
        fill(c.rows);
        EXPECT_EQ(seriesNotANumber(grid()), c.series) << c.rows[0].dv;
        EXPECT_EQ(pairsNotANumber(grid()), c.pairs) << c.rows[0].dv;
    }
    clearGrid();
    grid().setCell(DataGrid::lastDataRow, DataGrid::phaseColumn, "NA");
    grid().setCell(DataGrid::lastDataRow, DataGrid::dvColumn, "1");
    EXPECT_EQ(pairsNotANumber(grid()), notANumber("Row 199 of Var2(PHASE)", "NA"));
}

// Every analysis refuses a cell it would read that holds no number, before anything runs: one
// notice, no progress, no output, the grid's text and the shared data as they were.
TEST_F(CellNumbers, EveryAnalysisRefusesACellItWouldReadThatHoldsNoNumber) {
    using Run = std::function<void(Module1::Progress&, Module1::Output&)>;
    struct AnalysisCase {
        const char* name;
        Run run;
        // Whether it reads the second column as numbers, or only names phases by its text.
        bool readsLabels;
    };
    const auto simulationOf = [](simulation::Statistic statistic, bool usePhase) {
        simulation::SimulationSettings settings;
        settings.model.n1 = 5;
        settings.model.n2 = 5;
        settings.simulations = 100;
        settings.statistic = statistic;
        settings.usePhase = usePhase;
        return [settings](Module1::Progress& progress, Module1::Output& output) {
            simulation::runSimulationTest(settings, progress, output);
        };
    };
    const auto autocorrelationOf = [](Module1::AutocorrelationData data) {
        return [data](Module1::Progress& progress, Module1::Output& output) {
            Module1::autocorrelation({100, 2, data}, progress, output);
        };
    };
    const std::vector<AnalysisCase> analyses{
        {"Pearson r", [](auto& p, auto& o) { Module1::runpearson({100}, p, o); }, true},
        {"Spearman rho", [](auto& p, auto& o) { Module1::spearmanrho({100}, p, o); }, true},
        {"simulation test of the phase vector", simulationOf(simulation::Statistic::Spearman, true),
         true},
        {"simulation test of the level and slope vectors",
         simulationOf(simulation::Statistic::Pearson, false), false},
        {"partial correlation", simulationOf(simulation::Statistic::Partial, false), true},
        {"Descriptives", [](auto& p, auto& o) { Module1::descriptives({}, p, o); }, false},
        {"autocorrelation", autocorrelationOf(Module1::AutocorrelationData::Raw), false},
        {"autocorrelation of OLS residuals",
         autocorrelationOf(Module1::AutocorrelationData::OlsResiduals), false},
        {"autocorrelation without the phase effect",
         autocorrelationOf(Module1::AutocorrelationData::PhaseEffectRemoved), false},
    };
    // DV 3 4 NA 5 2 | 6 7 NA 8 9, whose phase means are 3.5 and 7.5, not the 2.8 and 6 of NA
    // read as 0.
    std::vector<Row> withNA;
    const char* const dv[] = {"3", "4", "NA", "5", "2", "6", "7", "NA", "8", "9"};
    for (int i = 0; i < 10; ++i) {
        withNA.push_back({dv[i], i < 5 ? "0" : "1"});
    }
    std::vector<Row> withLabels;
    for (int i = 0; i < 10; ++i) {
        withLabels.push_back({std::to_string(i % 4), i < 5 ? "A" : "B"});
    }
    struct GridCase {
        std::vector<Row> rows;
        std::string notice;
        // Whether only the analyses that read the labels as numbers refuse it.
        bool onlyLabelReaders;
    };
    const std::vector<GridCase> grids{
        {withNA, notANumber("Row 3 of Var1(DV)", "NA"), false},
        {withLabels, notANumber("Row 1 of Var2(PHASE)", "A"), true},
    };
    for (const GridCase& g : grids) {
        for (const AnalysisCase& a : analyses) {
            clearGrid();
            fill(g.rows);
            const DataGrid before = grid();
            Module1::n = -7;
            Module1::v[0][1] = -7.0;
            Module1::v1[1] = -7.0;
            FakeAlert alert;
            FakeProgress progress;
            FakeOutput output;
            a.run(progress, output);
            if (g.onlyLabelReaders && !a.readsLabels) {
                EXPECT_TRUE(alert.asked.empty()) << a.name;
                EXPECT_FALSE(output.blocks.empty()) << a.name;
                continue;
            }
            EXPECT_EQ(alert.asked, std::vector<std::string>{g.notice}) << a.name;
            EXPECT_EQ(alert.buttons, std::vector<std::string>{"OK"}) << a.name;
            EXPECT_EQ(progress.shows, 0) << a.name;
            EXPECT_TRUE(output.blocks.empty()) << a.name;
            for (int row = 0; row < DataGrid::rowCount; ++row) {
                for (int column = 0; column < DataGrid::columnCount; ++column) {
                    EXPECT_EQ(grid().cell(row, column), before.cell(row, column)) << a.name;
                }
            }
            EXPECT_EQ(Module1::n, -7) << a.name;
            EXPECT_EQ(Module1::v[0][1], -7.0) << a.name;
            EXPECT_EQ(Module1::v1[1], -7.0) << a.name;
        }
    }
}

} // namespace
