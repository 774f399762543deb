#include "data/module1.h"

#include "framework/conversions.h"

namespace Module1 {

DataGrid& grid() {
    static DataGrid theGrid;
    return theGrid;
}

std::array<std::int32_t, 202> phase{};
std::array<std::string, 202> phaselabel{};
std::array<std::int32_t, 202> phasen{};
std::vector<double> bb;
std::array<Series, 206> v{};
std::array<double, 100001> a{};
Series v1{}, v2{};
Series vq{}, vvq{};
std::array<Series, 3> vrank{};
std::array<double, 3> stx{};
Series vr1{}, vr2{};
Int32Series levelvector{}, s1vector{}, s2vector{}, s3vector{}, s4vector{}, s5vector{};
std::array<std::string, 11> prefabvector{};
std::array<Series, 206> myx{};
std::array<double, 301> rr{};
std::array<double, 301> prob{};

std::int32_t myrow = 0, mycolumn = 0;
bool datasaved = false;
bool outputsaved = false;
std::string message;
std::string button;
bool confirmed = false;
std::string cps;

std::int32_t n1 = 0, n2 = 0;
double intercept1 = 0, intercept2 = 0, slope1 = 0, slope2 = 0, progautocorr1 = 0, progautocorr2 = 0;
double simulag1 = 0, simulag2 = 0, errmean = 0, errstd = 0;

std::int32_t n = 0;
std::int32_t nvalid = 0;
std::int32_t missing = 0;
std::int32_t numphases = 0;
bool phaseromved = false;

bool isMissing(const std::string& cell) {
    return framework::trimBlanks(cell).empty();
}

namespace {

using framework::CDbl;

const std::string& dvCell(int row) {
    return grid().cell(row, DataGrid::dvColumn);
}

} // namespace

std::string_view phaseKey(int row) {
    if (isMissing(dvCell(row))) {
        return {};
    }
    return framework::trimBlanks(grid().cell(row, DataGrid::phaseColumn));
}

// The loaders do not yield to the event loop: they read 199 rows in microseconds, and a grid
// change handled from inside one would rebuild the counts it is still adding to.
void loadinfo() {
    n = 0;
    for (int i = 1; i <= DataGrid::lastDataRow; ++i) {
        phasen[i] = 0;
    }
    int k = 0;
    for (int i = DataGrid::firstDataRow; i <= DataGrid::lastDataRow; ++i) {
        if (!isMissing(dvCell(i))) {
            ++k;
            v[0][k] = CDbl(dvCell(i));
            n = i;
        }
    }
    nvalid = k;
    phasen[0] = nvalid;
    missing = n - nvalid;

    numphases = 0;
    for (int i = DataGrid::firstDataRow; i <= DataGrid::lastDataRow; ++i) {
        const std::string_view key = phaseKey(i);
        if (key.empty()) {
            continue;
        }
        int p = 1;
        while (p <= numphases && phaselabel[p] != key) {
            ++p;
        }
        if (p > numphases) {
            numphases = p;
            phaselabel[p] = std::string(key);
            phase[p] = framework::toInt32(CDbl(key));
        }
        ++phasen[p];
    }
}

void loadphases() {
    for (int p = 1; p <= numphases; ++p) {
        int k = 0;
        for (int i = DataGrid::firstDataRow; i <= DataGrid::lastDataRow; ++i) {
            if (phaseKey(i) == phaselabel[p]) {
                ++k;
                v[p][k] = CDbl(dvCell(i));
            }
        }
    }
}

void loadvectors() {
    missing = 0;
    n = 0;
    for (int i = DataGrid::firstDataRow; i <= DataGrid::lastDataRow; ++i) {
        const std::string& first = dvCell(i);
        const std::string& second = grid().cell(i, DataGrid::phaseColumn);
        const bool hasFirst = !isMissing(first);
        const bool hasSecond = !isMissing(second);
        if (hasFirst && hasSecond) {
            ++n;
            v1[n] = CDbl(first);
            v2[n] = CDbl(second);
        } else if (hasFirst || hasSecond) {
            ++missing;
        }
    }
}

} // namespace Module1
