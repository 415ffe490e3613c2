// The drawing surface that report layout code draws on: positions in report units, fonts, pens and
// brushes, text, pictures and pages. The recording writer TNDRWriter is the concrete surface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/RgbBitmap.h"
#include "report/ReferenceDevice.h"
#include "report/ReportEvents.h"
#include "report/ReportTypes.h"

class TStream;
class TTextMeasurer;
class TBaseReport;

using TStatusEvent = std::function<void(const std::string& Line)>;

// The layout hooks (OnPrint, OnPrintPage, ...) are those of TReportEvents.
class TBaseReport : public TReportEvents {
  public:
    static constexpr double TabWidth = 0.5; // inches
    static constexpr int GraphicSlots = 10;

    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;

    // ---------- published properties ----------
    TPrintUnits Units() const { return Units_; }
    void SetUnits(TPrintUnits Value);
    double UnitsFactor() const { return UnitsFactor_; }
    void SetUnitsFactor(double Value);
    double MarginLeft() const { return MarginLeft_; }
    double MarginRight() const { return MarginRight_; }
    double MarginTop() const { return MarginTop_; }
    double MarginBottom() const { return MarginBottom_; }
    void SetMarginLeft(double Value) { MarginLeft_ = Value; }
    void SetMarginRight(double Value) { MarginRight_ = Value; }
    void SetMarginTop(double Value) { MarginTop_ = Value; }
    void SetMarginBottom(double Value) { MarginBottom_ = Value; }
    double ScaleX() const { return ScaleX_; }
    double ScaleY() const { return ScaleY_; }
    void SetScaleX(double Value);
    void SetScaleY(double Value);
    TOrientation Orientation() const { return Orientation_; }
    void SetOrientation(TOrientation Value);
    TBKMode TextBKMode() const { return TextBKMode_; }
    void SetTextBKMode(TBKMode Value);
    TLineHeightMethod LineHeightMethod() const { return LineHeightMethod_; }
    void SetLineHeightMethod(TLineHeightMethod Value) { LineHeightMethod_ = Value; }
    int LinesPerInch() const { return LinesPerInch_; }
    void SetLinesPerInch(int Value) { LinesPerInch_ = Value; }
    double LineHeight() const { return LineHeight_; }           // inches
    void SetLineHeight(double Inches) { LineHeight_ = Inches; } // used with lhmUser
    int TabShade() const { return TabShade_; }
    void SetTabShade(int Value) { TabShade_ = Value; }
    const std::string& Title() const { return Title_; }
    void SetTitle(const std::string& Value) { Title_ = Value; }
    int Copies() const { return Copies_; }
    void SetCopies(int Value) { Copies_ = Value; }
    int FirstPage() const { return FirstPage_; }
    int LastPage() const { return LastPage_; }
    void SetFirstPage(int Value) { FirstPage_ = Value; }
    void SetLastPage(int Value) { LastPage_ = Value; }
    bool Collate() const { return Collate_; }
    void SetCollate(bool Value) { Collate_ = Value; }
    uint8_t Duplex() const { return Duplex_; }
    void SetDuplex(uint8_t Value) { Duplex_ = Value; }
    const std::string& StatusFormat() const { return StatusFormat_; }
    void SetStatusFormat(const std::string& Value) { StatusFormat_ = Value; }
    std::vector<std::string>& StatusText() { return StatusText_; }
    // Shows the status line (the label of the status window); may be empty.
    TStatusEvent StatusLabel;
    TAccuracyMethod AccuracyMethod() const { return AccuracyMethod_; }
    void SetAccuracyMethod(TAccuracyMethod Value) { AccuracyMethod_ = Value; }
    const std::string& FileName() const { return FileName_; }
    void SetFileName(const std::string& Value) { FileName_ = Value; }
    TStreamMode StreamMode() const { return StreamMode_; }
    void SetStreamMode(TStreamMode Value) { StreamMode_ = Value; }
    // The stream used with smUser (not owned).
    TStream* Stream() const { return UserStream_; }
    void SetStream(TStream* Value) { UserStream_ = Value; }
    // Page selection text ("1,3-5,E", ...); empty selects FirstPage..LastPage.
    const std::string& Selection() const { return Selection_; }
    void SetSelection(const std::string& Value) { Selection_ = Value; }

