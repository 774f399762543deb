#include "descriptives/autocorrelationbootstrap.h"
#include "descriptives/autocorrelationcoefficients.h"
#include "descriptives/trendresiduals.h"

#include "analysis/basics.h"
#include "analysis/draws.h"
#include "framework/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct ReferenceCase {
    std::vector<double> values;
    std::vector<double> coefficients; // lags 1, 2, ...
    std::vector<double> residuals;
};

// Autoregressive series with a trend, rounded to two decimals, and what numpy 1.24 gives for them
// (Debian's python3-numpy, run once): with d = x - x.mean() and c = numpy.correlate(d, d, 'full')
// from lag 0 on, the coefficient of lag k is (c[k] / (N - k)) / (c[0] / N), the usual
// autocorrelation function scaled by N / (N - k); the residuals are x - A @ b with b from
// numpy.linalg.lstsq of x on A = [1, t], t = 1..N.
const std::vector<ReferenceCase> referenceCases{
    {// 10 values
     {20.51, 20.51, 22.38, 26.48, 26.34, 29.71, 26.29, 27.57, 26.84, 31.02},
     {0.541805492428318, 0.3507161553396546, -0.14508583780911719, -0.04174052372907683,
      -0.44731534362327763, -0.26269427963962827, -0.9509908292312068, -1.4412861809338078,
      -2.39303598129768},
     {-0.6827272727272664, -1.6987878787878756, -0.8448484848484874, 2.2390909090909084,
      1.083030303030295, 3.4369696969696903, -0.9990909090909206, -0.7351515151515287,
      -2.4812121212121383, 0.6827272727272522}},
    {// 50 values
     {57.04, 54.65, 52.44, 52.72, 55.61, 55.96, 53.76, 51.16, 49.53, 50.61, 49.85, 52.58, 51.9,
      53.19, 52.82, 54.28, 55.63, 53.74, 52.79, 53.9,  49.0,  49.4,  49.15, 44.76, 44.38, 48.13,
      48.04, 47.82, 44.25, 46.68, 50.68, 44.69, 41.87, 41.06, 42.52, 46.29, 47.85, 43.66, 42.14,
      41.7,  42.22, 42.89, 41.23, 38.74, 37.97, 37.9,  38.36, 43.67, 43.92, 42.45},
     {0.8840743658878585, 0.7725670448293365, 0.7365283881251231, 0.7054004241726672,
      0.6686149605785413},
     {1.2111764705882493,   -0.8491409363745319,  -2.7294583433373205,  -2.1197757503001,
      1.0999068427371128,   1.7795894357743336,   -0.09072797118845699, -2.361045378151239,
      -3.6613627851140222,  -2.2516801920768117,  -2.6819975990395903,  0.3776849939976188,
      0.027367587034838436, 1.6470501800720498,   1.6067327731092718,   3.396415366146485,
      5.076097959183706,    3.5157805522209173,   2.8954631452581268,   4.3351457382953456,
      -0.23517166866744077, 0.49451092436977717,  0.5741935174069894,   -3.4861238895557918,
      -3.536441296518575,   0.5432412965186373,   0.7829238895558532,   0.8926064825930737,
      -2.3477109243697143,  0.4119716686674977,   4.741654261704717,    -0.9186631452580727,
      -3.4089805522208536,  -3.8892979591836365,  -2.0996153661464163,  2.000067226890792,
      3.8897498199280065,   0.029432412965221033, -1.1608849939975627,  -1.271202400960341,
      -0.4215198079231328,  0.5781627851140883,   -0.7521546218487032,  -2.912472028811486,
      -3.3527894357742696,  -3.0931068427370505,  -2.3034242496998374,  3.336258343337377,
      3.9159409363745965,   2.775623529411817}},
    {// 199 values
     {13.55, 13.13, 16.03, 13.82, 14.76, 16.49, 15.66, 13.98, 11.15, 11.91, 11.83, 8.94,  10.24,
      12.37, 11.76, 12.18, 13.12, 12.23, 8.84,  11.74, 12.96, 16.49, 15.91, 16.68, 16.34, 13.66,
      18.43, 19.61, 15.34, 15.88, 12.89, 11.29, 15.17, 14.13, 14.84, 13.53, 13.34, 16.2,  13.63,
      12.37, 11.14, 18.11, 12.7,  13.16, 13.47, 10.55, 17.04, 19.34, 14.16, 14.54, 17.87, 15.66,
      18.38, 12.89, 14.87, 16.84, 16.11, 14.06, 17.36, 16.71, 14.69, 16.44, 16.11, 16.74, 16.58,
      14.8,  18.83, 16.05, 16.63, 18.34, 15.7,  12.24, 13.51, 16.05, 12.43, 15.98, 17.45, 17.68,
      18.51, 18.86, 17.18, 18.12, 19.17, 18.0,  15.64, 17.19, 15.03, 16.47, 18.26, 17.86, 15.72,
      18.08, 16.55, 18.29, 18.13, 16.51, 17.55, 16.37, 14.04, 15.07, 16.63, 18.11, 18.48, 21.23,
      17.86, 16.72, 16.65, 15.23, 18.95, 19.76, 18.57, 19.0,  17.01, 20.2,  17.95, 19.39, 14.45,
      18.41, 16.88, 20.7,  16.81, 19.64, 17.95, 19.54, 17.12, 17.92, 18.98, 18.31, 19.0,  18.5,
      19.88, 19.66, 19.71, 21.19, 18.9,  16.56, 16.49, 16.14, 17.22, 20.84, 17.73, 22.63, 22.25,
      21.85, 20.46, 18.65, 20.97, 22.93, 15.06, 17.06, 20.68, 17.45, 18.27, 17.33, 19.0,  18.34,
      20.49, 22.81, 23.47, 22.62, 21.35, 21.67, 20.16, 19.95, 21.0,  20.99, 20.91, 20.07, 19.56,
      18.71, 19.1,  20.42, 22.21, 23.96, 25.29, 23.59, 21.2,  19.93, 22.27, 18.66, 20.4,  19.82,
      16.73, 19.79, 19.91, 22.58, 20.79, 20.97, 24.45, 22.76, 18.47, 20.83, 19.83, 18.05, 20.54,
      21.64, 21.7,  21.04, 26.02},
     {0.7299915856427212, 0.6640988267703858, 0.6456376658053599, 0.5794073300870529,
      0.5405162674311222},
     {0.5302331658291628,   0.06560566468708906,  2.9209781635450156,   0.6663506624029392,
      1.5617231612608649,   3.2470956601187897,   2.3724681589767176,   0.6478406578346441,
      -2.22678684330743,    -1.5114143444495038,  -1.6360418455915795,  -4.570669346733654,
      -3.315296847875727,   -1.2299243490178018,  -1.884551850159875,   -1.509179351301949,
      -0.6138068524440232,  -1.5484343535860958,  -4.983061854728172,   -2.1276893558702454,
      -0.9523168570123186,  2.533055641845605,    1.908428140703533,    2.633800639561459,
      2.2491731384193834,   -0.47545436272269015, 4.249918136135236,    5.3852906349931615,
      1.0706631338510881,   1.5660356327090152,   -1.4685918684330588,  -3.113219369575134,
      0.7221531292827912,   -0.3624743718592818,  0.3028981269986435,   -1.0517293741434308,
      -1.2863568752855041,  1.5290156235724215,   -1.0856118775696526,  -2.390239378711728,
      -3.6648668798538004,  3.2605056190041246,   -2.1941218821379493,  -1.7787493832800223,
      -1.5133768844220956,  -4.478004385564169,   1.9673681132937553,   4.22274061215168,
      -1.0018868889903931,  -0.6665143901324679,  2.61885810872546,     0.36423060758338544,
      3.0396031064413087,   -2.4950243947007635,  -0.5596518958428387,  1.3657206030150881,
      0.5910931018730139,   -1.5035343992690589,  1.7518380995888663,   1.0572105984467939,
      -1.0074169026952813,  0.6979555961626449,   0.32332809502056925,  0.9087005938784944,
      0.7040730927364205,   -1.120554408405651,   2.864818090452271,    0.0401905893101997,
      0.5755630881681242,   2.2409355870260512,   -0.44369191411602316, -3.948319415258096,
      -2.7229469164001703,  -0.22757441754224317, -3.892201918684318,   -0.3868294198263911,
      1.038543079031534,    1.223915577889457,    2.009288076747385,    2.314660575605309,
      0.5900330744632356,   1.485405573321163,    2.49077807217909,     1.2761505710370145,
      -1.1284769301050588,  0.3768955687528681,   -1.8277319323892076,  -0.4323594335312819,
      1.313013065326647,    0.868385564184571,    -1.3162419369575016,  0.9991305619004223,
      -0.5754969392416491,  1.1198755596162755,   0.915248058474198,    -0.7493794426678733,
      0.24599305619005207,  -0.9786344449520215,  -3.353261946094097,   -2.36788944723617,
      -0.8525169483782449,  0.5828555504796817,   0.9082280493376089,   3.613600548195535,
      0.19897304705345675,  -0.9856544540886176,  -1.1002819552306917,  -2.5649094563727637,
      1.1104630424851614,   1.8758355413430898,   0.6412080402010147,   1.0265805390589406,
      -1.0080469620831316,  2.1373255367747923,   -0.1573019643672815,  1.238070534490646,
      -3.746556966651429,   0.16881553220649792,  -1.405811968935577,   2.3695605299223494,
      -1.565066971219725,   1.220305527638203,    -0.5143219735038755,  1.0310505253540505,
      -1.4335769757880215,  -0.6782044769300946,  0.33716802192783035,  -0.37745947921424516,
      0.2679130196436823,   -0.2767144814983915,  1.0586580173595337,   0.794030516217461,
      0.7994030150753879,   2.234775513933311,    -0.09985198720876554, -2.484479488350839,
      -2.5991069894929133,  -2.993734490634985,   -1.9583619917770605,  1.6170105070808667,
      -1.5376169940612066,  3.317755504796718,    2.8931280036546454,   2.448500502512573,
      1.0138730013704986,   -0.8407544997715775,  1.434617999086349,    3.349990497944276,
      -4.564637003197797,   -2.6092645043398726,  0.9661079945180546,   -2.308519506624023,
      -1.5331470077660967,  -2.517774508908172,   -0.8924020100502439,  -1.5970295111923178,
      0.5083429876656069,   2.7837154865235334,   3.3990879853814597,   2.504460484239388,
      1.1898329830973147,   1.4652054819552376,   -0.08942201918683779, -0.34404952032891245,
      0.6613229785290144,   0.6066954773869391,   0.48206797624486697,  -0.4025595248972067,
      -0.9571870260392821,  -1.8518145271813538,  -1.506442028323427,   -0.23106952946550052,
      1.5143029693924248,   3.219675468250351,    4.5050479671082755,   2.7604204659662024,
      0.325792964824128,    -0.9888345363179454,  1.3065379625399807,   -2.3480895386020926,
      -0.652717039744168,   -1.2773445408862436,  -4.411972042028317,   -1.3965995431703924,
      -1.3212270443124652,  1.3041454545454592,   -0.5304820465966138,  -0.3951095477386879,
      3.040262951119235,    1.3056354499771636,   -3.028992051164913,   -0.7136195523069873,
      -1.758247053449061,   -3.5828745545911325,  -1.1375020557332078,  -0.08212955687528023,
      -0.06675705801735532, -0.7713845591594293,  4.163987939698497}},
};

