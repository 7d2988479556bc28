#pragma once

#include "platform/sound/ThemeBell.h"

struct ca_context;

namespace numberlark {

// The theme's "bell" event played through libcanberra, on whatever sound
// server the desktop runs, under X11 and Wayland alike.
class CanberraBell : public ThemeBell {
public:
    // Connects to the sound server; null when it cannot.
    static CanberraBell* open(const char* applicationName, Finished finished, void* userdata);
    ~CanberraBell() override;
    CanberraBell(const CanberraBell&) = delete;
    CanberraBell& operator=(const CanberraBell&) = delete;

    bool play(std::uint32_t id) override;

private:
    CanberraBell(ca_context* context, Finished finished, void* userdata);
    static void onFinished(ca_context* context, std::uint32_t id, int error, void* self);

    ca_context* m_context;
    Finished m_finished;
    void* m_userdata;
};

} // namespace numberlark
