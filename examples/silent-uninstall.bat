@echo off
rem ===========================================================================
rem  silent-uninstall.bat - stille Entfernung des Datenbankservers MariaDB 10.1
rem
rem  Entfernt jedes installierte MariaDB 10.1 (64 und 32 Bit), das Windows unter
rem  den installierten Programmen fuehrt, mit msiexec /x. Braucht kein MSI-Paket
rem  und Administratorrechte. Die Datenbanken bleiben erhalten, solange
rem  DELETE_DATA nicht auf yes steht.
rem
rem  Exit-Codes:
rem     0     entfernt, oder kein MariaDB 10.1 installiert (das Skript sagt es)
rem     3010  entfernt; Windows muss neu gestartet werden (von msiexec)
rem     1641  entfernt; msiexec hat den Neustart eingeleitet
rem     sonst der Exit-Code von msiexec, oder 1603, wenn das Produkt nach dem
rem           Entfernen noch installiert ist (nachschlagen mit
rem           "net helpmsg <Nummer>")
rem ===========================================================================
setlocal DisableDelayedExpansion

rem --- Einstellungen ----------------------------------------------------------

rem yes: auch die Datenbanken im Ordner data loeschen (CLEANUPDATA=1). Sonst
rem bleibt der Ordner data und mit ihm der Zielordner stehen.
set "DELETE_DATA=no"

rem Zielordner der Installation; nur fuer den Hinweis auf den Ordner data.
set "TARGET=c:\Program Files\MariaDB 10.1"

rem --- Ab hier nichts mehr aendern -------------------------------------------

set "UNINSTALL=HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
rem Ohne Angabe loeschen die MariaDB-Pakete den Ordner data beim Entfernen.
set "CLEANUPDATA="""
if /i "%DELETE_DATA%"=="yes" set "CLEANUPDATA=1"

rem Protokoll mit dem Computernamen neben dem Skript, sonst in %TEMP%.
set "LOGFILE=%~dp0mariadb-uninstall-%COMPUTERNAME%.log"
copy /y nul "%LOGFILE%" >nul 2>nul
if errorlevel 1 set "LOGFILE=%TEMP%\mariadb-uninstall-%COMPUTERNAME%.log"
echo Protokoll von msiexec: "%LOGFILE%"

rem Eintraege beider Registrierungsansichten, deren Anzeigename mit
rem "MariaDB 10.1" beginnt und danach endet oder ein Leerzeichen hat.
set "CODES="
for %%V in (64 32) do (
    for /f "delims=" %%L in ('reg query "%UNINSTALL%" /s /v DisplayName /reg:%%V 2^>nul') do (
        set "LINE=%%L"
        set "VIEW=%%V"
        call :entry_line
    )
)

set "REMOVED=0"
set "RESULT=0"
for %%C in (%CODES%) do call :remove %%C
if %REMOVED%==0 if %RESULT%==0 echo Kein MariaDB 10.1 installiert; nichts zu entfernen.
if %REMOVED%==0 exit /b %RESULT%
if /i not "%DELETE_DATA%"=="yes" if exist "%TARGET%\data" (
    echo Die Datenbanken liegen weiter in "%TARGET%\data".
    echo Vor einer neuen Installation diesen Ordner sichern und "%TARGET%"
    echo loeschen: mariadb-installer.exe installiert nur, wenn er fehlt.
)
exit /b %RESULT%

rem Eine Zeile der Ausgabe von reg: ein Schluessel oder sein Anzeigename.
:entry_line
if not "%LINE:~0,5%"=="HKEY_" goto :display_name
set "KEY=%LINE%"
goto :eof
:display_name
set "NAME=%LINE:*REG_SZ    =%"
if /i not "%NAME:~0,12%"=="MariaDB 10.1" goto :eof
if not "%NAME:~12,1%"=="" if not "%NAME:~12,1%"==" " goto :eof
rem Der Produktcode: der Name eines Schluessels {GUID}, sonst aus dessen
rem UninstallString ("msiexec.exe /I {GUID}"). Ausgefuehrt wird nichts davon.
set "CANDIDATE=%KEY:*\Uninstall\=%"
call :as_code
if defined CODE goto :add_code
set "UNINSTALL_STRING="
for /f "tokens=1,2,*" %%A in ('reg query "%KEY%" /v UninstallString /reg:%VIEW% 2^>nul') do (
    if /i "%%A"=="UninstallString" set "UNINSTALL_STRING=%%C"
)
if not defined UNINSTALL_STRING goto :eof
set "CANDIDATE="
for /f "tokens=2 delims={}" %%G in ("%UNINSTALL_STRING%") do set "CANDIDATE={%%G}"
call :as_code
if not defined CODE goto :eof
:add_code
set "CODES=%CODES% %CODE%"
goto :eof

rem CODE wird CANDIDATE, wenn es die Form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} hat.
:as_code
set "CODE="
if not defined CANDIDATE goto :eof
if not "%CANDIDATE:~0,1%%CANDIDATE:~37,1%%CANDIDATE:~38%"=="{}" goto :eof
set "OTHER_CHARACTER="
for /f "delims=0123456789ABCDEFabcdef-" %%X in ("%CANDIDATE:~1,36%") do set "OTHER_CHARACTER=1"
if not defined OTHER_CHARACTER set "CODE=%CANDIDATE%"
goto :eof

rem Ob Windows das Produkt mit diesem Code als installiert fuehrt.
:listed
reg query "%UNINSTALL%\%~1" /reg:64 >nul 2>nul
if not errorlevel 1 exit /b 0
reg query "%UNINSTALL%\%~1" /reg:32 >nul 2>nul
if not errorlevel 1 exit /b 0
exit /b 1

rem Entfernt ein Produkt, das noch installiert ist (ein Code kann zweimal
rem gefunden werden), und prueft danach die Registrierung.
:remove
call :listed %1
if errorlevel 1 goto :eof
echo Entferne MariaDB 10.1 (Produktcode %1):
set "COMMAND=msiexec /x %1 /qn /norestart /l*v+ "%LOGFILE%" CLEANUPDATA=%CLEANUPDATA%"
echo %COMMAND%
%COMMAND%
set "CODE_RESULT=%ERRORLEVEL%"
echo msiexec endete mit %CODE_RESULT%.
call :listed %1
if errorlevel 1 goto :removed
echo %1 ist danach noch installiert.
if "%CODE_RESULT%"=="0" set "CODE_RESULT=1603"
if "%CODE_RESULT%"=="3010" set "CODE_RESULT=1603"
if "%CODE_RESULT%"=="1641" set "CODE_RESULT=1603"
set "RESULT=%CODE_RESULT%"
goto :eof
:removed
set /a REMOVED+=1
if not "%CODE_RESULT%"=="0" if "%RESULT%"=="0" set "RESULT=%CODE_RESULT%"
goto :eof