    // ---------- reference device and measuring ----------
    // The reference device; set it before Start (the print run attaches the chosen printer).
    const TReferenceDevice& Device() const { return Device_; }
    void SetDevice(const TReferenceDevice& Value) { Device_ = Value; }
    // The device as a canvas; fails with "Error!  Canvas not yet active." while not printing.
    const TReferenceDevice& Canvas() const;
    void SetMeasurer(TTextMeasurer& Measurer) { Measurer_ = &Measurer; }
    TTextMeasurer& Measurer() const { return *Measurer_; }

    // ---------- working state ----------
    bool Printing() const { return Printing_; }
    bool Aborted() const { return Aborted_; }
    int CurrentPage() const { return CurrentPage_; } // page number being laid out
    // The copy (set of pages) being produced: the status line's %S. The recording is one pass.
    int CurrentCopy() const { return CurrentCopy_; }
    void SetCurrentCopy(int Value) { CurrentCopy_ = Value; }
    int PageCount() const { return PageCount_; }      // pages recorded so far
    double CurrentX() const { return CurrentX_; }     // inches
    double LineBaseline() const { return CurrentY_; } // inches
    void SetOrigin(double XInches, double YInches) {
        OriginX_ = XInches;
        OriginY_ = YInches;
    }
    uint8_t OutputClass() const { return ocRecorder; }
    bool OutputAllowed(TOutputClass Class) const { return (AllowedOutput_ & (1u << Class)) != 0; }
    // True while nothing is recorded (page suppressed, or this surface's output class not allowed).
    bool NoOutput() const;
    // Whether page PageNum is selected by the selection text or FirstPage..LastPage.
    bool PageSelected(int PageNum) const;
    std::string StatusLine() const; // StatusFormat with its placeholders replaced

    // ---------- fonts, pens, brushes ----------
    const TReportFont& Font() const { return Font_; }
    void SelectFont(const std::string& Name, double Size);
    void SetFontName(const std::string& Value);
    void SetFontSize(double Points);
    void SetFontColor(TColor Value);
    void SetFontPitch(uint8_t Value);
    void SetFontCharSet(uint8_t Value);
    void SetBold(bool Value);
    void SetItalic(bool Value);
    void SetUnderline(bool Value);
    void SetStrikeOut(bool Value);
    void SetSuperscript(bool Value);
    void SetSubscript(bool Value);
    void SetFontRotation(uint16_t Degrees);
    void SetFontAlign(uint8_t Value);
    double FontHeightInches() const { return FontHeight_; }
    double FontAscent() const { return Ascent_; }   // inches
    double FontDescent() const { return Descent_; } // inches

    const TReportPen& Pen() const { return Pen_; } // width in reference pixels
    void SetPenColor(TColor Value);
    void SetPenMode(uint8_t Value);
    void SetPenStyle(uint8_t Value);
    void SetPenWidth(double Pixels);
    const TReportBrush& Brush() const { return Brush_; }
    void SetBrushColor(TColor Value);
    void SetBrushStyle(uint8_t Value);
    void SetBrushPattern(const TReportGraphic& Bitmap); // an empty graphic removes the pattern
    TColor BackgroundColor() const { return BackgroundColor_; }
    void SetBackgroundColor(TColor Value);

    // ---------- text ----------
    void PrintAt(double X, double Y, const std::string& Text);
    void TextLeftAt(const std::string& Text, double X); // X in inches
    void TextCenteredAt(const std::string& Text, double X);
    void TextRightAt(const std::string& Text, double X);
    void TextJustifiedAt(const std::string& Text, double X, double Width); // inches
    double TextWidth(const std::string& Text) const;                       // units
    void TextRect(const TRect& PixelRect, double X, double Y, const std::string& Text);

