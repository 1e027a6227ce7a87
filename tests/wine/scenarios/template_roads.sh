# Scenarios with the administrators' kit (the templates, mariadb-kit.exe and
# einstellungen.ini) and the stand-in MSI packages, installed or refused by
# Wine's msiexec. Sourced by run.sh after install_roads.sh.

PACKAGE_NAME=mariadb-10.1.48-winx64.msi  # as the official packages are named
RECORD_KEY='HKLM\Software\StandIn Database Server'
SAFE='C:\Program Files\MariaDB-Installer'  # the kit's folder for administrators only
SAFE_DIR=$(prefix_path "$SAFE")
KIT=$(dirname "$PROGRAM")/mariadb-kit.exe
SETTINGS=$(prefix_path "$APP_DIR")/einstellungen.ini

# setting NAME VALUE: NAME=VALUE in einstellungen.ini beside the program, in
# place of its line there, or added.
setting() {
    VALUE=$2 awk -v name="$1" '
        index($0, name "=") == 1 { print name "=" ENVIRON["VALUE"] "\r"; done = 1; next }
        { print } END { if (!done) print name "=" ENVIRON["VALUE"] "\r" }' \
        "$SETTINGS" >"$SETTINGS.new" && mv "$SETTINGS.new" "$SETTINGS"
}

# Removes every stand-in product an earlier scenario left installed, of
# either architecture: the kit would take it for an installed MariaDB 10.1.
standins_remove() {
    local code view
    wine_run reg delete 'HKLM\Software\StandIn Removal' /v Refuse /f >/dev/null 2>&1
    for view in 64 32; do
        for code in $(wine_run reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall' \
            /s /v DisplayName /reg:$view 2>/dev/null | tr -d '\r' |
            grep -B1 'REG_SZ *MariaDB 10\.1' | grep -o '\\{[0-9A-F-]*}$' | tr -d '\\'); do
            wine_run msiexec /x "$code" /qn >/dev/null 2>&1
        done
    done
}

# kit_place PACKAGE|- [NAME]: the kit as shipped beside the program (templates,
# mariadb-kit.exe, einstellungen.ini), and the stand-in package PACKAGE (- for
# none) as NAME; no stand-in installed, no target folder, nothing recorded by
# a package yet.
kit_place() {
    local dir
    dir=$(prefix_path "$APP_DIR")
    standins_remove
    target_clear
    echo MariaDB >>"$SERVICES_MADE"
    wine_run reg delete "$RECORD_KEY" /f >/dev/null 2>&1
    rm -rf "$SAFE_DIR"
    cp "$WINE_REPO"/examples/silent-install2.bat "$WINE_REPO"/examples/silent-uninstall.bat \
        "$WINE_REPO"/examples/einstellungen.ini "$KIT" "$dir/"
    [ "$1" = - ] || cp "$TOOLS/$1" "$dir/${2:-$PACKAGE_NAME}"
}

# template_place PASSWORD PACKAGE|- [NAME]: the kit with ROOT_PASSWORD set.
template_place() {
    kit_place "$2" "${3:-}"
    setting ROOT_PASSWORD "$1"
}

# acl_of PATH: its owner and access list in SDDL. Wine shows the Administrators
# group as the prefix's user; that SID is given its name back here.
acl_of() { wine_run "$TOOLS/acl.exe" "$1" 2>&1 | tr -d '\r' | sed 's/S-1-5-21-0-0-0-1000/BA/g'; }

# The password the stand-in package received, as it recorded it: exported by
# regedit in UTF-16, so every character is kept.
recorded_password() {
    local file=$WINEPREFIX/drive_c/suite-record.reg
    rm -f "$file"
    wine_run regedit /E 'C:\suite-record.reg' "HKEY_LOCAL_MACHINE${RECORD_KEY#HKLM}" >/dev/null 2>&1
    [ -f "$file" ] && iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' |
        sed -n 's/^"Password"="\(.*\)"$/\1/p' | sed 's/\\\\/\\/g; s/\\"/"/g'
}

installed() { [ -f "$(prefix_path "$TARGET_DIR")/bin/standin-server.exe" ] && echo yes || echo no; }

