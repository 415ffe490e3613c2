// The device a recording surface measures against: the selected printer, or a fixed 300 pixels per
// inch letter page when there is none. The print run fills it from the printer it chose.
#pragma once

#include <cstdint>
#include <string>

struct TReferenceDevice {
    int XDPI = 300;
    int YDPI = 300;
    double PageWidth = 8.5; // physical page, inches
    double PageHeight = 11;
    double MarginLeft = 0; // unprintable strips, inches
    double MarginRight = 0;
    double MarginTop = 0;
    double MarginBottom = 0;
    bool HasPrinter = false;
    uint16_t PaperBin = 265;
    bool Collate = false;
    uint8_t Duplex = 0; // 0 simplex, 1 vertical, 2 horizontal
    uint16_t Copies = 1;
    uint16_t PaperSize = 1;
    uint16_t PaperWidth = 0; // tenths of a millimetre
    uint16_t PaperLength = 0;
    std::string DeviceName; // empty when there is no printer
    std::string Port;       // where the printer is attached (its device URI)
    std::string Driver;     // the printer's driver (make and model)
};
