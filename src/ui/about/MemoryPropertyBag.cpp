#include "ui/about/MemoryPropertyBag.h"

namespace numberlark {

std::optional<QVariant> MemoryPropertyBag::readProperty(const QString& name,
                                                        const QVariant& defaultValue) const
{
    return m_values.value(name, defaultValue);
}

void MemoryPropertyBag::writeProperty(const QString& name, const QVariant& value,
                                      const QVariant& defaultValue)
{
    if (value == defaultValue) {
        m_values.remove(name);
    } else {
        m_values.insert(name, value);
    }
}

} // namespace numberlark
