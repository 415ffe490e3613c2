// Bounds-checked decoding of page-stream bytes: the file header, page records and commands with
// their operands (laid out by the code table). Every read stays inside the data; anything that does
// not fit raises EReportError naming what was wrong and where.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "report/PageStreamCodes.h"
#include "report/PageStreamHeader.h"
#include "report/ReportTypes.h"

struct TPageHead {
    uint64_t Position = 0; // of the code byte
    int32_t Previous = 0;
    int32_t Next = 0;
    uint16_t PageNumber = 0;
    double Width = 0; // inches (0 before version 2000)
    double Height = 0;
};

// One decoded command. The arrays hold the operands in stream order by kind; a TCommand is reused
// from command to command so that decoding allocates only while strings grow.
struct TCommand {
    static constexpr int MaxSingles = 16;
    static constexpr int MaxInts = 8;

    uint8_t Code = 0;
    uint64_t Position = 0; // of the code byte
    const TPageCodeInfo* Info = nullptr;
    float F[MaxSingles]{}; // singles, points and rects flattened
    int NF = 0;
    int64_t I[MaxInts]{}; // bytes, words and ints
    int NI = 0;
    std::string S[2];
    int NS = 0;
    bool HasGraphic = false;
    TReportGraphic Graphic;
    int64_t GraphicRef = -1;   // the referenced position, or -1 when embedded
    std::vector<float> Points; // H: X, Y pairs
    uint64_t BlobOffset = 0;   // N: where the bytes are
    uint64_t BlobSize = 0;
    std::string Value; // V: the value text (references resolved)
    uint8_t ValueType = 0;
    int64_t ValueRef = -1; // V: the referenced position, or -1 for a direct text
};

class TPageStreamDecoder {
  public:
    // References are followed at most this deep before the chain counts as a loop.
    static constexpr int MaxValueDepth = 16;

    TPageStreamDecoder(const uint8_t* Data, size_t Size) : Data_(Data), Size_(Size) {}

    TPageStreamHeader ReadHeader();
    TPageHead ReadPageHead();
    void ReadCommand(TCommand& Command);

    uint64_t Position() const { return Pos_; }
    void Seek(uint64_t Position) { Pos_ = Position; }
    bool AtEnd() const { return Pos_ >= Size_; }
    uint64_t Size() const { return Size_; }
    const uint8_t* Data() const { return Data_; }
    uint16_t Version() const { return Version_; }

    uint8_t ReadByte();
    uint16_t ReadWord();
    int32_t ReadInt();
    float ReadSingle();
    void ReadString(std::string& Text);

  private:
    void Need(uint64_t Count) const;
    void ReadField(uint8_t& Field);
    void ReadField(uint16_t& Field);
    void ReadField(float& Field);
    void ReadField(std::string& Field);
    void ReadGraphic(TCommand& Command);
    void ReadValue(TCommand& Command);
    std::string ReadValueAt(uint64_t Position, int Depth, uint64_t Origin);

    const uint8_t* Data_;
    size_t Size_;
    uint64_t Pos_ = 0;
    uint16_t Version_ = 2017;
};
