# Scenarios of the administrators' removal template: what the install template
# installed is found through Windows Installer and removed, the databases kept
# unless einstellungen.ini says otherwise. Sourced by run.sh after template_roads.sh.

UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall'
DECOY_KEY="$UNINSTALL_KEY\\MariaDB 10.11 (x64)"
DECOY_CODE='{0000A011-0000-4000-8000-000000000011}'
DATA_FILE=$(prefix_path "$TARGET_DIR")/data/started.txt
KEPT_DIR="$(prefix_path "$TARGET_DIR") - gesichert 1"  # where the removal moves what is left

# removal_installed: the stand-in installed through the install template (its
# server running has written into the data folder), and no package beside the
# removal template.
removal_installed() {
    kit_place standin-server.msi
    wine_run reg delete 'HKLM\Software\StandIn Removal' /f >/dev/null 2>&1
    script_run
    check "installed through the install template" 0 "$SCRIPT_EXIT"
    check "data written by the running server" yes "$(data_file_kept)"
    rm -f "$(prefix_path "$APP_DIR")/$PACKAGE_NAME"
}

# The CLEANUPDATA the stand-in's removal was given, or "none" when it did not
# run. Wine's msi turns CLEANUPDATA="" into the text of the next property.
removal_cleanupdata() {
    local out
    out=$(wine_run reg query 'HKLM\Software\StandIn Removal' /v CleanUpData 2>/dev/null | tr -d '\r')
    grep -q CleanUpData <<<"$out" || { echo none; return; }
    sed -n 's/^ *CleanUpData *REG_SZ *//p' <<<"$out" | sed 's/^$/(empty)/'
}

data_file_kept() { [ -f "$DATA_FILE" ] && echo yes || echo no; }

removed_checks() {
    check "exit code" 0 "$SCRIPT_EXIT"
    check "service gone" missing "$(svc_state MariaDB)"
    check "server program gone" no "$(installed)"
}

# Removed without a package beside the template, the databases kept and moved
# aside with the rest of the target folder, a 10.11 entry beside it left alone;
# the second run finds nothing and says so; the next start installs again.
scenario_removal_keeps_data() {
    removal_installed
    wine_run reg add "$DECOY_KEY" /v DisplayName /d 'MariaDB 10.11 (x64)' /f >/dev/null 2>&1
    wine_run reg add "$DECOY_KEY" /v UninstallString /d "msiexec.exe /I $DECOY_CODE" /f >/dev/null 2>&1
    script_run silent-uninstall.bat
    removed_checks
    check "10.11 entry left alone" no "$(printed "$DECOY_CODE")"
    check "10.11 entry still listed" 0 "$(wine_run reg query "$DECOY_KEY" >/dev/null 2>&1; echo $?)"
    check "CLEANUPDATA given empty to msiexec" yes "$(printed 'CLEANUPDATA=""')"
    # Wine's msi gives CLEANUPDATA="" the text that follows it on its own line.
    check_wine_gap "the package's removal ran, CLEANUPDATA empty" '(empty)' 'ALLUSERS=1' \
        "$(removal_cleanupdata)"
    check "target folder moved aside" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
    check "data file kept beside it" yes "$([ -f "$KEPT_DIR/data/started.txt" ] && echo yes || echo no)"
    check "its password kept with it, and only there" "yes no" \
        "$([ -f "$KEPT_DIR/root-kennwort.txt" ] && echo yes || echo no) $([ -e "$SAFE_DIR/root-kennwort.txt" ] && echo yes || echo no)"
    check "says where" yes "$(printed "liegt jetzt in \"$TARGET_DIR - gesichert 1\"")"
    local own
    own=silent-uninstall-$(computer_name).log
    check "own log: where" yes "$(in_log "$own" 'gesichert 1')"
    check "own log: the exit code" yes "$(in_log "$own" '<![LOG[Exit-Code: 0]LOG]!>')"
    check "msiexec's removal log in the log folder" yes "$(in_log "silent-uninstall-$(computer_name)-msiexec.log" StandIn)"
    script_run silent-uninstall.bat
    check "again: exit code" 0 "$SCRIPT_EXIT"
    check "again: says nothing is installed" yes "$(printed 'Kein MariaDB 10.1 installiert')"
    wine_run reg delete "$DECOY_KEY" /f >/dev/null 2>&1
    template_scenario 'demo-Passwort-1' standin-server.msi "$INSTALLED_AUTOMATICALLY" 0
    check "the next start installed" yes "$(installed)"
    check "moved data still kept" yes "$([ -f "$KEPT_DIR/data/started.txt" ] && echo yes || echo no)"
    rm -rf "$KEPT_DIR"
    target_clear
}

