@echo off
rem The day's run: every player starts on the same field that day.
cd /d "%~dp0"
void-angler.exe -arcade=daily
