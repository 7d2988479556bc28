#pragma once

#include "platform/sound/ThemeBell.h"

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
// ring() never blocks. Rings queue up and sound one after another: each starts
// once the previous one has ended and a short silence has passed (or, should a
// theme's bell be long or its end never be reported, after kLongestRing), so
// twelve rings in a row are heard as twelve bells, not one.
class Bell : public QObject {
    Q_OBJECT

public:
    explicit Bell(QObject* parent = nullptr);
    ~Bell() override;

    void ring();

private:
    bool openSound();
    void soundNext();
    bool playThroughTheme();
    void onFinished(std::uint32_t id, bool failed);
    static void finishedCallback(std::uint32_t id, bool failed, void* userdata);

    std::unique_ptr<ThemeBell> m_sound;
    bool m_soundFailed = false;
    int m_waiting = 0;
    std::uint32_t m_lastId = 0;
    QTimer m_nextRing;
};

} // namespace numberlark
