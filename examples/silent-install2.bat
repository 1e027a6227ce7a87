
@echo off
rem ===========================================================================
rem  silent-install2.bat - stille Installation des Datenbankservers MariaDB 10.1
rem
rem  mariadb-installer.exe startet dieses Skript aus seinem eigenen Ordner und
rem  wartet auf sein Ende. Das Skript laesst sich auch allein verteilen und
rem  starten (etwa ueber die Softwareverteilung); es braucht Administratorrechte.
rem
rem  Ist schon ein aelteres MariaDB 10.1 installiert, aktualisiert es dieses auf
rem  die Version des Pakets (Name wie mariadb-10.1.48-winx64.msi): Ordner,
rem  Dienst, Datenbanken und Kennwort von root bleiben, ROOT_PASSWORD darf dann
rem  leer sein. Das ist der Weg fuer eine Aktualisierung, allein verteilt;
rem  mariadb-installer.exe selbst installiert nie ueber einen vorhandenen Server.
rem
rem  Die erste Zeile bleibt leer: speichert ein Editor das Skript mit BOM
rem  ("UTF-8 mit BOM"), verdirbt die Markierung nur diese leere Zeile.
rem
rem  Exit-Codes:
rem     0     installiert oder aktualisiert, oder die Version des Pakets ist
rem           schon installiert (das Skript sagt es; nichts lief)
rem     3010  installiert; Windows muss neu gestartet werden (von msiexec)
rem     1641  installiert; msiexec hat den Neustart eingeleitet
rem     1619  kein MSI-Paket gefunden
rem     1638  ein neueres MariaDB 10.1 ist installiert; nichts wurde geaendert
rem     1603  msiexec meldete Erfolg, aber danach ist nicht genau die Version
rem           des Pakets installiert; oder nichts lief, weil mehrere MariaDB
rem           10.1 installiert sind, der Name des Pakets keine Version nennt,
rem           die installierte Version unbekannt ist oder reg.exe nicht laeuft
rem     1     ROOT_PASSWORD ist leer, und root-password.exe fehlt neben dem
rem           Skript oder konnte kein geschuetztes Kennwort anlegen
rem     2     mehrere Pakete mariadb-10.1.*.msi gefunden und PACKAGE ist leer
rem     3     ROOT_PASSWORD enthaelt ein Anfuehrungszeichen
rem     4     ROOT_PASSWORD enthaelt ein Zeichen ausserhalb von ASCII (Umlaut, ss)
rem     5     ein MariaDB 10.1 der anderen Architektur ist installiert (32 Bit
rem           neben einem Paket fuer 64 Bit oder umgekehrt); nichts lief
rem     6     TCP-Port 3306 ist belegt (ein anderer Server wartet dort); nichts lief
rem     sonst der Exit-Code von msiexec (z. B. 1603: Installation gescheitert;
rem           nachschlagen mit "net helpmsg <Nummer>"; nur fuer die Codes von
rem           msiexec, nicht fuer die eigenen 1 bis 6)
rem ===========================================================================
setlocal EnableExtensions DisableDelayedExpansion

rem --- Einstellungen ----------------------------------------------------------

rem Kennwort des Datenbankbenutzers root. Leer gelassen (empfohlen) erzeugt
rem root-password.exe neben dem Skript fuer jede neue Installation ein eigenes
rem Kennwort dieses Computers und legt es in
rem "C:\Program Files\MariaDB-Installer\root-kennwort.txt" ab, lesbar nur fuer
rem SYSTEM und Administratoren; siehe LIESMICH.txt. Eine Aktualisierung
rem braucht keins und gibt keins weiter. Ein eigenes Kennwort steht zwischen den
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

rem Ordner der Protokolle (wird angelegt). Die Softwareverteilung loescht den
rem Ordner des Skripts nach dem Lauf; hier bleiben sie. Ist er nicht
rem beschreibbar, kommen sie nach %TEMP%.
set "LOGDIR=%SystemRoot%\Logs\Software"

rem --- Ab hier nichts mehr aendern -------------------------------------------

