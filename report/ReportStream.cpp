#include "report/ReportStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/SafeFile.h"
#include "report/ReportError.h"

namespace {
std::string SystemReason() {
    return std::strerror(errno);
}

void SeekFile(std::FILE* File, uint64_t Position) {
    if (fseeko(File, static_cast<off_t>(Position), SEEK_SET) != 0)
        throw EReportError("Cannot seek in file: " + SystemReason());
}

uint64_t FilePosition(std::FILE* File) {
    const off_t Pos = ftello(File);
    return Pos < 0 ? 0 : static_cast<uint64_t>(Pos);
}

uint64_t FileSize(std::FILE* File) {
    const off_t Here = ftello(File);
    fseeko(File, 0, SEEK_END);
    const off_t End = ftello(File);
    fseeko(File, Here, SEEK_SET);
    return End < 0 ? 0 : static_cast<uint64_t>(End);
}

void TruncateFile(std::FILE* File, uint64_t Position) {
    std::fflush(File);
    if (ftruncate(fileno(File), static_cast<off_t>(Position)) != 0)
        throw EReportError("Cannot truncate file: " + SystemReason());
    if (FilePosition(File) > Position) SeekFile(File, Position);
}

void WriteFile(std::FILE* File, const void* Buffer, size_t Count, const std::string& Name) {
    if (Count != 0 && std::fwrite(Buffer, 1, Count, File) != Count)
        throw EReportError("Cannot write file \"" + Name + "\": " + SystemReason());
}
} // namespace

void TStream::CopyFrom(TStream& Source) {
    uint8_t Chunk[16384];
    for (;;) {
        const size_t Got = Source.Read(Chunk, sizeof Chunk);
        if (Got == 0) break;
        Write(Chunk, Got);
    }
}

// ---------------------------------------------------------------------------------------------

size_t TMemoryStream::Read(void* Buffer, size_t Count) {
    if (Pos_ >= Data_.size()) return 0;
    const size_t N = std::min<uint64_t>(Count, Data_.size() - Pos_);
    std::memcpy(Buffer, Data_.data() + Pos_, N);
    Pos_ += N;
    return N;
}

void TMemoryStream::Write(const void* Buffer, size_t Count) {
    if (Count == 0) return;
    if (Pos_ + Count > Data_.size()) Data_.resize(Pos_ + Count);
    std::memcpy(Data_.data() + Pos_, Buffer, Count);
    Pos_ += Count;
}

void TMemoryStream::Seek(uint64_t Position) {
    Pos_ = Position;
}

void TMemoryStream::Truncate(uint64_t Position) {
    if (Position < Data_.size()) Data_.resize(Position);
    Pos_ = std::min(Pos_, Position);
}

// ---------------------------------------------------------------------------------------------

size_t TByteViewStream::Read(void* Buffer, size_t Count) {
    if (Pos_ >= Size_) return 0;
    const size_t N = std::min<uint64_t>(Count, Size_ - Pos_);
    std::memcpy(Buffer, Data_ + Pos_, N);
    Pos_ += N;
    return N;
}

void TByteViewStream::Write(const void*, size_t) {
    throw EReportError("Stream is read-only.");
}
void TByteViewStream::Seek(uint64_t Position) {
    Pos_ = Position;
}
void TByteViewStream::Truncate(uint64_t) {
    throw EReportError("Stream is read-only.");
}

// ---------------------------------------------------------------------------------------------

TStdioStream::~TStdioStream() {
    if (File_) std::fclose(File_);
}

size_t TStdioStream::Read(void* Buffer, size_t Count) {
    return File_ ? std::fread(Buffer, 1, Count, File_) : 0;
}

void TStdioStream::Write(const void* Buffer, size_t Count) {
    if (!File_) throw EReportError("Cannot write file \"" + Name_ + "\": it is closed.");
    WriteFile(File_, Buffer, Count, Name_);
}

void TStdioStream::Seek(uint64_t Position) {
    if (File_) SeekFile(File_, Position);
}

uint64_t TStdioStream::Position() const {
    return File_ ? FilePosition(File_) : 0;
}
uint64_t TStdioStream::Size() const {
    return File_ ? FileSize(File_) : 0;
}

void TStdioStream::Truncate(uint64_t Position) {
    if (File_) TruncateFile(File_, Position);
}

// ---------------------------------------------------------------------------------------------

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : TStdioStream(FileName) {
    if (Mode == fmCreate) {
        File_ = std::fopen(FileName.c_str(), "w+be");
        if (!File_) throw EReportError("Cannot create file \"" + FileName + "\". " + SystemReason());
        return;
    }
    int Fd = -1;
    const platform::FileResult Opened = platform::SafeFile::OpenForReading(FileName, MaxPageStreamBytes, Fd);
    if (!Opened) throw EReportError("Cannot open file \"" + FileName + "\". " + Opened.Error);
    File_ = fdopen(Fd, "rb");
    if (!File_) {
        const std::string Reason = SystemReason();
        ::close(Fd);
        throw EReportError("Cannot open file \"" + FileName + "\". " + Reason);
    }
}

void TFileStream::Close() {
    if (!File_) return;
    const bool Ok = std::fflush(File_) == 0;
    const bool Closed = std::fclose(File_) == 0;
    File_ = nullptr;
    if (!Ok || !Closed) throw EReportError("Cannot write file \"" + Name_ + "\": " + SystemReason());
}

// ---------------------------------------------------------------------------------------------

void RequireWritableFolder(const std::string& FileName) {
    const std::string::size_type Slash = FileName.find_last_of('/');
    const std::string Folder = Slash == std::string::npos ? std::string(".")
                               : Slash == 0               ? std::string("/")
                                                          : FileName.substr(0, Slash);
    struct stat Info {};
    std::string Reason;
    if (::stat(Folder.c_str(), &Info) != 0)
        Reason = SystemReason();
    else if (!S_ISDIR(Info.st_mode))
        Reason = std::strerror(ENOTDIR);
    else if (::access(Folder.c_str(), W_OK) != 0)
        Reason = SystemReason();
    if (!Reason.empty()) throw EReportError("Cannot create file \"" + FileName + "\". " + Reason);
}

TSafeFileStream::TSafeFileStream(const std::string& FileName) : Name_(FileName) {
    RequireWritableFolder(FileName);
}

void TSafeFileStream::Commit() {
    SaveBytesToFile(Name_, Bytes());
    Clear();
}

void TSafeFileStream::Discard() {
    Clear();
}

void SaveBytesToFile(const std::string& FileName, const std::vector<uint8_t>& Bytes) {
    const platform::FileResult Result = platform::SafeFile::WriteAll(FileName, Bytes);
    if (!Result) throw EReportError("Cannot write file \"" + FileName + "\": " + Result.Error);
}
