// Writes small, valid PDF files for the tests, so that no binary sample has to be kept.
#pragma once

#include <utility>
#include <vector>

struct PdfExtras {
    // An AcroForm with one text field of this name, its widget annotation on page 1.
    bool bFormField = false;
    const char* szFieldName = "tandrel_field";
    // Every page draws a filled rectangle and the marker "(TANDREL-BG) Tj" instead of its page
    // number: a file to use as a background or stamp.
    bool bBackgroundRect = false;
};

// One page per entry, MediaBox [0 0 width height]. Unless bBackgroundRect is set, page n's
// content stream is uncompressed and holds "(Page n) Tj" in Helvetica, so that pages can be
// told apart after the tool has moved them. An empty list gives a file without pages.
// False when a size is not positive or the file cannot be written.
bool WriteTestPdf(const char* szPath, const std::vector<std::pair<int, int>>& pageSizes,
                  const PdfExtras* extras = nullptr);
