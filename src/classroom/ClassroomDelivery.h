#pragma once

#include "classroom/OutboxState.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace numberlark {

namespace classroom {
class ClassroomCourier;
}

// The program's side of delivering tests to the school's server. Without a
// server set it does nothing at all: the classroom module, Qt SQL and the
// PostgreSQL driver are never loaded and no network is touched.
class ClassroomDelivery {
public:
    // What Quit gives the delivery, whatever the server does: the end of the
    // program then gives workers still running a last 250 ms, and the whole
    // Quit stays within 2 s.
    static constexpr std::chrono::milliseconds kQuitLimit{1750};

    ClassroomDelivery();

    // The [Classroom] server setting; none means no classroom.
    void setServer(std::optional<QString> server) { m_server = std::move(server); }
    // The progress log; empty means the per-user log.
    void setLogPath(QString path) { m_logPath = std::move(path); }
    // Where the classroom module is looked for; by default next to the
    // program, then in its private library folder.
    void setModulePaths(QStringList paths) { m_modulePaths = std::move(paths); }
    bool hasServer() const { return m_server.has_value(); }

    // Starts delivering what earlier runs left, once the window is shown.
    void startAfterShown();
    // Delivers whatever waits (the test just recorded, practice of this run,
    // anything older) within kQuitLimit; with nothing waiting, connects to nothing.
    void deliverBeforeQuit();
    // Whether a worker thread still waits on the server: the program must
    // then end without running its static destructors under that thread.
    bool deliveryRunning() const;
    // What waits and why; none without a server.
    std::optional<classroom::OutboxState> state() const;

private:
    classroom::ClassroomCourier* courier();
    QString logPath() const;

    std::optional<QString> m_server;
    QString m_logPath;
    QStringList m_modulePaths;
    classroom::ClassroomCourier* m_courier = nullptr;
    bool m_loadTried = false;
    Outcome m_loadFailure;
};

} // namespace numberlark
