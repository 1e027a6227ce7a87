@echo off
rem Stands in for a real installation under Wine: waits a moment, creates the
rem target folder and registers a stopped MariaDB service, so the installer
rem window finds a server afterwards and a second start shows that verdict.
ping -n 4 127.0.0.1 >nul
mkdir "c:\Program Files\MariaDB 10.1"
sc create MariaDB binPath= "c:\Program Files\MariaDB 10.1\bin\mysqld.exe" >nul
exit /b 0
