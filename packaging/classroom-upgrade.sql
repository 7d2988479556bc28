-- SPDX-License-Identifier: GPL-3.0-or-later
-- Brings a classroom database set up by an older Numberlark to the newest
-- version, in one transaction that keeps every row: run it as the
-- database's owner, after a backup (pg_dump), on one database at a time:
--
--   psql -d numberlark -f /usr/share/numberlark/classroom-upgrade.sql
--
-- Run on a database that is already up to date, it changes nothing.
\set ON_ERROR_STOP on
\ir classroom-roles.sql

BEGIN;
SELECT MAX(version) AS version, MAX(version) < 2 AS needs_step_2 FROM numberlark_schema \gset
\if :needs_step_2
-- Version 1 let in every login of the server-wide roles that could connect
-- here; those keep their place through this database's own roles.
CREATE TEMPORARY TABLE numberlark_kept ON COMMIT DROP AS
    SELECT login.rolname AS login, kind.rolname AS kind
    FROM pg_roles login
    JOIN pg_auth_members m ON m.member = login.oid
    JOIN pg_roles kind ON kind.oid = m.roleid
    WHERE kind.rolname IN ('numberlark_computer', 'numberlark_teacher')
      AND login.rolcanlogin
      AND has_database_privilege(login.oid, current_database(), 'CONNECT');
\ir classroom-step-2.sql
DO $$
DECLARE
    kept RECORD;
BEGIN
    FOR kept IN SELECT login, current_database() || substr(kind, length('numberlark') + 1) AS role
                FROM numberlark_kept
    LOOP
        IF NOT pg_has_role(kept.login, kept.role, 'MEMBER') THEN
            EXECUTE format('GRANT %I TO %I', kept.role, kept.login);
        END IF;
    END LOOP;
END
$$;
\else
\echo 'This classroom database is at version' :version 'already: nothing to upgrade.'
\endif
COMMIT;