rem Zielordner und Dienst. mariadb-installer.exe prueft genau diesen Ordner
rem und sucht einen Dienst, dessen Name "Maria" enthaelt: anders eingestellt
rem endete eine gelungene Installation mit 1603 und jeder spaetere Lauf mit
rem 1638 oder 1603. Nur wenn dieses Skript allein verteilt wird, duerfen sie
rem anders lauten; dann auch TARGET in silent-uninstall.bat und die
rem Erkennungsregel der Softwareverteilung anpassen.
set "TARGET=c:\Program Files\MariaDB 10.1"
set "SERVICE=MariaDB"

rem Ordner nur fuer SYSTEM und Administratoren (unter Programme, wo kein
rem Benutzer ihn vorher anlegen kann): das erzeugte Kennwort und das Protokoll
rem von msiexec einer neuen Installation, das das Kennwort enthaelt.
set "SAFE=%ProgramFiles%\MariaDB-Installer"
if defined ProgramW6432 set "SAFE=%ProgramW6432%\MariaDB-Installer"
set "PASSWORD_FILE=%SAFE%\root-kennwort.txt"
set "GENERATOR=%~dp0root-password.exe"

rem Zwei Protokolle mit dem Computernamen: das dieses Skripts (alles, was es
rem sagt, mit seinem Exit-Code; jeder Lauf wird angehaengt; ohne Kennwort) und
rem das von msiexec, bei einer neuen Installation im geschuetzten Ordner SAFE.
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
echo Protokoll: "%LOGDIR%\%LOGNAME%.log"
set "LOGFILE=%LOGDIR%\%LOGNAME%-msiexec.log"
set "UNINSTALL=HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
rem Ohne reg.exe (gesperrt oder fehlend) saehe das Skript kein installiertes
rem MariaDB 10.1 und installierte ein zweites daneben.
reg query "%UNINSTALL%" >nul 2>nul
if errorlevel 1 goto :no_registry
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
goto :installed_or_not

:named_package
if exist "%~dp0%PACKAGE%" set "PACKAGE=%~dp0%PACKAGE%"
if not exist "%PACKAGE%" goto :package_missing

:installed_or_not
call :package_version
call :installed_products
if not %OTHER_COUNT%==0 goto :other_architecture
if %PRODUCT_COUNT%==0 goto :password
if not %PRODUCT_COUNT%==1 goto :several_installed
if not defined PACKAGE_NUMBER goto :package_without_version
if not defined PACKAGE_ARCH goto :package_without_version
call :version_number "%PRODUCT_VERSION%"
if not defined NUMBER goto :installed_version_unknown
if %NUMBER% LSS %PACKAGE_NUMBER% goto :update
if %NUMBER% GTR %PACKAGE_NUMBER% goto :newer_installed
echo MariaDB %PRODUCT_VERSION% ist schon installiert, die Version des Pakets
echo "%PACKAGE%". Nichts zu tun.
exit /b 0

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
if not defined ROOT_PASSWORD if not exist "%GENERATOR%" goto :no_password
if not defined ROOT_PASSWORD goto :checked
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
:checked
call :port_listener
if defined PORT_PID goto :port_taken
call :safe_folder
if defined ROOT_PASSWORD goto :given_password
if not defined SAFE_OK goto :no_own_password
"%GENERATOR%" new "%PASSWORD_FILE%"
if errorlevel 1 goto :no_own_password
set /p "ROOT_PASSWORD=" <"%PASSWORD_FILE%"
if not defined ROOT_PASSWORD goto :no_own_password
echo Neues Kennwort fuer root erzeugt; es steht nur in "%PASSWORD_FILE%".
goto :install
rem Ein frueher erzeugtes Kennwort oeffnete die neuen Datenbanken nicht.
:given_password
del "%PASSWORD_FILE%" >nul 2>nul

