-- SPDX-License-Identifier: GPL-3.0-or-later
-- From classroom version 1 to 2: classes decide who reads what, the server
-- refuses rows the program cannot make, each computer's rows are its own,
-- and the database is closed to the server's other logins. Not run on its
-- own: classroom.sql and classroom-upgrade.sql run it inside their
-- transaction, with the psql variables computer_role, teacher_role,
-- head_role and class_role naming this database's roles.

-- The roles are this database's own (numberlark_computer and so on for the
-- database "numberlark"), so that a second school's database on the same
-- server has roles of its own and neither school's logins reach the other.
DO $$
DECLARE
    base TEXT := current_database();
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = base || '_computer') THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', base || '_computer');
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = base || '_teacher') THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', base || '_teacher');
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = base || '_head') THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN IN ROLE %I', base || '_head', base || '_teacher');
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = base || '_class') THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', base || '_class');
    END IF;
    EXECUTE format('REVOKE CONNECT, TEMPORARY ON DATABASE %I FROM PUBLIC', base);
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I, %I', base, base || '_computer',
                   base || '_teacher');
END
$$;

-- A row belongs to the login that delivered it: another computer's row
-- with the same uuid neither hides nor replaces it, and a computer can add
-- answers to its own tests only.
ALTER TABLE answers DROP CONSTRAINT answers_test_uuid_fkey;
ALTER TABLE answers DROP CONSTRAINT answers_pkey;
ALTER TABLE answers ADD COLUMN delivered_by TEXT;
UPDATE answers a SET delivered_by = t.delivered_by FROM tests t WHERE t.uuid = a.test_uuid;
ALTER TABLE answers ALTER COLUMN delivered_by SET NOT NULL,
    ALTER COLUMN delivered_by SET DEFAULT SESSION_USER;
ALTER TABLE tests DROP CONSTRAINT tests_uuid_key;
ALTER TABLE tests ADD CONSTRAINT tests_uuid_login_key UNIQUE (uuid, delivered_by);
ALTER TABLE answers ADD PRIMARY KEY (test_uuid, delivered_by, seq),
    ADD FOREIGN KEY (test_uuid, delivered_by) REFERENCES tests (uuid, delivered_by);

ALTER TABLE practice_answers DROP CONSTRAINT practice_answers_session_uuid_fkey;
ALTER TABLE practice_answers DROP CONSTRAINT practice_answers_pkey;
ALTER TABLE practice_answers ADD COLUMN delivered_by TEXT;
UPDATE practice_answers q SET delivered_by = p.delivered_by
    FROM practice_sessions p WHERE p.uuid = q.session_uuid;
ALTER TABLE practice_answers ALTER COLUMN delivered_by SET NOT NULL,
    ALTER COLUMN delivered_by SET DEFAULT SESSION_USER;
ALTER TABLE practice_sessions DROP CONSTRAINT practice_sessions_uuid_key;
ALTER TABLE practice_sessions ADD CONSTRAINT practice_sessions_uuid_login_key
    UNIQUE (uuid, delivered_by);
ALTER TABLE practice_answers ADD PRIMARY KEY (session_uuid, delivered_by, seq),
    ADD FOREIGN KEY (session_uuid, delivered_by)
        REFERENCES practice_sessions (uuid, delivered_by);

-- Only what the program can make: factors within its 16-bit limits (a
-- table up to 3276 times 1 to 10), the grid's 1 to 12 in practice, known
-- table kinds, counts and times that are not negative. NOT VALID keeps the
-- rows an older database already holds; the class view passes over those.
ALTER TABLE tests
    ADD CONSTRAINT tests_child CHECK (char_length(child) BETWEEN 1 AND 200) NOT VALID,
    ADD CONSTRAINT tests_taken CHECK (taken_ms BETWEEN 0 AND 4102444800000) NOT VALID,
    ADD CONSTRAINT tests_offset CHECK (utc_offset BETWEEN -64800 AND 64800) NOT VALID,
    ADD CONSTRAINT tests_kind CHECK (table_kind IN (0, 1, 2)) NOT VALID,
    ADD CONSTRAINT tests_table CHECK (table_number BETWEEN -3276 AND 3276) NOT VALID,
    ADD CONSTRAINT tests_questions CHECK (questions BETWEEN -32768 AND 32767) NOT VALID,
    ADD CONSTRAINT tests_right CHECK (right_answers BETWEEN 0 AND 32767
                                      AND (questions < 1 OR right_answers <= questions)) NOT VALID,
    ADD CONSTRAINT tests_seconds CHECK (seconds <= 32767) NOT VALID,
    ADD CONSTRAINT tests_finished CHECK (finished IN (0, 1)) NOT VALID;
