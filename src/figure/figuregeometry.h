#pragma once

#include "figure/figurescale.h"
#include "figure/figureseries.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Where everything of the figure goes on its 800 x 600 picture, worked out before anything is
// drawn. Only what is defined is here: a line whose level is not a number is left out.
namespace figure {

struct Pixel {
    int x = 0;
    int y = 0;
};

struct HorizontalLine {
    int fromX = 0;
    int toX = 0;
    int y = 0;
};

struct Segment {
    Pixel from;
    Pixel to;
};

// What the option controls choose.
struct FigureOptions {
    bool showMean = false;
    bool showSigmas = false;
    bool phaseMeans = false;
    bool phaseSigmas = false;
    bool showNumbers = false;
    bool showValues = false;
    int textSize = 14;
    int xOffset = 3;
    int yOffset = -10;
};

struct FigureGeometry {
    // The top-left corner of each point's 8 x 8 dot, point 1 first.
    std::vector<Pixel> dots;
    // Point i to point i + 1, both ends 3 pixels right of and below the dots' corners.
    std::vector<Segment> connections;
    // Where each point's number and value are written (the text's baseline starts there).
    std::vector<Pixel> labelAnchors;
    std::vector<std::string> numberTexts;
    std::vector<std::string> valueTexts;
    // The red line after the last phase-A point of the last click, when a click has split.
    std::optional<int> splitX;
    // The 1, 2 and 3 sigma lines above and below the mean: k = 1 above, k = 1 below, k = 2 ...
    std::array<int, 6> sigmaRows{};
    // The x halfway between the last phase-A point and the first phase-B point.
    int phaseSplitX = 0;
    // Phase A's line from the left edge to phaseSplitX, then phase B's on to the right edge.
    std::vector<HorizontalLine> phaseMeanLines;
    // Each phase's +1, +2, +3, -1, -2, -3 sigma lines, phase A's first.
    std::vector<HorizontalLine> phaseSigmaLines;
    // What stands in place of the plot when the series cannot be plotted: then nothing else does.
    std::string notice;
};

FigureGeometry figureGeometry(const FigureSeries& series, int divider,
                              const FigureOptions& options);

} // namespace figure
