#include "ui/classview/ClassReader.h"

#include "classroom/ServerConnection.h"
#include "workers/WorkerThreads.h"

#include <QMetaObject>
#include <QSqlDatabase>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <system_error>

namespace numberlark {

using classroom::ClassroomProblem;
using classroom::ClassroomStatus;
using classroom::ServerConnection;

struct ClassReader::Worker {
    using Job = std::function<void(ServerConnection&)>;

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> jobs;
    ClassReader* owner = nullptr; // null once the reader is gone

    void run(const QString& server);
    void add(Job job);
    // Runs `report` on the reader's thread, unless the reader is gone.
    void post(std::function<void(ClassReader&)> report);
};

namespace {

// One query with the connection opened first; a connection found lost
// (server restarted, backend ended) is opened once more and the query sent
// again, since Qt's driver never reconnects by itself.
ClassroomStatus query(ServerConnection& connection,
                      const std::function<QSqlError(const QSqlDatabase&)>& read)
{
    for (int attempt = 0;; ++attempt) {
        ClassroomStatus opened = connection.open();
        if (!opened.ok()) {
            connection.close();
            return opened;
        }
        const QSqlError error = read(connection.database());
        if (!error.isValid()) {
            return {};
        }
        const bool lost = classroom::isConnectionLost(error);
        if (lost) {
            connection.close();
        }
        if (!lost || attempt > 0) {
            return {classroom::classifyStatementError(error), error.databaseText().trimmed()};
        }
    }
}

} // namespace

void ClassReader::Worker::run(const QString& server)
{
    ServerConnection connection(server);
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return owner == nullptr || !jobs.empty(); });
            if (owner == nullptr) {
                return;
            }
            job = std::move(jobs.front());
            jobs.pop_front();
        }
        job(connection);
    }
}

void ClassReader::Worker::add(Job job)
{
    const std::lock_guard lock(mutex);
    jobs.push_back(std::move(job));
    wake.notify_one();
}

void ClassReader::Worker::post(std::function<void(ClassReader&)> report)
{
    const std::lock_guard lock(mutex);
    if (owner != nullptr) {
        // Posted events die with their receiver, so a report still queued
        // when the reader goes is never run.
        QMetaObject::invokeMethod(
            owner, [reader = owner, report = std::move(report)] { report(*reader); },
            Qt::QueuedConnection);
    }
}

ClassReader::ClassReader(QString server, QObject* parent)
    : QObject(parent), m_worker(std::make_shared<Worker>())
{
    m_worker->owner = this;
    try {
        WorkerThreads::start(
            [worker = m_worker, server = std::move(server)] { worker->run(server); });
    } catch (const std::system_error&) {
        // No thread, no server: the window hears so at its first request.
        m_noThread = true;
    }
}

ClassReader::~ClassReader()
{
    const std::lock_guard lock(m_worker->mutex);
    m_worker->owner = nullptr;
    m_worker->jobs.clear();
    m_worker->wake.notify_one();
}

void ClassReader::checkAccess()
{
    if (m_noThread) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                emit accessChecked({},
                                   ClassroomStatus{ClassroomProblem::ServerUnreachable, {}}.told());
            },
            Qt::QueuedConnection);
        return;
    }
    m_worker->add([worker = m_worker.get()](ServerConnection& connection) {
        classroom::ClassAccess access;
        const ClassroomStatus status = query(connection, [&access](const QSqlDatabase& server) {
            return classroom::readClassAccess(server, access);
        });
        if (!status.ok()) {
            access = {};
        }
        worker->post([access, failure = status.told()](ClassReader& reader) {
            emit reader.accessChecked(access, failure);
        });
    });
}

void ClassReader::readOverview(practice::FluencyLimit limit)
{
    m_worker->add([worker = m_worker.get(), limit](ServerConnection& connection) {
        ClassOverview overview;
        const ClassroomStatus status =
            query(connection, [&overview, limit](const QSqlDatabase& db) {
                overview = {};
                return classroom::readClassCounts(db, kHardestFactsShown, limit, overview);
            });
        worker->post([overview = std::move(overview), failure = status.told()](
                         ClassReader& reader) { emit reader.overviewRead(overview, failure); });
    });
}

void ClassReader::readChild(const QString& child)
{
    m_worker->add([worker = m_worker.get(), child](ServerConnection& connection) {
        std::vector<classroom::DeliveredTest> delivered;
        std::vector<progress::PracticeSessionRecord> practised;
        const ClassroomStatus status = query(connection, [&](const QSqlDatabase& db) {
            delivered.clear();
            practised.clear();
            const QSqlError error = classroom::childTests(db, child, delivered);
            return error.isValid() ? error : classroom::childPractice(db, child, practised);
        });
        worker->post([child, tests = toTestRecords(delivered), practice = std::move(practised),
                      failure = status.told()](ClassReader& reader) {
            emit reader.childRead(child, tests, practice, failure);
        });
    });
}

} // namespace numberlark
