#pragma once

#include <QByteArrayView>
#include <QString>

namespace numberlark::progress {

// A short fingerprint of one results line as its bytes stand in the file,
// line end excluded. A test recorded at Quit carries the key of the line
// written for it, so importing the results file later adds it only once.
QString resultsLineKey(QByteArrayView line);

} // namespace numberlark::progress
