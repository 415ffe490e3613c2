#include "report/SetupOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "*.pdf" -> ".pdf"; a pattern without "*." is used as it stands.
std::string PatternExtension(const std::string& pattern) {
    return pattern.rfind("*.", 0) == 0 ? pattern.substr(1) : pattern;
}

} // namespace

std::vector<std::string> SetupFormatList(const std::vector<TRendererFormat>& renderers) {
    std::vector<std::string> list{FormatNameNDR, FormatNamePRN};
    for (const TRendererFormat& r : renderers)
        list.push_back(r.DisplayName);
    return list;
}

std::string SetupFileFilter(const std::vector<TRendererFormat>& renderers) {
    std::string filter = std::string(FormatNameNDR) + "|*.NDR|" + FormatNamePRN + "|*.PRN";
    for (const TRendererFormat& r : renderers)
        filter += "|" + r.DisplayName + "|" + r.FileExtension;
    return filter;
}

int SetupFormatForFileName(const std::string& fileName, const std::vector<TRendererFormat>& renderers) {
    const std::string::size_type slash = fileName.find_last_of('/');
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const std::string::size_type dot = base.find_last_of('.');
    if (dot == std::string::npos) return -1;
    const std::string ext = Lower(base.substr(dot));
    if (ext == ".ndr") return FormatIndexNDR;
    if (ext == ".prn") return FormatIndexPRN;
    for (std::size_t i = 0; i < renderers.size(); ++i)
        if (Lower(PatternExtension(renderers[i].FileExtension)) == ext) return static_cast<int>(i) + 2;
    return -1;
}

std::string AppendExtensionWhenNoDot(const std::string& fileName, const std::string& extension) {
    // Only the name itself counts: a dot in a folder name ("/home/a.b/puzzle") is not an extension.
    const std::string::size_type slash = fileName.find_last_of('/');
    const std::string::size_type start = slash == std::string::npos ? 0 : slash + 1;
    return fileName.find('.', start) == std::string::npos ? fileName + extension : fileName;
}

std::string TrimSpaces(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return c <= ' '; };
    auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SetupNumberKeyAllowed(char key) {
    return (key >= '0' && key <= '9') || key == '\b';
}

bool SetupSelectionKeyAllowed(char key) {
    return SetupNumberKeyAllowed(key) || key == '-' || key == ',';
}

std::optional<TReportDest> SetupInitialDest(const TSetupInput& input) {
    const TSetupEnabling e = SetupEnablingFor(input, std::nullopt, {});
    const auto enabled = [&](TReportDest d) {
        return d == rdPrinter ? e.Printer : d == rdPreview ? e.Preview : e.File;
    };
    if (enabled(input.DefaultDest)) return input.DefaultDest;
    // A default the dialog may not offer falls back to the first destination it does offer.
    for (TReportDest d : {rdPrinter, rdPreview, rdFile})
        if (enabled(d)) return d;
    return std::nullopt;
}

bool SetupFormatAllowed(const TSetupInput& input, int formatIndex) {
    return formatIndex != FormatIndexPRN || input.HasPrinter;
}

TLastOutput& LastOutputChoice() {
    static TLastOutput last;
    return last;
}

TSetupEnabling SetupEnablingFor(const TSetupInput& input, std::optional<TReportDest> selected,
                                const std::string& fileName, int formatIndex) {
    const TSystemSetups& s = input.Setups;
    TSetupEnabling e;
    e.Printer = input.HasPrinter && s.Contains(ssAllowDestPrinter);
    e.File = s.Contains(ssAllowDestFile); // the page stream and PDF need no printer
    e.Preview = s.Contains(ssAllowDestPreview);
    e.PrinterSetup = input.HasPrinter && s.Contains(ssAllowPrinterSetup);
    if (!selected) return e;
    const bool printerOptions = input.HasPrinter && *selected == rdPrinter;
    e.Copies = printerOptions && s.Contains(ssAllowCopies);
    e.Collate = printerOptions && s.Contains(ssAllowCollate);
    e.Duplex = printerOptions && s.Contains(ssAllowDuplex);
    e.FileControls = *selected == rdFile;
    e.Ok =
        *selected == rdFile ? !TrimSpaces(fileName).empty() && SetupFormatAllowed(input, formatIndex) : true;
    return e;
}

std::optional<int> ParseSetupNumber(const std::string& text) {
    const std::string t = TrimSpaces(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < 1 || value > 9999)
        return std::nullopt;
    return value;
}

namespace {

template <class Result>
void StorePrinterOptions(const TSetupInput& input, const std::string& copiesText, bool collate, bool duplex,
                         Result& r) {
    if (!input.HasPrinter) return;
    if (input.Setups.Contains(ssAllowCopies)) r.Copies = ParseSetupNumber(copiesText);
    if (input.Setups.Contains(ssAllowCollate)) r.Collate = collate;
    if (input.Setups.Contains(ssAllowDuplex)) r.Duplex = duplex;
}

} // namespace

TSetupResult SetupAccept(const TSetupInput& input, const TSetupChoice& choice) {
    TSetupResult r;
    r.Dest = choice.Dest;
    if (choice.Dest == rdFile) {
        const int format = choice.FormatIndex < 0 ? FormatIndexNDR : choice.FormatIndex;
        const std::string name = TrimSpaces(choice.FileName);
        if (format == FormatIndexNDR) {
            r.FileName = AppendExtensionWhenNoDot(name, ".ndr");
        } else if (format == FormatIndexPRN) {
            r.FileName = AppendExtensionWhenNoDot(name, ".prn");
            r.NativeOutput = true;
        } else {
            r.FileName = name;
            r.RendererIndex = format - 2;
        }
    }
    StorePrinterOptions(input, choice.CopiesText, choice.Collate, choice.Duplex, r);
    return r;
}

TPrintRangeResult PrintRangeAccept(const TSetupInput& input, const TPrintRangeChoice& choice) {
    TPrintRangeResult r;
    if (choice.Mode == prSelection) {
        r.Selection = TrimSpaces(choice.SelectionText);
    } else if (choice.Mode == prPages) {
        r.FirstPage = ParseSetupNumber(choice.FromText).value_or(1);
        r.LastPage = ParseSetupNumber(choice.ToText).value_or(9999);
    }
    StorePrinterOptions(input, choice.CopiesText, choice.Collate, choice.Duplex, r);
    return r;
}
