// Stream handling of the recording surface: buffer, header, page records and patching.
#include "report/NDRWriter.h"
#include "report/PageStreamCodes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "report/ReportError.h"
#include "report/ReportStream.h"

TNDRWriter::TNDRWriter() = default;

TNDRWriter::~TNDRWriter() {
    if (Printing()) AbandonRecording();
}

const std::vector<uint8_t>& TNDRWriter::MemoryBytes() const {
    return Memory_;
}

// ---------------------------------------------------------------------------------------------
// Raw output

void TNDRWriter::Flush() {
    if (Buffer_.empty()) return;
    Out_->Write(Buffer_.data(), Buffer_.size());
    Buffer_.clear();
}

void TNDRWriter::Put(const void* Data, size_t Count) {
    if (Buffer_.size() + Count > BufferSize) Flush();
    if (Count > BufferSize) {
        Out_->Write(Data, Count);
        return;
    }
    const auto* Bytes = static_cast<const uint8_t*>(Data);
    Buffer_.insert(Buffer_.end(), Bytes, Bytes + Count);
}

void TNDRWriter::PutWord(uint16_t Value) {
    const uint8_t B[2] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8)};
    Put(B, 2);
}

void TNDRWriter::PutInt(int32_t Value) {
    const uint32_t V = static_cast<uint32_t>(Value);
    const uint8_t B[4] = {static_cast<uint8_t>(V), static_cast<uint8_t>(V >> 8),
                          static_cast<uint8_t>(V >> 16), static_cast<uint8_t>(V >> 24)};
    Put(B, 4);
}

void TNDRWriter::PutSingle(double Value) {
    const float F = static_cast<float>(Value);
    uint32_t Bits;
    std::memcpy(&Bits, &F, sizeof Bits);
    PutInt(static_cast<int32_t>(Bits));
}

void TNDRWriter::PutString(const std::string& Text) {
    const size_t L = Text.size();
    if (L > MaxStringLength)
        throw EReportError("Text of " + std::to_string(L) +
                           " bytes is too long for the report file (16383 at most).");
    if (L < 192) {
        PutByte(static_cast<uint8_t>(L));
    } else {
        const uint16_t Coded = static_cast<uint16_t>(L + 49152);
        PutByte(static_cast<uint8_t>(Coded >> 8));
        PutByte(static_cast<uint8_t>(Coded));
    }
    Put(Text.data(), L);
}

void TNDRWriter::PutGraphic(const TReportGraphic& Graphic) {
    const uint8_t Type = Graphic.Type & 0x7F;
    if (ReuseSlot_ != 0 && Slots_[static_cast<size_t>(ReuseSlot_)] != 0) {
        const uint64_t Target = Slots_[static_cast<size_t>(ReuseSlot_)];
        ReuseSlot_ = 0;
        PutByte(static_cast<uint8_t>(Type | 0x80));
        PutInt(static_cast<int32_t>(Target));
        return;
    }
    ReuseSlot_ = 0;
    if (Graphic.Data.size() > INT32_MAX) throw EReportError("Graphic is too large for the report file.");
    PutByte(Type);
    LastGraphicPos_ = StreamPosition();
    PutInt(static_cast<int32_t>(Graphic.Data.size()));
    Put(Graphic.Data.data(), Graphic.Data.size());
}

uint64_t TNDRWriter::StreamPosition() const {
    return Out_->Position() + Buffer_.size();
}

void TNDRWriter::PatchInt(uint64_t Position, int32_t Value) {
    Flush();
    const uint64_t End = Out_->Position();
    const uint32_t V = static_cast<uint32_t>(Value);
    const uint8_t B[4] = {static_cast<uint8_t>(V), static_cast<uint8_t>(V >> 8),
                          static_cast<uint8_t>(V >> 16), static_cast<uint8_t>(V >> 24)};
    Out_->Seek(Position);
    Out_->Write(B, 4);
    Out_->Seek(End);
}

void TNDRWriter::PatchWord(uint64_t Position, uint16_t Value) {
    Flush();
    const uint64_t End = Out_->Position();
    const uint8_t B[2] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8)};
    Out_->Seek(Position);
    Out_->Write(B, 2);
    Out_->Seek(End);
}

// ---------------------------------------------------------------------------------------------
// Suppressible primitives

void TNDRWriter::WriteByte(uint8_t Value) {
    if (!NoOutput()) PutByte(Value);
}
void TNDRWriter::WriteWord(uint16_t Value) {
    if (!NoOutput()) PutWord(Value);
}
void TNDRWriter::WriteInt(int32_t Value) {
    if (!NoOutput()) PutInt(Value);
}
void TNDRWriter::WriteSingle(double Value) {
    if (!NoOutput()) PutSingle(Value);
}
void TNDRWriter::WriteString(const std::string& Text) {
    if (!NoOutput()) PutString(Text);
}
void TNDRWriter::WriteBytes(const void* Data, size_t Count) {
    if (!NoOutput()) Put(Data, Count);
}
void TNDRWriter::WriteGraphic(const TReportGraphic& Graphic) {
    if (!NoOutput()) PutGraphic(Graphic);
}

