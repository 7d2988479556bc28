#pragma once

#include <QHash>
#include <QString>

namespace numberlark {

// Text values addressed by key within the program's "Settings" section.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue unchanged when the key is absent.
    virtual QString read(const QString& key, const QString& defaultValue) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
};

// The platform's per-user store: organisation and application "Numberlark",
// group "Settings" (an INI file under the user's config folder on Linux).
class QSettingsStore final : public SettingsStore {
public:
    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
};

// Keeps everything in memory; for tests.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    const QHash<QString, QString>& values() const { return m_values; }

private:
    QHash<QString, QString> m_values;
};

} // namespace numberlark
