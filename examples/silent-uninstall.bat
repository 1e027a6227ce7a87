
@echo off
rem ===========================================================================
rem  silent-uninstall.bat - stille Entfernung des Datenbankservers MariaDB 10.1
rem
rem  Entfernt jedes installierte MariaDB 10.1 (64 und 32 Bit), das Windows unter
rem  den installierten Programmen fuehrt, mit msiexec /x. Braucht kein MSI-Paket
rem  und Administratorrechte. Die Datenbanken bleiben erhalten, solange
rem  DELETE_DATA nicht auf yes steht; was vom Zielordner bleibt, wird daneben
rem  in einen neuen Ordner verschoben, damit mariadb-installer.exe wieder
rem  installiert. Die erste Zeile bleibt leer: eine BOM verdirbt nur sie.
rem
rem  Exit-Codes:
rem     0     entfernt, oder kein MariaDB 10.1 installiert (das Skript sagt es)
rem     1603  reg.exe laeuft nicht (gesperrt oder fehlt): nichts geprueft
rem     3010  entfernt; Windows muss neu gestartet werden (von msiexec)
rem     1641  entfernt; msiexec hat den Neustart eingeleitet
rem     sonst der Exit-Code von msiexec, oder 1603, wenn das Produkt nach dem
rem           Entfernen noch installiert ist (nachschlagen mit
rem           "net helpmsg <Nummer>"; nur fuer die Codes von msiexec)
rem ===========================================================================
setlocal EnableExtensions DisableDelayedExpansion

rem --- Einstellungen ----------------------------------------------------------

rem yes: auch die Datenbanken im Ordner data loeschen (CLEANUPDATA=1), und zwar
rem bei jedem gefundenen MariaDB 10.1: jedes Paket loescht den Ordner data
rem seiner eigenen Installation, wo immer er liegt. Sonst bleibt der Ordner
rem data erhalten und kommt mit dem Rest des Zielordners in einen neuen Ordner
rem daneben.
set "DELETE_DATA=no"

rem Zielordner der Installation; was davon bleibt, wird daneben verschoben.
set "TARGET=c:\Program Files\MariaDB 10.1"

rem Das Kennwort, das silent-install2.bat erzeugt hat (nur fuer Administratoren
rem lesbar): es kommt mit den Datenbanken in den neuen Ordner, mit DELETE_DATA=yes
rem wird es geloescht.
set "PASSWORD_FILE=%ProgramFiles%\MariaDB-Installer\root-kennwort.txt"
if defined ProgramW6432 set "PASSWORD_FILE=%ProgramW6432%\MariaDB-Installer\root-kennwort.txt"

rem Ordner der Protokolle (wird angelegt), sonst %TEMP%.
set "LOGDIR=%SystemRoot%\Logs\Software"

rem --- Ab hier nichts mehr aendern -------------------------------------------

rem Zwei Protokolle mit dem Computernamen: das dieses Skripts (alles, was es
rem sagt, mit seinem Exit-Code; jeder Lauf wird angehaengt) und das von msiexec.
set "LOGNAME=silent-uninstall-%COMPUTERNAME%"
call :log_folder
call :main >"%RUNLOG%" 2>&1
set "RESULT=%ERRORLEVEL%"
>>"%RUNLOG%" echo Exit-Code: %RESULT%
type "%RUNLOG%"
type "%RUNLOG%" >>"%LOGDIR%\%LOGNAME%.log"
del "%RUNLOG%" >nul 2>nul
exit /b %RESULT%

rem LOGDIR, angelegt und beschreibbar, sonst %TEMP%; RUNLOG nimmt diesen Lauf auf.
:log_folder
if not defined LOGDIR set "LOGDIR=%TEMP%"
if "%LOGDIR:~-1%"=="\" set "LOGDIR=%LOGDIR:~0,-1%"
if not exist "%LOGDIR%\" mkdir "%LOGDIR%" >nul 2>nul
set "RUNLOG=%LOGDIR%\%LOGNAME%.tmp"
copy /y nul "%RUNLOG%" >nul 2>nul
if not errorlevel 1 goto :eof
set "LOGDIR=%TEMP%"
set "RUNLOG=%TEMP%\%LOGNAME%.tmp"
goto :eof

