// The Output Options rules without a window: formats, file names, enabling, what OK stores.
#include "report/SetupOptions.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TRendererFormat> Pdf{{"Portable Document Format (PDF)", "*.pdf"}};

TSetupInput WithPrinter(bool hasPrinter, std::initializer_list<TSystemSetup> excluded = {}) {
    TSetupInput in;
    in.HasPrinter = hasPrinter;
    for (TSystemSetup s : excluded)
        in.Setups.Exclude(s);
    return in;
}

// The enabled controls by name, e.g. "Printer Preview File Ok".
std::string Enabled(const TSetupEnabling& e) {
    const bool on[] = {e.Printer, e.Preview,      e.File, e.FileControls, e.Copies, e.Collate,
                       e.Duplex,  e.PrinterSetup, e.Ok};
    const char* names[] = {"Printer", "Preview",      "File", "FileControls", "Copies", "Collate",
                           "Duplex",  "PrinterSetup", "Ok"};
    std::string out;
    for (size_t i = 0; i < std::size(on); ++i)
        if (on[i]) out += (out.empty() ? "" : " ") + std::string(names[i]);
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
}

TEST(SetupFileName, ExtensionAppendedOnlyWhenTheNameHasNoDot) {
    EXPECT_EQ(AppendExtensionWhenNoDot("puzzle", ".ndr"), "puzzle.ndr");
    EXPECT_EQ(AppendExtensionWhenNoDot("puzzle.out", ".ndr"), "puzzle.out");
    EXPECT_EQ(AppendExtensionWhenNoDot("/home/a.b/puzzle", ".prn"), "/home/a.b/puzzle.prn");
    EXPECT_EQ(TrimSpaces("  a b \t"), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(SetupAccept, DestinationAndFormatDecideNameNativeFlagAndRenderer) {
    struct Row {
        const char* Name;
        TReportDest Dest;
        int Format;
        const char* FileName;
        bool Native;
        int Renderer;
    };
    for (const Row& r : {Row{"nothing selected: the first format", rdFile, -1, "out.ndr", false, -1},
                         Row{"printer format", rdFile, 1, "out.prn", true, -1},
                         Row{"renderer: no extension", rdFile, 2, "out", false, 0},
                         Row{"printer destination", rdPrinter, 2, "", false, -1}}) {
        TSetupChoice c;
        c.Dest = r.Dest;
        c.FileName = "  out  ";
        c.FormatIndex = r.Format;
        const TSetupResult result = SetupAccept(WithPrinter(true), c);
        EXPECT_EQ(result.Dest, r.Dest) << r.Name;
        EXPECT_EQ(result.FileName, r.FileName) << r.Name;
        EXPECT_EQ(result.NativeOutput, r.Native) << r.Name;
        EXPECT_EQ(result.RendererIndex, r.Renderer) << r.Name;
    }
}

TEST(SetupAccept, CopiesAndCollateStoredOnlyWhenAllowedAndValid) {
    struct Row {
        const char* Copies;
        TSetupInput Input;
        std::optional<int> Stored;
        std::optional<bool> Collate;
    };
    for (const Row& r : {Row{"3", WithPrinter(true), 3, true}, Row{"0", WithPrinter(true), {}, true},
                         Row{"", WithPrinter(true), {}, true}, Row{"99999", WithPrinter(true), {}, true},
                         Row{"2", WithPrinter(true, {ssAllowCopies, ssAllowCollate}), {}, {}},
                         Row{"2", WithPrinter(false), {}, {}}}) {
        TSetupChoice c;
        c.Dest = rdPrinter;
        c.Collate = true;
        c.CopiesText = r.Copies;
        const TSetupResult result = SetupAccept(r.Input, c);
        EXPECT_EQ(result.Copies, r.Stored) << r.Copies;
        EXPECT_EQ(result.Collate, r.Collate) << r.Copies;
    }
}

TEST(SetupEnabling, ControlsFollowThePrinterTheFlagsTheDestinationAndTheName) {
    struct Row {
        const char* Name;
        TSetupInput Input;
        std::optional<TReportDest> Dest;
        const char* FileName;
        int Format;
        const char* Enabled;
    };
    const TSetupInput NoPrinter = WithPrinter(false), Printer = WithPrinter(true);
    for (const Row& r : {
             Row{"printer", Printer, rdPrinter, "", 0,
                 "Printer Preview File Copies Collate Duplex PrinterSetup Ok"},
             Row{"preview", Printer, rdPreview, "", 0, "Printer Preview File PrinterSetup Ok"},
             Row{"file without a name", Printer, rdFile, "   ", 0,
                 "Printer Preview File FileControls PrinterSetup"},
             Row{"file", Printer, rdFile, " x ", 0, "Printer Preview File FileControls PrinterSetup Ok"},
             Row{"printer format with a printer", Printer, rdFile, "x", FormatIndexPRN,
                 "Printer Preview File FileControls PrinterSetup Ok"},
             Row{"no printer dest or duplex", WithPrinter(true, {ssAllowDestPrinter, ssAllowDuplex}),
                 rdPrinter, "", 0, "Preview File Copies Collate PrinterSetup Ok"},
             Row{"no printer: preview", NoPrinter, rdPreview, "", 0, "Preview File Ok"},
             Row{"no printer: page stream", NoPrinter, rdFile, "x", FormatIndexNDR,
                 "Preview File FileControls Ok"},
             Row{"no printer: renderer", NoPrinter, rdFile, "x", 2, "Preview File FileControls Ok"},
             Row{"no printer: printer format", NoPrinter, rdFile, "x", FormatIndexPRN,
                 "Preview File FileControls"},
             Row{"nothing offered", WithPrinter(false, {ssAllowDestPreview, ssAllowDestFile}), std::nullopt,
                 "", 0, ""},
         })
        EXPECT_EQ(Enabled(SetupEnablingFor(r.Input, r.Dest, r.FileName, r.Format)), r.Enabled) << r.Name;
}

TEST(SetupEnabling, DefaultDestinationFallsBackToOneThatIsOffered) {
    TSetupInput in = WithPrinter(true);
    in.DefaultDest = rdPrinter;
    EXPECT_EQ(SetupInitialDest(in), rdPrinter);
    in.Setups.Exclude(ssAllowDestPrinter);
    EXPECT_EQ(SetupInitialDest(in), rdPreview);
    in.Setups.Exclude(ssAllowDestPreview);
    EXPECT_EQ(SetupInitialDest(in), rdFile);
    in.Setups.Exclude(ssAllowDestFile);
    EXPECT_FALSE(SetupInitialDest(in).has_value());
    TSetupInput none = WithPrinter(false);
    none.DefaultDest = rdPrinter;
    EXPECT_EQ(SetupInitialDest(none), rdPreview);
}

TEST(SetupKeys, NumberAndSelectionBoxesFilterKeys) {
    for (char c : std::string("0123456789\b"))
        EXPECT_TRUE(SetupNumberKeyAllowed(c) && SetupSelectionKeyAllowed(c)) << int(c);
    for (char c : std::string("-,a E+. "))
        EXPECT_FALSE(SetupNumberKeyAllowed(c)) << c;
    EXPECT_TRUE(SetupSelectionKeyAllowed('-') && SetupSelectionKeyAllowed(','));
    EXPECT_FALSE(SetupSelectionKeyAllowed('x'));
}

TEST(PrintRange, ModesStoreRangeOrSelection) {
    struct Row {
        TPrintRangeMode Mode;
        const char *From, *To;
        int First, Last;
        const char* Selection;
    };
    for (const Row& r : {Row{prAll, "2", "5", 1, 9999, ""}, Row{prPages, "2", "5", 2, 5, ""},
                         Row{prSelection, "2", "5", 1, 9999, "1-3"}, Row{prPages, "x", "", 1, 9999, ""}}) {
        TPrintRangeChoice c;
        c.Mode = r.Mode;
        c.SelectionText = "1-3";
        c.FromText = r.From;
        c.ToText = r.To;
        c.CopiesText = "2";
        const TPrintRangeResult result = PrintRangeAccept(WithPrinter(true), c);
        EXPECT_EQ(result.FirstPage, r.First) << r.Mode << r.From;
        EXPECT_EQ(result.LastPage, r.Last) << r.Mode << r.From;
        EXPECT_EQ(result.Selection, r.Selection) << r.Mode << r.From;
        EXPECT_EQ(result.Copies, 2);
    }
}
