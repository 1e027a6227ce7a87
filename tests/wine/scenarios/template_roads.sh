# Scenarios with the administrators' script template and the stand-in MSI
# packages, installed or refused by Wine's msiexec. Sourced by run.sh after
# install_roads.sh.

PACKAGE_NAME=mariadb-10.1.48-winx64.msi  # as the official packages are named
RECORD_KEY='HKLM\Software\StandIn Database Server'
SAFE='C:\Program Files\MariaDB-Installer'  # the template's folder for administrators only
SAFE_DIR=$(prefix_path "$SAFE")

# template_set NAME VALUE [TEMPLATE]: the setting NAME of the template beside
# the program (the install template unless named): its first line.
template_set() {
    local script
    script=$(prefix_path "$APP_DIR")/${3:-silent-install2.bat}
    VALUE=$2 awk -v name="$1" '
        !done && index($0, "set \"" name "=") == 1 {
            print "set \"" name "=" ENVIRON["VALUE"] "\"\r"; done = 1; next }
        { print }' "$script" >"$script.new" && mv "$script.new" "$script"
}

# Removes every stand-in product an earlier scenario left installed, of
# either architecture: the template would take it for an installed MariaDB 10.1.
standins_remove() {
    local code view
    for view in 64 32; do
        for code in $(wine_run reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall' \
            /s /v DisplayName /reg:$view 2>/dev/null | tr -d '\r' |
            grep -B1 'REG_SZ *MariaDB 10\.1' | grep -o '\\{[0-9A-F-]*}$' | tr -d '\\'); do
            wine_run msiexec /x "$code" /qn >/dev/null 2>&1
        done
    done
}

# netstat_shows TEXT: what netstat lists to the template from now on (Wine's
# own lists no sockets), TEXT in printf's %b form and the console's code page;
# "-" gives Wine's own back.
NETSTAT_OVERRIDE=''
netstat_shows() {
    local system32=$WINEPREFIX/drive_c/windows/system32
    [ -f "$system32/netstat.exe.wine" ] || cp "$system32/netstat.exe" "$system32/netstat.exe.wine"
    if [ "$1" = - ]; then
        mv "$system32/netstat.exe.wine" "$system32/netstat.exe"
        NETSTAT_OVERRIDE=''
        return
    fi
    cp "$TOOLS/fake-netstat.exe" "$system32/netstat.exe"
    printf '%b' "$1" >"$system32/netstat.txt"
    NETSTAT_OVERRIDE=';netstat.exe=n'
}

# template_place PASSWORD PACKAGE|- [NAME]: the administrators' template beside the
# program, its root password set to PASSWORD, and the stand-in package PACKAGE
# (- for none) as NAME; no stand-in installed, no target folder, and nothing
# recorded by a package yet.
template_place() {
    standins_remove
    target_clear
    echo MariaDB >>"$SERVICES_MADE"
    wine_run reg delete "$RECORD_KEY" /f >/dev/null 2>&1
    rm -rf "$SAFE_DIR"
    cp "$WINE_REPO/examples/silent-install2.bat" "$(prefix_path "$APP_DIR")/silent-install2.bat"
    cp "$(dirname "$PROGRAM")/root-password.exe" "$(prefix_path "$APP_DIR")/"
    template_set ROOT_PASSWORD "$1"
    [ "$2" = - ] || cp "$TOOLS/$2" "$(prefix_path "$APP_DIR")/${3:-$PACKAGE_NAME}"
}

# acl_of PATH: its owner and access list in SDDL. Wine shows the Administrators
# group as the prefix's user; that SID is given its name back here.
acl_of() { wine_run "$TOOLS/acl.exe" "$1" 2>&1 | tr -d '\r' | sed 's/S-1-5-21-0-0-0-1000/BA/g'; }

