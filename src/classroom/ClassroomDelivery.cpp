#include "classroom/ClassroomDelivery.h"

#include "classroom/ClassroomCourier.h"
#include "modules/ModuleLoader.h"
#include "progress/LogLocation.h"

#include <QFileInfo>

#include <algorithm>

namespace numberlark {

ClassroomDelivery::ClassroomDelivery()
    : m_modulePaths(modulePaths(QStringLiteral("libnumberlark_classroom_courier.so")))
{
}

classroom::ClassroomCourier* ClassroomDelivery::courier()
{
    if (!m_loadTried) {
        m_loadTried = true;
        const auto loaded = loadModule<classroom::ClassroomCourier>(m_modulePaths);
        m_courier = loaded.service;
        m_loadFailure = loaded.failure;
    }
    return m_courier;
}

QString ClassroomDelivery::logPath() const
{
    return m_logPath.isEmpty() ? progress::defaultLogPath() : m_logPath;
}

// Without a log nothing waits, and opening one would create it, which a
// computer with saving off must never do.
void ClassroomDelivery::startAfterShown()
{
    if (m_server && QFileInfo::exists(logPath()) && courier() != nullptr) {
        m_courier->deliverWhileRunning(logPath(), *m_server);
    }
}

void ClassroomDelivery::deliverBeforeQuit()
{
    if (!m_server || !QFileInfo::exists(logPath())) {
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    if (courier() == nullptr) {
        return;
    }
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    m_courier->deliverBeforeQuit(logPath(), *m_server,
                                 std::max(kQuitLimit - spent, std::chrono::milliseconds{0}));
}

bool ClassroomDelivery::deliveryRunning() const
{
    return m_courier != nullptr && m_courier->deliveryRunning();
}

std::optional<classroom::OutboxState> ClassroomDelivery::state() const
{
    if (!m_server) {
        return std::nullopt;
    }
    if (m_courier == nullptr) {
        // Before the first delivery nothing is known yet; a module that
        // could not be loaded is the reason nothing goes.
        return classroom::OutboxState{
            .waiting = 0, .failure = m_loadFailure, .delivering = false, .setAside = {}};
    }
    return m_courier->state();
}

} // namespace numberlark
