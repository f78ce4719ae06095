#pragma once

#include <string>
#include <string_view>

namespace testing {

// A fresh directory, removed with everything in it at destruction. (Not
// TempDir: GoogleTest has a function of that name in this namespace.)
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The directory, without a trailing '/'.
    const std::string& path() const { return path_; }
    // path() + "/" + name.
    std::string File(std::string_view name) const;
    // Writes a file below the directory and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;

private:
    std::string path_;
};

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

}  // namespace testing
