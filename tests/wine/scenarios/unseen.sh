# Scenarios where nobody can see the window, as under software distribution: the
# program started on a window station of its own, judged by its exit code alone.
# Sourced by run.sh after template_roads.sh.

# unseen_run SECONDS: starts the program on a station that is not visible and
# waits for its end; its exit code in UNSEEN_EXIT ("timed out" when it did not
# end by itself in time).
unseen_run() {
    local out
    out=$(launched --unseen "$(($1 * 1000))" "$APP_DIR\\mariadb-installer.exe" 2>"$UIA_ERR")
    [ -s "$UIA_ERR" ] && sed 's/^/# /' "$UIA_ERR" >&2
    check "window station not visible" 0 "$(kv station_visible <<<"$out")"
    UNSEEN_EXIT=$(kv exit_code <<<"$out")
    [ -n "$UNSEEN_EXIT" ] || UNSEEN_EXIT="timed out"
    note "ended after $(kv ms <<<"$out") ms"
}

scenario_unseen_installs() {
    template_place 'demo-Passwort-1' standin-server.msi
    unseen_run 60
    check "exit code" 0 "$UNSEEN_EXIT"
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    check "server program in the target folder" yes \
        "$([ -f "$(prefix_path "$TARGET_DIR")/bin/standin-server.exe" ] && echo yes)"
    target_clear
}

scenario_unseen_failing_package() {
    template_place 'demo-Passwort-1' standin-server-failing.msi
    unseen_run 60
    check "exit code" 1603 "$UNSEEN_EXIT"
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# unseen_server_present SERVICE-MAKER NAME: nobody could decide, so the program
# ends at once and the script never starts.
unseen_server_present() {
    target_clear
    "$1" "$2"
    install_script "$(make_script 0 installs)"
    unseen_run 30
    check "exit code" 1638 "$UNSEEN_EXIT"
    check "script not started" 0 "$(runs_count)"
}

scenario_unseen_mysql_running() { unseen_server_present svc_running MySQL; }

scenario_unseen_mariadb_stopped() { unseen_server_present svc_stopped MariaDB; }

# The missing script's box is not shown; the program ends by itself.
scenario_unseen_without_script() {
    target_clear
    unseen_run 30
    check "exit code" 1603 "$UNSEEN_EXIT"
}
