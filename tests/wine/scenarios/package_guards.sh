# What the 10.1 package (and the stand-in, which does as it does) would do to
# the computer it meets, stopped by the kit before Windows Installer runs.
# Sourced by run.sh after removal_roads.sh.

# guard_refuses CODE TEXT: the install template alone ended with CODE, said
# TEXT, ran no msiexec and installed nothing.
guard_refuses() {
    script_run
    check "exit code" "$1" "$SCRIPT_EXIT"
    check "says why" yes "$(printed "$2")"
    check "no msiexec run" no "$(printed 'msiexec.exe" /i')"
    check "nothing installed" no "$(installed)"
}

# A stopped server of another series whose service is called MariaDB: the
# package would fail and its rollback delete that service and the data folder.
scenario_kit_service_exists() {
    template_place 'demo-Passwort-1' standin-server.msi
    svc_stopped MariaDB
    guard_refuses 17021 'Es gibt schon einen Dienst "MariaDB", er startet "C:\tools\test-service.exe"'
    check "the other server's service stays" STOPPED "$(svc_state MariaDB)"
}

# A service removed without a restart since: the package would roll back.
scenario_kit_service_marked_for_deletion() {
    template_place 'demo-Passwort-1' standin-server.msi
    svc_running MariaDB
    sc delete MariaDB >/dev/null  # a running service waits for its end to go
    guard_refuses 17022 'zum Loeschen vorgemerkt'
}

# The target folder of an earlier installation, databases and all, without
# the product: the package would stop at its data folder.
scenario_kit_target_exists() {
    template_place 'demo-Passwort-1' standin-server.msi
    mkdir -p "$(prefix_path "$TARGET_DIR")/data" && echo old >"$(prefix_path "$TARGET_DIR")/data/ibdata1"
    guard_refuses 17024 "\"$TARGET_DIR\" besteht schon"
    check "the old databases stay" old "$(cat "$(prefix_path "$TARGET_DIR")/data/ibdata1")"
    target_clear
}

# A password that ends with a backslash and holds no blank or quote: the
# package would break it on mysql_install_db's command line (an odd number of
# backslashes fails the installation, an even one gives root another password).
scenario_kit_password_backslash() {
    template_place 'geheim\' standin-server.msi
    guard_refuses 17025 'Es endet mit einem Backslash'
    setting ROOT_PASSWORD 'geheim\\'
    guard_refuses 17025 'Es endet mit einem Backslash'
}

# installer_held MS: a helper owns Global\_MSIExecute for MS, as Windows
# Installer's service does while it installs; its process in HOLDER.
HOLDER=''
installer_held() {
    local out=$WINEPREFIX/suite-holder.out
    rm -f "$out"
    wine_run "$TOOLS/uia.exe" own-mutex 'Global\_MSIExecute' "$1" >"$out" 2>/dev/null &
    HOLDER=$!
    wait_for 10 "grep -q held=1 '$out'" || note "the helper never held Global\_MSIExecute"
}

# Another installation holds Windows Installer for some seconds: the kit waits
# and says so, then installs. Killed while it waits (as a tool ends a run at
# its maximum run time), its log keeps every line it had written.
scenario_kit_installer_busy() {
    local own out
    own=silent-install2-$(computer_name).log
    template_place 'demo-Passwort-1' standin-server.msi
    installer_held 4000
    script_run
    wait "$HOLDER"
    check "exit code" 0 "$SCRIPT_EXIT"
    check "says it waits" yes "$(printed 'Eine andere Installation laeuft (Windows Installer ist belegt)')"
    check "waited a few seconds" yes \
        "$(sed -n 's/.*Windows Installer ist nach \([0-9]*\) Sekunden frei.*/\1/p' <<<"$SCRIPT_OUT" |
            awk '{ print ($1 >= 2 ? "yes" : "no") }')"
    check "installed afterwards" yes "$(installed)"
    target_clear
    template_place 'demo-Passwort-1' standin-server.msi
    rm -f "$LOG_DIR/$own"
    installer_held 20000
    out=$(launched 4000 "$APP_DIR\\mariadb-kit.exe" install 2>/dev/null)
    check "killed while waiting" 1 "$(kv timed_out <<<"$out")"
    check "its log keeps the wait" yes "$(in_log "$own" 'Eine andere Installation laeuft')"
    check "its log ends there" no "$(in_log "$own" 'Exit-Code')"
    kill "$HOLDER" 2>/dev/null
    wait "$HOLDER" 2>/dev/null
}
