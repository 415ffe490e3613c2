#include "report/SetupOptions.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TRendererFormat> Pdf{{"Portable Document Format (PDF)", "*.pdf"}};

TSetupInput WithPrinter(bool hasPrinter) {
    TSetupInput in;
    in.HasPrinter = hasPrinter;
    return in;
}

} // namespace

TEST(SetupFormats, ListAndFilterFollowTheRegisteredRenderers) {
    EXPECT_EQ(SetupFormatList({}),
              (std::vector<std::string>{"Report Snapshot File (NDR)", "Native Printer Output (PRN)"}));
    EXPECT_EQ(SetupFormatList(Pdf).back(), "Portable Document Format (PDF)");
    EXPECT_EQ(SetupFileFilter({}), "Report Snapshot File (NDR)|*.NDR|Native Printer Output (PRN)|*.PRN");
    EXPECT_EQ(SetupFileFilter(Pdf), "Report Snapshot File (NDR)|*.NDR|Native Printer Output (PRN)|*.PRN"
                                    "|Portable Document Format (PDF)|*.pdf");
}

TEST(SetupFormats, ChosenFileSelectsItsFormat) {
    EXPECT_EQ(SetupFormatForFileName("/tmp/a.NDR", Pdf), 0);
    EXPECT_EQ(SetupFormatForFileName("/tmp/a.prn", Pdf), 1);
    EXPECT_EQ(SetupFormatForFileName("/tmp/a.PDF", Pdf), 2);
    EXPECT_EQ(SetupFormatForFileName("/tmp/a.txt", Pdf), -1);
    EXPECT_EQ(SetupFormatForFileName("/tmp/x.pdf/name", Pdf), -1);
}

