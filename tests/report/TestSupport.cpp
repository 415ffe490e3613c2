#include "TestSupport.h"

#include <charconv>
#include <sstream>

#include "fuzz/FuzzMeasurer.h"
#include "report/PageConverter.h"
#include "report/PageStreamListing.h"
#include "report/ReportError.h"

TTextMeasurer& FixedMeasurer() {
    static TFuzzMeasurer Measurer;
    return Measurer;
}

std::string TRecordingRender::Describe(double Value) {
    char Text[32];
    return std::string(Text,
                       std::to_chars(Text, Text + sizeof Text, Value, std::chars_format::general, 10).ptr);
}

std::string TRecordingRender::Describe(const std::vector<TPoint>& Points) {
    std::string Text;
    for (const TPoint& P : Points)
        Text += (Text.empty() ? "" : " ") + std::to_string(P.X) + "," + std::to_string(P.Y);
    return Text;
}

// Kind, size and a checksum, so that a changed byte shows in a listing.
std::string TRecordingRender::Describe(const TReportGraphic& Graphic) {
    Graphics.push_back(Graphic);
    uint32_t Sum = 2166136261u;
    for (const uint8_t Byte : Graphic.Data)
        Sum = (Sum ^ Byte) * 16777619u;
    return "graphic(" + std::to_string(Graphic.Type) + "," + std::to_string(Graphic.Data.size()) + "," +
           std::to_string(Sum) + ")";
}

std::string TRecordingRender::Describe(const TReportFont& F) {
    return Describe(F.Name) +
           Values("size", F.Size, "color", F.Color, "pitch", F.Pitch, "set", F.CharSet, "rotation",
                  F.Rotation, "align", F.Align) +
           (F.Bold ? " bold" : "") + (F.Italic ? " italic" : "") + (F.Underline ? " underline" : "") +
           (F.StrikeOut ? " strikeout" : "") + (F.Superscript ? " superscript" : "") +
           (F.Subscript ? " subscript" : "");
}

std::string TRecordingRender::Text() const {
    std::string Text;
    for (const std::string& Call : Calls)
        Text += Call + "\n";
    return Text;
}

std::string ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const EReportError& Error) {
        return Error.what();
    }
    return {};
}

std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo) {
    TByteViewStream Stream(Bytes.data(), Bytes.size());
    return ErrorOf([&] { TPageConverter(Stream, Render, FixedMeasurer()).Generate(PageNo); });
}

void PrepareWriter(TNDRWriter& Writer) {
    Writer.SetMeasurer(FixedMeasurer());
    Writer.SetStreamMode(smMemory);
}

std::vector<uint8_t> Record(const TStep& Layout, const TStep& Setup) {
    TNDRWriter Writer;
    PrepareWriter(Writer);
    if (Setup) Setup(Writer);
    Writer.OnPrint = [&](TBaseReport&) { Layout(Writer); };
    Writer.Execute();
    return Writer.MemoryBytes();
}

std::string Listing(const std::vector<uint8_t>& Bytes, bool WholeHeader) {
    std::ostringstream Out;
    const std::string Error = ErrorOf([&] { ListPageStream(Out, Bytes.data(), Bytes.size()); });
    std::istringstream Lines(Out.str());
    std::string Text;
    for (std::string Line; std::getline(Lines, Line);)
        if (WholeHeader || Line[0] == '@' || Line.starts_with("header ") || Line.starts_with("pages "))
            Text += Line + "\n";
    return Text + (Error.empty() ? "" : "error: " + Error + "\n");
}

void EveryOperation(TNDRWriter& W) {
    const TReportGraphic Picture{gtBitmap, {'B', 'M', 1, 2, 3}};
    W.SetReportVar("who", "Velmora \xFD$RPCM11");
    W.Arc(1, 1, 2, 2, 1.5, 1, 2, 1.5);
    W.Chord(1, 2, 2, 3, 1.5, 2, 2, 2.5);
    W.Pie(1, 3, 2, 4, 1.5, 3, 2, 3.5);
    W.Ellipse(3, 1, 4, 1.5);
    W.Rectangle(3, 2, 4, 2.5);
    W.ShadeRectangle(3, 3, 4, 3.5);
    W.RoundRect(3, 4, 4, 4.5, 0.25, 0.125);
    W.MoveTo(5, 1);
    W.LineTo(6, 1);
    W.Polygon({{300, 300}, {600, 300}, {450, 600}});
    W.Polyline({{300, 900}, {600, 900}});
    W.FillRect({300, 1200, 600, 1500});
    W.FrameRect({300, 1500, 600, 1800});
    W.DrawFocusRect({300, 1800, 600, 2100});
    W.FloodFill(1, 7, 0x00FF00, 1);
    W.CopyWithBrush({0, 0, 30, 30}, Picture, {0, 0, 3, 3}, 0xFFFFFF);
    W.Draw(1, 8, Picture);
    W.StretchDraw({300, 2700, 900, 3000}, Picture);
    W.SetGraphicOptions(3);
    W.DrawBitmapScaled(2, 8, 2, 0.5, Picture);
    TMemoryStream Image(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
    W.DrawImageData(3, 8, 4, 9, Image, "jpg");
    W.SetGraphicOptions(0);
    W.DrawBitmapRect(5, 8, 6, 9, Picture);
    W.RegisterGraphic(4);
    W.ReuseGraphic(4);
    W.DrawBitmapRect(6, 8, 7, 9, Picture); // refers to the copy before
    W.DrawBitmapRect(7, 8, 8, 9, Picture); // reuse applies to one graphic only
    W.SelectFont("Arial", 12);
    W.TextRect({300, 3000, 1200, 3300}, 1, 10.5, "clipped");
    W.PrintAt(1, 10, "left");
    W.TextCenteredAt("centre", 4);
    W.TextRightAt("right", 7);
    W.TextJustifiedAt("two words", 1, 3);
    W.NewPage();
    // Runs measured one after another, ending at 4: "ab" at 12 points, "cd" in bold 24 points, "e"
    // after the plain style code still at 24 points.
    W.TextRightAt(std::string("ab\x01") + "B1\x02" + "Z24\x04" + "cd\x01r\x04" + "e", 4);
    W.PrintAt(1, 2, "Page \xFD$RPCM11 of \xFD$RPCM10 for \xFD$RPCV\xFCwho\xFB");
    W.NewPage();
    // Every font code, one run each: bold; italic, underlined and struck out in another face,
    // colour, size and pitch; superscript; subscript; the reset to the plain face.
    W.TextCenteredAt("\x01"
                     "B1\x04"
                     "bold\x01I1\x02U1\x02K1\x02NTimes New Roman\x02"
                     "C255\x02Z9\x02HF\x04"
                     "styled\x01P1\x04"
                     "sup\x01S1\x02HV\x04"
                     "sub\x01R\x04"
                     "plain",
                     2);
    W.SendRawText("raw");
    TMemoryStream Raw(std::vector<uint8_t>{1, 2, 3, 4});
    W.SendRawStream(Raw, 3);
    W.OutputPreviewOnly();
    W.OutputPrinterOnly();
    W.OutputEverywhere();
    W.RequestBin("Tray 2");
    W.SetRenderOption(7);
    W.SetOrientation(poLandScape);
    W.SetTextBKMode(bkOpaque);
    W.SetBackgroundColor(0x123456);
    W.SetScaleX(50);
    W.SetScaleY(200);
}
