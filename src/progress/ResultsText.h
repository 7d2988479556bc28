#pragma once

#include <QByteArrayView>
#include <QString>

namespace numberlark::progress {

// The text of one line of a results file. The program writes UTF-8; a line
// that is not valid UTF-8 comes from an older spreadsheet or program and is
// read as Windows-1252 (a superset of Latin-1), so "Zoë" stays "Zoë" and no
// letter is ever replaced by a question mark. Judged line by line, since a
// file may have been appended to by both.
QString decodeResultsText(QByteArrayView bytes);

} // namespace numberlark::progress
