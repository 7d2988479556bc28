-- SPDX-License-Identifier: GPL-3.0-or-later
-- Numberlark's classroom database, at its newest version. Run it once, as
-- the database's owner, in a database of its own:
--
--   createdb numberlark
--   psql -d numberlark -f /usr/share/numberlark/classroom.sql
--
-- It makes four roles named after the database (here numberlark_computer,
-- numberlark_teacher, numberlark_head and numberlark_class). A class is a
-- role in numberlark_class; each computer's login is a member of
-- numberlark_computer and of its class, each teacher's of
-- numberlark_teacher and of her classes:
--
--   CREATE ROLE class_4b NOLOGIN IN ROLE numberlark_class;
--   CREATE ROLE room12_pc3 LOGIN PASSWORD '...' IN ROLE numberlark_computer, class_4b;
--   CREATE ROLE ms_kowalska LOGIN PASSWORD '...' IN ROLE numberlark_teacher, class_4b;
--   CREATE ROLE mr_head LOGIN PASSWORD '...' IN ROLE numberlark_head;
--
-- A computer may only add rows and read back which of its own the server
-- holds; it can neither change nor delete a row. A teacher reads what the
-- computers of her classes delivered, the head teacher the whole school.
-- The server, not the computer, records which login delivered each row.
-- A database set up by an older version is brought up to date by
-- classroom-upgrade.sql instead.
\set ON_ERROR_STOP on
\ir classroom-roles.sql

BEGIN;
\ir classroom-tables-1.sql
\ir classroom-step-2.sql
COMMIT;
