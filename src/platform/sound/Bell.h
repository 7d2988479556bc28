#pragma once

#include "platform/sound/BellThread.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace numberlark {

// The desktop's standard beep: the sound theme's "bell" event, played through
// libcanberra on whatever sound server the desktop runs, under X11 and
// Wayland alike (ThemeBell, from a module loaded at the first ring). Where
// canberra cannot play, the toolkit's beep instead.
//
// ring() never blocks, and nothing the bell does waits on the sound server:
// it is opened and played on a thread of its own (BellThread). Rings queue up and sound one after
// another: each starts once the previous one has ended and a short silence has passed (or, should a
// theme's bell be long or its end never be reported, after kLongestRing), so
// twelve rings in a row are heard as twelve bells, not one.
class Bell : public QObject {
    Q_OBJECT

public:
    explicit Bell(QObject* parent = nullptr);
    // The sound module is looked for at `soundModule` instead of the program's
    // own places.
    Bell(QStringList soundModule, QObject* parent);
    ~Bell() override;

    void ring();

private:
    bool startSound();
    void soundNext();
    void onReport(std::uint32_t id, BellThread::Ring ring);

    QStringList m_soundModule;
    std::unique_ptr<BellThread> m_sound;
    bool m_soundFailed = false;
    int m_waiting = 0;
    std::uint32_t m_lastId = 0;
    QTimer m_nextRing;
};

} // namespace numberlark
