#pragma once

// Runs an importer over a file written by the test, without questions.

#include <string>
#include <vector>

#include "import/importer.h"
#include "testing/temp_directory.h"

namespace importtest {

struct RunResult {
    int result = -1;
    std::vector<ImportError> errors;
};

// Columns map one to one onto the importer's fields.
inline RunResult RunOn(CImporter& importer, const testing::TempDirectory& dir,
                       const std::string& content, int fieldCount, bool names = false,
                       char separator = ';') {
    const std::string path = dir.Write("import.txt", content);
    importer.SetFileName(path);
    importer.SetSeparator(separator);
    importer.SetFirstLineNames(names);
    for (int k = 0; k < fieldCount; ++k) importer.SetColumn(k, k);
    RunResult run;
    run.result = importer.Run(false);
    run.errors = importer.LastErrors();
    return run;
}

}  // namespace importtest
