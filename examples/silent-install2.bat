@echo off
rem Silent installation of the MariaDB 10.1 server, started by the installer
rem window from the folder it lies in. Put this script, the installer program
rem and the MariaDB 10.1 MSI package into one folder, fill in the root
rem password below, and adjust the package name if yours differs.
setlocal

rem The MSI package lying beside this script.
set "PACKAGE=%~dp0mariadb-10.1-winx64.msi"
rem Verbose msiexec log, written beside this script.
set "LOGFILE=%~dp0mariadb-install.log"
rem Target folder; the installer window checks that it does not exist yet.
set "TARGET=c:\Program Files\MariaDB 10.1"
rem Name of the Windows service that runs the server.
set "SERVICE=MariaDB"
rem Password of the database user root: fill in before use.
set "ROOT_PASSWORD="

if not exist "%PACKAGE%" (
    echo MSI-Paket nicht gefunden: %PACKAGE%
    exit /b 1619
)
if "%ROOT_PASSWORD%"=="" (
    echo Bitte zuerst ROOT_PASSWORD in %~nx0 eintragen.
    exit /b 1
)

msiexec /i "%PACKAGE%" /qn /l*v "%LOGFILE%" INSTALLDIR="%TARGET%" SERVICENAME=%SERVICE% PASSWORD="%ROOT_PASSWORD%"
rem Pass msiexec's exit code on (0 success, 3010 success with restart needed).
exit /b %ERRORLEVEL%
