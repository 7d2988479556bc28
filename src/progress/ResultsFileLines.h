#pragma once

#include "outcome/Outcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace numberlark::progress {

// Reads a results file line by line in pieces, so a file of any size is read
// in bounded memory. Lines end with CR LF, LF or a lone CR (old Mac files).
// Only a regular file is read: a FIFO, a device or a folder is refused at
// once, without waiting on it or reading from it.
class ResultsFileLines {
public:
    // Longer lines are cut to this length and reported as too long; a
    // results line with the longest name a person types is far shorter.
    static constexpr qsizetype kLongestLine = qsizetype{256} * 1024;

    explicit ResultsFileLines(QString path);
    ~ResultsFileLines();
    ResultsFileLines(const ResultsFileLines&) = delete;
    ResultsFileLines& operator=(const ResultsFileLines&) = delete;

    // Failed, with the file's path and the system's reason, when the file
    // cannot be read.
    Outcome open();

    // The next line without its line end; false at the end of the file or
    // on a read error (then error() tells it).
    bool next(QByteArray& line);
    bool lastLineTooLong() const { return m_tooLong; }
    int lineNumber() const { return m_lineNumber; } // of the last line, from 1
    Outcome error() const { return m_error; }

    std::int64_t size() const { return m_size; }
    std::int64_t bytesRead() const { return m_consumed; }

private:
    bool fill();
    Outcome failure(const QString& reason) const;

    QString m_path;
    int m_fd = -1;
    std::int64_t m_size = 0;
    std::int64_t m_consumed = 0; // bytes handed out as lines, line ends included
    QByteArray m_buffer;
    qsizetype m_start = 0;       // where the unread part of the buffer begins
    bool m_skipLineFeed = false; // the last line ended in CR: a LF after it is its end too
    bool m_tooLong = false;
    int m_lineNumber = 0;
    Outcome m_error;
};

} // namespace numberlark::progress
