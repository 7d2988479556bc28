#include "settings/SettingsStore.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <memory>

namespace numberlark {

namespace {

const QString kOrganisation = QStringLiteral("Numberlark");
const QString kApplication = QStringLiteral("Numberlark");

#ifdef Q_OS_WIN
constexpr bool kNativeIsRegistry = true;
#else
constexpr bool kNativeIsRegistry = false;
#endif

QString fullKey(const QString& group, const QString& key)
{
    return group + QLatin1Char('/') + key;
}

// A fresh QSettings for each read and each commit: its error status is
// sticky, so a retry after a failure needs a new one to report truly.
std::unique_ptr<QSettings> openSettings(const QString& iniPath)
{
    if (iniPath.isEmpty()) {
        return std::make_unique<QSettings>(kOrganisation, kApplication);
    }
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

// QSettings says only that access failed; the file system says why.
QString whyNotWritten(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) {
        return QCoreApplication::translate("SettingsStore",
                                           "a folder of that name is in the way of the file");
    }
    if (file.exists() && !file.isWritable()) {
        return QCoreApplication::translate("SettingsStore", "the file is read-only");
    }
    if (folder.exists() && !folder.isWritable()) {
        return QCoreApplication::translate("SettingsStore", "its folder is read-only");
    }
    if (!folder.exists()) {
        return QCoreApplication::translate("SettingsStore", "its folder could not be made");
    }
    if (QStorageInfo(folder.absoluteFilePath()).bytesAvailable() == 0) {
        return QCoreApplication::translate("SettingsStore", "the disk is full");
    }
    return QCoreApplication::translate("SettingsStore", "the file could not be written");
}

// QSettings shares one cached copy of a file among all its instances, so a
// fresh QSettings would see the staged values even when the disk never got
// them. A copy under another name is read from the disk itself.
bool holdsOnDisk(const QString& path, const QString& group, const QHash<QString, QString>& values)
{
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("check.ini"));
    if (!scratch.isValid() || !QFile::copy(path, copy)) {
        return false;
    }
    const QSettings written(copy, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (written.value(fullKey(group, it.key())) != it.value()) {
            return false;
        }
    }
    return true;
}

} // namespace

QSettingsStore QSettingsStore::forGroup(const QString& group, const QString& iniPath)
{
    QSettingsStore store(iniPath);
    store.m_group = group;
    return store;
}

QString QSettingsStore::read(const QString& key, const QString& defaultValue) const
{
    if (const auto staged = m_staged.constFind(key); staged != m_staged.cend()) {
        return *staged;
    }
    const auto settings = openSettings(m_iniPath);
    const QVariant value = settings->value(fullKey(m_group, key));
    // A hand-edited file may hold a list or other non-text value; read it as
    // text where it converts, otherwise as absent.
    if (!value.isValid() || !value.canConvert<QString>()) {
        return defaultValue;
    }
    return value.toString();
}

void QSettingsStore::write(const QString& key, const QString& value)
{
    m_staged.insert(key, value);
}

// One write of the file per commit. A full disk can cut the file short
// while QSettings reports success, so a file store is read back. A format
// error only means the old file held junk lines; the read-back decides.
Outcome QSettingsStore::commit()
{
    const auto settings = openSettings(m_iniPath);
    for (auto it = m_staged.cbegin(); it != m_staged.cend(); ++it) {
        settings->setValue(fullKey(m_group, it.key()), it.value());
    }
    settings->sync();
    const QString path = settings->fileName();
    const bool isFile = !kNativeIsRegistry || settings->format() != QSettings::NativeFormat;
    const bool saved = settings->status() != QSettings::AccessError &&
                       (!isFile || holdsOnDisk(path, m_group, m_staged));
    if (!saved) {
        // The staged values stay for the next attempt.
        return Outcome::failure({}, QDir::toNativeSeparators(path), whyNotWritten(path));
    }
    m_staged.clear();
    return {Outcome::Kind::Ok, {}, QDir::toNativeSeparators(path), {}};
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
