#include "ui/progress/ResultsImportJob.h"

#include "progress/ProgressLog.h"

#include <QMetaObject>

namespace numberlark {

ResultsImportJob::ResultsImportJob(QString logPath, QString filePath, QObject* parent)
    : QObject(parent), m_logPath(std::move(logPath)), m_filePath(std::move(filePath))
{
}

ResultsImportJob::~ResultsImportJob()
{
    if (m_worker) {
        m_cancelled = true;
        m_worker->join();
    }
}

void ResultsImportJob::start()
{
    m_worker = WorkerThreads::start([this] {
        run();
        // Dropped unread when the job has gone meanwhile.
        QMetaObject::invokeMethod(
            this, [this] { emit finished(m_outcome); }, Qt::QueuedConnection);
    });
}

void ResultsImportJob::run()
{
    progress::ProgressLog log(m_logPath);
    m_outcome = progress::importResultsFile(
        log, m_filePath, QLocale::system(), [this](std::int64_t done, std::int64_t total) {
            emit progressed(
                total > 0 ? static_cast<int>(std::min<std::int64_t>(1000, done * 1000 / total))
                          : 1000);
            return !m_cancelled;
        });
}

} // namespace numberlark