TEST(AutocorrelationKernels, CoefficientsAndResidualsAgreeWithNumpy) {
    for (const ReferenceCase& c : referenceCases) {
        const auto lags = static_cast<std::int32_t>(c.coefficients.size());
        const autocorrelation::LagBootstrap bootstrap(c.values, lags);
        for (std::int32_t k = 1; k <= lags; ++k) {
            EXPECT_NEAR(bootstrap.observed(k), c.coefficients[k - 1], 1e-12)
                << c.values.size() << " values, lag " << k;
        }
        std::vector<double> residuals = c.values;
        autocorrelation::replaceByTrendResiduals(residuals);
        for (std::size_t t = 0; t < residuals.size(); ++t) {
            EXPECT_NEAR(residuals[t], c.residuals[t], 1e-12)
                << c.values.size() << " values, t " << t;
        }
    }
}

TEST(AutocorrelationKernels, TrendResidualsOfTheWorkedExamples) {
    std::vector<double> line{2, 4, 6, 8};
    autocorrelation::replaceByTrendResiduals(line);
    EXPECT_EQ(line, (std::vector<double>{0, 0, 0, 0}));

    std::vector<double> bent{1, 3, 2};
    const analysis::Line fitted = analysis::trendLine(bent);
    EXPECT_EQ(fitted.slope, 0.5);
    EXPECT_EQ(fitted.intercept, 1.0);
    autocorrelation::replaceByTrendResiduals(bent);
    EXPECT_EQ(bent, (std::vector<double>{-0.5, 1, -0.5}));

    std::vector<double> single{7};
    autocorrelation::replaceByTrendResiduals(single);
    EXPECT_TRUE(std::isnan(single[0]));
}

