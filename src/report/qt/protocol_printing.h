// The detailed report (the protocol of the calculation, several A4 portrait pages) on a printer, in
// a PDF and as page images for the preview.
#pragma once

#include "report/protocol_pages.h"
#include "report/qt/report_printing.h"

#include <QImage>

#include <functional>
#include <vector>

class QPrinter;

namespace zeltar::report {

// Every page on a configured printer (or PDF printer), with the checks every report shares; a PDF
// never replaces the document's source files nor the destination's inputs.
PrintResult PrintProtocol(QPrinter& printer, const ProtocolDocument& document,
                          const std::function<void(PrintAxis)>& refusedAxis, const PdfDestination& destination = {});

// The pages as white images `widthPixels` wide, the A4 sheet's proportions, for the preview.
std::vector<QImage> ProtocolPageImages(const ProtocolDocument& document, int widthPixels);

} // namespace zeltar::report
