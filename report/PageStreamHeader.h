// The fields of a page-stream file header, as recorded and as read back.
#pragma once

#include <cstdint>
#include <string>

struct TPageStreamHeader {
    uint8_t HeaderCode = 'Z'; // 'Q' (1101), 'Y' (2009) or 'Z' (version word follows)
    uint16_t Version = 2017;
    std::string Title;      // from version 2010
    uint16_t PageCount = 0; // 0 until recording has finished
    uint16_t FirstPage = 1;
    uint16_t LastPage = 9999;
    float PageWidth = 8.5f; // inches
    float PageHeight = 11.0f;
    float MarginLeft = 0; // unprintable strips of the device, inches
    float MarginRight = 0;
    float MarginTop = 0;
    float MarginBottom = 0;
    uint8_t Orientation = 0; // 0 portrait, 1 landscape
    uint16_t PaperBin = 265; // from version 2000
    uint8_t Collate = 0;     // from version 2000
    uint8_t Duplex = 0;      // from version 2000
    uint16_t Copies = 1;
    uint16_t PaperSize = 1;
    uint16_t PaperWidth = 0; // tenths of a millimetre
    uint16_t PaperLength = 0;
    std::string DeviceName;
};
