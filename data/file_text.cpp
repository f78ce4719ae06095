#include "file_text.h"

#include <string>

#include "plat/utf8.h"

bool CopyFileText(char* field, std::size_t capacity, std::string_view bytes) {
    std::string converted;
    std::string_view text = bytes;
    if (!plat::IsValidUtf8(bytes)) {
        converted = plat::Cp1252ToUtf8(bytes);
        text = converted;
    }
    plat::CopyBounded(field, capacity, text);
    return capacity > 0 && text.size() > capacity - 1;
}
