#!/usr/bin/env bash
# Builds the Debian package, validates it, installs it on this machine, uses it as a newly
# created ordinary user, then purges it. Usage: run_package_test.sh SOURCE_DIR BUILD_DIR
# Skips (77) when it cannot install packages here (not root, no apt-get).
set -uo pipefail
src=$1 build=$2
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "SKIP: installing the package needs root and apt-get"; exit 77
fi
if dpkg-query -W -f='${Status}' rangedesk 2>/dev/null | grep -q 'install ok installed'; then
  echo "SKIP: rangedesk is installed on this machine already; the test would replace it"; exit 77
fi
fail() { echo "FAIL: $*"; exit 1; }
step() { echo "== $*"; }

step "the package"
(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls "$build"/rangedesk_*_amd64.deb) || fail "no package in $build"
step "validation"
desktop-file-validate "$src/resources/desktop/net.rangedesk.RangeDesk.desktop" || fail "desktop file"
appstreamcli validate --no-net "$src/resources/desktop/net.rangedesk.RangeDesk.metainfo.xml" ||
  fail "metainfo"
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"

step "the package's relations"
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
for needed in qt6-wayland libxtst6 qt6-translations-l10n; do
  grep -qw "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -qw xdg-desktop-portal <<<"$recommends" || fail "Recommends lacks xdg-desktop-portal"

step "install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >/dev/null ||
  fail "apt-get install"
user=rdpkg$$
home=/tmp/$user
cleanup() {
  pkill -KILL -u "$user" >/dev/null 2>&1
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -q rangedesk >/dev/null 2>&1
  userdel -r "$user" >/dev/null 2>&1
  rm -rf "$home"
}
trap cleanup EXIT
useradd -m -d "$home" "$user" || fail "useradd"
before=$(cd /usr/lib/rangedesk && find . -type f -exec sha256sum {} + | sort)
as_user() { runuser -u "$user" -- env HOME="$home" XDG_RUNTIME_DIR="$home/run" \
              QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$@"; }
as_user mkdir -p -m 700 "$home/run"

step "the window makes the user's database from the template"
db=$home/.local/share/RangeDesk/DistLib.mdb
as_user rangedesk & pid=$!
for _ in $(seq 100); do [ -s "$db" ] && break; sleep 0.1; done
sleep 1
pkill -TERM -u "$user" -x rangedesk; wait $pid; rc=$?
[ $rc -eq 0 ] || fail "rangedesk ended with $rc on SIGTERM"
[ -s "$db" ] || fail "no database at $db"
[ "$(stat -c %U "$db")" = "$user" ] || fail "$db is not the user's"
[ "$(sqlite3 "$db" 'PRAGMA user_version')" = "2" ] || fail "the schema was not brought up to date"
sqlite3 "$db" 'SELECT COUNT(*) FROM LoadData; SELECT COUNT(*) FROM Downloads' >/dev/null ||
  fail "the tables are missing"

step "the command line uses the same database"
as_user rangedesk-cli --version | grep -qF "database: $db" || fail "--version does not name $db"
as_user rangedesk-cli download --simulate 3:5 --quiet || fail "download"
as_user rangedesk-cli export "$home/records.xlsx" || fail "export"
[ -s "$home/records.xlsx" ] || fail "no export"
[ "$(sqlite3 "$db" 'SELECT COUNT(*) FROM LoadData')" = "5" ] || fail "the rows are not in $db"

step "the no-access message points to documentation the package ships"
[ -s /usr/share/doc/rangedesk/README.md ] || fail "no README.md in /usr/share/doc/rangedesk"
grep -q "Letting your user open the meter" /usr/share/doc/rangedesk/README.md ||
  fail "the README lacks the section the no-access message names"

step "the udev rule gives the meters to the seat's user and to plugdev"
rule=/usr/lib/udev/rules.d/70-rangedesk.rules
[ -s "$rule" ] || fail "no udev rule at $rule"
getent group plugdev >/dev/null || fail "no group plugdev on this system"
lines=$(grep -v '^#' "$rule" | grep -c 'SUBSYSTEM=="hidraw"')
[ "$lines" -ge 6 ] || fail "$rule names $lines meters"
while read -r line; do
  for part in 'TAG+="uaccess"' 'GROUP="plugdev"' 'MODE="0660"'; do
    grep -qF "$part" <<<"$line" || fail "$rule: a rule without $part: $line"
  done
done < <(grep -v '^#' "$rule" | grep .)
grep -q "usermod -aG plugdev" /usr/share/doc/rangedesk/README.md ||
  fail "the README does not say how to join plugdev"
zcat /usr/share/man/man1/rangedesk-cli.1.gz | grep -q plugdev || fail "the man page lacks plugdev"

step "the desktop entry names the window's app id"
entry=/usr/share/applications/net.rangedesk.RangeDesk.desktop
grep -qx 'StartupWMClass=net.rangedesk.RangeDesk' "$entry" || fail "$entry: no StartupWMClass"

step "the translations are installed"
for language in zh_CN de; do
  [ -s "/usr/share/rangedesk/translations/rangedesk_$language.qm" ] ||
    fail "no rangedesk_$language.qm in /usr/share/rangedesk/translations"
done

step "the installed program folder is unchanged"
after=$(cd /usr/lib/rangedesk && find . -type f -exec sha256sum {} + | sort)
[ "$before" = "$after" ] || fail "the installed files changed"
echo "package test passed: $(basename "$deb")"
