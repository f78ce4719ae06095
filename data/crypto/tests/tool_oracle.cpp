#include "tool_oracle.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <unistd.h>

#include <sys/wait.h>

std::optional<Bytes> RunTool(const std::string& command, const Bytes& input) {
    char path[] = "/tmp/qel_crypto_oracle_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return std::nullopt;
    const bool written = input.empty() || write(fd, input.data(), input.size()) == ssize_t(input.size());
    close(fd);
    std::optional<Bytes> result;
    if (written) {
        const std::string line = command + " < " + path + " 2>/dev/null";
        if (FILE* pipe = popen(line.c_str(), "r")) {
            Bytes out;
            std::uint8_t chunk[4096];
            for (std::size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
                out.insert(out.end(), chunk, chunk + got);
            const int status = pclose(pipe);
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                result = std::move(out);
        }
    }
    unlink(path);
    return result;
}

Bytes FromHex(const std::string& hex) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(std::uint8_t(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string ToHex(const Bytes& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

Bytes RandomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes out(n);
    for (auto& b : out)
        b = std::uint8_t(random());
    return out;
}
