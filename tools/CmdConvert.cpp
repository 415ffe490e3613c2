// velmora-cli convert: replays a page-stream snapshot file into a PDF file.
#include "CliCommand.h"

#include <iostream>

#include "game/GamePdfRenderer.h"
#include "pdf/FlateCompressor.h"
#include "pdf/PdfFileExport.h"
#include "pdf/TRenderPDF.h"
#include "platform/SafeFile.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {

int RunConvert(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool compress = false;
    for (const std::string& arg : args) {
        if (arg == "--compress")
            compress = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return cli::UsageError("unknown option '" + arg + "'");
        else
            files.push_back(arg);
    }
    if (files.size() != 2) return cli::UsageError("convert needs IN.ndr and OUT.pdf");

    std::vector<uint8_t> bytes;
    if (const platform::FileResult read = platform::SafeFile::ReadAll(files[0], bytes, MaxPageStreamBytes);
        !read) {
        std::cerr << "velmora-cli: " << read.Error << "\n";
        return cli::ExitBadInput;
    }
    TMemoryStream input(std::move(bytes));
    pdf::TRenderPDF render;
    pdf::ConfigureGamePdfRenderer(render);
    if (compress) render.OnCompress = pdf::FlateCompress;
    pdf::UseSourceDateEpoch(render);
    try {
        pdf::ExportPdf(render, input, files[1]);
    } catch (const std::exception& failure) {
        std::cerr << "velmora-cli: " << files[0] << ": " << failure.what() << "\n";
        return cli::ExitBadInput;
    }
    return cli::ExitOk;
}

const cli::CliRegistration reg{{
    "convert",
    "velmora-cli convert IN.ndr OUT.pdf [--compress]",
    "convert: replays every page of the page-stream snapshot IN.ndr into the PDF file OUT.pdf, as the\n"
    "game's PDF output writes it (fonts not embedded, images JPEG at quality 90). --compress deflates\n"
    "the page contents (/FlateDecode). OUT.pdf is written whole or not at all; a damaged snapshot or an\n"
    "unwritable OUT.pdf is reported on stderr with exit status 1. With SOURCE_DATE_EPOCH set, that\n"
    "moment is written as the creation date.\n",
    &RunConvert,
    60,
}};

} // namespace
