#pragma once

#include <QString>

#include <utility>

namespace numberlark {

// The outcome of one page canvas operation: success, or a failure carrying
// the platform's description of what went wrong.
class CanvasResult {
public:
    static CanvasResult success() { return CanvasResult(); }
    static CanvasResult failure(QString description)
    {
        CanvasResult result;
        result.m_failed = true;
        result.m_description = std::move(description);
        return result;
    }

    bool failed() const { return m_failed; }
    const QString& description() const { return m_description; }

private:
    CanvasResult() = default;

    bool m_failed = false;
    QString m_description;
};

} // namespace numberlark
