#pragma once

#include "outcome/Outcome.h"

#include <QHash>
#include <QString>

namespace numberlark {

// Text values addressed by key within one section of the program's settings
// ("Settings" unless told otherwise). Writes are staged; commit() makes them
// permanent all at once.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored (or staged) text, or defaultValue unchanged when the key is absent.
    virtual QString read(const QString& key, const QString& defaultValue) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    // Whether the writes reached the store, with the settings file's full
    // path (where the store is a file) and the reason in words a user can act on.
    virtual Outcome commit() = 0;
};

// The platform's per-user store: organisation and application "Numberlark",
// group "Settings" (an INI file under the user's config folder on Linux), or
// the INI file at iniPath. A commit writes the file once and then checks that
// it really holds what was written.
class QSettingsStore final : public SettingsStore {
public:
    static inline const QString kSettingsGroup = QStringLiteral("Settings");
    // Practice keeps its choices apart from the options window's four keys.
    static inline const QString kPracticeGroup = QStringLiteral("Practice");

    QSettingsStore() = default;
    explicit QSettingsStore(const QString& iniPath) : m_iniPath(iniPath) {}
    // The same file, another section of it.
    static QSettingsStore forGroup(const QString& group, const QString& iniPath = {});

    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    Outcome commit() override;

private:
    QHash<QString, QString> m_staged;
    QString m_iniPath;
    QString m_group = kSettingsGroup;
};

// Keeps everything in memory; for tests.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    Outcome commit() override { return Outcome::success(); }
    const QHash<QString, QString>& values() const { return m_values; }

private:
    QHash<QString, QString> m_values;
};

} // namespace numberlark
