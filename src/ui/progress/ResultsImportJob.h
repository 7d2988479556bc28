#pragma once

#include "progress/ResultsImport.h"
#include "workers/WorkerThreads.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <optional>

namespace numberlark {

// Imports a results file on a thread of its own, through a connection to the
// log of its own, so the window stays responsive however large the file.
// Reports its progress in thousandths of the file and its outcome once, on
// the thread that made it. The job owns its WorkerThreads worker: destroying
// the job stops the import and waits for the batch under way.
class ResultsImportJob : public QObject {
    Q_OBJECT

public:
    ResultsImportJob(QString logPath, QString filePath, QObject* parent = nullptr);
    ~ResultsImportJob() override;

    void start();
    // Stops after the batch under way; what was stored stays.
    void cancel() { m_cancelled = true; }

signals:
    void progressed(int permille);
    void finished(const numberlark::progress::ImportOutcome& outcome);

private:
    void run();

    QString m_logPath;
    QString m_filePath;
    std::atomic<bool> m_cancelled{false};
    progress::ImportOutcome m_outcome; // written by the thread, read after it ends
    std::optional<WorkerThreads::Worker> m_worker;
};

} // namespace numberlark
