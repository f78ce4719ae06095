#include "plat/collate.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "utf8_decode.h"

namespace plat {
namespace {

std::wstring FoldedWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        pos += DecodeLenient(text, pos, cp);
        // wcscoll stops at a NUL; names carry none, so it is dropped.
        if (cp == 0) continue;
        out += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(cp)));
    }
    return out;
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    const int result = std::wcscoll(FoldedWide(a).c_str(), FoldedWide(b).c_str());
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace plat
