#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace numberlark {

struct AppendOutcome {
    bool ok = false;
    std::string path;   // the file's full path, for the message on failure
    std::string reason; // the system's description of the failure
};

// Appends one complete line to the file, creating it when missing. A file
// whose last line lacks its line end gets CR LF first, so the new line stands
// on its own. All bytes go out in one write; if the write fails or is short,
// the file is cut back to its old length, so no half line is ever left.
AppendOutcome append_results_line(const std::filesystem::path& file, std::string_view line);

} // namespace numberlark
