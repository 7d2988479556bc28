#pragma once

#include "workers/WorkerThreads.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>

namespace numberlark {

// Runs `work` on a thread of its own while the window goes on drawing and
// keeping time under a busy cursor, for at most `limit`. Clicks and keys
// wait meanwhile, so nothing that started this can start again inside it.
// Empty when the work did not end in time (or no thread could be started);
// it then goes on alone and its result is dropped, so it must own everything
// it uses.
template <typename Result>
std::optional<Result> waitOffThread(std::function<Result()> work, std::chrono::milliseconds limit)
{
    struct Shared {
        std::atomic<bool> done{false};
        std::optional<Result> result;
    };
    const auto shared = std::make_shared<Shared>();
    try {
        WorkerThreads::start([shared, work = std::move(work)] {
            shared->result = work();
            shared->done = true;
        });
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (shared->done || waited.hasExpired(limit.count())) {
            loop.quit();
        }
    });
    poll.start(std::chrono::milliseconds(10));
    if (!shared->done) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    QApplication::restoreOverrideCursor();
    if (!shared->done) {
        return std::nullopt;
    }
    return std::move(shared->result);
}

} // namespace numberlark