:install
echo Installiere "%PACKAGE%"
set "LOGFILE=%SAFE%\%LOGNAME%-msiexec.log"
set VERBOSE=/l*v "%LOGFILE%"
rem Das Protokoll bekommt den Schutz selbst, ehe msiexec hineinschreibt: ob
rem msiexec es neu anlegt (es erbt vom Ordner) oder ueberschreibt, es bleibt.
if defined SAFE_OK "%GENERATOR%" protect-file "%LOGFILE%"
if errorlevel 1 set "SAFE_OK="
if defined SAFE_OK echo Protokoll von msiexec, nur fuer Administratoren lesbar: "%LOGFILE%"
if not defined SAFE_OK set "VERBOSE="
if not defined SAFE_OK echo Ohne Protokoll von msiexec: "%SAFE%" liess sich nicht schuetzen, und es enthielte das Kennwort.

rem /norestart: Windows Installer startet den Computer nie von sich aus neu;
rem ein noetiger Neustart kommt als Exit-Code 3010 zurueck.
echo msiexec /i "%PACKAGE%" /qn /norestart %VERBOSE% INSTALLDIR="%TARGET%" SERVICENAME="%SERVICE%" PASSWORD="********"
msiexec /i "%PACKAGE%" /qn /norestart %VERBOSE% INSTALLDIR="%TARGET%" SERVICENAME="%SERVICE%" PASSWORD="%ROOT_PASSWORD%"
set "RESULT=%ERRORLEVEL%"
echo msiexec endete mit %RESULT%.
exit /b %RESULT%

rem Das Paket aktualisiert das aeltere Produkt selbst (es entfernt es und
rem uebernimmt dessen Ordner, Dienst und Daten); Ordner, Dienst und Kennwort
rem werden darum nicht uebergeben. Danach wird nachgesehen, was installiert ist.
:update
echo Aktualisiere MariaDB %PRODUCT_VERSION% (Produktcode %PRODUCT_CODE%) auf %PACKAGE_VERSION% mit "%PACKAGE%"
echo Vorher den Ordner data sichern; siehe LIESMICH.txt.
echo msiexec /i "%PACKAGE%" /qn /norestart /l*v "%LOGFILE%"
msiexec /i "%PACKAGE%" /qn /norestart /l*v "%LOGFILE%"
set "RESULT=%ERRORLEVEL%"
echo msiexec endete mit %RESULT%.
set "OLD_VERSION=%PRODUCT_VERSION%"
call :installed_products
set "NUMBER="
if %PRODUCT_COUNT%==1 call :version_number "%PRODUCT_VERSION%"
if not "%NUMBER%"=="%PACKAGE_NUMBER%" goto :not_updated
echo MariaDB %OLD_VERSION% ist jetzt MariaDB %PRODUCT_VERSION%.
exit /b %RESULT%
:not_updated
echo Nach der Aktualisierung ist nicht genau MariaDB %PACKAGE_VERSION% installiert
echo (gefunden: %PRODUCT_COUNT% Produkte, zuletzt Version %PRODUCT_VERSION%).
if "%RESULT%"=="0" exit /b 1603
if "%RESULT%"=="3010" exit /b 1603
if "%RESULT%"=="1641" exit /b 1603
exit /b %RESULT%

:newer_installed
echo Installiert ist MariaDB %PRODUCT_VERSION%, neuer als das Paket
echo "%PACKAGE%" (%PACKAGE_VERSION%). Nichts wurde geaendert.
exit /b 1638

:several_installed
echo Mehrere MariaDB 10.1 sind installiert (Produktcodes%PRODUCT_CODES%). Welches
echo aktualisiert werden soll, ist nicht klar; nichts wurde geaendert.
exit /b 1603

:package_without_version
echo Installiert ist MariaDB %PRODUCT_VERSION%, aber der Name des Pakets
echo "%PACKAGE%" nennt keine Version und Architektur (wie
echo mariadb-10.1.48-winx64.msi). Bitte das Paket unter seinem Originalnamen
echo ablegen; nichts wurde geaendert.
exit /b 1603

