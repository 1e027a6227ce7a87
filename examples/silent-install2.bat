
@echo off
rem silent-install2.bat - stille Installation von MariaDB 10.1, oder die
rem Aktualisierung eines aelteren 10.1 auf die Version des Pakets daneben.
rem Die Arbeit tut mariadb-kit.exe neben diesem Skript; die Einstellungen
rem stehen in einstellungen.ini daneben, nicht hier. Allein gestartet nimmt es
rem NAME=Wert-Argumente (ausser ROOT_PASSWORD). Der Exit-Code ist der des
rem Programms; die Codes stehen in LIESMICH.txt. Die erste Zeile bleibt leer:
rem eine Byte-Order-Mark verdirbt nur sie.
setlocal
set NoDefaultCurrentDirectoryInExePath=1
if not exist "%~dp0mariadb-kit.exe" goto :kit_missing
"%~dp0mariadb-kit.exe" install %*
exit /b %ERRORLEVEL%
:kit_missing
echo mariadb-kit.exe fehlt neben "%~f0"; es gehoert aus der ZIP-Datei daneben.
exit /b 17004
