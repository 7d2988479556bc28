-- SPDX-License-Identifier: GPL-3.0-or-later
-- The psql variables naming this database's own roles, for the scripts that
-- set it up and upgrade it. Not run on its own.
SELECT current_database() || '_computer' AS computer_role,
       current_database() || '_teacher' AS teacher_role,
       current_database() || '_head' AS head_role,
       current_database() || '_class' AS class_role \gset
