#pragma once

// The errors that stop an import, as the error list shows them.

#include <cstddef>
#include <string>
#include <vector>

// The import's list windows show at most this many rows (the preview's
// lines, the errors): nobody reads further, and a file read with the wrong
// separator gives an error or more for every line.
inline constexpr std::size_t kMaxImportListRows = 10000;

struct ImportError {
    int line = 0;           // 0-based line of the file, the names line counted
    std::string field;      // the target field's name ("" for a whole record)
    std::string value;
    std::string message;
};

// Every error found is counted, and the first ones by line are kept: of one
// line in the order found.
class ImportErrorList {
public:
    explicit ImportErrorList(std::size_t keep = kMaxImportListRows) : keep_(keep) {}

    void Add(ImportError error);
    std::size_t Total() const { return total_; }
    bool Empty() const { return total_ == 0; }
    // The kept errors in order, taken out of the list (Total stays).
    std::vector<ImportError> TakeListed();

private:
    // Orders the kept errors and drops those beyond the first keep_.
    void Cut();

    std::size_t keep_;
    std::size_t total_ = 0;
    std::vector<ImportError> kept_;
};
