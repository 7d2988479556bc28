#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace numberlark {

struct AppendOutcome {
    bool ok = false;
    std::string path;   // the file's full path, for the message on failure
    std::string reason; // the system's description of the failure
};

// Appends one complete line to the file, creating it when missing. Other
// writers may share the file: an exclusive flock() is held over the line-end
// check, the write and any cut-back. A file whose last line lacks its line
// end gets CR LF first (LF after a lone CR), so the new line stands on its
// own. If the write fails part-way, the bytes written by this call, and only
// those, are removed, so no half line is left. A path that is not a regular
// file (a FIFO, socket or device) is refused at once with the reason
// "Not a regular file"; nothing ever blocks on it. A lock held longer than
// lockPatience fails with a reason the user can act on (retry later).
AppendOutcome append_results_line(const std::filesystem::path& file, std::string_view line,
                                  std::chrono::milliseconds lockPatience = std::chrono::seconds(5));

} // namespace numberlark
