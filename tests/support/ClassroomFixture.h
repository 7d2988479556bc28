#pragma once

#include "support/PrivatePostgres.h"

#include <gtest/gtest.h>

#include <memory>

namespace numberlark::testing {

// A private classroom server with two computers' logins (pc1, pc2) and a
// teacher's, all three in one class (class_4b). Where PostgreSQL's server programs are absent the
// test is skipped, except in CI (CI=true), where it fails: there they must be.
class ClassroomFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (PrivatePostgres::binaryFolder().isEmpty()) {
            constexpr const char* kMissing =
                "PostgreSQL's server programs (initdb, pg_ctl) are not installed";
            if (qEnvironmentVariable("CI").compare(QStringLiteral("true"), Qt::CaseInsensitive) ==
                0) {
                FAIL() << kMissing << ", and CI must run the classroom tests";
            }
            GTEST_SKIP() << kMissing;
        }
        m_server = std::make_unique<PrivatePostgres>();
        ASSERT_TRUE(m_server->isRunning()) << m_server->error().toStdString();
        ASSERT_TRUE(m_server->addClass(QStringLiteral("class_4b")) &&
                    m_server->addLogin(QStringLiteral("pc1"),
                                       QStringLiteral("numberlark_computer, class_4b")) &&
                    m_server->addLogin(QStringLiteral("pc2"),
                                       QStringLiteral("numberlark_computer, class_4b")) &&
                    m_server->addLogin(QStringLiteral("teacher"),
                                       QStringLiteral("numberlark_teacher, class_4b")))
            << m_server->error().toStdString();
    }

    std::unique_ptr<PrivatePostgres> m_server;
};

} // namespace numberlark::testing
