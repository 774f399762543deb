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
        : settings_(settings), draws_(2 * length()), series1_(length()), series2_(length()) {}

    // Draws both series, DV1 first (all its raw errors, then all its shocks), then DV2, and
    // writes their correlation at lag -k..+k into correlations.
    template <typename Stream> void simmodelmethod(Stream& stream, std::span<double> correlations) {
        drawSeries(stream, settings_.dv1, series1_);
        drawSeries(stream, settings_.dv2, series2_);
        if (settings_.spearman) {
            spearman_.correlations(series1_, series2_, settings_.lags, correlations);
        } else {
            pearsonCrossCorrelations(series1_, series2_, settings_.lags, correlations);
        }
    }

    std::span<const double> series1() const { return series1_; }
    std::span<const double> series2() const { return series2_; }

  private:
    std::size_t length() const {
        return settings_.length > 0 ? static_cast<std::size_t>(settings_.length) : 0;
    }

    // The error of the first point is its raw draw; every later one is phi times the error
    // before it plus the point's shock. The trend runs on the positions 1..N.
    template <typename Stream>
    void drawSeries(Stream& stream, const Module1::SeriesModel& model, std::span<double> series) {
        // All N raw errors, then all N shocks: one loop, so that the deviate is inlined whole.
        for (double& draw : draws_) {
            draw = analysis::normalDeviate(stream, model.mean, model.standardDeviation);
        }
        const std::span<double> errors = std::span(draws_).first(series.size());
        const std::span<const double> shocks = std::span(draws_).subspan(series.size());
        for (std::size_t i = 1; i < errors.size(); ++i) {
            errors[i] = model.autocorrelation * errors[i - 1] + shocks[i];
        }
        for (std::size_t i = 0; i < series.size(); ++i) {
            series[i] = (model.intercept + model.slope * static_cast<double>(i + 1)) + errors[i];
        }
    }

    const Module1::CrossSettings settings_;
    std::vector<double> draws_; // the raw errors of the series being drawn, then its shocks
    std::vector<double> series1_;
    std::vector<double> series2_;
    LaggedSpearman spearman_;
};

} // namespace crosscorrelation
