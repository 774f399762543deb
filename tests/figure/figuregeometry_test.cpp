#include "figure/figuregeometry.h"
#include "figure/figureseries.h"
#include "support/gridfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace figure;

FigureSeries seriesOf(std::vector<double> values, std::vector<PointPhase> phases = {}) {
    FigureSeries series;
    phases.resize(values.size(), PointPhase::none);
    series.na = static_cast<int>(std::count(phases.begin(), phases.end(), PointPhase::a));
    series.nb = static_cast<int>(std::count(phases.begin(), phases.end(), PointPhase::b));
    series.values = std::move(values);
    series.phases = std::move(phases);
    return series;
}

constexpr PointPhase A = PointPhase::a;
constexpr PointPhase B = PointPhase::b;

std::vector<int> dotXs(const FigureGeometry& geometry) {
    std::vector<int> xs;
    for (const Pixel& dot : geometry.dots) {
        xs.push_back(dot.x);
    }
    return xs;
}

TEST(FigureGeometry, PlacesThePointsByTheirZScores) {
    const FigureGeometry geometry = figureGeometry(seriesOf({1, 2, 3}), 0, {});
    EXPECT_EQ(dotXs(geometry), (std::vector<int>{200, 400, 600}));
    EXPECT_EQ(geometry.dots[0].y, 366);
    EXPECT_EQ(geometry.dots[1].y, 300);
    EXPECT_EQ(geometry.dots[2].y, 233);
    ASSERT_EQ(geometry.connections.size(), 2u);
    EXPECT_EQ(geometry.connections[0].from.x, 203);
    EXPECT_EQ(geometry.connections[0].from.y, 369);
    EXPECT_EQ(geometry.connections[1].to.x, 603);
    EXPECT_EQ(geometry.connections[1].to.y, 236);
    // The first pair of sigma lines goes through the first and the third point.
    EXPECT_EQ(geometry.sigmaRows, (std::array<int, 6>{233, 366, 166, 433, 100, 500}));
    EXPECT_FALSE(geometry.splitX.has_value());
}

TEST(FigureGeometry, StepsWiderSeriesAcrossThePicture) {
    EXPECT_EQ(dotXs(figureGeometry(seriesOf({1, 2, 3, 4}), 0, {})),
              (std::vector<int>{160, 320, 480, 640}));
    const FigureGeometry long_ = figureGeometry(seriesOf(std::vector<double>(199, 1.0)), 0, {});
    ASSERT_EQ(long_.dots.size(), 199u);
    EXPECT_EQ(long_.dots[0].x, 4);
    EXPECT_EQ(long_.dots[198].x, 796);
}

TEST(FigureGeometry, SplitLineStandsHalfwayAfterTheDivider) {
    const FigureGeometry geometry = figureGeometry(seriesOf(std::vector<double>(9, 1.0)), 4, {});
    ASSERT_TRUE(geometry.splitX.has_value());
    EXPECT_EQ(*geometry.splitX, 360); // int(4.5 x 800 / 10)
}

TEST(FigureGeometry, PhaseLinesInTheWholeSeriesUnits) {
    // Phase A 1, 3 (mean 2, sigma sqrt 2), phase B 5, 7 (mean 6, sigma sqrt 2); the whole series
    // has mean 4 and sigma sqrt(20 / 3) = 2.582. Phase A's mean is 0.7746 sigma below the mean,
    // at row int(300 + 51.64); phase B's as far above, at int(248.36). Phase A's +1 sigma line is
    // at (2 + 1.414 - 4) / 2.582 = -0.2270, row int(315.13); phase B's -1 sigma line at row
    // int(284.87).
    const FigureGeometry geometry = figureGeometry(seriesOf({1, 3, 5, 7}, {A, A, B, B}), 0, {});
    EXPECT_EQ(geometry.phaseSplitX, 400);
    ASSERT_EQ(geometry.phaseMeanLines.size(), 2u);
    EXPECT_EQ(geometry.phaseMeanLines[0].fromX, 0);
    EXPECT_EQ(geometry.phaseMeanLines[0].toX, 400);
    EXPECT_EQ(geometry.phaseMeanLines[0].y, 351);
    EXPECT_EQ(geometry.phaseMeanLines[1].fromX, 400);
    EXPECT_EQ(geometry.phaseMeanLines[1].toX, 800);
    EXPECT_EQ(geometry.phaseMeanLines[1].y, 248);
    ASSERT_EQ(geometry.phaseSigmaLines.size(), 12u);
    EXPECT_EQ(geometry.phaseSigmaLines[0].y, 315);
    EXPECT_EQ(geometry.phaseSigmaLines[0].toX, 400);
    EXPECT_EQ(geometry.phaseSigmaLines[9].y, 284);
    EXPECT_EQ(geometry.phaseSigmaLines[9].fromX, 400);
}

