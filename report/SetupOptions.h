// The rules of the Output Options dialog, kept apart from the widgets so they can be tested
// without a window: which controls are enabled, the format list and file filter, which keys the
// number boxes accept, and what pressing OK stores.
#pragma once

#include "report/ReportSystemTypes.h"

#include <optional>
#include <string>
#include <vector>

// One file format offered by a registered renderer.
struct TRendererFormat {
    std::string DisplayName;
    std::string FileExtension; // a filter pattern such as "*.pdf"
};

// The two formats every run offers before the registered renderers.
inline constexpr const char* FormatNameNDR = "Report Snapshot File (NDR)";
inline constexpr const char* FormatNamePRN = "Native Printer Output (PRN)";
inline constexpr int FormatIndexNDR = 0;
inline constexpr int FormatIndexPRN = 1;

std::vector<std::string> SetupFormatList(const std::vector<TRendererFormat>& renderers);
// The file dialog's filter: "Name|pattern|Name|pattern..." in the order of the format list.
std::string SetupFileFilter(const std::vector<TRendererFormat>& renderers);
// The format whose pattern matches the file name's extension (letter case ignored), or -1.
int SetupFormatForFileName(const std::string& fileName, const std::vector<TRendererFormat>& renderers);

// Appends Extension when the name (not counting its folders) holds no ".".
std::string AppendExtensionWhenNoDot(const std::string& fileName, const std::string& extension);
std::string TrimSpaces(const std::string& text);

// Keys the dialog's boxes accept: digits and backspace in Copies, From and To; also "-" and ","
// in the Selection box.
bool SetupNumberKeyAllowed(char key);
bool SetupSelectionKeyAllowed(char key);

// Enabled state of the dialog's controls.
struct TSetupEnabling {
    bool Printer = false, Preview = false, File = false;
    bool FileControls = false; // file name box, browse button, format list
    bool Copies = false, Collate = false, Duplex = false;
    bool PrinterSetup = false;
    bool Ok = false;
};

// Everything the dialog's rules read.
struct TSetupInput {
    TSystemSetups Setups = AllSystemSetups();
    TReportDest DefaultDest = rdPreview;
    bool HasPrinter = false;
};

// Whether a file format can be written: the native printer format needs a printer; the page
// stream and the renderers' formats are written without one.
bool SetupFormatAllowed(const TSetupInput& input, int formatIndex);

// The output file name and format last chosen with OK, offered again by the next run of the
// process.
struct TLastOutput {
    std::string FileName;
    int FormatIndex = -1; // -1: nothing chosen yet
};
TLastOutput& LastOutputChoice();

// The destination selected when the dialog opens (none when every destination is disabled).
std::optional<TReportDest> SetupInitialDest(const TSetupInput& input);
// The enabled state for a selected destination and the text in the file name box.
TSetupEnabling SetupEnablingFor(const TSetupInput& input, std::optional<TReportDest> selected,
                                const std::string& fileName, int formatIndex = FormatIndexNDR);

// What OK stores in destination mode.
struct TSetupResult {
    TReportDest Dest = rdPreview;
    std::string FileName; // empty unless Dest is rdFile
    bool NativeOutput = false;
    int RendererIndex = -1; // index into the registered renderers, or -1
    std::optional<int> Copies;
    std::optional<bool> Collate, Duplex;
};

struct TSetupChoice {
    TReportDest Dest = rdPreview;
    std::string FileName;
    int FormatIndex = 0; // -1 (nothing selected) means the first entry
    std::string CopiesText;
    bool Collate = false, Duplex = false;
};

TSetupResult SetupAccept(const TSetupInput& input, const TSetupChoice& choice);

// Print-range mode (printing from the preview).
enum TPrintRangeMode { prAll, prSelection, prPages };

struct TPrintRangeChoice {
    TPrintRangeMode Mode = prAll;
    std::string SelectionText, FromText, ToText;
    std::string CopiesText;
    bool Collate = false, Duplex = false;
};

struct TPrintRangeResult {
    int FirstPage = 1, LastPage = 9999;
    std::string Selection;
    std::optional<int> Copies;
    std::optional<bool> Collate, Duplex;
};

TPrintRangeResult PrintRangeAccept(const TSetupInput& input, const TPrintRangeChoice& choice);

// A copies, page or range number as typed: digits only, 1 to 9999.
std::optional<int> ParseSetupNumber(const std::string& text);
