#include "settings/SettingsStore.h"

#include <QSettings>

namespace numberlark {

namespace {

const QString kOrganisation = QStringLiteral("Numberlark");
const QString kApplication = QStringLiteral("Numberlark");
const QString kGroup = QStringLiteral("Settings");

QString fullKey(const QString& key)
{
    return kGroup + QLatin1Char('/') + key;
}

} // namespace

QString QSettingsStore::read(const QString& key, const QString& defaultValue) const
{
    const QSettings settings(kOrganisation, kApplication);
    const QVariant value = settings.value(fullKey(key));
    // A hand-edited file may hold a list or other non-text value; read it as
    // text where it converts, otherwise as absent.
    if (!value.isValid() || !value.canConvert<QString>()) {
        return defaultValue;
    }
    return value.toString();
}

void QSettingsStore::write(const QString& key, const QString& value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(fullKey(key), value);
}

QString MemorySettingsStore::read(const QString& key, const QString& defaultValue) const
{
    return m_values.value(key, defaultValue);
}

void MemorySettingsStore::write(const QString& key, const QString& value)
{
    m_values.insert(key, value);
}

} // namespace numberlark
