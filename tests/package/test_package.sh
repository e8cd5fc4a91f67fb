#!/usr/bin/env bash
# The Debian package as a user gets it: made by cpack into a folder of its
# own, unpacked with dpkg-deb -x into a scratch root, and its programs run
# from there with a scratch HOME. Nothing may be written under the unpacked
# usr/: an installed program works in the user's data folder.
#
# usage: test_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/cpack" "$work/root" "$work/home"
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" -G DEB >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack"
fi
debs=("$work"/cpack/corvel_*_amd64.deb)
deb=${debs[0]}
[[ -f $deb ]] || fail "no package in $work/cpack"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -x "$deb" "$work/root"
root=$work/root
usr=$root/usr

# The package's fields and files.
[[ $(dpkg-deb -f "$deb" Maintainer) == "Corvel Team <"* ]] || fail "Maintainer names the team"
[[ $(dpkg-deb -f "$deb" Version) == 1.0.0.4 ]] || fail "Version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6' || fail "Depends from the shared libraries"
for f in bin/qv bin/qv-cli bin/qv-panel share/corvel/QV_Str.en share/corvel/QV_Str.chs \
         share/corvel/BMP_Files share/corvel/help/manual share/corvel/examples/Example.cgp \
         share/applications/corvel.desktop share/mime/packages/corvel.xml \
         share/icons/hicolor/48x48/apps/corvel.png share/icons/hicolor/256x256/apps/corvel.png \
         share/man/man1/qv.1.gz share/man/man1/qv-cli.1.gz share/man/man1/qv-panel.1.gz \
         share/bash-completion/completions/qv-cli share/doc/corvel/copyright \
         share/doc/corvel/changelog.gz; do
  [[ -e $usr/$f ]] || fail "missing /usr/$f"
done
for p in qv qv-cli qv-panel; do
  ! readelf -S "$usr/bin/$p" | grep -q '\.debug_info' || fail "$p is not stripped"
done
zcat "$usr/share/man/man1/qv-cli.1.gz" | grep -q '^\.SH COMMANDS' || fail "qv-cli(1) lists the commands"
zcat "$usr/share/man/man1/qv-cli.1.gz" | grep -q 'simulate' || fail "qv-cli(1) describes simulate"
desktop-file-validate "$usr/share/applications/corvel.desktop" || fail "desktop entry"

# A clean environment: no display, nothing of the caller's desktop.
run() {
  env -i HOME="$work/home" PATH="$usr/bin:/usr/bin:/bin" LANG=C.UTF-8 "$@"
}
(cd "$root" && find usr -printf '%p %s %m %T@\n' | sort) >"$work/usr-before"

for p in qv qv-cli qv-panel; do
  [[ $(run "$p" --version) == "$p (Corvel) 1.0.0.4" ]] || fail "$p --version"
done
run qv --help | grep -q '^Usage: qv' || fail "qv --help without a display"

projects=$work/home/.local/share/Corvel/Project
cd "$work/home"
run qv-cli new "$projects/Demo.cgp" >/dev/null || fail "qv-cli new"
run qv-cli compile "$projects/Demo.cgp" -o Demo.bin >/dev/null || fail "qv-cli compile (new)"
cp "$usr/share/corvel/examples/Example.cgp" "$projects/"
run qv-cli compile "$projects/Example.cgp" -o Example.bin >/dev/null || fail "qv-cli compile (example)"
run qv-cli simulate "$projects/Example.cgp" -o frame.png >/dev/null || fail "qv-cli simulate"
[[ -s Demo.bin && -s Example.bin && -s frame.png ]] || fail "outputs written"
[[ -d $work/home/.local/share/Corvel ]] || fail "the user's data folder is the work folder"

(cd "$root" && find usr -printf '%p %s %m %T@\n' | sort) >"$work/usr-after"
diff -u "$work/usr-before" "$work/usr-after" || fail "something was written under usr/"
[[ $(ls -A "$root") == usr ]] || fail "something was written beside usr/"

# The completion: commands, options, files of the command's kind.
mkdir -p "$work/complete" && cd "$work/complete" && touch a.cgp b.bin c.txt
# shellcheck disable=SC1091
source "$usr/share/bash-completion/completions/qv-cli"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _qv_cli
  echo "${COMPREPLY[*]}"
}
[[ $(complete_words qv-cli com) == compile ]] || fail "completion of a command"
[[ $(complete_words qv-cli compile "") == a.cgp ]] || fail "completion of a package"
[[ $(complete_words qv-cli simulate "") == "a.cgp b.bin" ]] || fail "completion of a package or image"
[[ $(complete_words qv-cli report x.cgp --paper "") == "a4 letter" ]] || fail "completion of a value"

if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || fail "lintian"
fi
rm -rf "$work"
echo "package test passed"