TEST(SetupFileName, ExtensionAppendedOnlyWhenTheNameHasNoDot) {
    EXPECT_EQ(AppendExtensionWhenNoDot("puzzle", ".ndr"), "puzzle.ndr");
    EXPECT_EQ(AppendExtensionWhenNoDot("puzzle.out", ".ndr"), "puzzle.out");
    EXPECT_EQ(AppendExtensionWhenNoDot("/home/a.b/puzzle", ".prn"), "/home/a.b/puzzle.prn");
    EXPECT_EQ(TrimSpaces("  a b \t"), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(SetupAccept, FileFormatsDecideNameNativeFlagAndRenderer) {
    const TSetupInput in = WithPrinter(true);
    TSetupChoice c;
    c.Dest = rdFile;
    c.FileName = "  out  ";
    c.CopiesText = "1";

    c.FormatIndex = -1; // nothing selected means the first entry
    TSetupResult r = SetupAccept(in, c);
    EXPECT_EQ(r.FileName, "out.ndr");
    EXPECT_FALSE(r.NativeOutput);
    EXPECT_EQ(r.RendererIndex, -1);

    c.FormatIndex = 1;
    r = SetupAccept(in, c);
    EXPECT_EQ(r.FileName, "out.prn");
    EXPECT_TRUE(r.NativeOutput);

    c.FormatIndex = 2;
    r = SetupAccept(in, c);
    EXPECT_EQ(r.FileName, "out"); // renderer formats get no extension
    EXPECT_FALSE(r.NativeOutput);
    EXPECT_EQ(r.RendererIndex, 0);

    c.Dest = rdPrinter;
    r = SetupAccept(in, c);
    EXPECT_EQ(r.Dest, rdPrinter);
    EXPECT_EQ(r.FileName, "");
}

TEST(SetupAccept, CopiesStoredOnlyWhenAllowedAndValid) {
    TSetupInput in = WithPrinter(true);
    TSetupChoice c;
    c.Dest = rdPrinter;
    c.Collate = true;
    c.CopiesText = "3";
    EXPECT_EQ(SetupAccept(in, c).Copies, 3);
    EXPECT_EQ(SetupAccept(in, c).Collate, true);
    c.CopiesText = "0";
    EXPECT_FALSE(SetupAccept(in, c).Copies);
    c.CopiesText = "";
    EXPECT_FALSE(SetupAccept(in, c).Copies);
    c.CopiesText = "99999";
    EXPECT_FALSE(SetupAccept(in, c).Copies);
    c.CopiesText = "2";
    in.Setups.Exclude(ssAllowCopies);
    in.Setups.Exclude(ssAllowCollate);
    EXPECT_FALSE(SetupAccept(in, c).Copies);
    EXPECT_FALSE(SetupAccept(in, c).Collate);
    EXPECT_FALSE(SetupAccept(WithPrinter(false), c).Copies);
}

TEST(SetupEnabling, WithPrinterEachDestinationFollowsItsFlag) {
    TSetupInput in = WithPrinter(true);
    in.DefaultDest = rdPrinter;
    EXPECT_EQ(SetupInitialDest(in), rdPrinter);
    TSetupEnabling e = SetupEnablingFor(in, rdPrinter, "");
    EXPECT_TRUE(e.Printer && e.Preview && e.File && e.PrinterSetup && e.Ok);
    EXPECT_TRUE(e.Copies && e.Collate && e.Duplex);
    EXPECT_FALSE(e.FileControls);

    e = SetupEnablingFor(in, rdPreview, "");
    EXPECT_FALSE(e.Copies || e.Collate || e.Duplex || e.FileControls);
    EXPECT_TRUE(e.Ok);

    in.Setups.Exclude(ssAllowDestPrinter);
    in.Setups.Exclude(ssAllowDuplex);
    e = SetupEnablingFor(in, rdPrinter, "");
    EXPECT_FALSE(e.Printer);
    EXPECT_FALSE(e.Duplex);
    EXPECT_TRUE(e.Copies);
    // A default the dialog does not offer falls back to one it does.
    EXPECT_EQ(SetupInitialDest(in), rdPreview);
}

TEST(SetupEnabling, FileDestinationNeedsANonBlankName) {
    const TSetupInput in = WithPrinter(true);
    EXPECT_FALSE(SetupEnablingFor(in, rdFile, "").Ok);
    EXPECT_FALSE(SetupEnablingFor(in, rdFile, "   ").Ok);
    const TSetupEnabling e = SetupEnablingFor(in, rdFile, " x ");
    EXPECT_TRUE(e.Ok);
    EXPECT_TRUE(e.FileControls);
}

TEST(SetupEnabling, WithoutPrinterPreviewAndFilesButNotPrinterOutputAreOffered) {
    TSetupInput in = WithPrinter(false);
    in.DefaultDest = rdPrinter;
    EXPECT_EQ(SetupInitialDest(in), rdPreview);
    const TSetupEnabling e = SetupEnablingFor(in, rdPreview, "");
    EXPECT_FALSE(e.Printer || e.Copies || e.Collate || e.Duplex || e.PrinterSetup);
    EXPECT_TRUE(e.Preview && e.File && e.Ok);
    // The page stream and a renderer's format need no printer; the native printer format does.
    EXPECT_TRUE(SetupEnablingFor(in, rdFile, "x", FormatIndexNDR).Ok);
    EXPECT_TRUE(SetupEnablingFor(in, rdFile, "x", 2).Ok);
    EXPECT_FALSE(SetupEnablingFor(in, rdFile, "x", FormatIndexPRN).Ok);
    EXPECT_TRUE(SetupEnablingFor(WithPrinter(true), rdFile, "x", FormatIndexPRN).Ok);

    in.Setups.Exclude(ssAllowDestPreview);
    EXPECT_EQ(SetupInitialDest(in), rdFile);
    in.Setups.Exclude(ssAllowDestFile);
    EXPECT_FALSE(SetupInitialDest(in).has_value());
    EXPECT_FALSE(SetupEnablingFor(in, std::nullopt, "").Preview);
}

TEST(SetupKeys, NumberAndSelectionBoxesFilterKeys) {
    for (char c : std::string("0123456789\b"))
        EXPECT_TRUE(SetupNumberKeyAllowed(c)) << int(c);
    for (char c : std::string("-,a E+. "))
        EXPECT_FALSE(SetupNumberKeyAllowed(c)) << c;
    EXPECT_TRUE(SetupSelectionKeyAllowed('-'));
    EXPECT_TRUE(SetupSelectionKeyAllowed(','));
    EXPECT_TRUE(SetupSelectionKeyAllowed('7'));
    EXPECT_FALSE(SetupSelectionKeyAllowed('x'));
}

TEST(PrintRange, ModesStoreRangeOrSelection) {
    const TSetupInput in = WithPrinter(true);
    TPrintRangeChoice c;
    c.SelectionText = "1-3";
    c.FromText = "2";
    c.ToText = "5";
    c.CopiesText = "2";

    TPrintRangeResult r = PrintRangeAccept(in, c);
    EXPECT_EQ(r.FirstPage, 1);
    EXPECT_EQ(r.LastPage, 9999);
    EXPECT_EQ(r.Selection, "");
    EXPECT_EQ(r.Copies, 2);

    c.Mode = prPages;
    r = PrintRangeAccept(in, c);
    EXPECT_EQ(r.FirstPage, 2);
    EXPECT_EQ(r.LastPage, 5);
    EXPECT_EQ(r.Selection, "");

    c.Mode = prSelection;
    r = PrintRangeAccept(in, c);
    EXPECT_EQ(r.Selection, "1-3");
    EXPECT_EQ(r.FirstPage, 1);

    c.Mode = prPages;
    c.FromText = "x";
    c.ToText = "";
    r = PrintRangeAccept(in, c);
    EXPECT_EQ(r.FirstPage, 1);
    EXPECT_EQ(r.LastPage, 9999);
}
