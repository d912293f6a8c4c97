#!/usr/bin/env bash
# The program's import table holds only what Windows 7 SP1 has: DLLs that
# every Windows 7 ships, none of the api-ms-win-* sets, and none of the calls
# of later Windows that a build could reach by mistake (the density calls of
# Windows 10 among them), which the program looks up when it runs instead.
# A missing import stops the loader before the program's first line.
# Usage: windows_7_imports_test.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
windows_7_dlls='ADVAPI32|COMCTL32|COMDLG32|GDI32|IMM32|KERNEL32|MSIMG32|OLEACC|OLEAUT32|SHELL32|SHLWAPI|USER32|UxTheme|VERSION|msvcrt|ole32'
later_calls='GetDpiForWindow|GetDpiForSystem|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|EnableNonClientDpiScaling|SetThreadDpiAwarenessContext|GetThreadDpiAwarenessContext|SetProcessDpiAwarenessContext|GetWindowDpiAwarenessContext|GetAwarenessFromDpiAwarenessContext|GetDpiForMonitor|SetProcessDpiAwareness|GetSystemTimePreciseAsFileTime|CreateFile2|GetOverlappedResultEx|WaitOnAddress|WakeByAddressSingle|WakeByAddressAll|SetThreadDescription|GetThreadDescription|PathCchCombine|PathCchAppend|GetCurrentPackageFullName|CopyFile2|GetTickCount64Ex'
for program in "$@"; do
  imports=$("$objdump" -p "$program" | awk '/DLL Name:/ {dll = $3; next} dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}')
  [ "$(wc -l <<<"$imports")" -gt 100 ] || { echo "FAIL: ${program##*/}: no import table read"; exit 1; }
  unknown=$(awk '{print $1}' <<<"$imports" | sort -u | grep -viE "^($windows_7_dlls)\.dll$" || true)
  [ -z "$unknown" ] || { echo "FAIL: ${program##*/} imports DLLs that Windows 7 lacks: $unknown"; exit 1; }
  later=$(grep -wE "$later_calls" <<<"$imports" || true)
  [ -z "$later" ] || { echo "FAIL: ${program##*/} imports calls newer than Windows 7: $later"; exit 1; }
  echo "${program##*/}: $(wc -l <<<"$imports") imports from $(awk '{print $1}' <<<"$imports" | sort -u | tr '\n' ' ')"
done
