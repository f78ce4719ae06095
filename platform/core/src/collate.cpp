#include "plat/collate.h"

#include <locale.h>

#include <cwchar>
#include <cwctype>
#include <string>

#include "utf8_decode.h"

namespace plat {
namespace {

// The "C" locale folds ASCII only; the Unicode tables fold the rest. The
// user's own locale folds first, so that its special cases (dotless i) hold.
wint_t Fold(char32_t cp) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    const wint_t folded = std::towlower(static_cast<wint_t>(cp));
    return unicode != static_cast<locale_t>(0) ? towlower_l(folded, unicode) : folded;
}

std::wstring FoldedWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        pos += DecodeLenient(text, pos, cp);
        // wcscoll stops at a NUL; names carry none, so it is dropped.
        if (cp == 0) continue;
        out += static_cast<wchar_t>(Fold(cp));
    }
    return out;
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    const int result = std::wcscoll(FoldedWide(a).c_str(), FoldedWide(b).c_str());
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

std::wstring NoCaseSortKey(std::string_view text) {
    const std::wstring folded = FoldedWide(text);
    std::wstring key(std::wcsxfrm(nullptr, folded.c_str(), 0), L'\0');
    std::wcsxfrm(key.data(), folded.c_str(), key.size() + 1);
    return key;
}

}  // namespace plat
