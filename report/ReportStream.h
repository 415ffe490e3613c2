// Byte streams of the report engine: the page stream is recorded into one and played from one, and
// stream renderers write their output into one. Reads never go past the end; positions are absolute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class TStream {
  public:
    virtual ~TStream() = default;
    // Reads up to Count bytes; returns how many were read (fewer only at the end).
    virtual size_t Read(void* Buffer, size_t Count) = 0;
    // Writes all Count bytes or throws EReportError.
    virtual void Write(const void* Buffer, size_t Count) = 0;
    virtual void Seek(uint64_t Position) = 0;
    virtual uint64_t Position() const = 0;
    virtual uint64_t Size() const = 0;
    // Cuts the stream at Position (recording uses it to drop a discarded page); the position
    // moves there when it lay beyond.
    virtual void Truncate(uint64_t Position) = 0;

    void WriteString(const std::string& Bytes) { Write(Bytes.data(), Bytes.size()); }
    // Copies everything from Source's current position to its end.
    void CopyFrom(TStream& Source);
};

class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> Bytes) : Data_(std::move(Bytes)) {}

    size_t Read(void* Buffer, size_t Count) override;
    void Write(const void* Buffer, size_t Count) override;
    void Seek(uint64_t Position) override;
    uint64_t Position() const override { return Pos_; }
    uint64_t Size() const override { return Data_.size(); }
    void Truncate(uint64_t Position) override;

    const std::vector<uint8_t>& Bytes() const { return Data_; }
    std::vector<uint8_t>& Bytes() { return Data_; }
    void Clear() {
        Data_.clear();
        Pos_ = 0;
    }

  private:
    std::vector<uint8_t> Data_;
    uint64_t Pos_ = 0;
};

// A read-only view of bytes owned elsewhere (fuzzers and tests drive the reader with it).
class TByteViewStream : public TStream {
  public:
    TByteViewStream(const uint8_t* Data, size_t Size) : Data_(Data), Size_(Size) {}

    size_t Read(void* Buffer, size_t Count) override;
    void Write(const void* Buffer, size_t Count) override; // throws: read-only
    void Seek(uint64_t Position) override;
    uint64_t Position() const override { return Pos_; }
    uint64_t Size() const override { return Size_; }
    void Truncate(uint64_t Position) override; // throws: read-only
    const uint8_t* Data() const { return Data_; }

  private:
    const uint8_t* Data_;
    size_t Size_;
    uint64_t Pos_ = 0;
};

// The largest page stream read from a file: far above any real report, small enough that a
// hostile or mistaken file cannot exhaust memory.
constexpr size_t MaxPageStreamBytes = size_t{256} << 20;

enum TFileMode : uint8_t {
    fmOpenRead, // existing file, read only (others may read)
    fmCreate,   // new file or truncate an existing one, read and write
};

// A stream on a C file: the shared part of the file streams below. Name is the file the user
// named, for messages.
class TStdioStream : public TStream {
  public:
    ~TStdioStream() override;
    TStdioStream(const TStdioStream&) = delete;
    TStdioStream& operator=(const TStdioStream&) = delete;

    size_t Read(void* Buffer, size_t Count) override;
    void Write(const void* Buffer, size_t Count) override;
    void Seek(uint64_t Position) override;
    uint64_t Position() const override;
    uint64_t Size() const override;
    void Truncate(uint64_t Position) override;

    const std::string& FileName() const { return Name_; }

  protected:
    explicit TStdioStream(const std::string& Name) : Name_(Name) {}

    std::FILE* File_ = nullptr;
    std::string Name_;
};

class TFileStream : public TStdioStream {
  public:
    // Throws EReportError "Cannot open file \"NAME\"." / "Cannot create file \"NAME\"." on failure.
    // A file opened for reading must be a regular file of at most MaxPageStreamBytes.
    TFileStream(const std::string& FileName, TFileMode Mode);

    // Flushes to disk and closes; throws when data could not be written.
    void Close();
};

// Writes a file whole or not at all: the bytes are collected in memory and handed to the program's
// one safe file writer on Commit, so the file appears complete, with the usual permissions, or not
// at all. Destroying an uncommitted stream leaves the target as it was.
class TSafeFileStream : public TMemoryStream {
  public:
    // Fails at once ("Cannot create file ...") when the file's folder cannot take it.
    explicit TSafeFileStream(const std::string& FileName);

    void Commit();  // writes the file; throws on failure (target untouched)
    void Discard(); // forgets the bytes

    const std::string& FileName() const { return Name_; }

  private:
    std::string Name_;
};

// Throws "Cannot create file \"NAME\". REASON" unless FileName's folder exists and may be written
// to, so an output fails before the work of producing it.
void RequireWritableFolder(const std::string& FileName);

// Writes Bytes to FileName whole or not at all.
void SaveBytesToFile(const std::string& FileName, const std::vector<uint8_t>& Bytes);
