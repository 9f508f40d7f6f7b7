#!/usr/bin/env bash
# The release as its users meet it. Builds the packages unsigned, and newer ones signed with a
# throwaway certificate; checks the signatures; in a fresh wine prefix installs the x64 package,
# starts the installed program, upgrades it, refuses a downgrade and uninstalls it; then, where this
# machine runs 32-bit programs, installs, starts and uninstalls the x86 package there, as 64-bit
# Windows runs it. Ends with "package test: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
source scripts/lib/runs_32bit.sh
work=$PWD/build/package-test
release_dist=$PWD/build/dist
newer_dist=$work/newer
newer_version=2.0.1.0

passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        passed=$((passed + 1))
        echo "ok   $what"
    else
        failed=$((failed + 1))
        echo "FAIL $what"
    fi
}
finish() {
    echo "package test: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}
wait_for() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
last_lines_say() { tail -n 4 "$1" | grep -q "$2"; }
holds_utf16() { python3 -c 'import sys; sys.exit(sys.argv[1].encode("utf-16-le") not in open(sys.argv[2], "rb").read())' "$1" "$2"; }
flip_middle_byte() {
    python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[len(d) // 2] ^= 0xFF; open(sys.argv[2], "wb").write(d)' "$1" "$2"
}
verifies() { osslsigncode verify -CAfile "$work/signer.pem" -in "$1"; }
fails_to_verify() { ! verifies "$1"; }

rm -rf "$work"
mkdir -p "$work"

# --- The packages -------------------------------------------------------------------------------

scripts/package >"$work/package.log" 2>&1
check "scripts/package makes the release unsigned" test $? -eq 0
[ "$failed" -eq 0 ] || { cat "$work/package.log"; finish; }
version=$(sed -n 's/^version=//p' build/package/win64/package.env)
release_msi=$release_dist/Quorvel-$version-x64.msi
check "its last lines say the packages are unsigned, and why" \
    sh -c "$(declare -f last_lines_say); last_lines_say '$work/package.log' UNSIGNED && last_lines_say '$work/package.log' 'would not start'"
dist_is_complete() (
    cd "$release_dist" && [ "$(find . -type f | wc -l)" -eq 5 ] && [ "$(wc -l <SHA256SUMS)" -eq 4 ] &&
        sha256sum --quiet -c SHA256SUMS
)
check "build/dist holds the five files, and SHA256SUMS matches them" dist_is_complete
check "without a release address no manifest is written, and one line says so" \
    sh -c "grep -q '^package: no winget or Scoop manifests written' '$work/package.log' && ! ls '$release_dist' | grep -q 'yaml\|json'"
# "Extract here" must not scatter the files among whatever else lies in the folder.
for arch in x64 x86; do
    folder=Quorvel-$version-$arch
    check "the $arch zip unpacks into one folder $folder/ with the two programs and the how-to" \
        test "$(unzip -Z1 "$release_dist/$folder.zip" | tr '\n' ' ')" = "$folder/Quorvel.exe $folder/Areapick.exe $folder/README.txt "
done
unzip -p "$release_dist/Quorvel-$version-x64.zip" "Quorvel-$version-x64/Quorvel.exe" >"$work/unsigned.exe"
unzip -p "$release_dist/Quorvel-$version-x86.zip" "Quorvel-$version-x86/Quorvel.exe" >"$work/unsigned-x86.exe"

# Every time in the release is the commit's, so that scripts/verify-release can build it again.
epoch=$(sed -n 's/^source_date_epoch=//p' build/package/win64/package.env)
package_code=$(sed -n 's/^package_code=//p' build/package/win64/package.env)
pe_time_stamp() {
    python3 -c 'import struct, sys; d = open(sys.argv[1], "rb").read(); print(struct.unpack_from("<I", d, struct.unpack_from("<I", d, 0x3C)[0] + 8)[0])' "$1"
}
# A zip keeps times to two seconds.
zip_times_are() {
    python3 -c 'import calendar, sys, zipfile
sys.exit(any(abs(calendar.timegm(m.date_time + (0, 0, 0)) - int(sys.argv[2])) > 1 for m in zipfile.ZipFile(sys.argv[1]).infolist()))' "$1" "$2"
}
check "the programs' PE time stamp is the commit's time, x64 and x86" \
    test "$(pe_time_stamp "$work/unsigned.exe") $(pe_time_stamp "$work/unsigned-x86.exe")" = "$epoch $epoch"
check "the zip's members carry the commit's time" zip_times_are "$release_dist/Quorvel-$version-x64.zip" "$epoch"
check "the installer's package code and creation time are its own, not drawn at the build" \
    sh -c "TZ=UTC msiinfo suminfo '$release_msi' | grep -qx 'Revision number (UUID): {$package_code}' &&
        TZ=UTC msiinfo suminfo '$release_msi' | grep -qx 'Created: $(TZ=UTC date -d "@$epoch" '+%a %b %e %H:%M:%S %Y')'"
check "unsigned programs ask for uiAccess=\"false\"" grep -aq 'uiAccess="false"' "$work/unsigned.exe"

# A throwaway code-signing certificate, trusted by nothing but the checks below.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Quorvel test signer" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/signer.key" -out "$work/signer.pem" \
    >/dev/null 2>&1
openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" -out "$work/signer.pfx" \
    -passout pass:throwaway >/dev/null 2>&1
QUORVEL_VERSION=$newer_version QUORVEL_DIST=$newer_dist QUORVEL_SIGNING_PFX=$work/signer.pfx \
    QUORVEL_SIGNING_PASSWORD=throwaway QUORVEL_RELEASE_URL=https://downloads.quorvel.example/releases \
    scripts/package >"$work/package-signed.log" 2>&1
check "scripts/package makes a newer release, signed, with its manifests" test $? -eq 0
[ "$failed" -eq 0 ] || { cat "$work/package-signed.log"; finish; }
newer_msi=$newer_dist/Quorvel-$newer_version-x64.msi
manifests_are_complete() (
    cd "$newer_dist" && [ "$(ls Vantrel.Quorvel.yaml Vantrel.Quorvel.installer.yaml \
        Vantrel.Quorvel.locale.en-US.yaml quorvel.json | wc -l)" -eq 4 ]
)
check "the three winget manifests and the Scoop manifest are written" manifests_are_complete
# Debian's interpreter, which scripts/setup gives its YAML parser.
check "they parse, every hash and product code in them is that of the file beside them, and Scoop's update finds this release" \
    /usr/bin/python3 scripts/lib/manifests_match.py "$newer_dist"

# Every signed file: both installers, and the programs inside them and inside the zips.
signed=("$newer_dist"/*.msi)
for arch in x64 x86; do
    mkdir -p "$work/msi-$arch" "$work/zip-$arch"
    (cd "$work/msi-$arch" && msiextract "$newer_dist/Quorvel-$newer_version-$arch.msi" >/dev/null)
    unzip -q -j -o "$newer_dist/Quorvel-$newer_version-$arch.zip" -d "$work/zip-$arch"
    signed+=("$(find "$work/msi-$arch" -name Quorvel.exe)" "$(find "$work/msi-$arch" -name Areapick.exe)")
    signed+=("$work/zip-$arch/Quorvel.exe" "$work/zip-$arch/Areapick.exe")
done
for file in "${signed[@]}"; do
    check "signature verifies: ${file#"$work"/}" verifies "$file"
done
flip_middle_byte "$newer_msi" "$work/changed.msi"
flip_middle_byte "$work/zip-x64/Quorvel.exe" "$work/changed.exe"
check "an installer with one byte changed does not verify" fails_to_verify "$work/changed.msi"
check "a program with one byte changed does not verify" fails_to_verify "$work/changed.exe"
check "signed installed programs ask for uiAccess=\"true\"" \
    grep -aq 'uiAccess="true"' "$(find "$work/msi-x64" -name Quorvel.exe)"
check "signed portable programs ask for uiAccess=\"false\"" grep -aq 'uiAccess="false"' "$work/zip-x64/Quorvel.exe"

# --- The x86 installer as a package ------------------------------------------------------------

x86_msi=$release_dist/Quorvel-$version-x86.msi
check "the x86 installer is a 32-bit package" sh -c "msiinfo suminfo '$x86_msi' | grep -q '^Template: Intel;'"
check "it installs into the 32-bit Program Files" \
    sh -c "msiinfo export '$x86_msi' Directory | grep -q '^INSTALLDIR	ProgramFilesFolder	Quorvel'"
check "it holds Quorvel.exe and Areapick.exe" \
    sh -c "msiinfo export '$x86_msi' File | cut -f 3 | grep -c '^Quorvel.exe$\|^Areapick.exe$' | grep -qx 2"
check "its programs are 32-bit" \
    sh -c "x86_64-w64-mingw32-objdump -f '$(find "$work/msi-x86" -name Quorvel.exe)' | grep -q 'pei-i386'"

# --- Install, start, upgrade, downgrade and uninstall under wine ---------------------------------

source scripts/lib/wine-session.sh
start_wine_session "$work/prefix"
trap end_wine_session EXIT

install_dir=$WINEPREFIX/drive_c/Program\ Files/Quorvel
settings_key='HKCU\Software\Vantrel\Quorvel\Settings'
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn /l*v "$(winepath -w "$3")"; }
reg_data() { tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print; exit }'; }
# Once wine32 is installed, wine's reg is its 32-bit one, which reads the registry as 32-bit
# programs see it unless told otherwise. Each package's entries are read in its own view.
reg_view=/reg:64
reg_value() { wine reg query "$1" /v "$2" "$reg_view" 2>/dev/null | reg_data "$2"; }
# The installed-programs entries named Quorvel, one key per line.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "$reg_view" 2>/dev/null |
        tr -d '\r' | awk '/^HKEY_/ { key = $0 } $1 == "DisplayName" && $3 == "Quorvel" { print key }'
}
one_entry_of() {
    local list
    list=$(entries)
    [ "$(printf '%s\n' "$list" | grep -c .)" -eq 1 ] && [ "$(reg_value "$list" DisplayVersion)" = "$1" ]
}
shortcut_count() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Quorvel.lnk' | wc -l; }
web_link_is() { grep -q "$1\[\] = \"$2\";" ui/web_links.h; }
main_window() { xwininfo -root -tree 2>/dev/null | grep -q '"Quorvel"'; }
# Asks the program to close its window. The 32-bit taskkill that /usr/bin/wine runs once wine32 is
# installed finds no 64-bit process by its name; the 64-bit one finds both kinds.
close_quorvel() { wine64 taskkill /im Quorvel.exe >/dev/null 2>&1; }
not_running() { ! kill -0 "$1" 2>/dev/null; }

# The user's settings from before: uninstalling must leave them.
wine reg add "$settings_key" /v m_iLocX /t REG_DWORD /d 123 /f >/dev/null 2>&1

msiexec /i "$release_msi" "$work/install.log"
check "msiexec /i /qn installs $version" test $? -eq 0
check "both programs are in Program Files\\Quorvel" test -f "$install_dir/Quorvel.exe" -a -f "$install_dir/Areapick.exe"
check "a Start-menu shortcut \"Quorvel\"" test "$(shortcut_count)" -eq 1
check "one installed-programs entry, version $version" one_entry_of "$version"
entry=$(entries | head -n 1)
check "the entry names the publisher Vantrel" test "$(reg_value "$entry" Publisher)" = Vantrel
check "the entry links the product page" web_link_is kProductPage "$(reg_value "$entry" URLInfoAbout)"
check "the entry links the support page" web_link_is kSupportPage "$(reg_value "$entry" HelpLink)"
product_icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s "$reg_view" 2>/dev/null | reg_data ProductIcon)
check "the entry's icon is installed" test -s "$(winepath -u "$product_icon" 2>/dev/null)"

wine "C:\\Program Files\\Quorvel\\Quorvel.exe" >/dev/null 2>&1 &
program=$!
check "the installed Quorvel.exe shows its main window" wait_for 60 main_window
# Closing the window ends the program, as its close button does.
close_quorvel
check "the program ends when its window is closed" wait_for 30 not_running "$program"

msiexec /i "$newer_msi" "$work/upgrade.log"
check "msiexec /i /qn upgrades to $newer_version" test $? -eq 0
check "after the upgrade: one entry, version $newer_version" one_entry_of "$newer_version"
check "after the upgrade: the newer Quorvel.exe" holds_utf16 "$newer_version" "$install_dir/Quorvel.exe"
check "after the upgrade: the newer Areapick.exe" holds_utf16 "$newer_version" "$install_dir/Areapick.exe"
check "after the upgrade: one shortcut" test "$(shortcut_count)" -eq 1

msiexec /i "$release_msi" "$work/downgrade.log"
check "installing $version over $newer_version is refused" test $? -ne 0
check "after the refusal: still one entry, version $newer_version" one_entry_of "$newer_version"
# Wine's msiexec neither shows nor logs the message of a failed launch condition: read it from the package.
check "the refusal says why" sh -c "msiinfo export '$release_msi' LaunchCondition |
    grep -q '^NOT WIX_DOWNGRADE_DETECTED	A newer version of Quorvel is already installed'"

msiexec /x "$newer_msi" "$work/uninstall.log"
check "msiexec /x /qn uninstalls" test $? -eq 0
check "the programs and their folder are gone" test ! -e "$install_dir"
check "the shortcut is gone" test "$(shortcut_count)" -eq 0
check "the installed-programs entry is gone" test -z "$(entries)"
check "the user's settings are kept" test "$(reg_value "$settings_key" m_iLocX)" = 0x7b

# --- The x86 installer on 64-bit Windows ---------------------------------------------------------

if ! x86_runs_here; then
    echo "skip the x86 installer under wine: this machine cannot run 32-bit programs"
    finish
fi
x86_dir=$WINEPREFIX/drive_c/Program\ Files\ \(x86\)/Quorvel
reg_view=/reg:32
msiexec /i "$x86_msi" "$work/install-x86.log"
check "msiexec /i /qn installs the x86 package" test $? -eq 0
check "both programs are in the 32-bit Program Files (x86)\\Quorvel" \
    test -f "$x86_dir/Quorvel.exe" -a -f "$x86_dir/Areapick.exe"
check "and none in the 64-bit one" test ! -e "$install_dir"
check "a Start-menu shortcut \"Quorvel\"" test "$(shortcut_count)" -eq 1
check "one installed-programs entry, version $version, where 32-bit programs see it" one_entry_of "$version"

wine "C:\\Program Files (x86)\\Quorvel\\Quorvel.exe" >/dev/null 2>&1 &
program=$!
check "the installed x86 Quorvel.exe shows its main window" wait_for 60 main_window
close_quorvel
check "the x86 program ends when its window is closed" wait_for 30 not_running "$program"

msiexec /x "$x86_msi" "$work/uninstall-x86.log"
check "msiexec /x /qn uninstalls the x86 package" test $? -eq 0
check "its programs and their folder are gone" test ! -e "$x86_dir"
check "its shortcut is gone" test "$(shortcut_count)" -eq 0
check "its installed-programs entry is gone" test -z "$(entries)"
check "the user's settings are still kept" test "$(reg_value "$settings_key" m_iLocX)" = 0x7b

finish
