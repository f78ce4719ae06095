#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace plat {

// One argument of a translated format text.
class FormatArg {
public:
    enum class Kind { Int, Double, Text };
    FormatArg(int v) : kind_(Kind::Int), int_(v) {}
    FormatArg(long v) : kind_(Kind::Int), int_(v) {}
    FormatArg(long long v) : kind_(Kind::Int), int_(v) {}
    FormatArg(unsigned v) : kind_(Kind::Int), int_(v) {}
    FormatArg(double v) : kind_(Kind::Double), double_(v) {}
    FormatArg(const char* v) : kind_(Kind::Text), text_(v ? v : "") {}
    FormatArg(std::string_view v) : kind_(Kind::Text), text_(v) {}
    FormatArg(const std::string& v) : kind_(Kind::Text), text_(v) {}
    Kind kind() const { return kind_; }
    std::int64_t asInt() const { return int_; }
    double asDouble() const { return double_; }
    std::string_view asText() const { return text_; }

private:
    Kind kind_;
    std::int64_t int_ = 0;
    double double_ = 0;
    std::string_view text_;
};

// printf-style formatting of a resource text (%d %i %u %x %X %c %s %f %e %g
// %%, flags, width, precision, h/l/ll/I64 size prefixes) that cannot crash:
// a specifier whose argument has another kind is converted (a number for %s
// prints as a number, a text for %d prints 0), a specifier without an
// argument prints nothing, and unknown specifiers are copied as they stand.
// Real numbers use the current locale's decimal separator.
std::string FormatChecked(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace plat
