// The Output Options rules without a window: formats, file names, keys, enabling, what OK stores.
#include "report/SetupOptions.h"

#include "PrintTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::vector<TRendererFormat> Pdf{{"Portable Document Format (PDF)", "*.pdf"}};

// A dialog that would open on the printer when it may.
TSetupInput WithPrinter(bool hasPrinter, std::initializer_list<TSystemSetup> excluded = {}) {
    TSetupInput in;
    in.HasPrinter = hasPrinter;
    in.DefaultDest = rdPrinter;
    for (TSystemSetup s : excluded)
        in.Setups.Exclude(s);
    return in;
}

std::string Text(std::optional<int> value) {
    return value ? std::to_string(*value) : "-";
}

// The enabled controls by name, e.g. " Printer Preview File Ok".
std::string Enabled(const TSetupEnabling& e) {
    const bool on[] = {e.Printer, e.Preview,      e.File, e.FileControls, e.Copies, e.Collate,
                       e.Duplex,  e.PrinterSetup, e.Ok};
    const char* names[] = {"Printer", "Preview",      "File", "FileControls", "Copies", "Collate",
                           "Duplex",  "PrinterSetup", "Ok"};
    std::string out;
    for (size_t i = 0; i < std::size(on); ++i)
        if (on[i]) out += std::string(" ") + names[i];
    return out;
}

} // namespace

TEST(SetupFormats, ListFilterAndChosenFileFollowTheRegisteredRenderers) {
    EXPECT_EQ(SetupFormatList({}),
              (std::vector<std::string>{"Report Snapshot File (NDR)", "Native Printer Output (PRN)"}));
    EXPECT_EQ(SetupFormatList(Pdf).back(), "Portable Document Format (PDF)");
    EXPECT_EQ(SetupFileFilter(Pdf), "Report Snapshot File (NDR)|*.NDR|Native Printer Output (PRN)|*.PRN"
                                    "|Portable Document Format (PDF)|*.pdf");
    for (const auto& [name, format] : {std::pair{"/tmp/a.NDR", 0},
                                       {"/tmp/a.prn", 1},
                                       {"/tmp/a.PDF", 2},
                                       {"/tmp/a.txt", -1},
                                       {"/tmp/x.pdf/name", -1}})
        EXPECT_EQ(SetupFormatForFileName(name, Pdf), format) << name;
    EXPECT_EQ(AppendExtensionWhenNoDot("puzzle.out", ".ndr"), "puzzle.out");
    EXPECT_EQ(AppendExtensionWhenNoDot("/home/a.b/puzzle", ".prn"), "/home/a.b/puzzle.prn");
}

// The dialog types a sample of keys into its boxes (SetupForm_test).
TEST(SetupKeys, NumberAndSelectionBoxesFilterKeys) {
    for (const auto& [key, number, selection] : {std::tuple{'\b', true, true},
                                                 {'0', true, true},
                                                 {',', false, true},
                                                 {'+', false, false},
                                                 {'.', false, false}})
        EXPECT_TRUE(SetupNumberKeyAllowed(key) == number && SetupSelectionKeyAllowed(key) == selection)
            << key;
}

// The destination the dialog opens on (0 preview, 1 printer, 2 file) falls back to one that is
// offered; the controls follow the printer, the flags, the destination and the name.
TEST(SetupEnabling, InitialDestinationAndControls) {
    struct Row {
        const char* Name;
        TSetupInput Input;
        std::optional<TReportDest> Dest;
        const char* FileName;
        int Format;
    };
    const TSetupInput NoPrinter = WithPrinter(false), Printer = WithPrinter(true);
    std::string out;
    for (const Row& r : {
             Row{"printer", Printer, rdPrinter, "", 0},
             Row{"preview", Printer, rdPreview, "", 0},
             Row{"file without a name", Printer, rdFile, "   ", 0},
             Row{"file", Printer, rdFile, " x ", 0},
             Row{"printer format with a printer", Printer, rdFile, "x", FormatIndexPRN},
             Row{"no printer dest or duplex", WithPrinter(true, {ssAllowDestPrinter, ssAllowDuplex}),
                 rdPrinter, "", 0},
             Row{"file only", WithPrinter(true, {ssAllowDestPrinter, ssAllowDestPreview}), rdFile, "x", 0},
             Row{"no printer: preview", NoPrinter, rdPreview, "", 0},
             Row{"no printer: page stream", NoPrinter, rdFile, "x", FormatIndexNDR},
             Row{"no printer: renderer", NoPrinter, rdFile, "x", 2},
             Row{"no printer: printer format", NoPrinter, rdFile, "x", FormatIndexPRN},
             Row{"nothing offered", WithPrinter(false, {ssAllowDestPreview, ssAllowDestFile}), {}, "", 0},
         })
        out += r.Name + std::string(": opens on ") + Text(SetupInitialDest(r.Input)) + ";" +
               Enabled(SetupEnablingFor(r.Input, r.Dest, r.FileName, r.Format)) + "\n";
    EXPECT_TRUE(test::MatchesGoldenFile(out, PRINTING_TEST_DATA "/setup-enabling.txt"));
}

// Destination and format decide the name, the native flag and the renderer; copies and collate are
// stored only when allowed and valid; the print range modes store a range or a selection.
TEST(SetupAccept, WhatOkStores) {
    struct Row {
        const char* Name;
        TSetupInput Input;
        TReportDest Dest;
        int Format;
        const char* Copies;
    };
    std::ostringstream out;
    for (const Row& r : {Row{"file, nothing selected", WithPrinter(true), rdFile, -1, ""},
                         Row{"file, printer format", WithPrinter(true), rdFile, 1, ""},
                         Row{"file, renderer", WithPrinter(true), rdFile, 2, ""},
                         Row{"printer", WithPrinter(true), rdPrinter, 2, "3"},
                         Row{"printer, no copies typed", WithPrinter(true), rdPrinter, 0, ""},
                         Row{"printer, copies 0", WithPrinter(true), rdPrinter, 0, "0"},
                         Row{"printer, copies 99999", WithPrinter(true), rdPrinter, 0, "99999"},
                         Row{"printer, no copies or collate allowed",
                             WithPrinter(true, {ssAllowCopies, ssAllowCollate}), rdPrinter, 0, "2"},
                         Row{"no printer", WithPrinter(false), rdPrinter, 0, "2"}}) {
        const TSetupResult s = Chosen(r.Input, r.Dest, " out \t", r.Format, r.Copies, true);
        out << r.Name << ": dest " << s.Dest << ", file '" << s.FileName << "', native " << s.NativeOutput
            << ", renderer " << s.RendererIndex << ", copies " << Text(s.Copies) << ", collate "
            << Text(s.Collate) << "\n";
    }
    for (const auto& [mode, from, to] :
         {std::tuple{prAll, "2", "5"}, {prPages, "2", "5"}, {prSelection, "2", "5"}, {prPages, "x", ""}}) {
        const TPrintRangeResult range = PrintRangeAccept(WithPrinter(true), {mode, "1-3", from, to, "2"});
        out << "range mode " << mode << " from " << from << ": " << range.FirstPage << "-" << range.LastPage
            << ", selection '" << range.Selection << "', copies " << Text(range.Copies) << "\n";
    }
    EXPECT_TRUE(test::MatchesGoldenFile(out.str(), PRINTING_TEST_DATA "/setup-accept.txt"));
}
