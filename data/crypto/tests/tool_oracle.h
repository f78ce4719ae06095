#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Runs a shell command with `input` on its standard input; its standard
// output, or nothing when it could not run or exited with a failure.
std::optional<Bytes> RunTool(const std::string& command, const Bytes& input);

Bytes FromHex(const std::string& hex);
std::string ToHex(const Bytes& bytes);
Bytes RandomBytes(std::size_t n, std::uint32_t seed);