LOG_DIR=$WINEPREFIX/drive_c/windows/logs/Software  # Wine's prefix names it in lower case
computer_name() { wine_run cmd /c echo %COMPUTERNAME% 2>/dev/null | tr -d '\r'; }

# in_log FILE TEXT: whether the log FILE (in LOG_DIR unless a path) holds TEXT.
in_log() {
    local file=$1
    [[ $file == */* ]] || file=$LOG_DIR/$file
    grep -q -a -F -- "$2" "$file" 2>/dev/null && echo yes || echo no
}

# script_run [TEMPLATE [ARGUMENT...]]: the template alone (the install template
# unless named), as software distribution may start it; its output in
# SCRIPT_OUT, its whole exit code in SCRIPT_EXIT.
script_run() {
    local template=${1:-silent-install2.bat}
    [ $# -gt 0 ] && shift
    SCRIPT_OUT=$(launched 60000 "$APP_DIR\\$template" "$@" 2>/dev/null)
    SCRIPT_EXIT=$(kv exit_code <<<"$SCRIPT_OUT")
    sed 's/^/# script: /' <<<"$SCRIPT_OUT"
}

# printed TEXT: whether the script's output holds TEXT.
printed() { grep -qF -- "$1" <<<"$SCRIPT_OUT" && echo yes || echo no; }

# template_scenario PASSWORD PACKAGE|- FINAL_MESSAGE|- [EXIT_CODE]: starts the
# program beside the kit, its root password set to PASSWORD, and the stand-in
# package PACKAGE (- for none); with a FINAL_MESSAGE, the automatic road to its
# end with EXIT_CODE.
template_scenario() {
    template_place "$1" "$2"
    app_start || return
    [ "$3" = - ] && return
    expect_box "$3"
    expect_end "$4"
}

# The package under its versioned name, found by the kit, installed into the
# target with the password as written, and its service started. The kit's
# log is in the log viewer's form.
scenario_template_installs() {
    template_scenario 'demo-Passwort-1' standin-server.msi "$INSTALLED_AUTOMATICALLY" 0
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    check "server program in the target folder" yes "$(installed)"
    check "password as written" demo-Passwort-1 "$(recorded_password)"
    local own
    own=silent-install2-$(computer_name).log
    check "msiexec's log in the folder for administrators" yes \
        "$(in_log "$SAFE_DIR/silent-install2-$(computer_name)-msiexec.log" StandIn)"
    check "no file of the log folder holds the password" '' \
        "$(for f in "$LOG_DIR"/*; do tr -d '\0' <"$f" | grep -q -a demo-Passwort-1 && echo "$f"; done)"
    check "own log: the command line, the password hidden" yes "$(in_log "$own" 'PASSWORD="********"')"
    check "own log: the exit code" yes "$(in_log "$own" '<![LOG[Exit-Code: 0]LOG]!>')"
    check "own log: every line an entry of the log viewer" 0 \
        "$(sed '1s/^\xEF\xBB\xBF//' "$LOG_DIR/$own" | grep -c -v '^<!\[LOG\[.*\]LOG\]!><time="[0-9:.+-]*" date="[0-9-]*" component="silent-install2" context="" type="[123]" thread="[0-9]*" file="">'$'\r''$')"
    check "own log: no password" no "$(in_log "$own" demo-Passwort-1)"
    check "no log beside the script" 0 "$(find "$(prefix_path "$APP_DIR")" -name '*.log' | wc -l)"
    target_clear
}

# template_refuses PASSWORD PACKAGE EXIT_CODE: the road ends with the failure
# text and EXIT_CODE, and nothing is installed.
template_refuses() {
    template_scenario "$1" "$2" "$NOT_INSTALLED" "$3"
    check "no service MariaDB" missing "$(svc_state MariaDB)"
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# The templates without mariadb-kit.exe beside them: nothing runs, the
# message names the program, and the code is the kit's own.
scenario_template_as_shipped() {
    kit_place standin-server.msi
    rm "$(prefix_path "$APP_DIR")/mariadb-kit.exe"
    script_run
    check "without the kit program: exit code" 17004 "$SCRIPT_EXIT"
    check "without the kit program: names it" yes "$(printed 'mariadb-kit.exe fehlt')"
    check "without the kit program: nothing installed" no "$(installed)"
    script_run silent-uninstall.bat
    check "removal without the kit program: exit code" 17004 "$SCRIPT_EXIT"
}

# As shipped, ROOT_PASSWORD empty: the package gets a password of this
# computer's own, kept in a file that only SYSTEM and Administrators may open,
# in a folder that hands that down to msiexec's log; no log that users read
# holds it, nor the kit's output. A second computer gets another.
scenario_template_own_password() {
    kit_place standin-server.msi
    script_run
    local first
    first=$(recorded_password)
    check "exit code" 0 "$SCRIPT_EXIT"
    check "32 hex digits" yes "$([[ $first =~ ^[0-9a-f]{32}$ ]] && echo yes || echo no)"
    check "kept as the package got it" yes "$([ "$(tr -d '\r\n' <"$SAFE_DIR/root-kennwort.txt")" = "$first" ] && echo yes)"
    # Wine keeps the entries given but drops the mark that they are protected.
    check_wine_gap "kept file: SYSTEM and Administrators" \
        'O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)' 'O:BAD:(A;;FA;;;SY)(A;;FA;;;BA)' "$(acl_of "$SAFE\root-kennwort.txt")"
    check_wine_gap "folder: SYSTEM and Administrators, handed down" \
        'O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)' 'O:BAD:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)' "$(acl_of "$SAFE")"
    local log="$SAFE\silent-install2-$(computer_name)-msiexec.log"
    check "msiexec's log there" yes "$(in_log "$(prefix_path "$log")" StandIn)"
    # msiexec makes its log anew; Wine gives a new file no inherited entries.
    check_wine_gap "msiexec's log: SYSTEM and Administrators, from the folder" \
        'O:BAD:AI(A;ID;FA;;;SY)(A;ID;FA;;;BA)' 'O:BAD:(A;;FA;;;SY)(A;;FA;;;BA)(A;;0x1200a9;;;WD)' \
        "$(acl_of "$log")"
    check "no file of the log folder holds it" '' \
        "$(for f in "$LOG_DIR"/*; do tr -d '\0' <"$f" | grep -q -a "$first" && echo "$f"; done)"
    check "not in the kit's output" no "$(printed "$first")"
    target_clear
    kit_place standin-server.msi
    script_run
    check "second computer: another password" yes "$([ "$(recorded_password)" != "$first" ] && echo yes)"
    target_clear
}

scenario_template_without_package() { template_refuses 'demo-Passwort-1' - 1619; }

scenario_template_failing_package() {
    template_refuses 'demo-Passwort-1' standin-server-failing.msi 1603
}

# A server present, the user installs anyway, and the package refuses: the
# finding flags still hold the server, but nothing was installed.
scenario_button_failing_package() {
    svc_running MySQL
    template_scenario 'demo-Passwort-1' standin-server-failing.msi - || return
    uia click 101 >/dev/null
    expect_box "$NOT_INSTALLED"
    expect_end 1603
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# msiexec runs with /norestart: a package that asks for a restart ends with
# 3010, which the kit and then the program pass on; the message is the same.
scenario_template_restart_needed() {
    template_scenario 'demo-Passwort-1' standin-server-restart.msi "$INSTALLED_AUTOMATICALLY" 3010
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    target_clear
}

# einstellungen.ini saved with a byte-order mark and CRLF: a password with
# blanks at both ends, every printable ASCII character and backslashes at its
# end reaches the package exactly as written, and is shown nowhere. A double
# quote is doubled on msiexec's command line, which Windows Installer reads
# back as one; Wine's msi drops it. A letter outside ASCII is read exactly but
# refused: the package's mysql_install_db would store another password.
scenario_settings_every_character() {
    local password=' !#$%&'"'"'()*+,-./09:;<=>?@AZ[\]^_`az{|}~ Kenn %PATH% \\'
    kit_place standin-server.msi
    printf '\xEF\xBB\xBF; saved by an editor\r\nROOT_PASSWORD=%s\r\n' "$password" >"$SETTINGS"
    script_run
    check "exit code" 0 "$SCRIPT_EXIT"
    check "password as written" "$password" "$(recorded_password)"
    check "not in the kit's output" no "$(printed 'Kenn %PATH%')"
    target_clear
    kit_place standin-server.msi
    setting ROOT_PASSWORD 'Kennwört'
    script_run
    check "umlaut: exit code" 17025 "$SCRIPT_EXIT"
    check "umlaut: says why" yes "$(printed 'ein Zeichen ausserhalb von ASCII')"
    check "umlaut: nothing installed" no "$(installed)"
    kit_place standin-server.msi
    setting ROOT_PASSWORD 'Pa"ss wort'
    script_run
    check "with a double quote: exit code" 0 "$SCRIPT_EXIT"
    check_wine_gap "with a double quote: password as written" 'Pa"ss wort' 'Pass wort' \
        "$(recorded_password)"
    target_clear
}

# settings_refused CONTENT LINE REASON: einstellungen.ini holding CONTENT (in
# printf's %b form) ends the install template with 17002 and a message that
# names the file, LINE and REASON; nothing is installed.
settings_refused() {
    kit_place standin-server.msi
    printf '%b' "$1" >"$SETTINGS"
    script_run
    check "line $2, $3: exit code" 17002 "$SCRIPT_EXIT"
    check "line $2, $3: named" yes "$(printed "\\einstellungen.ini\", Zeile $2: $3")"
    check "line $2, $3: nothing installed" no "$(installed)"
}

# Each kind of bad input in einstellungen.ini, and a password on the command line.
scenario_settings_bad_input() {
    settings_refused 'LOGDIR=\r\nROOT_PASSWORD\r\n' 2 'Kein Gleichheitszeichen'
    settings_refused '; x\nROOT_PASSWRD=geheim\n' 2 'Unbekannter Name "ROOT_PASSWRD"'
    settings_refused 'PACKAGE=\nPACKAGE=\n' 2 'PACKAGE steht schon in Zeile 1.'
    settings_refused 'ROOT_PASSWORD=K\xf6nig\n' 1 'Die Zeile ist kein UTF-8'
    settings_refused 'DELETE_DATA=ja\n' 1 'DELETE_DATA ist yes, no oder leer'
    kit_place standin-server.msi
    script_run silent-install2.bat ROOT_PASSWORD=geheim
    check "password on the command line: exit code" 17003 "$SCRIPT_EXIT"
    check "password on the command line: not shown" no "$(printed geheim)"
    check "password on the command line: nothing installed" no "$(installed)"
}

# A package of the 10.11 series beside the 10.1 one is not taken for it.
scenario_template_other_series_package() {
    template_place 'demo-Passwort-1' standin-server.msi
    cp "$TOOLS/standin-server-failing.msi" "$(prefix_path "$APP_DIR")/mariadb-10.11.2-winx64.msi"
    script_run
    check "exit code" 0 "$SCRIPT_EXIT"
    check "the 10.1 package installed" yes "$(installed)"
    target_clear
}

# Two packages and no choice: both named, nothing installed; PACKAGE given on
# the command line then wins. What the package is comes from its properties,
# whatever its name says (here a 64-bit package named like a 32-bit one).
scenario_template_several_packages() {
    template_place 'demo-Passwort-1' standin-server-failing.msi
    cp "$TOOLS/standin-server.msi" "$(prefix_path "$APP_DIR")/mariadb-10.1.48-win32.msi"
    script_run
    check "exit code" 17010 "$SCRIPT_EXIT"
    check "names the first" yes "$(printed '"mariadb-10.1.48-win32.msi"')"
    check "names the second" yes "$(printed "\"$PACKAGE_NAME\"")"
    check "nothing installed" no "$(installed)"
    script_run silent-install2.bat PACKAGE=mariadb-10.1.48-win32.msi
    check "exit code with PACKAGE given" 0 "$SCRIPT_EXIT"
    check "read from the package" yes "$(printed 'MariaDB 10.1 (x64), Version 10.1.22.0')"
    check "installed with PACKAGE given" yes "$(installed)"
    target_clear
}

# A log folder that cannot be written (the program's, made read-only) and
# one that everyone may write to: the default takes their place, and the log
# says why.
scenario_template_log_folders() {
    template_place 'demo-Passwort-1' standin-server.msi
    setting LOGDIR "$APP_DIR"
    local folder own
    folder=$(prefix_path "$APP_DIR")
    own=silent-install2-$(computer_name).log
    check "folder made read-only" 0 "$(chattr +i "$folder" 2>&1; echo $?)"
    script_run
    chattr -i "$folder"
    check "read-only: exit code" 0 "$SCRIPT_EXIT"
    check "read-only: says why" yes "$(printed "Protokollordner \"$APP_DIR\" wird nicht genommen: ist nicht beschreibbar")"
    check "read-only: log in the default folder" yes "$(in_log "$own" 'Exit-Code: 0')"
    check "read-only: no log beside the script" 0 "$(find "$folder" -name '*.log' | wc -l)"
    target_clear
    template_place 'demo-Passwort-1' standin-server.msi
    # Wine shows a folder's Unix mode as its access list: other users' write
    # bit as Everyone's right to write.
    mkdir -p "$(prefix_path 'C:\Pakete\Logs')" && chmod 777 "$(prefix_path 'C:\Pakete\Logs')"
    setting LOGDIR 'C:\Pakete\Logs'
    script_run
    check "everyone may write: exit code" 0 "$SCRIPT_EXIT"
    check "everyone may write: says why" yes "$(printed 'Protokollordner "C:\Pakete\Logs" wird nicht genommen: dort darf auch')"
    check "everyone may write: no log there" 0 "$(find "$(prefix_path 'C:\Pakete\Logs')" -name '*.log' | wc -l)"
    check "everyone may write: the warning in the default log" yes "$(in_log "$own" 'type="2"')"
    rm -rf "$(prefix_path 'C:\Pakete')"
    target_clear
}

# The versions of MariaDB 10.1 that Windows lists as installed, in both views.
listed_versions() {
    local view
    for view in 64 32; do
        wine_run reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall' /s \
            /v DisplayVersion /reg:$view 2>/dev/null | tr -d '\r' |
            sed -n 's/^ *DisplayVersion *REG_SZ *\(10\.1\..*\)$/\1/p'
    done | sort -u | tr '\n' ' ' | sed 's/ $//'
}

# An older 10.1 installed through the kit, a database file in its data
# folder; the kit with the newer package beside it and no root password
# updates it in place, while the older server holds port 3306: the database
# kept, the service running, only the newer version listed. Again: nothing to
# do. The older package beside the newer installation changes nothing and
# ends with 1638.
scenario_template_updates() {
    template_place 'demo-Passwort-1' standin-server.msi mariadb-10.1.22-winx64.msi
    script_run
    check "10.1.22 installed" "0 10.1.22.0" "$SCRIPT_EXIT $(listed_versions)"
    echo keep >"$(prefix_path "$TARGET_DIR")/data/mine.txt"
    rm -f "$(prefix_path "$APP_DIR")"/*.msi
    cp "$TOOLS/standin-server-newer.msi" "$(prefix_path "$APP_DIR")/$PACKAGE_NAME"
    setting ROOT_PASSWORD ''
    rm -f "$SAFE_DIR/root-kennwort.txt"
    listen_on tcp4 3306  # the older server's
    script_run
    listeners_stop
    check "update: exit code" 0 "$SCRIPT_EXIT"
    check "update: says from which version to which" yes "$(printed 'Aktualisiere MariaDB 10.1.22')"
    check "update: the kept service named" yes "$(printed 'Der Dienst "MariaDB" wird dafuer angehalten')"
    check "update: no folder, service or password given to msiexec" no "$(printed 'INSTALLDIR=')"
    check "update: only the newer version listed" 10.1.48.0 "$(listed_versions)"
    check "update: the named entry's version" 10.1.48.0 "$(wine_run reg query \
        'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\MariaDB 10.1 (x64)' /v DisplayVersion |
        tr -d '\r' | sed -n 's/^ *DisplayVersion *REG_SZ *//p')"
    check "update: no password made" no "$([ -e "$SAFE_DIR/root-kennwort.txt" ] && echo yes || echo no)"
    check "update: database file kept" yes "$([ -f "$(prefix_path "$TARGET_DIR")/data/mine.txt" ] && echo yes)"
    check "update: service MariaDB" RUNNING "$(svc_state MariaDB)"
    script_run
    check "again: exit code" 0 "$SCRIPT_EXIT"
    check "again: says so, runs nothing" "yes no" "$(printed 'ist schon installiert') $(printed 'msiexec.exe" /i')"
    rm -f "$(prefix_path "$APP_DIR")"/*.msi
    cp "$TOOLS/standin-server.msi" "$(prefix_path "$APP_DIR")/mariadb-10.1.22-winx64.msi"
    script_run
    check "older package: exit code" 1638 "$SCRIPT_EXIT"
    check "older package: nothing changed" "no 10.1.48.0" "$(printed 'msiexec.exe" /i') $(listed_versions)"
    wine_run msiexec /x "Z:${TOOLS//\//\\}\\standin-server-newer.msi" /qn >/dev/null 2>&1
    target_clear
}

# A 32-bit MariaDB 10.1 installed and the 64-bit package beside the kit:
# nothing runs (no second server beside it), and the product in the way is named.
scenario_template_other_architecture() {
    template_place 'demo-Passwort-1' standin-server.msi
    wine_run msiexec /i "Z:${TOOLS//\//\\}\\standin-server-32.msi" /qn SERVICENAME=MariaDB >/dev/null 2>&1
    script_run
    check "exit code" 17014 "$SCRIPT_EXIT"
    check "names the 32-bit product" yes "$(printed 'Installiert ist "MariaDB 10.1" (Produktcode {')"
    check "the 32-bit server stays" "10.1.22.0 RUNNING" "$(listed_versions) $(svc_state MariaDB)"
    check "no 64-bit server beside it" no "$(installed)"
    standins_remove
}

# TCP port 3306 taken by a real socket, IPv4 or IPv6 alone: nothing runs.
# Free beside a listener on 33060 and UDP 3306. Wine lists every socket with
# process ID 0, so the message names no process here.
scenario_template_port_taken() {
    template_place 'demo-Passwort-1' standin-server.msi
    listen_on tcp4 3306
    script_run
    listeners_stop
    check "IPv4: exit code" 17020 "$SCRIPT_EXIT"
    check "IPv4: says so" yes "$(printed 'TCP-Port 3306 ist belegt: ein Prozess wartet dort')"
    check "IPv4: nothing installed" no "$(installed)"
    listen_on tcp6 3306
    script_run
    listeners_stop
    check "IPv6 alone: exit code" 17020 "$SCRIPT_EXIT"
    listen_on tcp4 33060
    listen_on udp4 3306
    script_run
    listeners_stop
    check "free: exit code" 0 "$SCRIPT_EXIT"
    check "free: installed" yes "$(installed)"
    target_clear
}

# Programs named as the templates once called them, planted beside the kit
# (cmd and CreateProcess would look there first): none of them runs on either
# road, and both roads still do their work.
scenario_kit_planted_tools() {
    local dir name
    dir=$(prefix_path "$APP_DIR")
    template_place 'demo-Passwort-1' standin-server.msi
    for name in reg.bat find.bat netstat.bat msiexec.cmd msiexec.bat; do
        printf '@echo planted>>C:\\planted-%s.txt\r\n@exit /b 0\r\n' "$name" >"$dir/$name"
    done
    rm -f "$WINEPREFIX"/drive_c/planted-*.txt
    script_run
    check "install: exit code" 0 "$SCRIPT_EXIT"
    check "install: installed" yes "$(installed)"
    script_run silent-uninstall.bat
    check "removal: exit code" 0 "$SCRIPT_EXIT"
    check "removal: removed" no "$(installed)"
    check "no planted program ran" '' "$(cd "$WINEPREFIX/drive_c" && ls planted-*.txt 2>/dev/null)"
    rm -rf "$(prefix_path "$TARGET_DIR") - gesichert "*
    target_clear
}
