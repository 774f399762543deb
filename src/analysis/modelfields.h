#pragma once

#include "analysis/fieldchecks.h"

#include <cstdint>
#include <string>
#include <string_view>

class DataGrid;

// What a dialog that simulates series from a typed model checks and shows: the fields of one
// series' model (its length, line, autoregression and errors), the estimates it fills in for
// the user, and the rule that a simulated series is as long as the data it is compared with.
namespace analysis {

// A series length: a whole number of at least 1.
std::int32_t seriesLength(FieldChecks& checks, std::string_view field, std::string_view text);
// An autoregression lag: a whole number of 0 or more.
std::int32_t autoregressionLag(FieldChecks& checks, std::string_view field, std::string_view text);
// An error standard deviation: a finite number above 0.
double errorSpread(FieldChecks& checks, std::string_view field, std::string_view text);

// The number of grid rows whose DV and phase cells both hold a value: the N that the observed
// statistics use. It reads the grid alone and writes no module data.
std::int32_t completePairs(const DataGrid& grid);

// The refusal of a simulated length that differs from the data's N.
std::string simulatedLengthNotice(std::int64_t simulated, std::int32_t pairs);

// An estimate as a model field shows it: rounded to three decimals, so that the whole text
// ("-0.764") fits the narrowest model field, and written by CStr; "0" for a value that is not a
// number (a constant series, a lag the series cannot hold) or that rounds to zero, so OK never
// reads a non-number back into the model. OK reads the model from the text shown, and three
// decimals are far finer than an estimate from a few dozen points can be trusted.
std::string estimateText(double estimate);

} // namespace analysis
