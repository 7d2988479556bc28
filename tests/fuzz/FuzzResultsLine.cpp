// Any name and date text: the results line always splits back into exactly
// eight fields, ends with CR LF and holds no other line break.
#include "output/ResultsLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::size_t countFields(const std::string& body)
{
    std::size_t fields = 1;
    bool quoted = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"') {
            if (quoted && i + 1 < body.size() && body[i + 1] == '"') {
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (body[i] == ',' && !quoted) {
            ++fields;
        }
    }
    return quoted ? 0 : fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    numberlark::ResultsEntry entry;
    entry.name = input.substr(0, split);
    entry.dateLine = split == std::string::npos ? "Date" : input.substr(split + 1);
    entry.mixed = size % 2 == 0;
    entry.table = static_cast<std::int16_t>(size);
    const std::string line = numberlark::results_line(entry);
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) {
        std::abort();
    }
    const std::string body = line.substr(0, line.size() - 2);
    if (body.find_first_of("\r\n") != std::string::npos || countFields(body) != 8) {
        std::abort();
    }
    return 0;
}
