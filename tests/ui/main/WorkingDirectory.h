#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace numberlark::testing {

// Makes a fresh temporary folder the working directory for the test's
// lifetime and restores the previous one afterwards.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_folder.path());
    }
    ~TemporaryWorkingDirectory() { QDir::setCurrent(m_previous); }
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

    bool valid() const { return m_folder.isValid(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

} // namespace numberlark::testing
