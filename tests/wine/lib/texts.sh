# The program's German texts as the tests expect them, from the one table of
# them in tests/support/expected_texts.h (never from the program's own
# headers). Sourced by run.sh.

# expected_text NAME: the text of the constant NAME in the table, its string
# pieces joined and its escaped backslashes undone.
expected_text() {
    awk -v name="$1" '
        index($0, " " name " =") { found = 1 }
        found {
            line = $0
            while (match(line, /L"([^"\\]|\\.)*"/)) {
                text = text substr(line, RSTART + 2, RLENGTH - 3)
                line = substr(line, RSTART + RLENGTH)
            }
            if (line ~ /;/) exit
        }
        END { gsub(/\\\\/, "\\", text); printf "%s", text }' "$WINE_REPO/tests/support/expected_texts.h"
}

MYSQL_RUNNING=$(expected_text kMysqlRunning)
MYSQL_STOPPED=$(expected_text kMysqlStopped)
MARIADB_STOPPED=$(expected_text kMariaStopped)
INSTALLED_AUTOMATICALLY=$(expected_text kInstalledAutomatically)
INSTALLED_ON_REQUEST=$(expected_text kInstalledOnRequest)
NOT_INSTALLED=$(expected_text kNotInstalled)
DIRECTORY_EXISTS=$(expected_text kDirectoryExists)
FILE_NOT_FOUND=$(expected_text kFileNotFound)
SERVER_PRESENT_UNSEEN=$(expected_text kServerPresentUnseen)
QUIT_FROM_OUTSIDE=$(expected_text kQuitFromOutside)
