#include "simulation/simulationmodel.h"

#include "data/module1.h"

namespace simulation {

void storeModel(const SimulationModel& model) {
    Module1::n1 = model.n1;
    Module1::n2 = model.n2;
    Module1::intercept1 = model.intercept1;
    Module1::intercept2 = model.intercept2;
    Module1::slope1 = model.slope1;
    Module1::slope2 = model.slope2;
    Module1::progautocorr1 = model.autocorr1;
    Module1::progautocorr2 = model.autocorr2;
    Module1::simulag1 = model.lag1;
    Module1::simulag2 = model.lag2;
    Module1::errmean = model.errorMean;
    Module1::errstd = model.errorSd;
}

} // namespace simulation
