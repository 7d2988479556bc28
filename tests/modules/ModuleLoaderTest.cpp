#include "modules/ModuleLoader.h"
#include "classroom/ClassroomCourier.h"
#include "modules/ModuleImage.h"
#include "platform/print/CertificateQueue.h"
#include "platform/sound/ThemeBell.h"
#include "progress/recording/TestRecorder.h"
#include "ui/practice/PracticeWindowContext.h"
#include "ui/progress/ProgressWindowContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

enum class Damage {
    None,
    Missing,
    Folder,
    NotALibrary,
    AnotherModule,
    CutShort,
    Altered,
    NoRecord
};

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
        {Damage::CutShort, QStringLiteral("damaged: the file is cut short")},
        {Damage::Altered, QStringLiteral("damaged: it is not the module that was built")},
        {Damage::NoRecord, QStringLiteral("cannot be checked")},
    };
    // A copy of a module with the record made when it was built.
    const auto copyModule = [](const QString& from, const QString& to) {
        return QFile::copy(from, to) && QFile::copy(moduleRecordPath(from), moduleRecordPath(to));
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
            ASSERT_TRUE(copyModule(another, path));
            break;
        case Damage::CutShort: // a download or a copy that stopped half way
            ASSERT_TRUE(copyModule(built, path));
            ASSERT_TRUE(
                QFile::resize(path, std::get<ModuleImage>(readModuleImage(built)).extent / 2));
            break;
        case Damage::Altered: { // one byte of the code changed, the size kept
            ASSERT_TRUE(copyModule(built, path));
            QFile module(path);
            ASSERT_TRUE(module.open(QIODevice::ReadWrite) && module.seek(4200));
            char byte = 0;
            ASSERT_TRUE(module.getChar(&byte) && module.seek(4200));
            ASSERT_TRUE(module.putChar(static_cast<char>(byte ^ 0x5a)));
            break;
        }
        case Damage::NoRecord:
            ASSERT_TRUE(QFile::copy(built, path));
            break;
        }
        const LoadedModule<Service> loaded = loadModule<Service>({path});
        if (c.damage == Damage::None) {
            EXPECT_NE(loaded.service, nullptr);
            EXPECT_TRUE(loaded.failure.done());
            continue;
        }
        EXPECT_EQ(loaded.service, nullptr);
        const QString told = loaded.failure.message;
        EXPECT_TRUE(told.contains(path)) << told.toStdString();
        EXPECT_TRUE(told.contains(c.reason)) << told.toStdString();
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
    checkModule<PracticeWindowMaker>(QStringLiteral(NUMBERLARK_PRACTICE_WINDOW_MODULE), print);
    checkModule<classroom::ClassroomCourier>(QStringLiteral(NUMBERLARK_COURIER_MODULE), print);
}

} // namespace
} // namespace numberlark
