#include "ui/progress/ProgressWindowLoader.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace numberlark;

// The real module as built, and a folder without it: the program opens the
// window in one case and says where it looked in the other.
TEST(ProgressWindowLoader, LoadsTheModuleOrSaysWhereItLooked)
{
    QTemporaryDir empty;
    const QString missing = empty.filePath(QStringLiteral("libnumberlark_progress_window.so"));
    struct Case {
        QString path;
        QString objectName;
    };
    const Case cases[] = {
        {QStringLiteral(NUMBERLARK_PROGRESS_MODULE), QStringLiteral("FrmProgress")},
        {missing, QStringLiteral("FrmProgressUnavailable")},
    };
    for (const Case& c : cases) {
        const ProgressWindowContext context{empty.filePath(QStringLiteral("progress.sqlite")),
                                            empty.path(), [] { return true; }};
        const std::unique_ptr<QWidget> window(progressWindowFactory(context, {c.path})());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), c.objectName);
        if (c.objectName == QStringLiteral("FrmProgressUnavailable")) {
            EXPECT_TRUE(window->findChild<QLabel*>()->text().contains(missing));
        }
    }
}
