// The detailed report: the protocol of the calculation (every recorded value with its symbol, unit
// and formula) on as many A4 portrait pages as it takes, each with the title, the project and
// "стр. N из M". Texts too wide for their column wrap onto further lines, so nothing is clipped.
#pragma once

#include "calc/calc_trace.h"
#include "report/canvas.h"
#include "report/print_scale.h"

#include <functional>
#include <string>
#include <vector>

namespace zeltar::report {

struct ProtocolDocument {
    std::string project; // the project line under the title (project, site), may be empty
    std::string date;    // the project's date text
    std::vector<calc::TraceLine> lines;
    // The files the protocol was made from (the loaded project): a PDF of it never replaces one.
    std::vector<std::string> sourceFiles;
};

// The protocol's text lines in one column of `width` surface units: the text split at blanks (a
// word wider than the column at characters) so that no line is wider than `width` in the canvas's
// current font. An empty text gives one empty line.
std::vector<std::string> WrappedLines(Canvas& canvas, const std::string& text, int width);

// Where the pages go: the canvas of page `index` (0-based), asked once per page in order.
using ProtocolPageCanvas = std::function<Canvas&(int index)>;

// Draws every page in 1/300 inch from the printable area's corner, times the factors, measuring
// the texts on `measure` (a canvas of the same kind and scale as the pages'). Returns the number
// of pages.
int DrawProtocolPages(Canvas& measure, const ProtocolDocument& document, ScaleFactors factors,
                      const ProtocolPageCanvas& page);

// The number of pages, measured on `canvas` without drawing.
int CountProtocolPages(Canvas& canvas, const ProtocolDocument& document, ScaleFactors factors);

} // namespace zeltar::report
