# Scenarios with the administrators' script template and the stand-in MSI
# packages, installed or refused by Wine's msiexec. Sourced by run.sh after
# install_roads.sh.

# template_place PASSWORD PACKAGE|-: the administrators' template beside the
# program, its root password set to PASSWORD, and the stand-in package PACKAGE
# (- for none), with no target folder yet.
template_place() {
    target_clear
    echo MariaDB >>"$SERVICES_MADE"
    sed "s/^set \"ROOT_PASSWORD=.*\"/set \"ROOT_PASSWORD=$1\"/" "$WINE_REPO/examples/silent-install2.bat" \
        >"$(prefix_path "$APP_DIR")/silent-install2.bat"
    [ "$2" = - ] || cp "$TOOLS/$2" "$(prefix_path "$APP_DIR")/mariadb-10.1-winx64.msi"
}

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

# The package installed into the script's target and started its service.
scenario_template_installs() {
    template_scenario 'demo-Passwort-1' standin-server.msi "$INSTALLED_AUTOMATICALLY" 0
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    check "server program in the target folder" yes \
        "$([ -f "$(prefix_path "$TARGET_DIR")/bin/standin-server.exe" ] && echo yes)"
    check "msiexec log beside the script" yes \
        "$(grep -q -a -i 'standin' "$(prefix_path "$APP_DIR")/mariadb-install.log" 2>/dev/null && echo yes)"
    target_clear
}

# template_refuses PASSWORD PACKAGE EXIT_CODE: the road ends with the failure
# text and EXIT_CODE, and nothing is installed.
template_refuses() {
    template_scenario "$1" "$2" "$NOT_INSTALLED" "$3"
    check "no service MariaDB" missing "$(svc_state MariaDB)"
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# The script's own codes are passed on: no password, no package, msiexec's failure.
scenario_template_as_shipped() { template_refuses '' standin-server.msi 1; }

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
