@echo off
rem An arcade run: 9000 frames on the 1920 x 1080 field, for the table of scores.
cd /d "%~dp0"
void-angler.exe -arcade
