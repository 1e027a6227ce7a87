# The program's German texts, read from its own headers, so a text changes in
# one place. Sourced by run.sh.

# program_text HEADER NAME: the text of the constant NAME in src/HEADER, its
# string pieces joined and its escaped backslashes undone.
program_text() {
    awk -v name="$2" '
        index($0, " " name " =") { found = 1 }
        found {
            line = $0
            while (match(line, /L"([^"\\]|\\.)*"/)) {
                text = text substr(line, RSTART + 2, RLENGTH - 3)
                line = substr(line, RSTART + RLENGTH)
            }
            if (line ~ /;/) exit
        }
        END { gsub(/\\\\/, "\\", text); printf "%s", text }' "$WINE_REPO/src/$1"
}

verdict() { program_text services/verdict_texts.h "$1"; }
message() { program_text window/messages.h "$1"; }

MYSQL_RUNNING=$(verdict kMysqlRunning)
MYSQL_STOPPED=$(verdict kMysqlStopped)
MARIADB_STOPPED=$(verdict kMariaStopped)
INSTALLED_AUTOMATICALLY=$(message kInstalledAutomatically)
INSTALLED_ON_REQUEST=$(message kInstalledOnRequest)
NOT_INSTALLED=$(message kNotInstalled)
DIRECTORY_EXISTS=$(message kDirectoryExists)
FILE_NOT_FOUND=$(program_text runner/shell_and_wait.h kFileNotFound)
SERVER_PRESENT_UNSEEN=$(message kServerPresentUnseen)
