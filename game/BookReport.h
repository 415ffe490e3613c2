// A puzzle book through the print run: the report system lays out the book, and its pages are the
// printer's size when the printer (or its preview) gets them, or the chosen paper's when the book
// goes to a file or there is no printer.
#pragma once

#include "game/PuzzleBook.h"

class TReportSystem;

// Sets System's layout, title and page size for Book; the status window stays the platform's.
void ConfigureBookReport(TReportSystem& System, const TBookOptions& Book);
