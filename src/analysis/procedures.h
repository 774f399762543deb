#pragma once

#include <cstdint>

// The shared correlation procedures over the module-level data. Each caller fills the input
// arrays and Module1::n just before the call.
namespace Module1 {

// Pearson r of vq(1..n) and vvq(1..n).
double pearsonr();

// Lag autocorrelation estimate of v(series, 1..phasen(series)); 0 <= lag < phasen(series).
double quickautocorr(std::int32_t series, std::int32_t lag);

// Average ranks of vr1(1..n) when col is 1, of vr2(1..n) otherwise, into vrank(col, 1..n),
// and their tie sum into stx(col). col lies in 0..2; nothing else is written.
void getranks(std::int32_t col);

// Tie-corrected Spearman rho of vrank(1, 1..n) and vrank(2, 1..n) with stx(1) and stx(2).
double tiecorrectedrho();

} // namespace Module1
