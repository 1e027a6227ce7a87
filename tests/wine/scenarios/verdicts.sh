# Scenarios of the verdict: which services count, and how the window closes.
# Sourced by run.sh.

scenario_mysql_running() {
    svc_running MySQL
    app_start || return
    expect_verdict "$MYSQL_RUNNING"
    check_window_facts
    check_layout
    screenshot
    close_by click 102
}

scenario_mariadb_stopped() {
    svc_stopped MariaDB
    app_start || return
    expect_verdict "$MARIADB_STOPPED"
    close_by close
}

scenario_mysql_running_mariadb_stopped() {
    svc_running MySQL
    svc_stopped MariaDB
    app_start || return
    expect_verdict "$MARIADB_STOPPED"
    close_by syscommand-close
}

scenario_mysql_lower_case_stopped() {
    svc_stopped mysql
    app_start || return
    expect_verdict "$MYSQL_STOPPED"
    close_by close
}

# Only key names count: a display name with MariaDB in it does not.
scenario_mariadb_display_name_only() {
    svc_running MySQL
    svc_stopped Foo DisplayName= "MariaDB Server"
    app_start || return
    expect_verdict "$MYSQL_RUNNING"
    close_by close
}
