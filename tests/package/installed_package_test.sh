#!/usr/bin/env bash
# installed_package_test.sh BUILD_DIR SOURCE_DIR VERSION — makes the Debian package, unpacks it into a
# temporary root (nothing is installed on the machine) and checks what a user gets from it: the
# files in their places, the programs working from there on the demo card without the build tree,
# the man pages and the completion agreeing with --help, and Debian's and AppStream's checkers.
set -euo pipefail
build=$1 source=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf -- "$tmp"' EXIT
arch=$(dpkg --print-architecture)
deb=$tmp/out/drovik-viewer_${version}_${arch}.deb
cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >/dev/null
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
root=$tmp/root
dpkg-deb -x "$deb" "$root"

# --- The files, in their Debian places ------------------------------------------------------------
icons=""
for size in 16 22 24 32 48 64 128 256; do
  icons+="usr/share/icons/hicolor/${size}x${size}/apps/drovik-viewer.png"$'\n'
done
expected=$(sort <<EOF_FILES
usr/bin/drovik
usr/bin/drovik-reformat
usr/bin/drovik-viewer
usr/share/applications/drovik-viewer.desktop
usr/share/bash-completion/completions/drovik
usr/share/doc/drovik-viewer/changelog.gz
usr/share/doc/drovik-viewer/copyright
${icons}usr/share/icons/hicolor/scalable/apps/drovik-viewer.svg
usr/share/man/man1/drovik-reformat.1.gz
usr/share/man/man1/drovik-viewer.1.gz
usr/share/man/man1/drovik.1.gz
usr/share/metainfo/io.github.drovik.DrovikViewer.metainfo.xml
EOF_FILES
)
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "package files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )ffmpeg(,|$)' || fail "Depends lacks ffmpeg"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the shared libraries"

# --- Debian's and AppStream's checkers, where scripts/install-deps put them -------------------------
metainfo=$root/usr/share/metainfo/io.github.drovik.DrovikViewer.metainfo.xml
desktop=$root/usr/share/applications/drovik-viewer.desktop
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian "$deb" 2>&1)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "$(appstreamcli validate --no-net "$metainfo")"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release, not $version"
opened=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
offered=$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" | sort)
[ "$opened" = "$offered" ] || fail "the metainfo's media types are not the desktop entry's"

# --- The programs, run from the unpacked root on the demo card --------------------------------------
drovik=$root/usr/bin/drovik viewer=$root/usr/bin/drovik-viewer
[ "$("$drovik" --version)" = "drovik $version" ] || fail "drovik --version: $("$drovik" --version)"
[ "$("$viewer" --version)" = "Drovik Viewer $version" ] || fail "drovik-viewer --version"
mkdir -p "$tmp/volumes" "$tmp/home"
mkdir -m 0700 "$tmp/runtime"
card=$tmp/volumes/DROVIK_DEMO
DROVIK_CLI=$drovik "$source/scripts/make-demo-card" "$card" >/dev/null
clips=$("$drovik" clips "$card")
[ "$(wc -l <<<"$clips")" -ge 10 ] || fail "drovik clips listed: $clips"
while read -r clip; do [ -f "$clip" ] || fail "drovik clips: no file $clip"; done <<<"$clips"
# The string tables are inside the programs, not beside the build.
"$drovik" settings "$card" --lang fr | grep -q 'Désactivé' || fail "drovik settings --lang fr is not French"
# The viewer starts on the card (images, style, map page and tables from its own resources) and
# is still running when stopped.
status=0
env HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_RUNTIME_DIR="$tmp/runtime" \
    QT_QPA_PLATFORM=offscreen DROVIK_VOLUMES_DIR="$tmp/volumes" DROVIK_MPV_OPTIONS=ao=null,hwdec=no \
    QTWEBENGINE_DISABLE_SANDBOX=1 timeout 8 "$viewer" "$card" >"$tmp/viewer.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the viewer ended with status $status: $(cat "$tmp/viewer.log")"

# --- Man pages, --help and completion agree ---------------------------------------------------------
man_page() { zcat "$root/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'; }
long_options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
help=$("$drovik" --help)
help_commands=$(sed -n '/^Commands:/,$p' <<<"$help" | awk 'NR > 1 { print $1 }')
man_commands=$(man_page drovik | sed -n 's/^\\fBdrovik \([a-z]*\)\\fR.*/\1/p' | uniq)
[ "$help_commands" = "$man_commands" ] || fail "drovik(1) commands: $man_commands"
[ "$(long_options <<<"$help")" = "$(man_page drovik | long_options)" ] || fail "drovik(1) options differ from --help"
viewer_help=$("$viewer" --help)
[ "$(long_options <<<"$viewer_help")" = "$(man_page drovik-viewer | long_options)" ] ||
  fail "drovik-viewer(1) options differ from --help"

completion=$root/usr/share/bash-completion/completions/drovik
# complete WORD… — what Tab offers after the words (the last one being completed).
complete_words() {
  bash -c 'source "$1" && complete -p drovik >/dev/null || exit 1
           shift; COMP_WORDS=(drovik "$@"); COMP_CWORD=$#; _drovik; printf "%s\n" "${COMPREPLY[@]}"' \
    complete "$completion" "$@" | sort
}
[ "$(complete_words "")" = "$(printf '%s\n' $help_commands --help --version | sort)" ] ||
  fail "completion offers: $(complete_words "")"
while read -r command synopsis; do
  [ "$(complete_words "$command" DIR --)" = "$(long_options <<<"$synopsis")" ] ||
    fail "completion of drovik $command options: $(complete_words "$command" DIR --)"
  # Every OPTION a|b|c of the synopsis offers a, b and c.
  while read -r option values; do
    [ -n "$option" ] || continue
    [ "$(complete_words "$command" DIR "$option" "")" = "$(tr '|' '\n' <<<"$values" | sort)" ] ||
      fail "completion of drovik $command $option"
  done < <(grep -oE -- '--[a-z]+ [a-z]+(\|[a-z]+)+' <<<"${synopsis##*| }")
done < <(sed -n '/^Commands:/,$p' <<<"$help" | tail -n +2)
echo "package: $(basename "$deb") checked"
