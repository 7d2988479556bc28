#include "modules/ModuleLoader.h"
#include "platform/print/CertificateQueue.h"
#include "platform/sound/ThemeBell.h"
#include "progress/recording/TestRecorder.h"
#include "ui/progress/ProgressWindowContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

enum class Damage { None, Missing, Folder, NotALibrary, AnotherModule };

// Each way a module file can be wrong, for one module: the loader gives no
// service, and its text names the file and the real reason.
template <typename Service> void checkModule(const QString& built, const QString& another)
{
    struct Case {
        Damage damage;
        QString reason;
    };
    const Case cases[] = {
        {Damage::None, {}},
        {Damage::Missing, QStringLiteral("not found")},
        {Damage::Folder, QStringLiteral("Is a directory")},
        {Damage::NotALibrary, QStringLiteral("invalid ELF header")},
        {Damage::AnotherModule, QString::fromLatin1(Service::kEntryPoint)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.damage));
        const QTemporaryDir folder;
        QString path = folder.filePath(QFileInfo(built).fileName());
        switch (c.damage) {
        case Damage::None:
            path = built;
            break;
        case Damage::Missing:
            break;
        case Damage::Folder:
            ASSERT_TRUE(QDir().mkpath(path));
            break;
        case Damage::NotALibrary: {
            QFile text(path);
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write(QByteArray(4096, 'x'));
            break;
        }
        case Damage::AnotherModule:
            ASSERT_TRUE(QFile::copy(another, path));
            break;
        }
        const LoadedModule<Service> loaded = loadModule<Service>({path});
        if (c.damage == Damage::None) {
            EXPECT_NE(loaded.service, nullptr);
            EXPECT_EQ(loaded.failure, QString());
            continue;
        }
        EXPECT_EQ(loaded.service, nullptr);
        EXPECT_TRUE(loaded.failure.contains(path)) << loaded.failure.toStdString();
        EXPECT_TRUE(loaded.failure.contains(c.reason)) << loaded.failure.toStdString();
    }
}

TEST(ModuleLoader, EveryModuleGivesItsServiceOrTheRealReason)
{
    const QString print = QStringLiteral(NUMBERLARK_PRINT_MODULE);
    const QString bell = QStringLiteral(NUMBERLARK_BELL_MODULE);
    checkModule<PrintService>(print, bell);
    checkModule<SoundService>(bell, print);
    checkModule<TestRecorder>(QStringLiteral(NUMBERLARK_RECORDING_MODULE), print);
    checkModule<ProgressWindowMaker>(QStringLiteral(NUMBERLARK_PROGRESS_WINDOW_MODULE), print);
}

} // namespace
} // namespace numberlark
