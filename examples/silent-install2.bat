
@echo off
rem ===========================================================================
rem  silent-install2.bat - stille Installation des Datenbankservers MariaDB 10.1
rem
rem  mariadb-installer.exe startet dieses Skript aus seinem eigenen Ordner und
rem  wartet auf sein Ende. Das Skript laesst sich auch allein verteilen und
rem  starten (etwa ueber die Softwareverteilung); es braucht Administratorrechte.
rem
rem  Die erste Zeile bleibt leer: speichert ein Editor das Skript mit BOM
rem  ("UTF-8 mit BOM"), verdirbt die Markierung nur diese leere Zeile.
rem
rem  Exit-Codes:
rem     0     installiert
rem     3010  installiert; Windows muss neu gestartet werden (von msiexec)
rem     1641  installiert; msiexec hat den Neustart eingeleitet
rem     1619  kein MSI-Paket gefunden
rem     1     ROOT_PASSWORD ist leer
rem     2     mehrere Pakete mariadb-10.1.*.msi gefunden und PACKAGE ist leer
rem     3     ROOT_PASSWORD enthaelt ein Anfuehrungszeichen
rem     4     ROOT_PASSWORD enthaelt ein Zeichen ausserhalb von ASCII (Umlaut, ss)
rem     sonst der Exit-Code von msiexec (z. B. 1603: Installation gescheitert;
rem           nachschlagen mit "net helpmsg <Nummer>")
rem ===========================================================================
setlocal DisableDelayedExpansion

rem --- Einstellungen ----------------------------------------------------------

rem Kennwort des Datenbankbenutzers root (Pflicht). Es steht zwischen den
rem Anfuehrungszeichen, genau wie es lautet, und hinter dem schliessenden
rem Anfuehrungszeichen steht nichts mehr; Leerzeichen und alle druckbaren
rem ASCII-Zeichen ausser dem Anfuehrungszeichen duerfen darin vorkommen. Ein Prozentzeichen wird als %% geschrieben
rem (aus Pro%%zent wird Pro%zent). Ein Anfuehrungszeichen ist nicht moeglich,
rem ebenso wenig Umlaute, ss und andere Zeichen ausserhalb von ASCII: cmd liest
rem dieses Skript in der Codepage der Konsole (850 auf deutschem Windows), der
rem Editor speichert aber in einer anderen, und es kaeme still ein anderes
rem Kennwort an.
set "ROOT_PASSWORD="

rem MSI-Paket. Leer gelassen nimmt das Skript das eine Paket mariadb-10.1.*.msi
rem neben sich (etwa mariadb-10.1.48-winx64.msi). Ein Dateiname neben dem
rem Skript oder ein vollstaendiger Pfad hier geht vor.
set "PACKAGE="

rem Zielordner; mariadb-installer.exe prueft vorher, dass er nicht existiert.
set "TARGET=c:\Program Files\MariaDB 10.1"

rem Name des Windows-Dienstes, unter dem der Server laeuft.
set "SERVICE=MariaDB"

rem Ordner der Protokolle (wird angelegt). Die Softwareverteilung loescht den
rem Ordner des Skripts nach dem Lauf; hier bleiben sie. Ist er nicht
rem beschreibbar, kommen sie nach %TEMP%.
set "LOGDIR=%SystemRoot%\Logs\Software"

rem --- Ab hier nichts mehr aendern -------------------------------------------

rem Zwei Protokolle mit dem Computernamen: das dieses Skripts (alles, was es
rem sagt, mit seinem Exit-Code; jeder Lauf wird angehaengt) und das von msiexec.
rem Das Kennwort steht in keinem davon.
set "LOGNAME=silent-install2-%COMPUTERNAME%"
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
if defined PACKAGE goto :named_package
rem Gesucht wird im Ordner des Skripts selbst (pushd bindet auch eine
rem Freigabe als Laufwerk ein, popd loest es wieder), das Suchmuster steht
rem ohne Pfad. Jeder Pfad wird aus %~dp0 gebildet, nie aus dem Laufwerk von
rem pushd: von einer Freigabe gestartet beginnt cmd in C:\Windows.
set "FOUND=0"
pushd "%~dp0"
for %%F in (mariadb-10.1.*.msi) do (
    set /a FOUND+=1
    set "PACKAGE=%~dp0%%~nxF"
)
popd
if %FOUND%==0 goto :no_package
if not %FOUND%==1 goto :several_packages
goto :password

