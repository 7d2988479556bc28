#pragma once

#include "support/PrivatePostgres.h"

#include <gtest/gtest.h>

#include <memory>

namespace numberlark::testing {

// A private classroom server with two computers' logins (pc1, pc2) and a
// teacher's; the test is skipped where PostgreSQL's server programs are absent.
class ClassroomFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (PrivatePostgres::binaryFolder().isEmpty()) {
            GTEST_SKIP() << "PostgreSQL's server programs (initdb, pg_ctl) are not installed";
        }
        m_server = std::make_unique<PrivatePostgres>();
        ASSERT_TRUE(m_server->isRunning()) << m_server->error().toStdString();
        ASSERT_TRUE(
            m_server->addLogin(QStringLiteral("pc1"), QStringLiteral("numberlark_computer")) &&
            m_server->addLogin(QStringLiteral("pc2"), QStringLiteral("numberlark_computer")) &&
            m_server->addLogin(QStringLiteral("teacher"), QStringLiteral("numberlark_teacher")));
    }

    std::unique_ptr<PrivatePostgres> m_server;
};

} // namespace numberlark::testing
