// Shared by the printing tests: recording pages into a stream, a renderer that keeps the pages'
// texts, measuring what a renderer drew into a picture, catching message boxes, and a printing
// platform whose printer and windows are scripted.
#pragma once

#include "TestSupport.h" // the report tests' temporary folder and whole-file read
#include "game/PuzzlePage.h"
#include "report/NDRWriter.h"
#include "report/PageConverter.h"
#include "report/PageStreamDecoder.h"
#include "report/RendererRegistry.h"
#include "report/ReportError.h"
#include "report/ReportRenderStream.h"
#include "report/ReportStream.h"
#include "report/ReportSystem.h"
#include "report/ReportSystemPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Counts pages and keeps the texts of a played stream.
class TTextRender : public TReportRenderStream {
  public:
    void PageBegin() override { ++Pages; }
    void RenderLeftText(const std::string& Text, double, double) override { Texts.push_back(Text); }
    void RenderBlockText(const std::string& Text, double, double, double) override { Texts.push_back(Text); }
    int Pages = 0;
    std::vector<std::string> Texts;
};

inline int PagesIn(TStream& Stream) {
    TTextRender render;
    Stream.Seek(0);
    TPageConverter(Stream, render).Generate(0);
    return render.Pages;
}

// The message of the report error Call throws; empty when it throws none.
inline std::string ReportErrorOf(const std::function<void()>& Call) {
    try {
        Call();
    } catch (const EReportError& e) {
        return e.what();
    }
    return {};
}

// The format list's index of a registered renderer (after the page stream and printer formats),
// or -1 when it is not offered.
inline int FormatOf(const TReportRender& render) {
    const auto active = ActiveRenderers();
    const auto it = std::find_if(active.begin(), active.end(),
                                 [&](const TRegisteredRenderer& e) { return e.Render == &render; });
    return it == active.end() ? -1 : 2 + static_cast<int>(it - active.begin());
}

// What the Output Options dialog's OK stores for a destination, file name, format, copies and collate.
inline TSetupResult Chosen(const TSetupInput& Input, TReportDest Dest, const std::string& FileName = "",
                           int Format = 0, const std::string& Copies = "", bool Collate = false) {
    return SetupAccept(Input, TSetupChoice{Dest, FileName, Format, Copies, Collate});
}

// Records Layout into Out as a run would, measured against Device, keeping only the Selection.
inline void RecordInto(TStream& Out, const std::function<void(TBaseReport&)>& Layout,
                       const TReferenceDevice& Device = {}, const std::string& Selection = "") {
    TNDRWriter writer;
    writer.SetStreamMode(smUser);
    writer.SetStream(&Out);
    writer.SetDevice(Device);
    writer.SetSelection(Selection);
    writer.OnPrint = Layout;
    writer.Execute();
}

// Pages pages, page n holding the text "Page<n>".
inline void DrawPages(TBaseReport& r, int Pages) {
    for (int page = 1; page <= Pages; ++page) {
        if (page > 1) r.NewPage();
        r.SelectFont("Arial", 12);
        r.PrintAt(1, 1, "Page" + std::to_string(page));
    }
}

// A board picture that is easy to find: solid red.
inline platform::RgbBitmap RedBoard() {
    return platform::RgbBitmap(399, 399, platform::Rgb{255, 0, 0});
}

inline void RecordPuzzle(TStream& Out, const TReferenceDevice& Device = {}) {
    const platform::RgbBitmap board = RedBoard();
    RecordInto(
        Out, [&](TBaseReport& r) { PrintPuzzlePage(r, board, 2147483647); }, Device);
}

// Puts an undefined command code at the start of page Page's drawing (after its page head), so that
// reading that page fails while the others stay good.
inline void DamagePage(TMemoryStream& Stream, int Page) {
    std::vector<uint8_t>& bytes = Stream.Bytes();
    TPageStreamDecoder decoder(bytes.data(), bytes.size());
    decoder.ReadHeader();
    uint64_t at = decoder.Position();
    for (int page = 1; page < Page; ++page) {
        decoder.Seek(at);
        at = static_cast<uint64_t>(decoder.ReadPageHead().Next);
    }
    bytes.at(at + 19) = 200; // 19: code, two links, number, width and height
}

// Closes every message box that opens meanwhile and keeps its text.
class TMessageCatcher : public QObject {
  public:
    TMessageCatcher() { QApplication::instance()->installEventFilter(this); }
    ~TMessageCatcher() override { QApplication::instance()->removeEventFilter(this); }
    QStringList Texts;

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        auto* box = qobject_cast<QMessageBox*>(Watched);
        if (box && Event->type() == QEvent::Show) {
            Texts << box->text();
            QTimer::singleShot(0, box, &QMessageBox::close);
        }
        return false;
    }
};

// A printer that exists or not and records what it is asked to print; windows that only note
// their modes ("setup:0", "status:1", ...) and apply a scripted setup choice.
class TTestPlatform : public TReportSystemPlatform {
  public:
    bool Printer = true, CancelSetup = false, FailPrinting = false;
    int SetupDialogs = 0, MaxCopies = 9999, PreviewPages = -1;
    std::optional<TSetupResult> Accept; // what OK stores; nothing = the defaults stand
    std::vector<std::string> Printed;   // "'<file name>' x<copies>, <pages> pages"
    std::vector<std::string> Log;
    std::string FilerNameDuringPreview;

    bool HasPrinter() override { return Printer; }
    int PrinterMaxCopies() override { return MaxCopies; }
    std::string PrinterDisplayName() override { return Printer ? "TestPrinter on file" : ""; }
    bool PrinterSetupDialog() override { return ++SetupDialogs, Printer; }
    TReferenceDevice PrinterReference() override { return {}; }
    void PrintStream(TReportSystem&, TStream& Stream, const std::string& OutputFile, int Copies) override {
        if (FailPrinting) throw EReportError("Printer is out of paper.");
        Printed.push_back("'" + std::filesystem::path(OutputFile).filename().string() + "' x" +
                          std::to_string(Copies) + ", " + std::to_string(PagesIn(Stream)) + " pages");
    }
    void SetupHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("setup:" + std::to_string(Mode));
        if (Mode == omWait && CancelSetup) System.SetCancelled(true);
        if (Mode == omWait && !CancelSetup && Accept) System.ApplySetup(*Accept);
    }
    void StatusHandler(TReportSystem&, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("status:" + std::to_string(Mode));
    }
    void PreviewHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("preview:" + std::to_string(Mode));
        if (Mode != omShow) return;
        PreviewPages = PagesIn(*System.OutputStream());
        FilerNameDuringPreview = System.SystemFiler.FileName;
    }
};
