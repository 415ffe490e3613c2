#include "TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "report/PageConverter.h"
#include "report/PageStreamListing.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

TFixedMeasurer& FixedMeasurer() {
    static TFixedMeasurer Measurer;
    return Measurer;
}

void TRecordingRender::Log(const std::string& Name, std::initializer_list<double> Values,
                           const char* Separator) {
    std::ostringstream S;
    S.imbue(std::locale::classic());
    S.precision(10);
    S << Name;
    const char* Between = " ";
    for (double V : Values) {
        S << Between << V;
        Between = Separator;
    }
    Calls.push_back(S.str());
}

void TRecordingRender::RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) {
    std::string Line = "Polygon " + std::to_string(HighIndex);
    for (const TPoint& P : Points)
        Line += " " + std::to_string(P.X) + "," + std::to_string(P.Y);
    Calls.push_back(Line);
}

std::vector<std::string> TRecordingRender::Matching(std::initializer_list<std::string> Prefixes) const {
    std::vector<std::string> Out;
    for (const auto& C : Calls)
        if (std::any_of(Prefixes.begin(), Prefixes.end(),
                        [&](const std::string& P) { return C.rfind(P, 0) == 0; }))
            Out.push_back(C);
    return Out;
}

std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo) {
    TByteViewStream Stream(Bytes.data(), Bytes.size());
    TPageConverter Converter(Stream, Render, FixedMeasurer());
    try {
        Converter.Generate(PageNo);
    } catch (const EReportError& Error) {
        return Error.what();
    }
    return {};
}

void PrepareWriter(TNDRWriter& Writer) {
    Writer.SetMeasurer(FixedMeasurer());
    Writer.SetStreamMode(smMemory);
}

std::vector<uint8_t> Record(const std::function<void(TNDRWriter&)>& Layout,
                            const std::function<void(TNDRWriter&)>& Setup) {
    TNDRWriter Writer;
    PrepareWriter(Writer);
    if (Setup) Setup(Writer);
    Writer.OnPrint = [&](TBaseReport&) { Layout(Writer); };
    Writer.Execute();
    return Writer.MemoryBytes();
}

std::string Listing(const std::vector<uint8_t>& Bytes) {
    std::ostringstream Out;
    ListPageStream(Out, Bytes.data(), Bytes.size());
    return Out.str();
}

TBytes& TBytes::Int(int32_t V) {
    const uint32_t U = static_cast<uint32_t>(V);
    for (int K = 0; K < 4; ++K)
        Byte(static_cast<uint8_t>(U >> (8 * K)));
    return *this;
}

TBytes& TBytes::Single(float V) {
    uint32_t U;
    std::memcpy(&U, &V, 4);
    return Int(static_cast<int32_t>(U));
}

TBytes& TBytes::Str(const std::string& S) {
    if (S.size() < 192) return Byte(static_cast<uint8_t>(S.size())).Raw(S);
    const uint16_t L = static_cast<uint16_t>(S.size() + 49152);
    return Byte(static_cast<uint8_t>(L >> 8)).Byte(static_cast<uint8_t>(L)).Raw(S);
}

TBytes StreamHeader(uint16_t PageCount) {
    TBytes B;
    B.Byte('Z').Word(2017).Str("T").Word(PageCount).Word(1).Word(9999);
    B.Single(8.5f).Single(11).Single(0).Single(0).Single(0).Single(0);
    B.Byte(0).Word(265).Byte(0).Byte(0).Word(1).Word(1).Word(0).Word(0).Str("");
    return B;
}

void PageStart(TBytes& B, int32_t Previous, int32_t Next, uint16_t PageNumber) {
    B.Byte(80).Int(Previous).Int(Next).Word(PageNumber).Single(8.5f).Single(11);
}

namespace test {

::testing::AssertionResult MatchesGolden(const std::string& Actual, const std::string& Name) {
    return MatchesGoldenFile(Actual, std::string(REPORT_TEST_DATA) + "/" + Name);
}

} // namespace test