:other_architecture
set "OTHER_BITS=32"
if "%PACKAGE_ARCH%"=="32" set "OTHER_BITS=64"
echo Installiert ist "%OTHER_NAME%" (Produktcode %OTHER_CODE%), ein MariaDB 10.1
echo fuer %OTHER_BITS% Bit; das Paket "%PACKAGE%" ist fuer %PACKAGE_ARCH% Bit und
echo installierte ein zweites MariaDB 10.1 daneben. Nichts wurde geaendert.
echo Zuerst das installierte entfernen (den Ordner data vorher sichern), etwa mit
echo silent-uninstall.bat oder mit: msiexec /x %OTHER_CODE% /qn
exit /b 5

:port_taken
echo TCP-Port 3306 ist belegt: der Prozess mit der ID %PORT_PID% wartet dort auf
echo Verbindungen, etwa ein anderer MySQL- oder MariaDB-Server (auch MySQL80).
echo MariaDB 10.1 braucht diesen Port; nichts wurde installiert. Welcher Prozess
echo es ist, zeigt: tasklist /svc /fi "PID eq %PORT_PID%"
exit /b 6

:installed_version_unknown
echo MariaDB 10.1 ist installiert (Produktcode %PRODUCT_CODE%), aber seine
echo Version ist unbekannt. Nichts wurde geaendert.
exit /b 1603

:no_registry
echo reg.exe laeuft nicht (gesperrt oder nicht vorhanden): die installierten
echo Programme lassen sich nicht lesen. Nichts wurde installiert.
exit /b 1603

:no_password
echo ROOT_PASSWORD ist leer, und neben "%~nx0" fehlt root-password.exe, das
echo jedem Computer ein eigenes Kennwort erzeugt: "%GENERATOR%". Bitte
echo root-password.exe aus der ZIP-Datei daneben legen oder ein Kennwort bei
echo ROOT_PASSWORD eintragen. Nichts wurde installiert.
exit /b 1

:no_own_password
echo root-password.exe konnte kein Kennwort in "%PASSWORD_FILE%" anlegen, das
echo nur Administratoren lesen. Nichts wurde installiert.
exit /b 1

rem SAFE_OK, wenn SAFE besteht und nur SYSTEM und Administratoren ihn oeffnen.
:safe_folder
set "SAFE_OK="
if not exist "%GENERATOR%" goto :eof
"%GENERATOR%" protect-folder "%SAFE%"
if not errorlevel 1 set "SAFE_OK=1"
goto :eof

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

rem Die installierten MariaDB 10.1 beider Registrierungsansichten, wie
rem silent-uninstall.bat sie findet: PRODUCT_COUNT verschiedene Produktcodes
rem (PRODUCT_CODES), vom letzten PRODUCT_CODE und PRODUCT_VERSION. Der zweite
rem Eintrag, den ein Paket unter seinem Namen anlegt, nennt in seinem
rem UninstallString den Produktcode und zaehlt nicht doppelt. Produkte der
rem anderen Architektur als PACKAGE_ARCH zaehlen extra: OTHER_COUNT, vom
rem letzten OTHER_CODE und OTHER_NAME. Die Architektur steht im Namen: das
rem Paket fuer 64 Bit heisst "MariaDB 10.1 (x64)", das fuer 32 Bit "MariaDB 10.1".
:installed_products
set "PRODUCT_CODES="
set "PRODUCT_COUNT=0"
set "PRODUCT_CODE="
set "PRODUCT_VERSION="
set "OTHER_CODES="
set "OTHER_COUNT=0"
set "OTHER_CODE="
set "OTHER_NAME="
for %%V in (64 32) do (
    for /f "delims=" %%L in ('reg query "%UNINSTALL%" /s /v DisplayName /reg:%%V 2^>nul') do (
        set "LINE=%%L"
        set "VIEW=%%V"
        call :entry_line
    )
)
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
for %%C in (%PRODUCT_CODES% %OTHER_CODES%) do if /i "%%C"=="%CODE%" goto :eof
set "ARCH=32"
if /i "%NAME%"=="MariaDB 10.1 (x64)" set "ARCH=64"
if defined PACKAGE_ARCH if not "%ARCH%"=="%PACKAGE_ARCH%" goto :add_other
set "PRODUCT_CODES=%PRODUCT_CODES% %CODE%"
set /a PRODUCT_COUNT+=1
set "PRODUCT_CODE=%CODE%"
set "PRODUCT_VERSION="
call :version_in_view 64
if not defined PRODUCT_VERSION call :version_in_view 32
goto :eof
:add_other
set "OTHER_CODES=%OTHER_CODES% %CODE%"
set /a OTHER_COUNT+=1
set "OTHER_CODE=%CODE%"
set "OTHER_NAME=%NAME%"
goto :eof