:named_package
if exist "%~dp0%PACKAGE%" set "PACKAGE=%~dp0%PACKAGE%"
if not exist "%PACKAGE%" goto :package_missing

:password
rem Ein Anfuehrungszeichen im Kennwort zerteilt schon die Zeile von
rem ROOT_PASSWORD: cmd setzt dann nur einen Teil und fuehrt den Rest als Befehl
rem aus. Darum wird die Zeile selbst gelesen (find, Suchwort zusammengesetzt,
rem damit nur sie passt) und geprueft, dass sie genau zwei Anfuehrungszeichen
rem hat, das letzte am Ende. Die Anfuehrungszeichen werden einmal entfernt und
rem einmal ersetzt: nur so verglichen steht nichts davon ausserhalb.
set "SEEK=ROOT_PASS"
set "LINE="
for /f "delims=" %%L in ('find "%SEEK%WORD=" ^< "%~f0"') do if not defined LINE set "LINE=%%L"
if not defined LINE goto :password_value
set "UNQUOTED=%LINE:"=%"
set "MARKED=%LINE:"=_%"
if /i not "set %MARKED:~5,-1%"=="%UNQUOTED%" goto :quote_in_password
:password_value
if not defined ROOT_PASSWORD goto :no_password
set "UNQUOTED=%ROOT_PASSWORD:"=%"
set "MARKED=%ROOT_PASSWORD:"=_%"
if not "%UNQUOTED%"=="%MARKED%" goto :quote_in_password
rem Jedes druckbare ASCII-Zeichen ist hier ein Trennzeichen (das Leerzeichen
rem zuletzt): bleibt ein Stueck uebrig, steht ein anderes Zeichen darin. Die
rem Klammern werden vorher entfernt, sie stoeren die Zeile des for-Befehls.
set "REST=x%ROOT_PASSWORD:(=%"
set "REST=%REST:)=%"
set "OTHER_CHARACTER="
for /f "delims=!#$%%&'*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~ " %%C in ("%REST%") do set "OTHER_CHARACTER=1"
if defined OTHER_CHARACTER goto :other_character_in_password

set "LOGFILE=%LOGDIR%\%LOGNAME%-msiexec.log"
echo Installiere "%PACKAGE%"

rem /norestart: Windows Installer startet den Computer nie von sich aus neu;
rem ein noetiger Neustart kommt als Exit-Code 3010 zurueck.
echo msiexec /i "%PACKAGE%" /qn /norestart /l*v "%LOGFILE%" INSTALLDIR="%TARGET%" SERVICENAME="%SERVICE%" PASSWORD="********"
msiexec /i "%PACKAGE%" /qn /norestart /l*v "%LOGFILE%" INSTALLDIR="%TARGET%" SERVICENAME="%SERVICE%" PASSWORD="%ROOT_PASSWORD%"
set "RESULT=%ERRORLEVEL%"
echo msiexec endete mit %RESULT%.
exit /b %RESULT%

:no_password
echo Bitte zuerst das Kennwort bei ROOT_PASSWORD in "%~nx0" eintragen.
exit /b 1

:quote_in_password
echo Das Kennwort bei ROOT_PASSWORD enthaelt ein Anfuehrungszeichen (") oder
echo hinter dem schliessenden Anfuehrungszeichen steht noch etwas. cmd kann die
echo Zeile so nicht lesen; bitte ein Kennwort ohne Anfuehrungszeichen waehlen.
echo Nichts wurde installiert.
exit /b 3

:other_character_in_password
echo Das Kennwort bei ROOT_PASSWORD enthaelt ein Zeichen ausserhalb von ASCII
echo (etwa einen Umlaut oder ein ss). cmd liest dieses Skript in einer anderen
echo Codepage, als der Editor es gespeichert hat; msiexec bekaeme ein anderes
echo Kennwort. Bitte nur Buchstaben ohne Umlaute, Ziffern, Leerzeichen und
echo Satzzeichen verwenden.
exit /b 4

:no_package
echo Kein MSI-Paket gefunden: "%~dp0mariadb-10.1.*.msi"
exit /b 1619

:several_packages
echo Mehrere MSI-Pakete gefunden; bitte eines bei PACKAGE in "%~nx0" eintragen:
pushd "%~dp0"
for %%F in (mariadb-10.1.*.msi) do echo     "%%~nxF"
popd
exit /b 2

:package_missing
echo MSI-Paket nicht gefunden: "%PACKAGE%"
exit /b 1619
