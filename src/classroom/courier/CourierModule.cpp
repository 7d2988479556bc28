// The classroom module's entry point: the program loads it only when a
// school's server is set.
#include "classroom/courier/OutboxCourier.h"

extern "C" Q_DECL_EXPORT numberlark::classroom::ClassroomCourier* numberlark_classroom_courier()
{
    // Made on first use, on the window's thread, and never destroyed: a
    // delivery left behind at Quit may still hold what it shares with it.
    static auto* courier = new numberlark::classroom::OutboxCourier;
    return courier;
}
