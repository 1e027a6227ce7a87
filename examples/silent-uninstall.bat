
@echo off
rem silent-uninstall.bat - stille Entfernung jedes installierten MariaDB 10.1;
rem die Datenbanken bleiben, solange DELETE_DATA in einstellungen.ini nicht yes
rem ist. Die Arbeit tut mariadb-kit.exe neben diesem Skript. Allein gestartet
rem nimmt es NAME=Wert-Argumente (ausser ROOT_PASSWORD). Der Exit-Code ist der
rem des Programms; die Codes stehen in LIESMICH.txt. Die erste Zeile bleibt
rem leer: eine Byte-Order-Mark verdirbt nur sie.
setlocal
set NoDefaultCurrentDirectoryInExePath=1
if not exist "%~dp0mariadb-kit.exe" goto :kit_missing
"%~dp0mariadb-kit.exe" remove %*
exit /b %ERRORLEVEL%
:kit_missing
echo mariadb-kit.exe fehlt neben "%~f0"; es gehoert aus der ZIP-Datei daneben.
exit /b 17004
