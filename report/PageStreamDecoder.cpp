#include "report/PageStreamDecoder.h"

#include <cmath>
#include <cstring>

#include "report/FormatText.h"
#include "report/ReportError.h"

namespace {
[[noreturn]] void Fail(std::string_view Fmt, std::initializer_list<TFmtArg> Args) {
    throw EReportError(FormatText(Fmt, Args));
}
} // namespace

void TPageStreamDecoder::Need(uint64_t Count) const {
    if (Pos_ > Size_ || Count > Size_ - Pos_) Fail("Report file ends unexpectedly at position %d.", {Size_});
}

uint8_t TPageStreamDecoder::ReadByte() {
    Need(1);
    return Data_[Pos_++];
}

uint16_t TPageStreamDecoder::ReadWord() {
    Need(2);
    const uint16_t V = static_cast<uint16_t>(Data_[Pos_] | (Data_[Pos_ + 1] << 8));
    Pos_ += 2;
    return V;
}

int32_t TPageStreamDecoder::ReadInt() {
    Need(4);
    const uint32_t V = static_cast<uint32_t>(Data_[Pos_]) | (static_cast<uint32_t>(Data_[Pos_ + 1]) << 8) |
                       (static_cast<uint32_t>(Data_[Pos_ + 2]) << 16) |
                       (static_cast<uint32_t>(Data_[Pos_ + 3]) << 24);
    Pos_ += 4;
    return static_cast<int32_t>(V);
}

float TPageStreamDecoder::ReadSingle() {
    const uint32_t Bits = static_cast<uint32_t>(ReadInt());
    float V;
    std::memcpy(&V, &Bits, sizeof V);
    // A NaN or infinity is no position or size: it would reach the renderers' output as text
    // that no reader accepts.
    if (!std::isfinite(V))
        Fail("Invalid number found at position %d in report file.", {static_cast<int64_t>(Pos_ - 4)});
    return V;
}

void TPageStreamDecoder::ReadString(std::string& Text) {
    uint32_t Length = ReadByte();
    if (Length >= 192) Length = ((Length << 8) | ReadByte()) - 49152;
    Need(Length);
    Text.assign(reinterpret_cast<const char*>(Data_ + Pos_), Length);
    Pos_ += Length;
}

void TPageStreamDecoder::ReadField(uint8_t& Field) {
    Field = ReadByte();
}
void TPageStreamDecoder::ReadField(uint16_t& Field) {
    Field = ReadWord();
}
void TPageStreamDecoder::ReadField(float& Field) {
    Field = ReadSingle();
}
void TPageStreamDecoder::ReadField(std::string& Field) {
    ReadString(Field);
}

TPageStreamHeader TPageStreamDecoder::ReadHeader() {
    TPageStreamHeader H;
    Pos_ = 0;
    if (Size_ == 0) Fail("Report file is empty.", {});
    H.HeaderCode = ReadByte();
    switch (H.HeaderCode) {
    case 'Q':
        H.Version = 1101;
        break;
    case 'Y':
        H.Version = 2009;
        break;
    case 'Z':
        H.Version = ReadWord();
        break;
    default:
        Fail("Unexpected header code [%d] found in report file.", {H.HeaderCode});
    }
    Version_ = H.Version;
    ForEachHeaderField(H, [this, Version = H.Version](auto& Field, uint16_t Since) {
        if (Version >= Since) ReadField(Field);
    });
    return H;
}

TPageHead TPageStreamDecoder::ReadPageHead() {
    TPageHead Head;
    Head.Position = Pos_;
    if (ReadByte() != pcPageStart) Fail("Unexpected code found in report file.", {});
    Head.Previous = ReadInt();
    Head.Next = ReadInt();
    Head.PageNumber = ReadWord();
    if (Version_ >= 2000) {
        Head.Width = ReadSingle();
        Head.Height = ReadSingle();
    } else {
        ReadByte();
    }
    return Head;
}

void TPageStreamDecoder::ReadGraphic(TCommand& Command) {
    const uint64_t KindPos = Pos_;
    const uint8_t Kind = ReadByte();
    Command.HasGraphic = true;
    Command.Graphic.Type = Kind & 0x7F;
    Command.GraphicRef = -1;
    uint64_t Back = 0;
    if (Kind & 0x80) {
        const int32_t Ref = ReadInt();
        // A reference must point at the size field of a graphic recorded before this one.
        if (Ref < 0 || static_cast<uint64_t>(Ref) + 4 > KindPos)
            Fail("Graphic reference [%d] at position %d does not point to an earlier graphic.",
                 {Ref, KindPos});
        Command.GraphicRef = Ref;
        Back = Pos_;
        Pos_ = static_cast<uint64_t>(Ref);
    }
    const uint64_t SizePos = Pos_;
    const int32_t N = ReadInt();
    if (N < 0 || static_cast<uint64_t>(N) > Size_ - Pos_)
        Fail("Graphic size [%d] at position %d exceeds the report file.", {N, SizePos});
    Command.Graphic.Data.assign(Data_ + Pos_, Data_ + Pos_ + N);
    Pos_ += static_cast<uint64_t>(N);
    if (Kind & 0x80) Pos_ = Back;
}

