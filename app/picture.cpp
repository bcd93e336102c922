#include "app/picture.h"

#include <csetjmp>
#include <cstdio>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace tw::app {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings mean damaged data (a premature end, a corrupt marker): the picture is refused
// rather than shown half grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

void Silence(j_common_ptr) {}

// Everything that must outlive a longjmp lives here, with no destructors in between.
bool Decode(jpeg_decompress_struct& cinfo, ErrorManager& errors, const uint8_t* data, size_t size,
            PictureTarget target, void* context) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo.out_color_space = JCS_RGB;
  const long area = static_cast<long>(cinfo.image_width) * static_cast<long>(cinfo.image_height);
  if (cinfo.image_width == 0 || cinfo.image_height == 0 || area > kMaxPicturePixels) {
    return false;
  }
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) return false;
  PictureSize out;
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.stride = (static_cast<size_t>(out.width) * 3 + 3) & ~size_t{3};
  uint8_t* const pixels = target(out, context);
  if (!pixels) return false;
  while (cinfo.output_scanline < cinfo.output_height) {
    uint8_t* row = pixels + out.stride * (out.height - 1 - cinfo.output_scanline);
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&cinfo, rows, 1);
    for (size_t x = 0; x < static_cast<size_t>(out.width); ++x) {  // RGB to the DIB's BGR
      uint8_t* p = row + 3 * x;
      const uint8_t r = p[0];
      p[0] = p[2];
      p[2] = r;
    }
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

bool DecodeJpegInto(std::span<const uint8_t> jpeg, PictureTarget target, void* context) {
  if (jpeg.empty()) return false;
  jpeg_decompress_struct cinfo{};
  ErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.base.output_message = Silence;
  const bool ok = Decode(cinfo, errors, jpeg.data(), jpeg.size(), target, context);
  jpeg_destroy_decompress(&cinfo);
  return ok;
}

std::optional<Pixels> DecodeJpeg(std::span<const uint8_t> jpeg) {
  Pixels pixels;
  const PictureTarget intoVector = [](const PictureSize& size, void* context) -> uint8_t* {
    auto& out = *static_cast<Pixels*>(context);
    out.width = size.width;
    out.height = size.height;
    out.stride = size.stride;
    out.bgr.resize(size.stride * static_cast<size_t>(size.height));
    return out.bgr.data();
  };
  if (!DecodeJpegInto(jpeg, intoVector, &pixels)) return std::nullopt;
  return pixels;
}

}  // namespace tw::app
