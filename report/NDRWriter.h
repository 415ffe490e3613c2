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
#include "report/PageStreamHeader.h"

class TNDRWriter : public TBaseReport {
  public:
    static constexpr size_t BufferSize = 16384;
    static constexpr uint16_t StreamVersion = 2017;
    static constexpr size_t MaxStringLength = 16383;
    static constexpr const char* SampleText =
        "abcdefg hijklmnop qrstuv wxyz ABCDEFG HIJKLMNOP QRSTUV WXYZ 0123456789";

    TNDRWriter();
    ~TNDRWriter() override;

    // The stream being recorded; null while idle.
    TStream* RecordingStream() const { return Out_; }
    // The bytes recorded with smMemory, kept after Finish until the next Start.
    const std::vector<uint8_t>& MemoryBytes() const;

    // ----- writer primitives (nothing is written while output is suppressed) -----
    void WriteByte(uint8_t Value) override;
    void WriteWord(uint16_t Value) override;
    void WriteInt(int32_t Value) override;
    void WriteSingle(double Value) override;
    void WriteString(const std::string& Text) override; // longer than 16383 bytes fails
    void WriteBytes(const void* Data, size_t Count) override;
    void WriteGraphic(const TReportGraphic& Graphic) override;

  protected:
    void BeginRecording() override;
    void OpenPageRecord() override;
    void ClosePageRecord() override;
    void DropPageRecord() override;
    void EndRecording() override;
    void AbandonRecording() override;
    void RecordFont() override;
    void RecordPen() override;
    void RecordBrush() override;
    void RecordVariable(const std::string& Name, const std::string& Value) override;
    void SlotRegister(int Index) override;
    void SlotReuse(int Index) override;
    void SlotUnregister(int Index) override;

  private:
    // What was last written, so that only changes are recorded; invalid at each page start.
    struct TWritten {
        bool Valid = false;
        TReportFont Font;
        double FontSize = -1; // inches
        TReportPen Pen;
        TReportBrush Brush;
    };

    // Raw output, used for the header and page structure too (never suppressed).
    void Put(const void* Data, size_t Count);
    void PutByte(uint8_t Value) { Put(&Value, 1); }
    void PutWord(uint16_t Value);
    void PutInt(int32_t Value);
    void PutSingle(double Value);
    void PutString(const std::string& Text);
    void PutGraphic(const TReportGraphic& Graphic);
    void PutValueText(const std::string& Value);
    void Flush();
    uint64_t StreamPosition() const; // true position of the next byte written
    void PatchInt(uint64_t Position, int32_t Value);
    void PatchWord(uint64_t Position, uint16_t Value);
    void WriteHeader();
    void PutField(uint8_t Value);
    void PutField(uint16_t Value);
    void PutField(float Value);
    void PutField(const std::string& Value);
    void WriteFullState();
    void WriteFont(bool Force);
    void WritePen(bool Force);
    void WriteBrush(bool Force);
    double SampleWidth() const;
    void ForgetFrom(uint64_t Position);
    void ReleaseStream();

    TStream* Out_ = nullptr;
    std::unique_ptr<TStream> OwnedStream_;
    std::vector<uint8_t> Memory_;
    std::vector<uint8_t> Buffer_;
    uint64_t PageCountPos_ = 0;
    uint64_t PrevPagePos_ = 0;      // code byte of the last page record written
    uint64_t PrevBeforeOpen_ = 0;   // the same before the open page record began
    uint64_t PageStartPos_ = 0;     // code byte of the open page record
    uint64_t NextFieldPos_ = 0;     // "next page" field of the last page record written
    uint64_t PrevNextFieldPos_ = 0; // the same before the open page record began
    bool PageOpen_ = false;
    uint64_t LastGraphicPos_ = 0; // size field of the last embedded graphic
    std::array<uint64_t, GraphicSlots + 1> Slots_{};
    std::map<std::string, int64_t> VariablePos_; // value record, negated for a text value
    TWritten Last_;
};
