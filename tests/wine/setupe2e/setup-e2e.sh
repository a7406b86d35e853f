#!/usr/bin/env bash
# setup.exe end to end: each case prepares its own source folder from the
# sample product, starts the installer and checks what the robot reads.
#   setup-e2e.sh <build folder> <recorder.exe>
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
export QM_BUILD=$1
recorder=$2
source "$repo/tools/wine-common.sh"
source "$repo/tools/setup-under-wine.sh"
qm_wine_prefix

work=$(mktemp -d "${TMPDIR:-/tmp}/setup-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
case_name=""
out=""

fail() {
  echo "FAIL [$case_name] $*"
  echo "--- robot output:"
  printf '%s\n' "$out"
  failures=$((failures + 1))
}
# expect <line>: the robot printed exactly this line.
expect() { grep -qxF -- "$1" <<<"$out" || fail "missing line: $1"; }
# button <name> <0|1>: a button's enabled state.
button() { grep -q "^control $1 [0-9]* enabled=$2 " <<<"$out" || fail "$1 enabled should be $2"; }
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# new_case <name> [<ini edits as sed expressions>]: a source folder of its own.
new_case() {
  case_name=$1
  src="$work/$1"
  qm_prepare_source "$src" "$repo/examples/product"
  if [ $# -gt 1 ]; then
    iconv -f GBK -t UTF-8 "$src/Configure.ini" | sed -e "$2" | iconv -f UTF-8 -t GBK >"$src/ini"
    mv "$src/ini" "$src/Configure.ini"
  fi
}
set_ini_key() { echo "s/^$1=.*/$1=$2/"; }
run_setup() {
  qm_setup_start "$src"
  out=$(qm_robot "$@")
  qm_setup_wait 60 || fail "setup.exe did not end"
}
error_record() { tail -c +3 "$src/TWError.txt" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'; }
reg_uninstall() {
  "$QM_WINE" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark '"$1" \
    /v "App Path" /t REG_SZ /d "$2" /f >/dev/null 2>&1
}
reg_clear() {
  "$QM_WINE" reg delete 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark '"$1" \
    /f >/dev/null 2>&1 || true
}

# --- a new installation; the settings file is written on closing --------
new_case new
run_setup dialog dump close gone
expect "dialog Quillmark 电子签章 7.0 安装程序"
expect "control LbProducts 1001 enabled=1 visible=1 text=[Quillmark 电子签章 7.0]"
expect "control LbPath 1003 enabled=1 visible=1 text=C:\\Program Files\\Quillmark"
expect "control Button2 1005 enabled=1 visible=1 text=安装(&I)"
button Button1 1; button Button2 1; button Button3 1
if [ ! -f "$src/Signature.dll" ]; then
  fail "no Signature.dll after the dialog closed"
else
  head -c 60 "$src/Signature.dll" | grep -q 'encoding="GB2312"' || fail "Signature.dll not declared GB2312"
  grep -q "$(printf '<FontName>\xcb\xce\xcc\xe5</FontName>')" "$src/Signature.dll" ||
    fail "Signature.dll does not hold 宋体 in GB2312"
  grep -q '<CSPName>M___W eKey XCSP</CSPName>' "$src/Signature.dll" || fail "default content missing"
fi
[ ! -e "$src/TWError.txt" ] || fail "an error record without a message box"

# --- "Configure.ini" missing: message, record, buttons kept disabled ------
new_case noini
rm "$src/Configure.ini"
run_setup msgbox 1 dialog dump close gone
expect "msgbox caption=提示信息 text=缺少配置文件 Configure.ini，无法安装。"
button Button1 0; button Button2 0; button Button3 1
expect "control LbPath 1003 enabled=1 visible=1 text="
[ "$(head -c 2 "$src/TWError.txt" | xxd -p)" = fffe ] || fail "TWError.txt without its mark"
[ "$(error_record)" = "$(printf 'ERRORID=1556\nERRORTEXT=缺少配置文件 Configure.ini，无法安装。')" ] ||
  fail "error record: $(error_record)"

# --- "Setup.Lst" missing ---------------------------------------------------
new_case nolist
rm "$src/Setup.Lst"
run_setup msgbox 1 dialog dump close gone
expect "msgbox caption=提示信息 text=缺少安装所需的文件：Setup.Lst!"
button Button1 0; button Button2 0; button Button3 1
[ "$(error_record)" = "$(printf 'ERRORID=1555\nERRORTEXT=缺少安装所需的文件：')" ] ||
  fail "error record: $(error_record)"

# --- update mode without an installed copy --------------------------------
reg_clear 7.0
new_case update_none "$(set_ini_key Update true)"
run_setup dialog dump close gone
expect "control LbPath 1003 enabled=1 visible=1 text=未找到已安装的版本，无法升级：[Quillmark 电子签章 7.0]"
button Button1 0; button Button2 0; button Button3 1

# --- update mode with an installed copy ("Version" lists two) -------------
mkdir -p "$WINEPREFIX/drive_c/QmOld"
reg_uninstall 6.5 'C:\QmOld'
new_case update_found "$(set_ini_key Update TRUE);$(set_ini_key Version '7.0;6.5')"
run_setup dialog dump close gone
expect "control LbPath 1003 enabled=1 visible=1 text=C:\\QmOld\\"
button Button1 0; button Button2 1; button Button3 1

# --- the marker file ends the installer, after SETUPBEFORERUN -------------
touch "$WINEPREFIX/drive_c/QmOld/TW_SIGN_MAIN.libx"
new_case marker "$(set_ini_key Overwrite FALSE);$(set_ini_key Version 6.5);s/^\[SETUPBEFORERUN\]/&\r\nRUN0=\\\\rec.exe/"
cp "$recorder" "$src/rec.exe"
run_setup gone 15
grep -q "^dialog" <<<"$out" && fail "the dialog appeared"
grep -q "name=rec.exe" "$src/record.txt" 2>/dev/null || fail "SETUPBEFORERUN did not run first"
rm -f "$WINEPREFIX/drive_c/QmOld/TW_SIGN_MAIN.libx"
reg_clear 6.5

# --- SETUPBEFORERUN: order, options, a gap in the numbering ---------------
runs='s/^\[SETUPBEFORERUN\]/&\r\nRUN0=\\rec.exe;\r\nRUN3=\\never.exe\r\nRUN2=\\rec.exe;\/s \/t\r\nRUN1=\\missing.exe/'
new_case beforerun "$runs"
cp "$recorder" "$src/rec.exe"
cp "$recorder" "$src/never.exe"
run_setup dialog 60000 close gone
# Four keys: RUN0 to RUN3 are read in number order; RUN1 names a missing
# file and is skipped; RUN2 runs a hidden copy from the temporary folder.
mapfile -t rec < <(tr -d '\r' <"$src/record.txt" 2>/dev/null)
[ "${#rec[@]}" = 3 ] || fail "expected three starts, got: ${rec[*]}"
grep -q "^name=rec.exe show=5 " <<<"${rec[0]:-}" || fail "RUN0: ${rec[0]:-}"
grep -q "^name=~ttt.tmp show=0 " <<<"${rec[1]:-}" || fail "RUN2: ${rec[1]:-}"
grep -q "^name=never.exe show=5 " <<<"${rec[2]:-}" || fail "RUN3: ${rec[2]:-}"

# --- a boolean that is not one: the error display, the rest skipped -------
new_case badbool "$(set_ini_key AutoRun yes)"
run_setup msgbox 1 dialog dump close gone
expect "msgbox caption=setup text='yes' is not a valid boolean value"
expect "control LbPath 1003 enabled=1 visible=1 text="
[ ! -e "$src/TWError.txt" ] || fail "the error display left an error record"

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "setup end to end: all cases passed"
