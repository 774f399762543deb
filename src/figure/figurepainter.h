#pragma once

#include "figure/figuregeometry.h"

class QPainter;

// Draws the figure in picture coordinates (800 x 600) with whatever painter it is given: the
// on-screen picture, the clipboard picture, an exported file or a printer all get the same
// drawing.
void paintFigure(QPainter& painter, const figure::FigureGeometry& geometry,
                 const figure::FigureOptions& options);