ALTER TABLE answers
    ADD CONSTRAINT answers_seq CHECK (seq BETWEEN 0 AND 32767) NOT VALID,
    ADD CONSTRAINT answers_factors CHECK (
        (shown_first BETWEEN 1 AND 10 AND shown_second BETWEEN -3276 AND 3276)
        OR (shown_second BETWEEN 1 AND 10 AND shown_first BETWEEN -3276 AND 3276)) NOT VALID,
    ADD CONSTRAINT answers_table CHECK (table_number BETWEEN -3276 AND 3276) NOT VALID,
    ADD CONSTRAINT answers_wrong CHECK (wrong_before <= 32767) NOT VALID,
    ADD CONSTRAINT answers_millis CHECK (millis <= 2147483647) NOT VALID;
ALTER TABLE practice_sessions
    ADD CONSTRAINT practice_child CHECK (char_length(child) BETWEEN 1 AND 200) NOT VALID,
    ADD CONSTRAINT practice_started CHECK (started_ms BETWEEN 0 AND 4102444800000) NOT VALID,
    ADD CONSTRAINT practice_offset CHECK (utc_offset BETWEEN -64800 AND 64800) NOT VALID,
    ADD CONSTRAINT practice_minutes CHECK (minutes <= 32767) NOT VALID,
    ADD CONSTRAINT practice_limit CHECK (limit_ms <= 3600000) NOT VALID;
ALTER TABLE practice_answers
    ADD CONSTRAINT practice_answers_seq CHECK (seq BETWEEN 0 AND 32767) NOT VALID,
    ADD CONSTRAINT practice_answers_fact CHECK (fact_first BETWEEN 1 AND 12
                                                AND fact_second BETWEEN 1 AND 12) NOT VALID,
    ADD CONSTRAINT practice_answers_wrong CHECK (wrong_tries <= 32767) NOT VALID,
    ADD CONSTRAINT practice_answers_millis CHECK (millis <= 2147483647) NOT VALID;

-- The logins that share a class with the one asking. A class is a role
-- that is a member of this database's class role; its computers and its
-- teachers are its members. A plain SQL function read in FROM, so that the
-- planner takes it into each query once instead of calling it row by row.
CREATE FUNCTION numberlark_class_logins() RETURNS SETOF TEXT
LANGUAGE sql STABLE AS $$
    SELECT DISTINCT login.rolname::TEXT
    FROM pg_auth_members mine
    JOIN pg_auth_members class ON class.member = mine.roleid
    JOIN pg_roles marker ON marker.oid = class.roleid
                        AND marker.rolname = current_database() || '_class'
    JOIN pg_auth_members theirs ON theirs.roleid = mine.roleid
    JOIN pg_roles login ON login.oid = theirs.member
    WHERE mine.member = (SELECT oid FROM pg_roles WHERE rolname = SESSION_USER)
$$;

-- The classes of the one asking, for the class view's heading.
CREATE FUNCTION numberlark_my_classes() RETURNS SETOF TEXT
LANGUAGE sql STABLE AS $$
    SELECT class.rolname::TEXT
    FROM pg_auth_members mine
    JOIN pg_roles class ON class.oid = mine.roleid
    JOIN pg_auth_members marked ON marked.member = class.oid
    JOIN pg_roles marker ON marker.oid = marked.roleid
                        AND marker.rolname = current_database() || '_class'
    WHERE mine.member = (SELECT oid FROM pg_roles WHERE rolname = SESSION_USER)
    ORDER BY 1
$$;