# The password the stand-in package received, as it recorded it.
recorded_password() {
    wine_run reg query "$RECORD_KEY" /v Password 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *Password *REG_SZ *//p'
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

# script_run [TEMPLATE]: the template alone (the install template unless
# named), as software distribution may start it; its output in SCRIPT_OUT, its
# whole exit code in SCRIPT_EXIT.
script_run() {
    SCRIPT_OUT=$(WINEDLLOVERRIDES="$WINEDLLOVERRIDES$NETSTAT_OVERRIDE" \
        launched 60000 "$APP_DIR\\${1:-silent-install2.bat}" 2>/dev/null)
    SCRIPT_EXIT=$(kv exit_code <<<"$SCRIPT_OUT")
    sed 's/^/# script: /' <<<"$SCRIPT_OUT"
}

# printed TEXT: whether the script's output holds TEXT.
printed() { grep -qF -- "$1" <<<"$SCRIPT_OUT" && echo yes || echo no; }

# template_scenario PASSWORD PACKAGE|- FINAL_MESSAGE|- [EXIT_CODE]: starts the
# program beside the administrators' template, its root password set to PASSWORD,
# and the stand-in package PACKAGE (- for none); with a FINAL_MESSAGE, the
# automatic road to its end with EXIT_CODE.
template_scenario() {
    template_place "$1" "$2"
    app_start || return
    [ "$3" = - ] && return
    expect_box "$3"
    expect_end "$4"
}

# The package under its versioned name, found by the template, installed into
# the script's target with the password as written, and its service started.
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
    check "own log: the exit code" yes "$(in_log "$own" 'Exit-Code: 0')"
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

# The script's own codes are passed on: no package, msiexec's failure.
# As shipped but without root-password.exe beside it: nothing installed, and
# the message names the generator.
scenario_template_as_shipped() {
    template_place '' standin-server.msi
    rm "$(prefix_path "$APP_DIR")/root-password.exe"
    script_run
    check "without the generator: exit code" 1 "$SCRIPT_EXIT"
    check "without the generator: names it" yes "$(printed 'fehlt root-password.exe')"
    check "without the generator: nothing installed" no "$(installed)"
}

# As shipped, ROOT_PASSWORD empty: the package gets a password of this
# computer's own, kept in a file that only SYSTEM and Administrators may open,
# in a folder that hands that down to msiexec's log; no log that users read
# holds it, nor the script's output. A second computer gets another.
scenario_template_own_password() {
    template_place '' standin-server.msi
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
    check "not in the script's output" no "$(printed "$first")"
    target_clear
    template_place '' standin-server.msi
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
# 3010, which the template and then the program pass on; the message is the same.
scenario_template_restart_needed() {
    template_scenario 'demo-Passwort-1' standin-server-restart.msi "$INSTALLED_AUTOMATICALLY" 3010
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    target_clear
}

# The template alone, saved with a byte-order mark: blanks and & ^ ! ( ) in
# the password reach msiexec as written, and no line is echoed. A percent sign
# written %% arrives as one on Windows; Wine's cmd expands the expanded value
# once more.
scenario_template_special_password() {
    template_place 'Kenn wort&^!()x' standin-server.msi
    sed -i '1s/^/\xEF\xBB\xBF/' "$(prefix_path "$APP_DIR")/silent-install2.bat"  # saved "UTF-8 mit BOM"
    script_run
    check "exit code" 0 "$SCRIPT_EXIT"
    check "password as written" 'Kenn wort&^!()x' "$(recorded_password)"
    check "with a byte-order mark, no line echoed" no "$(printed 'ROOT_PASSWORD=')"
    target_clear
    template_place 'Pro%%zent' standin-server.msi
    script_run
    check_wine_gap "percent sign written %%" 'Pro%zent' 'Prozent' "$(recorded_password)"
    target_clear
}

# A double quote cannot be passed to msiexec: refused, nothing installed; also
# where it makes cmd split the password's line and run the rest as a command.
scenario_template_quote_in_password() {
    local password
    for password in 'ab"cd' 'Pass"wort&1' 'Pass"wort<x'; do
        template_place "$password" standin-server.msi
        script_run
        check "$password: exit code" 3 "$SCRIPT_EXIT"
        check "$password: says why" yes "$(printed 'enthaelt ein Anfuehrungszeichen')"
        check "$password: nothing installed" no "$(installed)"
    done
}

# Every printable ASCII character but the quote passes; anything else is
# refused, as the console reads the script in another code page than the
# editor wrote it in. The percent sign (written %%) is left out: Wine's cmd
# expands the text of an expanded variable once more, which Windows' never does.
scenario_template_other_character_in_password() {
    template_place 'a !#$&'"'"'()*+,-./09:;<=>?@AZ[\]^_`az{|}~' standin-server.msi
    script_run
    check "every printable ASCII character: exit code" 0 "$SCRIPT_EXIT"
    check "every printable ASCII character: installed" yes "$(installed)"
    target_clear
    template_place 'Kennwört' standin-server.msi
    script_run
    check "umlaut: exit code" 4 "$SCRIPT_EXIT"
    check "umlaut: says why" yes "$(printed 'ausserhalb von ASCII')"
    check "umlaut: nothing installed" no "$(installed)"
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

# Two packages and no choice: both named, nothing installed; a PACKAGE set by
# the administrator then wins.
scenario_template_several_packages() {
    template_place 'demo-Passwort-1' standin-server-failing.msi
    cp "$TOOLS/standin-server.msi" "$(prefix_path "$APP_DIR")/mariadb-10.1.48-win32.msi"
    script_run
    check "exit code" 2 "$SCRIPT_EXIT"
    check "names the first" yes "$(printed '"mariadb-10.1.48-win32.msi"')"
    check "names the second" yes "$(printed "\"$PACKAGE_NAME\"")"
    check "nothing installed" no "$(installed)"
    template_set PACKAGE mariadb-10.1.48-win32.msi
    script_run
    check "exit code with PACKAGE set" 0 "$SCRIPT_EXIT"
    check "installed with PACKAGE set" yes "$(installed)"
    target_clear
}

# A log folder nobody may write to (here the script's, made read-only): the
# logs go to %TEMP%, and the script says so.
scenario_template_read_only_folder() {
    template_place 'demo-Passwort-1' standin-server.msi
    template_set LOGDIR "$APP_DIR"
    local folder log
    folder=$(prefix_path "$APP_DIR")
    check "folder made read-only" 0 "$(chattr +i "$folder" 2>&1; echo $?)"
    script_run
    chattr -i "$folder"
    check "exit code" 0 "$SCRIPT_EXIT"
    log=$(sed -n 's/^Protokoll: "\(.*\)"\r*$/\1/p' <<<"$SCRIPT_OUT")
    check "log in %TEMP%" yes "$([[ ${log,,} == *'\temp\silent-install2-'*.log ]] && echo yes || echo no)"
    check "log written there" yes "$(in_log "$(prefix_path "$log")" 'Exit-Code: 0')"
    check "no log beside the script" 0 "$(find "$folder" -name '*.log' | wc -l)"
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

# An older 10.1 installed through the template, a database file in its data
# folder; the template with the newer package beside it and no root password
# updates it in place: the database kept, the service running, only the newer
# version listed. Again: nothing to do. The older package beside the newer
# installation changes nothing and ends with 1638.
scenario_template_updates() {
    template_place 'demo-Passwort-1' standin-server.msi mariadb-10.1.22-winx64.msi
    script_run
    check "10.1.22 installed" "0 10.1.22.0" "$SCRIPT_EXIT $(listed_versions)"
    echo keep >"$(prefix_path "$TARGET_DIR")/data/mine.txt"
    rm -f "$(prefix_path "$APP_DIR")"/*.msi
    cp "$TOOLS/standin-server-newer.msi" "$(prefix_path "$APP_DIR")/$PACKAGE_NAME"
    template_set ROOT_PASSWORD ''
    netstat_shows '  TCP    0.0.0.0:3306    0.0.0.0:0    LISTENING    4242\r\n'  # the older server's
    script_run
    netstat_shows -
    check "update: exit code" 0 "$SCRIPT_EXIT"
    check "update: says from which version to which" yes "$(printed 'Aktualisiere MariaDB 10.1.22')"
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
    check "again: says so, runs nothing" "yes no" "$(printed 'ist schon installiert') $(printed 'msiexec /i')"
    rm -f "$(prefix_path "$APP_DIR")"/*.msi
    cp "$TOOLS/standin-server.msi" "$(prefix_path "$APP_DIR")/mariadb-10.1.22-winx64.msi"
    script_run
    check "older package: exit code" 1638 "$SCRIPT_EXIT"
    check "older package: nothing changed" "no 10.1.48.0" "$(printed 'msiexec /i') $(listed_versions)"
    wine_run msiexec /x "Z:${TOOLS//\//\\}\\standin-server-newer.msi" /qn >/dev/null 2>&1
    target_clear
}

# A 32-bit MariaDB 10.1 installed and the 64-bit package beside the template:
# nothing runs (no second server beside it), and the product in the way is named.
scenario_template_other_architecture() {
    template_place 'demo-Passwort-1' standin-server.msi
    wine_run msiexec /i "Z:${TOOLS//\//\\}\\standin-server-32.msi" /qn SERVICENAME=MariaDB >/dev/null 2>&1
    script_run
    check "exit code" 5 "$SCRIPT_EXIT"
    check "names the 32-bit product" yes "$(printed 'Installiert ist "MariaDB 10.1" (Produktcode {')"
    check "the 32-bit server stays" "10.1.22.0 RUNNING" "$(listed_versions) $(svc_state MariaDB)"
    check "no 64-bit server beside it" no "$(installed)"
    standins_remove
}

# TCP port 3306 taken, on German Windows (IPv4, its state word in code page
# 850) and on English Windows (IPv6 only): nothing runs, the listening process
# is named. Free beside a listener on 33060, a connection to a remote 3306 and UDP.
scenario_template_port_taken() {
    template_place 'demo-Passwort-1' standin-server.msi
    netstat_shows '\r\nAktive Verbindungen\r\n\r\n  Proto  Lokale Adresse  Remoteadresse  Status  PID\r\n  TCP  0.0.0.0:135  0.0.0.0:0  ABH\x99REN  948\r\n  TCP  0.0.0.0:3306  0.0.0.0:0  ABH\x99REN  4242\r\n'
    script_run
    check "German, IPv4: exit code" 6 "$SCRIPT_EXIT"
    check "German, IPv4: names the process" yes "$(printed 'der Prozess mit der ID 4242 wartet')"
    check "German, IPv4: nothing installed" no "$(installed)"
    netstat_shows '  TCP    [::]:3306    [::]:0    LISTENING    5150\r\n'
    script_run
    check "English, IPv6: exit code, process" "6 yes" "$SCRIPT_EXIT $(printed 'der Prozess mit der ID 5150')"
    netstat_shows '  TCP  0.0.0.0:33060  0.0.0.0:0  LISTENING  5150\r\n  TCP  10.0.0.5:50123  10.0.0.9:3306  ESTABLISHED  77\r\n  UDP  0.0.0.0:3306  *:*  88\r\n'
    script_run
    netstat_shows -
    check "free: exit code" 0 "$SCRIPT_EXIT"
    check "free: installed" yes "$(installed)"
    target_clear
}
