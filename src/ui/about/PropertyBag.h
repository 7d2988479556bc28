#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace numberlark {

// The stored description of a control inside the window that contains it:
// named values, each with a default that stands for "nothing stored".
class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The value stored under name, defaultValue when nothing is stored, or
    // nothing at all when the description cannot be read.
    virtual std::optional<QVariant> readProperty(const QString& name,
                                                 const QVariant& defaultValue) const = 0;

    // Stores value under name. A value equal to defaultValue need not be stored.
    virtual void writeProperty(const QString& name, const QVariant& value,
                               const QVariant& defaultValue) = 0;
};

} // namespace numberlark