// ---------------------------------------------------------------------------------------------
// Recording lifecycle

void TNDRWriter::BeginRecording() {
    Memory_.clear();
    switch (StreamMode()) {
    case smMemory:
        OwnedStream_ = std::make_unique<TMemoryStream>();
        break;
    case smFile:
        OwnedStream_ = std::make_unique<TSafeFileStream>(FileName());
        break;
    case smTempFile: {
        const char* Dir = std::getenv("TMPDIR");
        std::string Name = std::string(Dir && *Dir ? Dir : "/tmp") + "/velmora-report-XXXXXX";
        const int Fd = mkstemp(Name.data());
        if (Fd < 0)
            throw EReportError("Cannot create a temporary report file in " + Name.substr(0, Name.rfind('/')) +
                               ".");
        ::close(Fd);
        OwnedStream_ = std::make_unique<TFileStream>(Name, fmCreate);
        SetFileName(Name);
        break;
    }
    case smUser:
        OwnedStream_.reset();
        break;
    }
    Out_ = OwnedStream_ ? OwnedStream_.get() : Stream();
    Buffer_.clear();
    Buffer_.reserve(BufferSize);
    PrevPagePos_ = PrevBeforeOpen_ = PageStartPos_ = 0;
    NextFieldPos_ = PrevNextFieldPos_ = 0;
    PageOpen_ = false;
    LastGraphicPos_ = 0;
    Slots_.fill(0);
    VariablePos_.clear();
    Last_ = TWritten{};
    WriteHeader();
}

void TNDRWriter::WriteHeader() {
    const TReferenceDevice& D = Device_;
    TPageStreamHeader H;
    H.Version = StreamVersion;
    H.Title = Title();
    H.FirstPage = static_cast<uint16_t>(FirstPage());
    H.LastPage = static_cast<uint16_t>(LastPage());
    H.PageWidth = static_cast<float>(D.PageWidth);
    H.PageHeight = static_cast<float>(D.PageHeight);
    H.MarginLeft = static_cast<float>(D.MarginLeft);
    H.MarginRight = static_cast<float>(D.MarginRight);
    H.MarginTop = static_cast<float>(D.MarginTop);
    H.MarginBottom = static_cast<float>(D.MarginBottom);
    H.Orientation = Orientation_;
    H.PaperBin = D.PaperBin;
    H.Collate = Collate() ? 1 : 0;
    H.Duplex = Duplex();
    H.Copies = D.Copies;
    H.PaperSize = D.PaperSize;
    H.PaperWidth = D.PaperWidth;
    H.PaperLength = D.PaperLength;
    H.DeviceName = D.DeviceName;
    PutByte(H.HeaderCode);
    PutWord(H.Version);
    ForEachHeaderField(H, [&](const auto& Field, uint16_t) {
        if (static_cast<const void*>(&Field) == &H.PageCount) PageCountPos_ = StreamPosition();
        PutField(Field);
    });
}

void TNDRWriter::PutField(uint8_t Value) {
    PutByte(Value);
}
void TNDRWriter::PutField(uint16_t Value) {
    PutWord(Value);
}
void TNDRWriter::PutField(float Value) {
    PutSingle(Value);
}
void TNDRWriter::PutField(const std::string& Value) {
    PutString(Value);
}

void TNDRWriter::OpenPageRecord() {
    Flush();
    const uint64_t Position = StreamPosition();
    if (Position > INT32_MAX) throw EReportError("Report file is too large (2 GiB at most).");
    PrevBeforeOpen_ = PrevPagePos_;
    PrevNextFieldPos_ = NextFieldPos_;
    PageStartPos_ = Position;
    PutByte(pcPageStart);
    PutInt(static_cast<int32_t>(PrevPagePos_));
    PrevPagePos_ = Position;
    NextFieldPos_ = Position + 5;
    PutInt(0);
    PutWord(static_cast<uint16_t>(PageCount()));
    PutSingle(Device_.PageWidth);
    PutSingle(Device_.PageHeight);
    PageOpen_ = true;
    WriteFullState();
}

