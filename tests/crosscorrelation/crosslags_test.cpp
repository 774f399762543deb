#include "crosscorrelation/crosslags.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using crosscorrelation::lagCount;

std::vector<double> pearson(const std::vector<double>& x, const std::vector<double>& y,
                            std::int32_t k) {
    std::vector<double> r(lagCount(k));
    crosscorrelation::pearsonCrossCorrelations(x, y, k, r);
    return r;
}

std::vector<double> spearman(const std::vector<double>& x, const std::vector<double>& y,
                             std::int32_t k) {
    std::vector<double> r(lagCount(k));
    crosscorrelation::spearmanCrossCorrelations(x, y, k, r);
    return r;
}

// y is a permutation of x, so both have the same sum of squares and the Pearson r at each lag
// is the lag's cross-product sum over it: exact fractions, worked out by hand (and checked with
// Python's fractions module). The Spearman rhos follow from the ranks of each lag's pairs, ties
// averaged: (Tx + Ty - D) / (2 sqrt(Tx Ty)).
const std::vector<double> handX{1, 2, 2, 4, 5, 6};
const std::vector<double> handY{2, 1, 4, 2, 6, 5};

TEST(CrossLags, PearsonAtLagsMinusTwoToTwoByHand) {
    // Lag +1 pairs x(1..5) with y(2..6); lag -1 pairs x(2..6) with y(1..5). Every lag divides
    // by the 6 points, with the means and spreads of all 6.
    const std::vector<double> expected{-10.0 / 87.0, 46.0 / 87.0, 20.0 / 29.0, 49.0 / 87.0,
                                       -10.0 / 87.0};
    const std::vector<double> r = pearson(handX, handY, 2);
    ASSERT_EQ(r.size(), expected.size());
    for (std::size_t j = 0; j < r.size(); ++j) {
        EXPECT_NEAR(r[j], expected[j], 1e-15) << "lag " << static_cast<int>(j) - 2;
    }
}

TEST(CrossLags, SpearmanAtLagsMinusTwoToTwoByHand) {
    // Lag -2: x 2,4,5,6 against y 2,1,4,2 (y tied): Tx = 5, Ty = 4.5, D = 6.5, rho = 3/sqrt(90).
    // Lag -1: Tx = 9.5 (x tied), Ty = 9.5, D = 4.5, rho = 29/38.
    // Lag 0: Tx = Ty = 17, D = 11, rho = 23/34.
    // Lag +1: Tx = 9.5, Ty = 10, D = 2.5, rho = 17 / (2 sqrt(95)).
    // Lag +2: x 1,2,2,4 against y 4,2,6,5: rho = 3/sqrt(90).
    const std::vector<double> expected{3.0 / std::sqrt(90.0), 29.0 / 38.0, 23.0 / 34.0,
                                       17.0 / (2.0 * std::sqrt(95.0)), 3.0 / std::sqrt(90.0)};
    const std::vector<double> rho = spearman(handX, handY, 2);
    ASSERT_EQ(rho.size(), expected.size());
    for (std::size_t j = 0; j < rho.size(); ++j) {
        EXPECT_NEAR(rho[j], expected[j], 1e-15) << "lag " << static_cast<int>(j) - 2;
    }
}

// Series of exact binary fractions with repeated values, the same in every language.
struct Pairs {
    std::vector<double> x;
    std::vector<double> y;
};
Pairs referencePairs(int n) {
    Pairs pairs;
    for (int i = 1; i <= n; ++i) {
        pairs.x.push_back((i * i * 7 + i * 13) % 97 + 0.5 * (i % 3));
        pairs.y.push_back((i * i * 5 + i * 29) % 89 * 0.25 + i / 8.0);
    }
    return pairs;
}

struct Reference {
    int n;
    std::int32_t k;
    std::vector<double> pearson;
    std::vector<double> spearman;
};