rem PORT_PID: der Prozess, der auf TCP-Port 3306 (IPv4 oder IPv6) auf
rem Verbindungen wartet; leer, wenn keiner. netstat schreibt seine
rem Zustandswoerter in der Sprache des Systems (LISTENING, ABHOEREN): ein
rem wartender Socket zeigt sich an seiner Gegenadresse 0.0.0.0:0 oder [::]:0.
rem Die Prozess-ID ist das letzte Wort der Zeile.
:port_listener
set "PORT_PID="
for /f "tokens=1-3,*" %%A in ('"%SystemRoot%\System32\netstat.exe" -ano 2^>nul') do call :listener_line "%%A" "%%B" "%%C" "%%D"
goto :eof
:listener_line
if /i not "%~1"=="TCP" goto :eof
set "LOCAL=%~2"
if not "%LOCAL:~-5%"==":3306" goto :eof
if not "%~3"=="0.0.0.0:0" if not "%~3"=="[::]:0" goto :eof
for %%P in (%~4) do set "PORT_PID=%%P"
goto :eof

rem PRODUCT_VERSION: DisplayVersion des Produkts PRODUCT_CODE in einer Ansicht.
:version_in_view
for /f "tokens=1,2,*" %%A in ('reg query "%UNINSTALL%\%PRODUCT_CODE%" /v DisplayVersion /reg:%1 2^>nul') do (
    if /i "%%A"=="DisplayVersion" set "PRODUCT_VERSION=%%C"
)
if defined PRODUCT_VERSION set "PRODUCT_VERSION=%PRODUCT_VERSION:"=%"
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

rem Version und Architektur im Originalnamen des Pakets
rem (mariadb-10.1.48-winx64.msi gibt 10.1.48 und 64, -win32 gibt 32) als
rem PACKAGE_VERSION, als Zahl PACKAGE_NUMBER und PACKAGE_ARCH; leer ohne.
:package_version
set "PACKAGE_VERSION="
set "PACKAGE_NUMBER="
set "PACKAGE_ARCH="
for %%F in ("%PACKAGE%") do set "PACKAGE_NAME=%%~nF"
if /i not "%PACKAGE_NAME:~0,8%"=="mariadb-" goto :eof
for /f "tokens=2,3 delims=-" %%V in ("%PACKAGE_NAME%") do (
    set "PACKAGE_VERSION=%%V"
    if /i "%%W"=="winx64" set "PACKAGE_ARCH=64"
    if /i "%%W"=="win32" set "PACKAGE_ARCH=32"
)
call :version_number "%PACKAGE_VERSION%"
set "PACKAGE_NUMBER=%NUMBER%"
goto :eof

rem NUMBER: eine Version aus Ziffern und Punkten als eine Zahl, die sich
rem vergleichen laesst (10.1.9 vor 10.1.22); leer, wenn es keine ist. Jeder
rem der ersten drei Teile zaehlt bis 999.
:version_number
set "NUMBER="
set "PARTS=%~1"
if not defined PARTS goto :eof
set "OTHER_CHARACTER="
for /f "delims=0123456789." %%X in ("%PARTS%") do set "OTHER_CHARACTER=1"
if defined OTHER_CHARACTER goto :eof
set "PART1="
set "PART2="
set "PART3="
for /f "tokens=1-3 delims=." %%A in ("%PARTS%") do (
    set "PART1=%%A"
    set "PART2=%%B"
    set "PART3=%%C"
)
set /a NUMBER=PART1*1000000+PART2*1000+PART3
goto :eof
