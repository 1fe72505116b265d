#pragma once
// Printing the result: the composite centred on the page, as large as the printable area allows.
// One printer pixel per picture pixel would print a 512 x 560 result 2.2 x 2.4 cm wide on a 600 dpi
// printer, so the picture is enlarged to fit as it is shrunk to fit a page smaller than itself.
//
// The factor keeps the picture's proportions: one factor for both directions, the smaller of the
// width and height ratios. (Fitting each direction on its own would squash a portrait printed on a
// narrow page.)
#include "platform/Bitmap.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace salon {

// Where a W x H picture goes on a page of pageW x pageH device pixels.
struct PrintPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};
PrintPlacement printPlacement(int32_t pageW, int32_t pageH, int32_t W, int32_t H);

enum class PrintOutcome { Printed, NoPrinter, Cancelled, Failed };

// Funkce(5). Without a printer: text 172 (information, no title), nothing printed. With pdfFile the
// job goes to that PDF file without a dialog - for tests and for people without a printer.
PrintOutcome PrintResult(Ui& ui, const Bitmap& composite, const std::string& pdfFile = {});

} // namespace salon
