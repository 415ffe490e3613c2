// Reads a PDF file with the readers people use - qpdf, poppler (pdftoppm), mupdf (mutool) and
// ghostscript - and collects every complaint. A file the tests write must give none.
#pragma once

#include <string>

namespace pdftest {

// What the readers said about the file at Path, one "reader: message" line each; empty when all
// four read and drew every page without a word.
std::string ReaderComplaints(const std::string& path);
// The same for a file's bytes.
std::string ComplaintsAbout(const std::string& pdf);

} // namespace pdftest
