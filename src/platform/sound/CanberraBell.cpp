#include "platform/sound/CanberraBell.h"

#include <QtGlobal>

#include <canberra.h>

namespace numberlark {

namespace {

bool isFailure(int error)
{
    return error != CA_SUCCESS && error != CA_ERROR_CANCELED && error != CA_ERROR_DESTROYED;
}

} // namespace

CanberraBell* CanberraBell::open(const char* applicationName, Finished finished, void* userdata)
{
    ca_context* context = nullptr;
    if (ca_context_create(&context) == CA_SUCCESS &&
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, applicationName, nullptr) ==
            CA_SUCCESS &&
        ca_context_open(context) == CA_SUCCESS) {
        return new CanberraBell(context, finished, userdata);
    }
    if (context != nullptr) {
        ca_context_destroy(context);
    }
    return nullptr;
}

CanberraBell::CanberraBell(ca_context* context, Finished finished, void* userdata)
    : m_context(context), m_finished(finished), m_userdata(userdata)
{
}

// Stops canberra's own thread; no finish callback runs after this.
CanberraBell::~CanberraBell()
{
    ca_context_destroy(m_context);
}

// Each ring has an id of its own, so a new bell never cancels one still sounding.
bool CanberraBell::play(std::uint32_t id)
{
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS) {
        return false;
    }
    ca_proplist_sets(properties, CA_PROP_EVENT_ID, "bell");
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, "Bell");
    const int result =
        ca_context_play_full(m_context, id, properties, &CanberraBell::onFinished, this);
    ca_proplist_destroy(properties);
    return result == CA_SUCCESS;
}

// Runs on canberra's thread.
void CanberraBell::onFinished(ca_context*, std::uint32_t id, int error, void* self)
{
    auto* bell = static_cast<CanberraBell*>(self);
    bell->m_finished(id, isFailure(error), bell->m_userdata);
}

} // namespace numberlark

namespace {

class CanberraSoundService : public numberlark::SoundService {
public:
    numberlark::ThemeBell* openBell(const char* applicationName,
                                    numberlark::ThemeBell::Finished finished,
                                    void* userdata) const override
    {
        return numberlark::CanberraBell::open(applicationName, finished, userdata);
    }
};

} // namespace

// The sound module's entry point: the program loads it at the first ring.
extern "C" Q_DECL_EXPORT numberlark::SoundService* numberlark_sound_service()
{
    static CanberraSoundService service;
    return &service;
}