void TNDRWriter::WriteFullState() {
    Last_.Valid = false;
    LastAscent_ = LastDescent_ = LastLineHeight_ = -1;
    WriteBrush(true);
    WriteFont(true);
    WritePen(true);
    Last_.Valid = true;
    PutByte(pcScaleX);
    PutSingle(ScaleX_);
    PutByte(pcScaleY);
    PutSingle(ScaleY_);
    PutByte(pcTextBKMode);
    PutByte(TextBKMode_);
    PutByte(pcBackgroundColor);
    PutInt(BackgroundColor_);
    for (const auto& [Name, Value] : Variables_) {
        PutByte(pcVariable);
        PutString(Name);
        const auto Found = VariablePos_.find(Name);
        if (Found == VariablePos_.end()) {
            // Never recorded before (defined while output was off): store the text here.
            VariablePos_[Name] = -static_cast<int64_t>(StreamPosition());
            PutValueText(Value);
            continue;
        }
        PutByte(4);
        PutByte(254);
        PutInt(static_cast<int32_t>(Found->second));
    }
}

void TNDRWriter::ClosePageRecord() {
    if (!PageOpen_) return;
    if (!NoOutput()) PutByte(pcPageEnd);
    Flush();
    PatchInt(NextFieldPos_, static_cast<int32_t>(StreamPosition()));
    PageOpen_ = false;
}

void TNDRWriter::DropPageRecord() {
    if (!PageOpen_) return;
    Flush();
    Out_->Truncate(PageStartPos_);
    Out_->Seek(PageStartPos_);
    PrevPagePos_ = PrevBeforeOpen_;
    NextFieldPos_ = PrevNextFieldPos_;
    PageOpen_ = false;
    ForgetFrom(PageStartPos_);
}

// Graphics and variables recorded in a dropped page no longer exist.
void TNDRWriter::ForgetFrom(uint64_t Position) {
    for (uint64_t& Slot : Slots_)
        if (Slot >= Position) Slot = 0;
    if (LastGraphicPos_ >= Position) LastGraphicPos_ = 0;
    for (auto It = VariablePos_.begin(); It != VariablePos_.end();) {
        const uint64_t At = static_cast<uint64_t>(It->second < 0 ? -It->second : It->second);
        It = At >= Position ? VariablePos_.erase(It) : std::next(It);
    }
}

void TNDRWriter::EndRecording() {
    try {
        Flush();
        if (NextFieldPos_ != 0) PatchInt(NextFieldPos_, 0);
        PatchWord(PageCountPos_, static_cast<uint16_t>(PageCount()));
        Flush();
    } catch (...) {
        ReleaseStream();
        throw;
    }
    Buffer_ = std::vector<uint8_t>();
    switch (StreamMode()) {
    case smMemory: {
        Memory_ = std::move(static_cast<TMemoryStream&>(*OwnedStream_).Bytes());
        ReleaseStream();
        // A cancelled report is no output: an existing file keeps its bytes.
        if (!FileName().empty() && !Aborted()) SaveBytesToFile(FileName(), Memory_);
        break;
    }
    case smFile: {
        if (Aborted()) {
            ReleaseStream(); // drops the temporary file; the target stays as it was
            break;
        }
        auto& File = static_cast<TSafeFileStream&>(*OwnedStream_);
        try {
            File.Commit();
        } catch (...) {
            ReleaseStream();
            throw;
        }
        ReleaseStream();
        break;
    }
    case smTempFile: {
        auto& File = static_cast<TFileStream&>(*OwnedStream_);
        try {
            File.Close();
        } catch (...) {
            ReleaseStream();
            throw;
        }
        ReleaseStream();
        break;
    }
    case smUser:
        ReleaseStream();
        break;
    }
}

void TNDRWriter::AbandonRecording() {
    Buffer_ = std::vector<uint8_t>();
    const bool TempFile = StreamMode() == smTempFile && OwnedStream_;
    ReleaseStream(); // an uncommitted safe file removes its temporary file
    if (TempFile) std::remove(FileName().c_str());
}

void TNDRWriter::ReleaseStream() {
    Out_ = nullptr;
    OwnedStream_.reset();
}

// ---------------------------------------------------------------------------------------------
// Graphic slots and variables

void TNDRWriter::SlotRegister(int Index) {
    Slots_[static_cast<size_t>(Index)] = LastGraphicPos_;
}
void TNDRWriter::SlotReuse(int Index) {
    ReuseSlot_ = Index;
}
void TNDRWriter::SlotUnregister(int Index) {
    Slots_[static_cast<size_t>(Index)] = 0;
    if (ReuseSlot_ == Index) ReuseSlot_ = 0;
}

void TNDRWriter::PutValueText(const std::string& Value) {
    PutByte(static_cast<uint8_t>(Value.size()));
    PutByte(static_cast<uint8_t>(Value.size()));
    Put(Value.data(), Value.size());
}

void TNDRWriter::RecordVariable(const std::string& Name, const std::string& Value) {
    PutByte(pcVariable);
    PutString(Name);
    VariablePos_[Name] = -static_cast<int64_t>(StreamPosition());
    PutValueText(Value);
}
