#!/usr/bin/env bash
# The 64-bit installer under Wine, read back from outside: what its window says
# for the services present, how it looks, both install roads with real scripts
# and packages, and how it closes. Needs the win64 build (program and tools);
# builds nothing itself.
set -u
WINE_TESTS=$(cd "$(dirname "$0")" && pwd)
for part in lib/checks lib/program lib/services lib/texts scenarios/window scenarios/verdicts \
    scenarios/install_roads scenarios/template_roads scenarios/unseen; do
    source "$WINE_TESTS/$part.sh"
done

suite_start
run_scenario mysql-running scenario_mysql_running
run_scenario mariadb-stopped scenario_mariadb_stopped
run_scenario mysql-running-mariadb-stopped scenario_mysql_running_mariadb_stopped
run_scenario mysql-lower-case-stopped scenario_mysql_lower_case_stopped
run_scenario mariadb-display-name-only scenario_mariadb_display_name_only
run_scenario fonts-at-150-percent scenario_fonts_at_150_percent
run_scenario automatic-installs scenario_automatic_installs
run_scenario automatic-installs-nothing scenario_automatic_installs_nothing
run_scenario automatic-without-script scenario_automatic_without_script
run_scenario button-installs scenario_button_installs
run_scenario button-directory-exists scenario_button_directory_exists
run_scenario folder-with-blank scenario_folder_with_blank
run_scenario folder-with-ampersand scenario_folder_with_ampersand
run_scenario quit-while-waiting scenario_quit_while_waiting
run_scenario quit-during-message-box scenario_quit_during_message_box
run_scenario second-start-while-waiting scenario_second_start_while_waiting
run_scenario template-installs scenario_template_installs
run_scenario template-as-shipped scenario_template_as_shipped
run_scenario template-without-package scenario_template_without_package
run_scenario template-failing-package scenario_template_failing_package
run_scenario button-failing-package scenario_button_failing_package
run_scenario template-special-password scenario_template_special_password
run_scenario template-quote-in-password scenario_template_quote_in_password
run_scenario template-several-packages scenario_template_several_packages
run_scenario template-read-only-folder scenario_template_read_only_folder
run_scenario unseen-installs scenario_unseen_installs
run_scenario unseen-failing-package scenario_unseen_failing_package
run_scenario unseen-mysql-running scenario_unseen_mysql_running
run_scenario unseen-mariadb-stopped scenario_unseen_mariadb_stopped
run_scenario unseen-without-script scenario_unseen_without_script
suite_end
summary
