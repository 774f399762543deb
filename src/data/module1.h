#pragma once

#include "data/datagrid.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The program's shared data: the snapshot of the grid that every analysis reads, the simulation
// model and the flags and texts the windows pass between them. Arrays are indexed from 1 (index
// 0 unused) up to their inclusive bound, so an array with bound 205 has 206 elements. Entries
// beyond what the last load filled keep what an earlier load or analysis left in them.
namespace Module1 {

using Int32Series = std::array<std::int32_t, 206>;
using Series = std::array<double, 206>;

// The grid: the one source of the data.
DataGrid& grid();

// Phase bookkeeping of loadinfo: phase p = 1..numphases in order of first appearance.
extern std::array<std::int32_t, 202> phase;     // integer value of the label
extern std::array<std::string, 202> phaselabel; // the label text, blanks removed
extern std::array<std::int32_t, 202> phasen;    // 0: nvalid; p: points of phase p

// Bootstrap replicates per series, sized by the analysis that needs them for its run.
extern std::vector<double> bb;
extern std::array<Series, 206> v; // series 0: all data; p: phase p
extern std::array<double, 100001> a;
extern Series v1, v2;  // the complete pairs of loadvectors
extern Series vq, vvq; // inputs of Pearson r
extern std::array<Series, 3> vrank;
extern std::array<double, 3> stx;
extern Series vr1, vr2; // inputs of the ranks
extern Int32Series levelvector, s1vector, s2vector, s3vector, s4vector, s5vector;
extern std::array<std::string, 11> prefabvector;
extern std::array<Series, 206> myx;
extern std::array<double, 301> rr;
extern std::array<double, 301> prob;

extern std::int32_t myrow, mycolumn;
extern bool datasaved;
extern bool outputsaved;
extern std::string message;
extern std::string button;
extern bool confirmed;
extern std::string cps;

extern std::int32_t n1, n2;
extern double intercept1, intercept2, slope1, slope2, progautocorr1, progautocorr2;
extern double simulag1, simulag2, errmean, errstd;

extern std::int32_t n;
extern std::int32_t nvalid;
extern std::int32_t missing;
extern std::int32_t numphases;
extern bool phaseromved;

// A cell holds no value when it holds nothing but blanks.
bool isMissing(const std::string& cell);

// The phase label of a grid row as the phase bookkeeping keeps it; empty when the row takes no
// part in it (no label, or no DV value).
std::string_view phaseKey(int row);

// The whole DV series into v(0, 1..nvalid) with n, nvalid, missing, and the phases with their
// labels and point counts. A row without a DV value takes no part in the phase bookkeeping.
void loadinfo();

// One series per phase found by the last loadinfo: v(p, 1..phasen(p)).
void loadphases();

// The rows where both columns hold a value into v1, v2 (1..n); missing counts half-filled rows.
void loadvectors();

} // namespace Module1