TEST(AutocorrelationKernels, CoefficientsThatAreNotNumbers) {
    struct Case {
        std::vector<double> values;
        std::vector<bool> numbers; // lags 1..
    };
    const std::vector<Case> cases{
        {{0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, {false, false}}, // no spread at all
        {{4}, {false, false}},                                                // one point
        {{1, 3, 2}, {true, true, false, false}}, // lags of N and beyond
    };
    std::vector<double> deviations(16);
    for (const Case& c : cases) {
        std::vector<double> coefficients(c.numbers.size());
        autocorrelation::lagCoefficients(
            {c.values, analysis::mean(c.values), coefficients, deviations});
        for (std::size_t k = 0; k < c.numbers.size(); ++k) {
            EXPECT_EQ(!std::isnan(coefficients[k]), c.numbers[k]) << c.values.size() << " " << k;
        }
    }
}

TEST(AutocorrelationKernels, ManyLagsAndTwoSeriesAtOnceMatchOneAtATime) {
    const std::vector<double>& first = referenceCases[2].values;
    const std::vector<double> second(first.rbegin(), first.rend());
    std::vector<double> firstRoom(first.size());
    std::vector<double> secondRoom(second.size());
    std::vector<double> firstAll(40);
    std::vector<double> secondAll(40);
    autocorrelation::lagCoefficients({first, analysis::mean(first), firstAll, firstRoom},
                                     {second, analysis::mean(second), secondAll, secondRoom});
    for (std::size_t k = 1; k <= firstAll.size(); ++k) {
        std::vector<double> upToK(k);
        autocorrelation::lagCoefficients({first, analysis::mean(first), upToK, firstRoom});
        EXPECT_EQ(upToK[k - 1], firstAll[k - 1]) << k;
        autocorrelation::lagCoefficients({second, analysis::mean(second), upToK, secondRoom});
        EXPECT_EQ(upToK[k - 1], secondAll[k - 1]) << k;
    }
}

// Draws that pick the given positions 1..3 out of three values, one resample after another.
class ScriptedPositions final : public framework::UniformSource {
  public:
    explicit ScriptedPositions(std::vector<int> positions) : positions_(std::move(positions)) {}
    double next() override { return (positions_[next_++ % positions_.size()] - 0.5) / 3.0; }

  private:
    std::vector<int> positions_;
    std::size_t next_ = 0;
};

TEST(AutocorrelationKernels, ResamplesWithoutANumberLeaveTheDenominator) {
    // 1, 3, 2 has r(1) = -0.75. Drawn as 1, 1, 1 it has no coefficient, as 1, 3, 2 it ties, and
    // as 1, 2, 3 its coefficient is 0, on neither side: one count out of two numbered resamples.
    autocorrelation::LagBootstrap bootstrap(std::vector<double>{1, 3, 2}, 1);
    EXPECT_EQ(bootstrap.observed(1), -0.75);
    ScriptedPositions positions({1, 1, 1, 1, 2, 3, 1, 3, 2});
    framework::SourceStream stream(positions);
    for (int resample = 0; resample < 3; ++resample) {
        bootstrap.resample(stream);
    }
    bootstrap.countLeftOver();
    EXPECT_EQ(bootstrap.p(1), 0.5);

    autocorrelation::LagBootstrap none(std::vector<double>{1, 3, 2}, 1);
    ScriptedPositions same({2, 2, 2});
    framework::SourceStream sameStream(same);
    for (int resample = 0; resample < 100; ++resample) {
        none.resample(sameStream);
    }
    EXPECT_TRUE(std::isnan(none.p(1)));
}

// For independent normal values the count in the observed direction gives P(p <= u) = 2u: each
// tail holds u of the resampled coefficients. A short series at a far lag is where an observed
// coefficient and resamples on different scales (N / (N - k) apart) would show: at N = 12 and
// lag 3 that gives about .23 at u = .05. Resampling twelve values is itself a little generous in
// the far tail: on 30,000 series P(p <= .01) came out .024, well within the tolerance here.
TEST(AutocorrelationKernels, PValuesOfIndependentSeriesAreCalibrated) {
    constexpr int series = 3000;
    constexpr int length = 12;
    constexpr std::int32_t lag = 3;
    constexpr int bootstraps = 400;
    const std::vector<double> levels{0.01, 0.05, 0.10, 0.25};
    std::vector<int> atOrBelow(levels.size());
    framework::Xoshiro256StarStar stream(1234);
    std::vector<double> values(length);
    for (int s = 0; s < series; ++s) {
        for (double& value : values) {
            value = analysis::normalDeviate(stream, 0.0, 1.0);
        }
        autocorrelation::LagBootstrap bootstrap(values, lag);
        for (int b = 0; b < bootstraps; ++b) {
            bootstrap.resample(stream);
        }
        for (std::size_t i = 0; i < levels.size(); ++i) {
            atOrBelow[i] += bootstrap.p(lag) <= levels[i] ? 1 : 0;
        }
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double expected = 2.0 * levels[i];
        const double standardError = std::sqrt(expected * (1.0 - expected) / series);
        EXPECT_NEAR(static_cast<double>(atOrBelow[i]) / series, expected, 4.0 * standardError)
            << "u = " << levels[i];
    }
}

} // namespace
