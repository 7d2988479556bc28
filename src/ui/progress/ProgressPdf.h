#pragma once

#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace numberlark {

// A PDF written through QSaveFile: the pages go to a temporary file that
// replaces the target only once everything was written, so a failure never
// leaves a broken file. `what` names the document in messages ("report").
class ProgressPdf {
public:
    ProgressPdf(const QString& path, const QString& what, const QString& title);

    // The reason, naming the file, when the file cannot be opened.
    QString open();
    QPdfWriter& writer() { return *m_writer; }
    // After painting has ended; the reason when the file could not be written.
    QString commit();

private:
    QString failure(const QString& sentence) const;

    QString m_path;
    QString m_what;
    QString m_title;
    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace numberlark
