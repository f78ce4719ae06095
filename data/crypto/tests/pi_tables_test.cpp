#include "data/crypto/tables.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::uint64_t PowMod16(std::uint64_t exponent, std::uint64_t modulus) {
    std::uint64_t result = 1 % modulus, base = 16 % modulus;
    for (; exponent; exponent >>= 1, base = base * base % modulus)
        if (exponent & 1)
            result = result * base % modulus;
    return result;
}

// Fractional part of sum over k of 16^(d-k) / (8k + j).
double BbpSeries(int j, std::uint64_t d) {
    double sum = 0;
    for (std::uint64_t k = 0; k <= d; ++k) {
        const std::uint64_t m = 8 * k + j;
        sum += double(PowMod16(d - k, m)) / double(m);
        sum -= std::floor(sum);
    }
    for (std::uint64_t k = d + 1; k <= d + 16; ++k)
        sum += std::pow(16.0, double(d) - double(k)) / double(8 * k + j);
    return sum - std::floor(sum);
}

// Eight hexadecimal digits of pi from digit `d` after the point, by the
// Bailey-Borwein-Plouffe digit-extraction formula (independent of the
// integer arithmetic that wrote the tables).
std::uint32_t PiWordAt(std::uint64_t d) {
    double x = 4 * BbpSeries(1, d) - 2 * BbpSeries(4, d) - BbpSeries(5, d) - BbpSeries(6, d);
    x -= std::floor(x);
    return std::uint32_t(x * 4294967296.0);
}

TEST(PiTables, SampledWordsAreTheHexDigitsOfPi) {
    std::vector<std::uint32_t> words(qel_crypto_tables::kPiP, qel_crypto_tables::kPiP + 18);
    for (const auto& box : qel_crypto_tables::kPiS)
        words.insert(words.end(), box, box + 256);
    ASSERT_EQ(words.size(), 1042u);

    // The ends of the P-array and of every S-box, and a spread in between.
    std::vector<std::size_t> sample = {0, 17, 18, 273, 274, 529, 530, 785, 786, 1041};
    for (std::size_t i = 5; i < words.size(); i += 41)
        sample.push_back(i);
    for (std::size_t i : sample)
        EXPECT_EQ(words[i], PiWordAt(8 * i)) << "word " << i;
}

}  // namespace
