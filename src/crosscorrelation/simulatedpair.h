#pragma once

#include "analysis/draws.h"
#include "crosscorrelation/crosslags.h"
#include "crosscorrelation/crosssettings.h"

#include <span>
#include <vector>

namespace crosscorrelation {

// One simulation of two independent series from the dialog's model, with their
// cross-correlations at every lag. The buffers are kept from one simulation to the next.
class SimulationModel {
  public:
    explicit SimulationModel(const Module1::CrossSettings& settings)
        : settings_(settings), draws_(4 * length()), series1_(length()), series2_(length()) {}

    // Draws both series, DV1 first (all its raw errors, then all its shocks), then DV2, and
    // writes their correlation at lag -k..+k into correlations.
    template <typename Stream> void simmodelmethod(Stream& stream, std::span<double> correlations) {
        // One loop over every draw, in that order, so that the deviate is inlined whole.
        const std::size_t half = 2 * length();
        for (std::size_t i = 0; i < draws_.size(); ++i) {
            const Module1::SeriesModel& model = i < half ? settings_.dv1 : settings_.dv2;
            draws_[i] = analysis::normalDeviate(stream, model.mean, model.standardDeviation);
        }
        buildSeries();
        if (settings_.spearman) {
            spearman_.correlations(series1_, series2_, settings_.lags, correlations);
        } else {
            pearsonCrossCorrelations(series1_, series2_, settings_.lags, correlations);
        }
    }

  private:
    std::size_t length() const {
        return settings_.length > 0 ? static_cast<std::size_t>(settings_.length) : 0;
    }

    // The error of a series' first point is its raw draw; every later one is phi times the
    // error before it plus the point's shock. The trend runs on the positions 1..N. The two
    // series are built side by side, each in its own order.
    void buildSeries() {
        const std::size_t n = length();
        if (n == 0) {
            return;
        }
        const Module1::SeriesModel& model1 = settings_.dv1;
        const Module1::SeriesModel& model2 = settings_.dv2;
        const double* shocks1 = draws_.data() + n;
        const double* shocks2 = draws_.data() + 3 * n;
        double error1 = draws_[0];
        double error2 = draws_[2 * n];
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0) {
                error1 = model1.autocorrelation * error1 + shocks1[i];
                error2 = model2.autocorrelation * error2 + shocks2[i];
            }
            const auto position = static_cast<double>(i + 1);
            series1_[i] = (model1.intercept + model1.slope * position) + error1;
            series2_[i] = (model2.intercept + model2.slope * position) + error2;
        }
    }

    const Module1::CrossSettings settings_;
    std::vector<double> draws_; // DV1's raw errors and shocks, then DV2's
    std::vector<double> series1_;
    std::vector<double> series2_;
    LaggedSpearman spearman_;
};

} // namespace crosscorrelation
