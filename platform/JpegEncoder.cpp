#include "platform/JpegEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace platform {

namespace {

// libjpeg's default error handler prints and calls exit(). Ours jumps back into EncodeRaw with
// the message, which then destroys the compressor and reports the error.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

extern "C" void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings are not errors here and must not reach stderr.
extern "C" void OutputMessage(j_common_ptr) {}

// Only trivially destructible objects live in this frame, so a longjmp out of libjpeg skips no
// destructor. Returns false with Message filled on error; *Out may then still hold a buffer.
bool EncodeRaw(const RgbBitmap& bitmap, int quality, unsigned char** out, unsigned long* size,
               char* message) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.output_message = OutputMessage;
    if (setjmp(errors.Jump)) {
        std::memcpy(message, errors.Message, JMSG_LENGTH_MAX);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(bitmap.Width());
    info.image_height = static_cast<JDIMENSION>(bitmap.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE); // TRUE: 8-bit quantisation tables, as baseline requires
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPROW>(bitmap.Row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

JpegEncoder::JpegEncoder(int quality) {
    SetQuality(quality);
}

void JpegEncoder::SetQuality(int quality) {
    Q = std::clamp(quality, 1, 100);
}

std::vector<std::uint8_t> JpegEncoder::Encode(const RgbBitmap& bitmap) const {
    if (bitmap.Empty()) throw JpegError("an empty bitmap cannot be JPEG-encoded");
    if (bitmap.Width() > JPEG_MAX_DIMENSION || bitmap.Height() > JPEG_MAX_DIMENSION)
        throw JpegError("bitmap is too large for JPEG");
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = EncodeRaw(bitmap, Q, &buffer, &size, message);
    std::vector<std::uint8_t> result;
    if (ok) result.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok) throw JpegError(std::string("JPEG encoding failed: ") + message);
    return result;
}

} // namespace platform
