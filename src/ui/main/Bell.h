#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

struct ca_context;

namespace numberlark {

// The desktop's standard beep: the sound theme's "bell" event, played through
// libcanberra on whatever sound server the desktop runs, under X11 and
// Wayland alike. Where canberra cannot play, the toolkit's beep instead.
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
    bool openContext();
    void soundNext();
    bool playThroughCanberra();
    void onFinished(std::uint32_t id, int error);
    static void finishedCallback(ca_context* context, std::uint32_t id, int error, void* userdata);

    ca_context* m_context = nullptr;
    bool m_canberraFailed = false;
    int m_waiting = 0;
    std::uint32_t m_lastId = 0;
    QTimer m_nextRing;
};

} // namespace numberlark
