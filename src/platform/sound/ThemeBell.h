#pragma once

#include <cstdint>

namespace numberlark {

// The sound theme's bell on the desktop's sound server, as Bell plays it. The
// one behind it (CanberraBell) lives in a module loaded at the first ring, so
// the sound client and all it brings are not loaded at start-up.
class ThemeBell {
public:
    // Called on the sound client's own thread once ring `id` has ended;
    // `failed` when it could not be heard.
    using Finished = void (*)(std::uint32_t id, bool failed, void* userdata);

    virtual ~ThemeBell() = default;

    // Starts ring `id` without waiting for it; false when it could not start.
    virtual bool play(std::uint32_t id) = 0;
};

// What the sound module offers: the one object its entry point returns.
class SoundService {
public:
    static constexpr char kEntryPoint[] = "numberlark_sound_service";

    virtual ~SoundService() = default;
    // The bell on the desktop's sound server, or null when that cannot be
    // reached. `finished` is called with `userdata` at the end of every ring
    // that started.
    virtual ThemeBell* openBell(const char* applicationName, ThemeBell::Finished finished,
                                void* userdata) const = 0;
};

} // namespace numberlark
