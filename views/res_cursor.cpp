#include "res_cursor.h"

#include <QBitmap>
#include <QImage>
#include <cstring>

#include "plat/dynlib.h"
#include "plat/resource_strings.h"

QCursor CursorFromRecord(const ResCursor* record) {
    if (record == nullptr) return QCursor(Qt::ArrowCursor);
    // One-bit images: in the bitmap 1 is black, in the mask 1 is drawn.
    QImage bits(kCursorSize, kCursorSize, QImage::Format_Mono);
    QImage mask(kCursorSize, kCursorSize, QImage::Format_Mono);
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < kCursorSize; ++y) {
        const char* row = record->rows[y];
        const std::size_t length = row != nullptr ? std::strlen(row) : 0;
        for (int x = 0; x < kCursorSize && static_cast<std::size_t>(x) < length; ++x) {
            if (row[x] == 'X') bits.setPixel(x, y, 1);
            if (row[x] == 'X' || row[x] == '.') mask.setPixel(x, y, 1);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), record->hotX, record->hotY);
}

QCursor LoadResCursor(unsigned id) {
    void* module = plat::GetResourceModule();
    auto get = module != nullptr
                   ? reinterpret_cast<QELResGetCursorFn>(plat::GetSymbol(module, QELRES_GETCURSOR_SYMBOL))
                   : nullptr;
    return CursorFromRecord(get != nullptr ? get(id) : nullptr);
}
