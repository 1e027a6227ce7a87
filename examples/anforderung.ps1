# anforderung.ps1 - Anforderung (Intune) bzw. globale Bedingung (Configuration
# Manager) fuer MariaDB-Installer: gibt "Anwendbar" aus, wenn auf diesem Computer
# kein MySQL- oder MariaDB-Server ist, sonst "NichtAnwendbar"; endet immer mit 0.
# Dieselbe Regel wie mariadb-installer.exe: ein Dienst (laufend oder beendet),
# dessen Dienstname MySQL lautet oder "Maria" enthaelt, Gross- und
# Kleinschreibung egal, oder c:\Program Files\MariaDB 10.1 (Ordner oder Datei).
# Als 64-Bit-PowerShell ausfuehren; siehe LIESMICH.txt.
$server = Get-Service -ErrorAction SilentlyContinue |
    Where-Object { $_.Name -eq 'MySQL' -or $_.Name -like '*Maria*' }
if ($server -or (Test-Path -LiteralPath 'c:\Program Files\MariaDB 10.1')) {
    'NichtAnwendbar'
} else {
    'Anwendbar'
}
exit 0
