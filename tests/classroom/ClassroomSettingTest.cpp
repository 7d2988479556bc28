#include "classroom/ClassroomSetting.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numberlark::classroom;

TEST(ClassroomSetting, OnlyANonBlankServerKeyMakesAClassroom)
{
    const std::vector<std::pair<const char*, std::optional<QString>>> cases{
        {"", std::nullopt},
        {"[Settings]\nserver=service=numberlark\n", std::nullopt},
        {"[Classroom]\nserver=\"  \"\n", std::nullopt},
        {"[Classroom]\nserver=service=numberlark\n", QStringLiteral("service=numberlark")},
        {"[Classroom]\nserver=\"host=/run/postgresql dbname=numberlark \"\n",
         QStringLiteral("host=/run/postgresql dbname=numberlark")},
    };
    QTemporaryDir dir;
    for (const auto& [text, expected] : cases) {
        QFile file(dir.filePath(QStringLiteral("Numberlark.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) >= 0);
        file.close();
        const QSettings settings(file.fileName(), QSettings::IniFormat);
        EXPECT_EQ(classroomServer(settings), expected) << text;
    }
}