std::string TPageStreamDecoder::ReadValueAt(uint64_t Position, int Depth, uint64_t Origin) {
    if (Depth > MaxValueDepth) Fail("Value references at position %d form a loop.", {Origin});
    const uint64_t Saved = Pos_;
    Pos_ = Position;
    const uint8_t S = ReadByte();
    const uint8_t T = ReadByte();
    Need(S);
    const uint64_t DataPos = Pos_;
    std::string Value;
    if (T < 254) {
        if (T > S) Fail("Value record at position %d holds %d bytes but names %d.", {Position, S, T});
        Value.assign(reinterpret_cast<const char*>(Data_ + DataPos), T);
    } else {
        if (S < 4) Fail("Value record at position %d is too short for a reference.", {Position});
        const int32_t P = ReadInt();
        const uint64_t Target = P < 0 ? 0 - static_cast<int64_t>(P) : static_cast<uint64_t>(P);
        if (Target >= Size_)
            Fail("Value reference [%d] at position %d points outside the report file.", {P, Position});
        Value = ReadValueAt(Target, Depth + 1, Origin);
    }
    Pos_ = Saved;
    return Value;
}

void TPageStreamDecoder::ReadValue(TCommand& Command) {
    const uint64_t RecordPos = Pos_;
    const uint8_t S = ReadByte();
    const uint8_t T = ReadByte();
    Need(S);
    Command.ValueType = T;
    Command.ValueRef = -1;
    if (T < 254) {
        if (T > S) Fail("Value record at position %d holds %d bytes but names %d.", {RecordPos, S, T});
        Command.Value.assign(reinterpret_cast<const char*>(Data_ + Pos_), T);
        Pos_ += S;
        return;
    }
    if (S < 4) Fail("Value record at position %d is too short for a reference.", {RecordPos});
    const uint64_t End = Pos_ + S;
    const int32_t P = ReadInt();
    const uint64_t Target = P < 0 ? 0 - static_cast<int64_t>(P) : static_cast<uint64_t>(P);
    if (Target >= Size_)
        Fail("Value reference [%d] at position %d points outside the report file.", {P, RecordPos});
    Command.ValueRef = static_cast<int64_t>(Target);
    // A record that refers to itself would be read forever.
    if (Target == RecordPos) Fail("Value references at position %d form a loop.", {RecordPos});
    Command.Value = ReadValueAt(Target, 1, RecordPos);
    Pos_ = End;
}

void TPageStreamDecoder::ReadCommand(TCommand& Command) {
    Command.Position = Pos_;
    Command.Code = ReadByte();
    Command.Info = FindPageCode(Command.Code);
    if (!Command.Info) Fail("Unexpected code [%d] found in report file.", {Command.Code});
    Command.NF = Command.NI = Command.NS = 0;
    Command.HasGraphic = false;
    Command.Points.clear();
    auto PushF = [&](int Count) {
        for (int K = 0; K < Count; ++K)
            Command.F[Command.NF++] = ReadSingle();
    };
    for (const char* Op = Command.Info->Operands; *Op; ++Op) {
        switch (*Op) {
        case 'b':
            Command.I[Command.NI++] = ReadByte();
            break;
        case 'w':
            Command.I[Command.NI++] = ReadWord();
            break;
        case 'i':
            Command.I[Command.NI++] = ReadInt();
            break;
        case 'f':
            PushF(1);
            break;
        case 'F':
            if (Version_ >= 2000)
                PushF(1);
            else
                Command.F[Command.NF++] = 0;
            break;
        case 'P':
            PushF(2);
            break;
        case 'R':
            PushF(4);
            break;
        case 's':
            ReadString(Command.S[Command.NS++]);
            break;
        case 'g':
            ReadGraphic(Command);
            break;
        case 'B': {
            const uint8_t B = ReadByte();
            Command.I[Command.NI++] = B;
            if (B == 1) ReadGraphic(Command);
            break;
        }
        case 'H': {
            const uint16_t H = ReadWord();
            Command.I[Command.NI++] = H;
            const uint64_t Count = uint64_t{H} + 1;
            Need(Count * 8);
            Command.Points.resize(Count * 2);
            for (auto& V : Command.Points)
                V = ReadSingle();
            break;
        }
        case 'N': {
            const int32_t N = ReadInt();
            if (N < 0 || static_cast<uint64_t>(N) > Size_ - Pos_)
                Fail("Data size [%d] at position %d exceeds the report file.", {N, Command.Position});
            Command.I[Command.NI++] = N;
            Command.BlobOffset = Pos_;
            Command.BlobSize = static_cast<uint64_t>(N);
            Pos_ += static_cast<uint64_t>(N);
            break;
        }
        case 'V':
            ReadValue(Command);
            break;
        default:
            break;
        }
    }
}