    // ---------- shapes (units unless "pixel") ----------
    void Arc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4);
    void Chord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4);
    void Pie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4);
    void Ellipse(double X1, double Y1, double X2, double Y2);
    void Rectangle(double X1, double Y1, double X2, double Y2);
    void ShadeRectangle(double X1, double Y1, double X2, double Y2);
    void RoundRect(double X1, double Y1, double X2, double Y2, double W, double H);
    void MoveTo(double X, double Y);
    void LineTo(double X, double Y);
    void Polygon(const std::vector<TPoint>& PixelPoints);
    void Polyline(const std::vector<TPoint>& PixelPoints);
    void FillRect(const TRect& PixelRect);
    void FrameRect(const TRect& PixelRect);
    void DrawFocusRect(const TRect& PixelRect);
    void FloodFill(double X, double Y, TColor Color, uint8_t FillStyle);
    void CopyWithBrush(const TRect& Dest, const TReportGraphic& Bitmap, const TRect& Source,
                       TColor Transparent);
    void CopyRect(const TRect& Dest, const TRect& Source); // refused while recording

    // ---------- pictures ----------
    void Draw(double X, double Y, const TReportGraphic& Graphic);
    void StretchDraw(const TRect& PixelRect, const TReportGraphic& Graphic);
    void DrawBitmapScaled(double X, double Y, double ScaleX, double ScaleY, const TReportGraphic& Bitmap);
    void DrawBitmapRect(double X1, double Y1, double X2, double Y2, const TReportGraphic& Bitmap);
    void DrawBitmapRect(double X1, double Y1, double X2, double Y2, const platform::RgbBitmap& Bitmap);
    void DrawImageData(double X1, double Y1, double X2, double Y2, TStream& Image,
                       const std::string& TypeName);
    void SetGraphicOptions(uint8_t Value) { GraphicOptions_ = Value; } // the byte of code 34
    void RegisterGraphic(int Index);
    void ReuseGraphic(int Index);
    void UnregisterGraphic(int Index);

    // ---------- device control ----------
    void SendRawText(const std::string& Text);
    void SendRawStream(TStream& Source, uint32_t Count); // 0 = to its end
    void OutputPreviewOnly();
    void OutputPrinterOnly();
    void OutputEverywhere();
    void RequestBin(const std::string& BinName);
    void SetRenderOption(uint8_t Value);

    // ---------- report variables ----------
    // Defines (or redefines) a variable with a text value of at most 253 bytes.
    void SetReportVar(const std::string& Name, const std::string& Value);

    // ---------- lifecycle ----------
    void Execute();
    virtual void Start();
    virtual void NewPage();
    virtual void Finish();
    void Abort();
    void DiscardPage();

  protected:
    // ----- what the concrete surface records -----
    virtual void BeginRecording() = 0;   // create the stream, write the header
    virtual void OpenPageRecord() = 0;   // start a page record with the full state
    virtual void ClosePageRecord() = 0;  // end code (unless suppressed), link patching
    virtual void DropPageRecord() = 0;   // remove the open page record (discarded or aborted)
    virtual void EndRecording() = 0;     // patch the header, flush, save or release the stream
    virtual void AbandonRecording() = 0; // release the stream without saving anything
    virtual void RecordFont() = 0;       // the font attributes that changed
    virtual void RecordPen() = 0;
    virtual void RecordBrush() = 0;
    virtual void WriteByte(uint8_t Value) = 0;
    virtual void WriteWord(uint16_t Value) = 0;
    virtual void WriteInt(int32_t Value) = 0;
    virtual void WriteSingle(double Value) = 0;
    virtual void WriteString(const std::string& Text) = 0;
    virtual void WriteBytes(const void* Data, size_t Count) = 0;
    virtual void WriteGraphic(const TReportGraphic& Graphic) = 0;
    // Code 37 for Name with a text value (at most 253 bytes), remembered for later page starts.
    virtual void RecordVariable(const std::string& Name, const std::string& Value) = 0;

    // Point in units -> inches, plus origin, times scale.
    void WritePoint(double X, double Y);
    void WriteWidth(double W); // units -> inches, times ScaleX
    void WriteInchX(double X); // inches, plus origin, times ScaleX
    void WriteInchY(double Y);
    void WritePixelPoint(int32_t X, int32_t Y);
    void WritePixelRect(const TRect& Rect);
    // True when the operation may record: printing is checked, suppressed output gives false.
    bool BeginOp() const;
    void RecordGraphicPrefix(); // code 34 with the graphic options
    void TextAt(uint8_t Code, const std::string& Text, double X);

    void CheckPrinting() const; // "Invalid method call.  Report is not printing."
    // Refuses a text the stream cannot hold before any byte of its command is written.
    static void CheckTextLength(const std::string& Text);
    void UpdateFont();                  // refresh the size from the reference height, then RecordFont
    void UpdateLineMetrics();           // ascent, descent, line height; code 83 when they changed
    double ReferenceCellHeight() const; // pixels on the reference device
    virtual void SlotRegister(int Index) = 0;
    virtual void SlotReuse(int Index) = 0;
    virtual void SlotUnregister(int Index) = 0;
    double UnitsToInchesX(double X) const { return X / UnitsFactor_; }
    double UnitsToInchesY(double Y) const { return Y / UnitsFactor_; }

    TReportFont Font_;
    TReportPen Pen_;
    TReportBrush Brush_;
    TColor BackgroundColor_ = 0xFFFFFF;
    double ScaleX_ = 100;
    double ScaleY_ = 100;
    TOrientation Orientation_ = poPortrait;
    TBKMode TextBKMode_ = bkTransparent;
    double OriginX_ = 0;
    double OriginY_ = 0;
    double CurrentX_ = 0;
    double CurrentY_ = 0;
    double PointX_ = 0; // current point for LineTo, units
    double PointY_ = 0;
    double FontHeight_ = 10.0 / 72;
    double Ascent_ = 0;
    double Descent_ = 0;
    double LineHeight_ = 10.0 / 60;
    uint8_t GraphicOptions_ = 0;
    int ReuseSlot_ = 0; // slot of the next graphic reference, 0 for none
    bool SuspendFontRecording_ = false;
    bool PageSuppressed_ = false;
    bool PageDiscarded_ = false;
    bool LineMetricsRecorded_ = false;
    double LastAscent_ = -1, LastDescent_ = -1, LastLineHeight_ = -1;
    TReferenceDevice Device_;
    TStream* UserStream_ = nullptr;
    std::vector<std::pair<std::string, std::string>> Variables_;

  private:
    TPrintUnits Units_ = unInch;
    double UnitsFactor_ = 1;
    double MarginLeft_ = 0, MarginRight_ = 0, MarginTop_ = 0, MarginBottom_ = 0;
    TLineHeightMethod LineHeightMethod_ = lhmFont;
    int LinesPerInch_ = 6;
    int TabShade_ = 0;
    std::string Title_ = "Report";
    int Copies_ = 1;
    int FirstPage_ = 1;
    int LastPage_ = 9999;
    bool Collate_ = false;
    uint8_t Duplex_ = 0;
    std::string StatusFormat_ = "Printing page %p";
    std::vector<std::string> StatusText_;
    TAccuracyMethod AccuracyMethod_ = amPositioning;
    std::string FileName_;
    TStreamMode StreamMode_ = smMemory;
    std::string Selection_;
    TTextMeasurer* Measurer_;
    bool Printing_ = false;
    bool Aborted_ = false;
    int CurrentPage_ = 0;
    int CurrentCopy_ = 1;
    int PageCount_ = 0;
    uint8_t AllowedOutput_ = 0x7;
};
