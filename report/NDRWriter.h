// The recording surface: every drawing operation becomes a command of the page stream, written
// through a 16384-byte buffer. Repeated state (fonts, pens, brushes) is recorded only on change.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "report/BaseReport.h"

class TNDRWriter : public TBaseReport {
public:
    static constexpr size_t BufferSize = 16384;
    static constexpr uint16_t StreamVersion = 2017;

    TNDRWriter();
    ~TNDRWriter() override;

    // The stream being recorded (the writer's own memory stream with smMemory, the user stream
    // with smUser, the file otherwise); null while idle.
    TStream* RecordingStream() const { return Out_; }
    // The bytes recorded with smMemory, kept after Finish until the next Start.
    const std::vector<uint8_t>& MemoryBytes() const;

    // ----- writer primitives (nothing is written while output is suppressed) -----
    void WriteByte(uint8_t Value);
    void WriteWord(uint16_t Value);
    void WriteInt(int32_t Value);
    void WriteSingle(double Value);
    void WriteString(const std::string& Text); // 191/192 length rule; longer than 16383 fails
    void WritePoint(double X, double Y);       // units -> inches, origin, scale
    void WriteWidth(double W);                 // units -> inches, scale
    void WritePixelPoint(int32_t X, int32_t Y);
    void WritePixelRect(const TRect& Rect);
    void WriteGraphic(const TReportGraphic& Graphic);

protected:
    void BeginRecording() override;
    void EndPageRecord(bool Last) override;
    void BeginPageRecord() override;
    void EndRecording() override;
    void RecordFont() override;
    void RecordPen() override;
    void RecordBrush() override;
    void RecordLineMetrics() override;
    void RecordCode(uint8_t Code) override;
    void RecordText(uint8_t Code, const std::string& Text, double X, double Width) override;
    void RecordShape(uint8_t Code, const double* Points, int Count) override;
    void RecordPixelShape(uint8_t Code, const TPoint* Points, int Count) override;
    void RecordGraphicCommand(uint8_t Code, const TReportGraphic& Graphic, const double* Operands,
                              int Count) override;
    void RecordOther(uint8_t Code, const void* Operands) override;
    void RecordVariable(const std::string& Name, const std::string& Value) override;

private:
    class TState; // last written font, pen and brush
    void Flush();
    void WriteRaw(const void* Data, size_t Count);
    uint64_t StreamPosition() const; // true position of the next byte written
    void Patch(uint64_t Position, const void* Data, size_t Count);
    void WriteFullState();
    void WriteHeader();

    TStream* Out_ = nullptr;
    std::unique_ptr<TStream> OwnedStream_;
    std::vector<uint8_t> Buffer_;
    uint64_t PrevPagePos_ = 0;
    uint64_t NextFieldPos_ = 0;
    bool PageOpen_ = false;
    bool ForceState_ = false;
    bool HadPattern_ = false;
    uint64_t LastGraphicPos_ = 0;
    std::array<uint64_t, GraphicSlots + 1> Slots_{};
    std::map<std::string, int64_t> VariablePos_;
    std::unique_ptr<TState> Last_;
};