# DELETE_DATA=yes: the databases, the password and msiexec's log of the
# installation, which holds the password, go.
scenario_removal_deletes_data() {
    removal_installed
    local install_log
    install_log=$SAFE_DIR/silent-install2-$(computer_name)-msiexec.log
    check "msiexec's log of the installation there" yes "$([ -f "$install_log" ] && echo yes || echo no)"
    setting DELETE_DATA yes
    script_run silent-uninstall.bat
    removed_checks
    check "CLEANUPDATA given" 1 "$(removal_cleanupdata)"
    check "empty target folder removed" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
    check "nothing moved aside" no "$([ -e "$KEPT_DIR" ] && echo yes || echo no)"
    check "the password deleted too" no "$([ -e "$SAFE_DIR/root-kennwort.txt" ] && echo yes || echo no)"
    check "msiexec's log of the installation deleted too" no "$([ -e "$install_log" ] && echo yes || echo no)"
    target_clear
}

# Other products' entries whose names hold an odd quote and & or <, and a log
# folder with & and ^: nothing of them reaches cmd's parser, the entry after a
# MariaDB 10.1 entry is not taken for it, and msiexec gets its log path whole.
scenario_removal_among_strange_entries() {
    local odd="$UNINSTALL_KEY\\Odd Tool" after="$UNINSTALL_KEY\\{FFFFFFFF-FFFF-4FFF-8FFF-FFFFFFFFFFFF}"
    removal_installed
    wine_run reg add "$odd" /v DisplayName /d 'Odd "Tool&mkdir C:\injected' /f >/dev/null 2>&1
    wine_run reg add "$after" /v DisplayName /d 'After "Tool<x' /f >/dev/null 2>&1
    setting LOGDIR 'C:\R&D ^logs'
    script_run silent-uninstall.bat
    removed_checks
    check "no command run from a display name" no "$([ -e "$(prefix_path 'C:\injected')" ] && echo yes || echo no)"
    check "the entry after it not taken for MariaDB 10.1" no "$(printed '{FFFFFFFF-FFFF')"
    check "msiexec's log in the folder with & and ^" yes \
        "$(in_log "$(prefix_path 'C:\R&D ^logs')/silent-uninstall-$(computer_name)-msiexec.log" StandIn)"
    wine_run reg delete "$odd" /f >/dev/null 2>&1
    wine_run reg delete "$after" /f >/dev/null 2>&1
    rm -rf "$KEPT_DIR" "$(prefix_path 'C:\R&D ^logs')"
    target_clear
}

# A product whose removal fails stays installed: the template ends with
# msiexec's code, says so, and moves nothing aside. An entry in the uninstall list that
# Windows Installer does not know is no product and left alone.
scenario_removal_still_listed() {
    local key="$UNINSTALL_KEY\\$DECOY_CODE"
    removal_installed
    wine_run reg add "$key" /v DisplayName /d 'MariaDB 10.1' /f >/dev/null 2>&1
    wine_run reg add 'HKLM\Software\StandIn Removal' /v Refuse /d 1 /f >/dev/null 2>&1
    script_run silent-uninstall.bat
    check "exit code" 1603 "$SCRIPT_EXIT"
    check "says it is still installed" yes "$(printed 'ist danach noch installiert')"
    check "still installed" yes "$(installed)"
    check "the unknown entry left alone" no "$(printed "$DECOY_CODE")"
    check "nothing moved aside" no "$([ -e "$KEPT_DIR" ] && echo yes || echo no)"
    wine_run reg delete "$key" /f >/dev/null 2>&1
    standins_remove
    target_clear
}
