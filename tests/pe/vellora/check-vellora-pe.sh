#!/usr/bin/env bash
# One check of the built vellora.dll:
#   check-vellora-pe.sh ASPECT DLL OBJDUMP TLB
set -euo pipefail
# Tool output is parsed: keep it untranslated whatever the caller's locale.
export LC_ALL=C LANG=C
aspect=$1 dll=$2 objdump=$3 tlb=$4
fail() { echo "FAIL ($aspect): $*" >&2; exit 1; }
dump=$("$objdump" -p "$dll")

# PE32 for the 32-bit build, PE32+ for the 64-bit one.
machine=$(sed -n 's/.*file format \(pei-[a-z0-9-]*\).*/\1/p' <<<"$dump" | head -1)
case "$machine" in
  pei-i386) bits=32 ;;
  pei-x86-64) bits=64 ;;
  *) fail "unexpected file format '$machine'" ;;
esac

case "$aspect" in
  format)
    # The DLL flag (0x2000) in the file header's characteristics.
    chars=$(sed -n 's/^Characteristics 0x\([0-9a-f]*\).*/\1/p' <<<"$dump" | head -1)
    [ -n "$chars" ] || fail "no PE header"
    (( (16#$chars & 0x2000) != 0 )) || fail "not a dynamic library"
    ;;
  imports)
    # Only DLLs that every Windows has: no MinGW runtime beside the library.
    allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|OLE32|OLEAUT32|WINSPOOL\.DRV|MSVCRT|SHLWAPI|SHELL32|COMCTL32|COMDLG32|VERSION)(\.DLL)?$'
    names=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
    [ -n "$names" ] || fail "no imports found"
    while read -r n; do
      up=$(tr '[:lower:]' '[:upper:]' <<<"$n")
      grep -Eq "$allowed" <<<"$up" || fail "imports a non-system DLL: $n"
    done <<<"$names"
    ;;
  exports)
    table=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[\s*\([0-9]*\)\] \(.*\)$/\1 \2/p')
    expected=$'0 DllCanUnloadNow\n1 DllGetClassObject\n2 DllRegisterServer\n3 DllUnregisterServer'
    [ "$table" = "$expected" ] || fail "export names differ: $table"
    grep -q 'Ordinal Base 1' <<<"$dump" || fail "ordinal base is not 1"
    count=$(sed -n '/Export Address Table -- Ordinal Base/,/^$/p' <<<"$dump" | grep -c 'Export RVA')
    [ "$count" = 4 ] || fail "$count exported addresses, expected 4"
    ;;
  resources)
    rsrc=$(sed -n '/The .rsrc Resource Directory section/,$p' <<<"$dump")
    # type, name and language of every leaf, one per line.
    leaves=$(awk '
      /Type Table/ {lvl=0}
      /^[0-9a-f]+   Entry:/ {type=$0; sub(/.*Entry: /,"",type); sub(/, Value.*/,"",type)}
      /^[0-9a-f]+     Entry:/ {name=$0; sub(/.*Entry: /,"",name); sub(/, Value.*/,"",name)}
      /^[0-9a-f]+       Entry:/ {lang=$0; sub(/.*Entry: /,"",lang); sub(/, Value.*/,"",lang); print type "|" name "|" lang}
    ' <<<"$rsrc" | sed 's/name: \[val: [0-9a-f]* len [0-9]*\]: //g')
    for want in 'REGISTRY|ID: 0x000067|ID: 0x000804' 'TYPELIB|ID: 0x000001|ID: 0x000804' \
                'ID: 0x000002|ID: 0x000066|ID: 0x000804' 'ID: 0x000010|ID: 0x000001|ID: 0x000804' \
                'ID: 0x000017|PT.HTM|ID: 0x000804'; do
      grep -qxF "$want" <<<"$leaves" || fail "missing resource $want; have: $leaves"
    done
    [ "$(wc -l <<<"$leaves")" = 5 ] || fail "unexpected resources: $leaves"
    ;;
  typelib)
    # The MSFT header's flags word (offset 20) holds the system kind in its
    # low nibble: 1 = 32-bit Windows, 3 = 64-bit Windows.
    [ "$(head -c 4 "$tlb")" = MSFT ] || fail "not an MSFT type library"
    flags=$(od -An -tu4 -j20 -N4 "$tlb" | tr -d ' ')
    kind=$((flags & 15))
    if [ $bits = 32 ]; then [ $kind = 1 ] || fail "system kind $kind, expected 1 (win32)"; fi
    if [ $bits = 64 ]; then [ $kind = 3 ] || fail "system kind $kind, expected 3 (win64)"; fi
    # The help strings are stored as GBK bytes.
    grep -qF "$(printf 'vellora 1.0 \xc0\xe0\xd0\xcd\xbf\xe2')" "$tlb" || fail "library help string is not GBK"
    grep -qF "$(printf 'IPrintCtl \xbd\xd3\xbf\xda')" "$tlb" || fail "interface help string is not GBK"
    ;;
  version)
    # UTF-16LE texts of the version block.
    hex=$(od -An -tx1 -v "$dll" | tr -d ' \n')
    u16hex() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n'; }
    for text in 080403a4 Comments FileDescription 3.0.0.7 vellora.dll 实现打印设置 实现定制打印; do
      grep -q "$(u16hex "$text")" <<<"$hex" || fail "version text '$text' missing"
    done
    # The fixed part: signature 0xFEEF04BD, then file version 3.0 / 0.7.
    grep -q 'bd04effe000001000000030007000000' <<<"$hex" || fail "fixed file version is not 3.0.0.7"
    ;;
  *) fail "unknown aspect" ;;
esac
echo "ok: $aspect"