TEST(FigureGeometry, PhaseSplitFollowsTheCountOfPhaseAPoints) {
    std::vector<PointPhase> phases(4, A);
    phases.resize(10, B);
    const FigureGeometry geometry =
        figureGeometry(seriesOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, phases), 0, {});
    EXPECT_EQ(geometry.phaseSplitX, 327); // int(4.5 x 800 / 11)
}

TEST(FigureGeometry, PhaseMeansAreTakenOverThePointsOfEachLabel) {
    // Interleaved labels: phase A is points 1 and 3, whatever their order.
    const FigureGeometry interleaved = figureGeometry(seriesOf({1, 5, 3, 7}, {A, B, A, B}), 0, {});
    const FigureGeometry inOrder = figureGeometry(seriesOf({1, 3, 5, 7}, {A, A, B, B}), 0, {});
    ASSERT_EQ(interleaved.phaseMeanLines.size(), 2u);
    EXPECT_EQ(interleaved.phaseMeanLines[0].y, inOrder.phaseMeanLines[0].y);
    EXPECT_EQ(interleaved.phaseMeanLines[1].y, inOrder.phaseMeanLines[1].y);
}

TEST(FigureGeometry, DrawsWhatIsDefinedAndSkipsTheRest) {
    struct Case {
        const char* name;
        FigureSeries series;
        std::size_t phaseMeans;
        std::size_t phaseSigmas;
        bool onTheMean;
    };
    const std::vector<Case> cases{
        {"no point", seriesOf({}), 0, 0, true},
        {"one point", seriesOf({4}, {A}), 0, 0, true},
        {"constant series", seriesOf({5, 5, 5, 5}, {A, A, B, B}), 0, 0, true},
        {"empty phase B", seriesOf({1, 2, 3}, {A, A, A}), 1, 6, false},
        {"one-point phase B", seriesOf({1, 2, 3}, {A, A, B}), 2, 6, false},
        {"no labels", seriesOf({1, 2, 3}), 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FigureGeometry geometry = figureGeometry(c.series, 0, {});
        EXPECT_EQ(geometry.phaseMeanLines.size(), c.phaseMeans);
        EXPECT_EQ(geometry.phaseSigmaLines.size(), c.phaseSigmas);
        EXPECT_EQ(geometry.dots.size(), c.series.values.size());
        EXPECT_EQ(geometry.connections.size(),
                  std::max<std::size_t>(c.series.values.size(), 1) - 1);
        if (c.onTheMean) {
            for (const Pixel& dot : geometry.dots) {
                EXPECT_EQ(dot.y, 300);
            }
        }
    }
}

TEST(FigureGeometry, LabelsStandAtTheOffsetsFromTheirPoints) {
    FigureOptions options;
    const FigureGeometry single = figureGeometry(seriesOf({2.5}), 0, options);
    ASSERT_EQ(single.labelAnchors.size(), 1u);
    EXPECT_EQ(single.labelAnchors[0].x, 403);
    EXPECT_EQ(single.labelAnchors[0].y, 290);
    EXPECT_EQ(single.numberTexts, (std::vector<std::string>{"1"}));
    EXPECT_EQ(single.valueTexts, (std::vector<std::string>{"2.5"}));

    options.xOffset = -100;
    options.yOffset = 100;
    const FigureGeometry moved = figureGeometry(seriesOf({1, 2, 3}), 0, options);
    EXPECT_EQ(moved.labelAnchors[0].x, 100);
    EXPECT_EQ(moved.labelAnchors[0].y, 466);
    EXPECT_EQ(moved.dots[0].x, 200) << "the offsets move the labels only";
}

using FigureSeriesTest = GridFixture;

TEST_F(FigureSeriesTest, PointsAreTheRowsWithADvValue) {
    fill({{"4", "0"},
          {"", "0"},
          {"6", " 1 "},
          {"", "1"},
          {"8", "A"},
          {"9", "0.0"},
          {"", ""},
          {"10", "1"}});
    const FigureSeries series = readFigureSeries(Module1::grid());
    EXPECT_EQ(series.values, (std::vector<double>{4, 6, 8, 9, 10}));
    EXPECT_EQ(series.phases,
              (std::vector<PointPhase>{A, B, PointPhase::none, PointPhase::none, B}));
    EXPECT_EQ(series.na, 1);
    EXPECT_EQ(series.nb, 2);
}

TEST_F(FigureSeriesTest, ASnapshotRestoresWhatAnAnalysisLeftInTheSeries) {
    fill({{"1", ""}, {"2", ""}, {"", ""}, {"3", ""}});
    Module1::n = 120;
    Module1::v[0].fill(99.0);
    const FigureSeries series = loadFigureSeries();
    EXPECT_EQ(series.values, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Module1::n, 4);
    EXPECT_EQ(Module1::nvalid, 3);
    EXPECT_EQ(Module1::v[0][3], 3.0);
}

} // namespace
