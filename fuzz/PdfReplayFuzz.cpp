// The page stream replayed into the PDF writer. Whatever the stream holds, a replay either fails
// with EReportError and writes nothing, or writes a whole PDF 1.3 file whose cross-reference table
// points at its objects and whose numbers are plain decimals.
#include "fuzz/FuzzMeasurer.h"
#include "fuzz/FuzzTarget.h"
#include "pdf/TRenderPDF.h"
#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view Eof = "%%EOF";

// Every in-use entry of the cross-reference table names the offset of "N 0 obj".
void CheckCrossReferences(std::string_view pdf) {
    const std::size_t startxref = pdf.rfind("startxref");
    FuzzCheck(startxref != std::string_view::npos, "PDF has startxref");
    std::size_t xrefAt = 0;
    const char* first = pdf.data() + startxref + 9;
    while (first < pdf.data() + pdf.size() && (*first == '\r' || *first == '\n'))
        ++first;
    std::from_chars(first, pdf.data() + pdf.size(), xrefAt);
    FuzzCheck(xrefAt < pdf.size() && pdf.substr(xrefAt, 4) == "xref", "startxref points at xref");

    std::size_t pos = pdf.find('\n', xrefAt) + 1; // "0 N" line
    std::size_t count = 0;
    const char* p = pdf.data() + pos;
    const char* end = pdf.data() + pdf.size();
    p = std::from_chars(p, end, count).ptr; // first object number, 0
    while (p < end && *p == ' ')
        ++p;
    p = std::from_chars(p, end, count).ptr;
    pos = pdf.find('\n', static_cast<std::size_t>(p - pdf.data())) + 1;
    for (std::size_t n = 0; n < count; ++n, pos += 20) {
        FuzzCheck(pos + 20 <= pdf.size(), "xref entries are 20 bytes each");
        const std::string_view entry = pdf.substr(pos, 20);
        if (entry[17] != 'n') continue;
        std::size_t offset = 0;
        std::from_chars(entry.data(), entry.data() + 10, offset);
        const std::string head = std::to_string(n) + " 0 obj";
        FuzzCheck(pdf.substr(offset, head.size()) == head, "xref offset points at its object");
    }
}

bool IsNumberToken(std::string_view token) {
    std::size_t i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < token.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(token[i])) != 0)
            digits = true;
        else if (token[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// Every token that looks like a number is a plain decimal: a NaN, an infinity or an exponent
// formatted into the file makes it unreadable. Text strings and filtered (binary) streams are
// skipped.
void CheckNumbers(std::string_view pdf) {
    std::size_t i = 0;
    while (i < pdf.size()) {
        const char c = pdf[i];
        if (c == '(') { // a string, with escapes and balanced parentheses
            int depth = 1;
            for (++i; i < pdf.size() && depth > 0; ++i) {
                if (pdf[i] == '\\')
                    ++i;
                else if (pdf[i] == '(')
                    ++depth;
                else if (pdf[i] == ')')
                    --depth;
            }
            continue;
        }
        if (c == '<' && i + 1 < pdf.size() && pdf[i + 1] != '<') { // a hex string
            const std::size_t close = pdf.find('>', i);
            i = close == std::string_view::npos ? pdf.size() : close + 1;
            continue;
        }
        if (c == '%' && i > 0) { // a comment runs to the line end
            while (i < pdf.size() && pdf[i] != '\r' && pdf[i] != '\n')
                ++i;
            continue;
        }
        if (c == ' ' || c == '\r' || c == '\n' || c == '[' || c == ']' || c == '<' || c == '>' || c == '/') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < pdf.size() && std::string_view(" \r\n[]<>/()").find(pdf[j]) == std::string_view::npos)
            ++j;
        const std::string_view token = pdf.substr(i, j - i);
        if (token == "stream") {
            const std::size_t dict = pdf.rfind("<<", i);
            const bool filtered = dict != std::string_view::npos &&
                                  pdf.substr(dict, i - dict).find("/Filter") != std::string_view::npos;
            if (filtered) {
                const std::size_t after = pdf.find("endstream", j);
                FuzzCheck(after != std::string_view::npos, "every stream ends");
                i = after + 9;
                continue;
            }
        }
        const char first = token[0];
        if (std::isdigit(static_cast<unsigned char>(first)) != 0 || first == '-' || first == '+' ||
            first == '.')
            if (!IsNumberToken(token)) {
                std::fprintf(stderr, "bad number \"%.*s\" at offset %zu\n", static_cast<int>(token.size()),
                             token.data(), i);
                FuzzFailure("PDF numbers are plain decimals");
            }
        FuzzCheck(token != "nan" && token != "inf", "PDF numbers are finite");
        i = j;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TFuzzMeasurer measurer;
    TByteViewStream input(data, size);
    TMemoryStream output;
    pdf::TRenderPDF render;
    render.Clock = [] { return std::time_t{0}; };
    render.SetOutputStream(&output);
    try {
        TPageConverter converter(input, render, measurer);
        converter.SetNow(0);
        converter.Generate(0);
    } catch (const EReportError&) {
        // A failed replay still closes the document: what was written is checked all the same.
    }
    const std::string_view pdf(reinterpret_cast<const char*>(output.Bytes().data()), output.Bytes().size());
    if (pdf.empty()) return 0;
    FuzzCheck(pdf.substr(0, 8) == "%PDF-1.3", "PDF starts with its header");
    FuzzCheck(pdf.find(Eof, pdf.size() > 8 ? pdf.size() - 8 : 0) != std::string_view::npos,
              "PDF ends with %%EOF");
    CheckCrossReferences(pdf);
    CheckNumbers(pdf);
    return 0;
}