// The same pairs given to R 4.2 and SciPy 1.10, values printed with 17 digits. Pearson: R's
// ccf(x, y, lag.max = k)$acf, whose lag h correlates x[t + h] with y[t], so R's lag -L is our
// lag L (x leading y). Spearman: scipy.stats.spearmanr of each lag's pairs, x[1 + |L| ..] with
// y[1 .. n - |L|] for L < 0 and x[1 .. n - L] with y[1 + L ..] for L >= 0; ties are averaged.
const Reference references[] = {
    {20,
     5,
     {0.10256498057777864, 0.067891074373482102, 0.054208524445620868, 0.21612919797578189,
      -0.30929249503357065, 0.058409513188480477, 0.025888186534087906, 0.15311971945992447,
      -0.17353258027583657, 0.21832953942847635, -0.27923131811343138},
     {0.1357142857142857, 0.0411764705882353, 0.044117647058823532, 0.32111516927714367,
      -0.34137783014322604, 0.068446789345910836, -0.021061871268476671, 0.19514716075041849,
      -0.26486822881552169, 0.21339225791815683, -0.30563014885075074}},
    {60,
     10,
     {0.083388647005057034,  0.082167611533685209, 0.034981630466660855,   0.11283052413008855,
      -0.067397649857156516, 0.13594412864968766,  0.20412105583700169,    -0.023708734750117252,
      0.22595807897791215,   0.038816529967073611, -0.0011825902848134299, 0.043082122436445124,
      0.1598799823473801,    0.19764563530165963,  0.078738665540398461,   -0.085416685607522136,
      0.055699562322633553,  0.087786298533080898, -0.011191730163237134,  0.10258222564223192,
      -0.0020054052955787239},
     {0.088009989699510585,   0.13493392483043792,  0.026236577557381725,  0.14172228184887486,
      -0.058103625926664647,  0.14061738920945197,  0.22139609729113069,   -0.012091349738261158,
      0.23819267200946151,    0.054849977633835895, 0.0084072149709362304, 0.030662652572863824,
      0.15879755848281679,    0.22710106409079603,  0.051261452957237323,  -0.079621111175672235,
      0.081650940695333338,   0.10007460976516934,  -0.024318381438016731, 0.13006676876978635,
      -0.00048036509422410536}},
    {199,
     20,
     {0.013001178644370842,  0.025338023359623322,   -0.038277532456911234,  -0.015961701643971395,
      -0.055556202447034769, 0.00019016590381683792, -0.018673409667663295,  -0.043066151105916571,
      0.012534008620009701,  0.034985450891167613,   0.023315839938351589,   0.04688039891774818,
      -0.023462555701619911, 0.062392461180768369,   0.023898193728449417,   0.054406118540609741,
      0.04413686130652316,   -0.044215235792212162,  0.023546700443651515,   0.040688741644309266,
      -0.022681185834059665, 0.033379709008876275,   0.017008216309646277,   0.047093782599394091,
      0.065226266632795585,  0.0046448360759504936,  0.012764831902906818,   0.01734731596699407,
      0.036113015676424248,  0.0098866044190683115,  0.011387400129053831,   0.1006832045090678,
      0.12690178397825513,   0.10822354091266242,    0.00080472066749832753, -0.0039654834344311348,
      0.0644789376662456,    0.040272556174915944,   -0.037814882751417159,  0.091846637746618331,
      0.060923621376608006},
     {0.008025457983789017,  0.04346938073671152,   -0.050259621601708777, 0.0074399859080718075,
      -0.057914933178369252, 0.0028426208184025646, -0.011419272786841617, -0.044967128283941511,
      0.025611143211513851,  0.047416800149362441,  0.030715498014434531,  0.052247192255095526,
      -0.031337020675220754, 0.066782420282037527,  0.029617013400384359,  0.06058521549276813,
      0.028298184004196397,  -0.02951889540854168,  0.019593515402635025,  0.058161445133368378,
      -0.018903927786938855, 0.042004162046178073,  0.014765763337468405,  0.052088376521266376,
      0.079645555793934411,  0.010998814484830598,  0.019740035354768204,  0.018503713380145736,
      0.032424190630872145,  0.022388056442667722,  0.017122208612876166,  0.10798746168053529,
      0.14480064862487768,   0.11684733577880811,   0.015694398970164048,  0.0072230559849116964,
      0.07797863311351054,   0.040758594820599452,  -0.038275045004413977, 0.11027922473405807,
      0.06783300778545949}},
};

TEST(CrossLags, AgreeWithRsCcfAndScipysSpearmanr) {
    for (const Reference& reference : references) {
        const Pairs pairs = referencePairs(reference.n);
        const std::vector<double> r = pearson(pairs.x, pairs.y, reference.k);
        const std::vector<double> rho = spearman(pairs.x, pairs.y, reference.k);
        ASSERT_EQ(r.size(), reference.pearson.size());
        ASSERT_EQ(rho.size(), reference.spearman.size());
        for (std::size_t j = 0; j < r.size(); ++j) {
            EXPECT_NEAR(r[j], reference.pearson[j], 1e-12) << reference.n << " pairs, " << j;
            EXPECT_NEAR(rho[j], reference.spearman[j], 1e-12) << reference.n << " pairs, " << j;
        }
    }
}

TEST(CrossLags, RanksFromTheSortedSeriesHaveTheBitsOfRankingAfresh) {
    crosscorrelation::LaggedSpearman lagged;
    std::uint64_t state = 12345;
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 3 + trial % 60;
        std::vector<double> x(n);
        std::vector<double> y(n);
        for (int i = 0; i < n; ++i) {
            // Few distinct values at first, so ties of every size come up; then mostly distinct.
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const auto levels = static_cast<std::uint64_t>(trial < 100 ? 4 : 1000);
            x[i] = static_cast<double>((state >> 33) % levels);
            y[i] = static_cast<double>((state >> 13) % levels) * 0.1;
        }
        // Up to the most lags the data allow, and beyond the series for some.
        const std::int32_t k = trial % 5 == 0 ? n + 1 : (n - 1) / 2;
        std::vector<double> fast(lagCount(k));
        lagged.correlations(x, y, k, fast);
        const std::vector<double> afresh = spearman(x, y, k);
        for (std::size_t j = 0; j < fast.size(); ++j) {
            EXPECT_TRUE(fast[j] == afresh[j] || (std::isnan(fast[j]) && std::isnan(afresh[j])))
                << "trial " << trial << " lag index " << j;
        }
    }
}

TEST(CrossLags, ASeriesWithoutSpreadHasNoCorrelation) {
    // Ten times 0.1 has a mean of 0.09999999999999999: the values, not the sums, decide.
    const std::vector<double> constant(10, 0.1);
    const std::vector<double> other{3, 1, 4, 1, 5, 9, 2, 6, 5, 3};
    for (const std::vector<double>& r :
         {pearson(constant, other, 2), pearson(other, constant, 2), spearman(constant, other, 2),
          spearman(other, constant, 2)}) {
        for (const double value : r) {
            EXPECT_TRUE(std::isnan(value));
        }
    }
    // A lag whose pairs hold one value of x only: rho is not a number there alone.
    const std::vector<double> x{1, 1, 1, 2};
    const std::vector<double> y{4, 3, 2, 1};
    const std::vector<double> rho = spearman(x, y, 1);
    EXPECT_TRUE(std::isnan(rho[2])); // lag +1: x 1, 1, 1
    EXPECT_FALSE(std::isnan(rho[0]));
}

} // namespace
