#pragma once

#include "ui/about/PropertyBag.h"

#include <QVariantMap>

namespace numberlark {

// A stored description held in memory: how a window keeps the properties of
// the controls placed on it, and what tests inspect.
class MemoryPropertyBag final : public PropertyBag {
public:
    MemoryPropertyBag() = default;
    explicit MemoryPropertyBag(QVariantMap values) : m_values(std::move(values)) {}

    std::optional<QVariant> readProperty(const QString& name,
                                         const QVariant& defaultValue) const override;
    // A value equal to its default is left out, as a designer's file would.
    void writeProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue) override;

    const QVariantMap& values() const { return m_values; }

private:
    QVariantMap m_values;
};

} // namespace numberlark
