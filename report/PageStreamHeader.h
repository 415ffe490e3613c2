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

// The fields after the header code and version, in file order, each with the first version that
// holds it. Reading and writing both walk this list: Field(member, since) for every field.
template <class THeader, class TVisitor> void ForEachHeaderField(THeader& H, TVisitor&& Field) {
    Field(H.Title, 2010);
    Field(H.PageCount, 0);
    Field(H.FirstPage, 0);
    Field(H.LastPage, 0);
    Field(H.PageWidth, 0);
    Field(H.PageHeight, 0);
    Field(H.MarginLeft, 0);
    Field(H.MarginRight, 0);
    Field(H.MarginTop, 0);
    Field(H.MarginBottom, 0);
    Field(H.Orientation, 0);
    Field(H.PaperBin, 2000);
    Field(H.Collate, 2000);
    Field(H.Duplex, 2000);
    Field(H.Copies, 0);
    Field(H.PaperSize, 0);
    Field(H.PaperWidth, 0);
    Field(H.PaperLength, 0);
    Field(H.DeviceName, 0);
}
