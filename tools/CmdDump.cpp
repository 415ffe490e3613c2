// velmora-cli dump: the header fields of a page-stream file, then every command in playback order.
#include "CliCommand.h"

#include <iostream>
#include <sstream>

#include "platform/SafeFile.h"
#include "report/PageStreamListing.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {

int RunDump(const std::vector<std::string>& args) {
    if (args.size() != 1) return cli::UsageError("dump needs exactly one FILE");
    std::vector<uint8_t> Bytes;
    if (const platform::FileResult Read = platform::SafeFile::ReadAll(args[0], Bytes, MaxPageStreamBytes);
        !Read) {
        std::cerr << "velmora-cli: " << Read.Error << "\n";
        return cli::ExitBadInput;
    }
    // Collected first, so a damaged file prints its message with what was read before it.
    std::ostringstream Out;
    int Status = cli::ExitOk;
    try {
        ListPageStream(Out, Bytes.data(), Bytes.size());
    } catch (const EReportError& Error) {
        std::cout << Out.str();
        std::cerr << "velmora-cli: " << args[0] << ": " << Error.what() << "\n";
        return cli::ExitBadInput;
    }
    std::cout << Out.str();
    return std::cout.flush() ? Status : cli::ExitBadInput;
}

const cli::CliRegistration reg{{
    "dump",
    "velmora-cli dump FILE",
    "dump: prints the header of the page-stream file FILE, one field a line (header, title, pages,\n"
    "first-page, last-page, page-size, device-margins, orientation, paper-bin, collate, duplex, copies,\n"
    "paper-size, paper-width, paper-length, device), then one line per command in playback order:\n"
    "@OFFSET CODE NAME OPERANDS..., page starts (80 PageStart previous= next= page= size=WxH) and ends\n"
    "(82 PageEnd) included. Positions are inches; texts are quoted with \\xNN for other bytes; pictures\n"
    "show as graphic(type=T[,ref=POS],size=N). A damaged file prints the reader's message on stderr\n"
    "and exits with status 1.\n",
    &RunDump,
    60,
}};

} // namespace
