#pragma once

#include "outcome/Outcome.h"
#include "ui/classview/ClassOverview.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace numberlark {

// A text as a spreadsheet cell that is never run as a formula: one that
// starts with "=", "+", "-", "@", a tab or a carriage return gets a leading
// apostrophe, so the spreadsheet shows it as text. Anything else is kept.
QString spreadsheetSafe(const QString& text);

// Rows as a CSV file every spreadsheet opens: UTF-8 with a byte order mark
// (so a spreadsheet does not guess an 8-bit encoding), every field in double
// quotes with any quote inside doubled, CR LF after every row.
QByteArray csvDocument(const std::vector<QStringList>& rows);

// The class table: a heading row, then per child her name, tests, facts
// known and her grade on each fact from 1 × 1 to 12 × 12.
std::vector<QStringList> classTableRows(const ClassOverview& overview);

// Writes `bytes` to `path` whole or not at all. A failure's message is
// `cannotSave` with %1 the path and %2 the system's reason.
Outcome writeWholeFile(const QString& path, const QByteArray& bytes, const QString& cannotSave);

} // namespace numberlark
