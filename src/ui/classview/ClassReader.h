#pragma once

#include "classroom/ClassQueries.h"
#include "outcome/Outcome.h"
#include "ui/classview/ClassOverview.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace numberlark {

// Reads the class from the school's server on a thread of its own, one
// request after another, and reports each answer on the window's thread.
// Nothing here ever waits on the network: a slow or silent server only
// delays the answer. The thread (a WorkerThreads worker, never waited for
// here) owns its connection and outlives this object if it must; whatever it
// reads after that is dropped, and the end of main() fences it.
class ClassReader : public QObject {
    Q_OBJECT

public:
    explicit ClassReader(QString server, QObject* parent = nullptr);
    ~ClassReader() override;
    ClassReader(const ClassReader&) = delete;
    ClassReader& operator=(const ClassReader&) = delete;

    void checkAccess();
    // Which facts each child knows follows this computer's fluency limit.
    void readOverview(practice::FluencyLimit limit);
    void readChild(const QString& child);

signals:
    // `canRead` is false for a login that may only deliver (a computer's),
    // and for a server that could not be asked (`failure` says why).
    void accessChecked(const numberlark::classroom::ClassAccess& access,
                       const numberlark::Outcome& failure);
    void overviewRead(const numberlark::ClassOverview& overview,
                      const numberlark::Outcome& failure);
    void childRead(const QString& child, const std::vector<numberlark::progress::TestRecord>& tests,
                   const std::vector<numberlark::progress::PracticeSessionRecord>& practice,
                   const numberlark::Outcome& failure);

private:
    struct Worker;
    std::shared_ptr<Worker> m_worker;
    bool m_noThread = false;
};

} // namespace numberlark
