@echo off
rem Runs every Skarvel Windows test program on this Windows 10 or 11 machine and ends with one
rem summary line; the exit code is 1 when any program failed. Run it once as a standard user
rem and once from an elevated prompt ("Run as administrator"): the tests that need an
rem administrator run only in the second. Unpack the folder where you may write: the tests
rem start bin\skarvel.exe, which writes its settings and logs beside itself.
setlocal EnableExtensions EnableDelayedExpansion
cd /d "%~dp0"
set "SKARVEL_BINARY_DIR=%~dp0"
set "SKARVEL_SOURCE_DIR=%~dp0source"

set ELEVATED=0
net session >nul 2>&1 && set ELEVATED=1
if !ELEVATED!==0 (
  whoami /groups | find "S-1-5-32-544" >nul && (
    echo This account is an administrator, but this prompt is not elevated. skarvel.exe asks
    echo administrators to elevate, which a test cannot answer. Run run-tests.cmd from an
    echo elevated prompt, or as a standard user.
    exit /b 2
  )
)

set "LEFT_OUT="
set /a LEFT=0
rem What only Wine can do, or what only Wine shows.
call :leave_out "SystemTools.HelpShowsThePageAsReadableTextWithoutAnError" "shows the help page as text where there is no HTML engine (Wine); Windows has one"
call :leave_out "SystemTools.ALauncherWhoseToolIsMissingLeavesTheProgramRunningAndMinimised" "needs the disk clean-up tool to be missing, as under Wine"
rem What needs an administrator.
if !ELEVATED!==0 (
  call :leave_out "CommandLine.*" "needs an administrator: cleans the Windows temp folder, writes at the drive root"
  call :leave_out "MainWindowClicks.*" "needs an administrator: cleans the Windows temp folder, writes the machine's registry"
  call :leave_out "OptionsEndToEnd.*" "needs an administrator: writes the machine's Run key and debugger value"
  call :leave_out "RunOnRealServices.*" "needs an administrator: writes the machine's registry"
  call :leave_out "CommandLineAdmin.APolicyTurnsACategoryOffAndListSaysSo" "needs an administrator: writes the user's policy key, cleans the Windows temp folder"
  call :leave_out "PolicyEndToEnd.*" "needs an administrator: writes the user's policy key, cleans the Windows temp folder"
)

set /a PROGRAMS=0, PASSED=0, FAILED=0
set "FAILURES="
for %%p in (tests\win_*.exe) do call :run "%%p"

echo.
if !ELEVATED!==1 (set "AS=as an administrator") else (set "AS=as a standard user")
echo Skarvel Windows tests !AS!: !PROGRAMS! programs, !PASSED! passed, !FAILED! failed, !LEFT! tests left out (reasons above)
if !FAILED! gtr 0 (
  echo Failed:!FAILURES!
  exit /b 1
)
exit /b 0

:leave_out
echo Left out: %~1 - %~2
if defined LEFT_OUT (set "LEFT_OUT=!LEFT_OUT!:%~1") else (set "LEFT_OUT=%~1")
set /a LEFT+=1
exit /b 0

:run
set /a PROGRAMS+=1
echo.
echo == %~n1
"%~1" --gtest_brief=1 "--gtest_filter=-!LEFT_OUT!"
if errorlevel 1 (
  set /a FAILED+=1
  set "FAILURES=!FAILURES! %~n1"
) else (
  set /a PASSED+=1
)
exit /b 0
