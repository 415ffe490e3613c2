// Plays a page stream onto the printer (or into a printer output file).
#pragma once

#include "report/qt/RenderCanvas.h"

#include <string>

class TPrinterDevice;

class TRenderPrinter : public TRenderCanvas {
  public:
    explicit TRenderPrinter(TPrinterDevice& Device);

    void DocBegin() override;
    void DocEnd() override;
    void PageBegin() override;
    void PageEnd() override;
    int XDPI() override;
    int YDPI() override;
    QPainter& GetCanvas() override;

    TPrinterDevice& Device() { return Device_; }
    // Title of the print job; the stream's own title when empty.
    std::string JobTitle;

    // The print range the Output Options dialog stores when printing from the preview. Every page
    // of the stream is played; only the copies are honoured (by repeating the playback).
    int FirstPage = 1;
    int LastPage = 9999;
    std::string Selection;
    int Copies = 1;
    bool Collate = false;
    bool Duplex = false;
    // Plays every page of Stream: once with Copies made by the printer when it can make copies,
    // otherwise once per copy with the printer making one.
    void PrintCopies(TStream& Stream);

    // Pages of the stream being played (from its header).
    int PageCount = 0;

  private:
    TPrinterDevice& Device_;
    std::string Title_;
    bool PageOpen_ = false;
};
