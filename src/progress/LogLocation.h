#pragma once

#include <QString>

namespace numberlark::progress {

// AppDataLocation/progress.sqlite; empty when the user has no data folder.
// Apart from the log itself, so the program can name the log without
// loading the database driver.
QString defaultLogPath();

} // namespace numberlark::progress