:main
echo %DATE% %TIME% %~nx0 auf %COMPUTERNAME% (Benutzer %USERNAME%)
echo Protokolle: "%LOGDIR%\%LOGNAME%.log" und "%LOGDIR%\%LOGNAME%-msiexec.log"
set "LOGFILE=%LOGDIR%\%LOGNAME%-msiexec.log"

set "UNINSTALL=HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
rem Ohne Angabe loeschen die MariaDB-Pakete den Ordner data beim Entfernen.
set "CLEANUPDATA="""
if /i "%DELETE_DATA%"=="yes" set "CLEANUPDATA=1"

rem Ohne reg.exe (gesperrt oder fehlend) saehe das Skript nichts und meldete
rem faelschlich, es sei nichts installiert.
reg query "%UNINSTALL%" >nul 2>nul
if errorlevel 1 goto :no_registry

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
if "%RESULT%"=="0" call :free_target
if "%RESULT%"=="3010" call :free_target
if "%RESULT%"=="1641" call :free_target
exit /b %RESULT%

:no_registry
echo reg.exe laeuft nicht (gesperrt oder nicht vorhanden): die installierten
echo Programme lassen sich nicht lesen. Nichts wurde entfernt.
exit /b 1603

rem Was vom Zielordner bleibt (mit DELETE_DATA=yes nichts, sonst der Ordner
rem data), kommt in einen neuen Ordner daneben, dessen Name sagt, was er
rem enthaelt; ein vorhandener wird nie ersetzt. Geloescht wird nichts, nur mit
rem DELETE_DATA=yes ein leerer Zielordner.
:free_target
if /i "%DELETE_DATA%"=="yes" del "%PASSWORD_FILE%" >nul 2>nul
if not exist "%TARGET%\" goto :eof
if /i "%DELETE_DATA%"=="yes" rd "%TARGET%" >nul 2>nul
if not exist "%TARGET%\" goto :eof
set "NUMBER=1"
:next_free_name
set "KEPT=%TARGET% - gesichert %NUMBER%"
if not exist "%KEPT%" goto :move_target
set /a NUMBER+=1
goto :next_free_name
:move_target
move "%TARGET%" "%KEPT%" >nul 2>nul
if exist "%TARGET%\" goto :target_stays
echo Der Rest von "%TARGET%" liegt jetzt in "%KEPT%".
if exist "%KEPT%\data\" echo Die Datenbanken liegen dort im Ordner data.
if exist "%PASSWORD_FILE%" move "%PASSWORD_FILE%" "%KEPT%\root-kennwort.txt" >nul 2>nul
if exist "%KEPT%\root-kennwort.txt" echo Ihr Kennwort fuer root liegt dort in root-kennwort.txt, nur fuer Administratoren lesbar.
echo mariadb-installer.exe kann MariaDB 10.1 wieder installieren.
goto :eof
:target_stays
echo "%TARGET%" bleibt stehen: er liess sich nicht verschieben (eine Datei
echo darin ist noch in Gebrauch oder der Zugriff verweigert). Vor einer neuen
echo Installation den Ordner sichern und verschieben oder loeschen.
goto :eof

rem Eine Zeile der Ausgabe von reg: ein Schluessel oder sein Anzeigename. Die
rem Anfuehrungszeichen fremder Eintraege werden zuerst entfernt: danach steht
rem nichts aus der Registrierung mehr ausserhalb von Anfuehrungszeichen.
:entry_line
set "LINE=%LINE:"=%"
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
set "UNINSTALL_STRING=%UNINSTALL_STRING:"=%"
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
echo msiexec /x %1 /qn /norestart /l*v+ "%LOGFILE%" CLEANUPDATA=%CLEANUPDATA%
msiexec /x %1 /qn /norestart /l*v+ "%LOGFILE%" CLEANUPDATA=%CLEANUPDATA%
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
