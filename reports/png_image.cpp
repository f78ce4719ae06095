#include "reports/png_image.h"

#include <png.h>

#include <new>

#include "plat/files.h"

namespace {

struct EncodeState {
    const PngSink* sink;
    std::string message;
};

void PngWriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<EncodeState*>(png_get_io_ptr(png));
    if (!(*state->sink)(data, length)) png_error(png, "Read Error");
}

// The bytes go to memory; the file writer syncs them to disk and reports
// its own failures. (Without this function libpng would fflush the I/O
// pointer as a FILE.)
void PngFlushData(png_structp) {}

// Keeps libpng's message for the caller instead of printing it.
void PngErrorHandler(png_structp png, png_const_charp message) {
    static_cast<EncodeState*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

// libpng leaves this function by longjmp on an error, so it holds no object
// with a destructor.
bool WriteRows(png_structp png, png_infop info, EncodeState* state, const QImage* rgb) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    png_set_write_fn(png, state, PngWriteData, PngFlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb->width()), static_cast<png_uint_32>(rgb->height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < rgb->height(); ++y) png_write_row(png, rgb->constScanLine(y));
    png_write_end(png, info);
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

QImage CreateDib24(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    constexpr int kDotsPerMeter96Dpi = 3780;
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image.fill(Qt::black);
    return image;
}

bool EncodePng(const QImage& image, const PngSink& sink, std::string* error) {
    const auto fail = [&](std::string message) {
        if (error != nullptr) *error = std::move(message);
        return false;
    };
    if (image.isNull()) return fail("The image is empty.");
    // Top-down rows of red, green and blue, each padded to 4 bytes.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) return fail("The image could not be converted.");

    EncodeState state{&sink, {}};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, PngErrorHandler, nullptr);
    if (png == nullptr) return fail("libpng could not start.");
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return fail("libpng could not start.");
    }
    const bool written = WriteRows(png, info, &state, &rgb);
    png_destroy_write_struct(&png, &info);
    return written || fail(state.message);
}

bool SavePng(const std::string& path, const QImage& image, std::string* error) {
    const std::string directory = DirectoryOf(path);
    if (plat::GetPathKind(directory) != plat::PathKind::Directory) {
        if (error != nullptr) *error = "The folder " + directory + " does not exist.";
        return false;
    }
    std::string bytes;
    // No exception may pass through libpng's C frames.
    const PngSink sink = [&bytes](const unsigned char* data, std::size_t length) {
        try {
            bytes.append(reinterpret_cast<const char*>(data), length);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    };
    return EncodePng(image, sink, error) && plat::WriteFileAtomic(path, bytes, error);
}