REVOKE ALL ON numberlark_schema, tests, answers, practice_sessions, practice_answers FROM PUBLIC;
REVOKE ALL ON FUNCTION numberlark_class_logins(), numberlark_my_classes() FROM PUBLIC;
-- Version 1 gave its rights to the server-wide roles; a database of
-- another name keeps them only through its own roles from now on.
DO $$
BEGIN
    IF current_database() <> 'numberlark' THEN
        REVOKE ALL ON numberlark_schema, tests, answers, practice_sessions, practice_answers
            FROM numberlark_computer, numberlark_teacher;
    END IF;
EXCEPTION WHEN undefined_object THEN
    NULL; -- no such roles on this server: nothing was given to them
END
$$;

-- Column grants leave delivered_by and delivered_at to the server. A
-- computer reads back which of its own rows the server holds, nothing more.
GRANT SELECT ON numberlark_schema TO :"computer_role";
GRANT INSERT (uuid, child, taken_ms, utc_offset, table_kind, table_number, questions,
              right_answers, seconds, finished) ON tests TO :"computer_role";
GRANT INSERT (test_uuid, seq, shown_first, shown_second, table_number, wrong_before, millis)
    ON answers TO :"computer_role";
GRANT INSERT (uuid, child, started_ms, utc_offset, minutes, limit_ms)
    ON practice_sessions TO :"computer_role";
GRANT INSERT (session_uuid, seq, fact_first, fact_second, wrong_tries, millis)
    ON practice_answers TO :"computer_role";
GRANT SELECT (uuid, delivered_by) ON tests, practice_sessions TO :"computer_role";

GRANT SELECT ON numberlark_schema, tests, answers, practice_sessions, practice_answers
    TO :"teacher_role";
GRANT EXECUTE ON FUNCTION numberlark_class_logins(), numberlark_my_classes()
    TO :"teacher_role";

-- Which rows each login reads is the server's decision, row by row: a
-- computer its own, a teacher those of the logins in her classes, the head
-- teacher the whole school. The owner of the tables is not bound by it.
ALTER TABLE tests ENABLE ROW LEVEL SECURITY;
ALTER TABLE answers ENABLE ROW LEVEL SECURITY;
ALTER TABLE practice_sessions ENABLE ROW LEVEL SECURITY;
ALTER TABLE practice_answers ENABLE ROW LEVEL SECURITY;

CREATE POLICY computer_adds ON tests FOR INSERT TO :"computer_role"
    WITH CHECK (delivered_by = SESSION_USER);
CREATE POLICY computer_adds ON answers FOR INSERT TO :"computer_role"
    WITH CHECK (delivered_by = SESSION_USER);
CREATE POLICY computer_adds ON practice_sessions FOR INSERT TO :"computer_role"
    WITH CHECK (delivered_by = SESSION_USER);
CREATE POLICY computer_adds ON practice_answers FOR INSERT TO :"computer_role"
    WITH CHECK (delivered_by = SESSION_USER);

CREATE POLICY computer_reads_own ON tests FOR SELECT TO :"computer_role"
    USING (delivered_by = SESSION_USER);
CREATE POLICY computer_reads_own ON practice_sessions FOR SELECT TO :"computer_role"
    USING (delivered_by = SESSION_USER);

CREATE POLICY teacher_reads_class ON tests FOR SELECT TO :"teacher_role"
    USING (delivered_by IN (SELECT login FROM numberlark_class_logins() login));
CREATE POLICY teacher_reads_class ON answers FOR SELECT TO :"teacher_role"
    USING (delivered_by IN (SELECT login FROM numberlark_class_logins() login));
CREATE POLICY teacher_reads_class ON practice_sessions FOR SELECT TO :"teacher_role"
    USING (delivered_by IN (SELECT login FROM numberlark_class_logins() login));
CREATE POLICY teacher_reads_class ON practice_answers FOR SELECT TO :"teacher_role"
    USING (delivered_by IN (SELECT login FROM numberlark_class_logins() login));

CREATE POLICY head_reads_school ON tests FOR SELECT TO :"head_role" USING (true);
CREATE POLICY head_reads_school ON answers FOR SELECT TO :"head_role" USING (true);
CREATE POLICY head_reads_school ON practice_sessions FOR SELECT TO :"head_role" USING (true);
CREATE POLICY head_reads_school ON practice_answers FOR SELECT TO :"head_role" USING (true);

UPDATE numberlark_schema SET version = 2;
