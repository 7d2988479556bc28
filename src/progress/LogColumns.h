#pragma once

#include <QStringList>

#include <span>

namespace numberlark::progress {

// One column of a log table: its name, its SQL type and constraints, and
// the layout version that added it. A null type stands for the table's key,
// whose form depends on the database server.
struct LogColumn {
    const char* name;
    const char* type;
    int since;
};

// Every column of the tests table, the one place they are listed: the
// layout, the statements and the check that a file is ours read it.
// Times are kept as milliseconds since 1970 UTC plus the local offset in
// seconds, so the log sorts in true order and shows the wall-clock time the
// child saw.
inline constexpr LogColumn kTestColumns[] = {
    {"id", nullptr, 1},
    {"child", "TEXT NOT NULL", 1},
    {"taken_ms", "BIGINT", 1},
    {"utc_offset", "INTEGER NOT NULL", 1},
    {"table_kind", "SMALLINT NOT NULL", 1},
    {"table_number", "SMALLINT NOT NULL", 1},
    {"questions", "INTEGER NOT NULL", 1},
    {"seconds", "INTEGER NOT NULL", 1},
    {"finished", "SMALLINT NOT NULL", 1},
    {"imported", "SMALLINT NOT NULL DEFAULT 0", 2},
    {"date_text", "TEXT", 2},
    {"source_key", "TEXT", 2},
    // Made once when the test is recorded, so the school's server can tell a
    // resend from a new test; delivered is 1 once that server holds it.
    {"uuid", "TEXT", 3},
    {"delivered", "SMALLINT NOT NULL DEFAULT 0", 3},
    // Why the school's server last refused it, while it waits: the server's
    // SQLSTATE and its own words. NULL when it never did.
    {"refused_code", "TEXT", 4},
    {"refused_words", "TEXT", 4},
};

inline constexpr LogColumn kAnswerColumns[] = {
    {"test_id", "INTEGER NOT NULL REFERENCES tests (id)", 1},
    {"seq", "INTEGER NOT NULL", 1},
    {"shown_first", "SMALLINT NOT NULL", 1},
    {"shown_second", "SMALLINT NOT NULL", 1},
    {"table_number", "SMALLINT NOT NULL", 1},
    {"wrong_before", "INTEGER NOT NULL", 1},
    {"millis", "BIGINT NOT NULL", 1},
};

// A practice session and its answers. The limit is NULL when untimed; the
// copy a child types after a wrong answer is no answer and is not kept.
inline constexpr LogColumn kPracticeSessionColumns[] = {
    {"id", nullptr, 3},
    {"uuid", "TEXT NOT NULL", 3},
    {"child", "TEXT NOT NULL", 3},
    {"started_ms", "BIGINT NOT NULL", 3},
    {"utc_offset", "INTEGER NOT NULL", 3},
    {"minutes", "INTEGER NOT NULL", 3},
    {"limit_ms", "INTEGER", 3},
    {"delivered", "SMALLINT NOT NULL DEFAULT 0", 3},
    {"refused_code", "TEXT", 4},
    {"refused_words", "TEXT", 4},
};

inline constexpr LogColumn kPracticeAnswerColumns[] = {
    {"session_id", "INTEGER NOT NULL REFERENCES practice_sessions (id)", 3},
    {"seq", "INTEGER NOT NULL", 3},
    {"fact_first", "SMALLINT NOT NULL", 3},
    {"fact_second", "SMALLINT NOT NULL", 3},
    {"wrong_tries", "INTEGER NOT NULL", 3},
    {"millis", "BIGINT NOT NULL", 3},
};

// The names of the columns a log of `version` has, in the listed order.
QStringList columnNames(std::span<const LogColumn> columns, int version);

} // namespace numberlark::progress
