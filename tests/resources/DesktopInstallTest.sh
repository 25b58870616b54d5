#!/usr/bin/env bash
# Installs the build into a temporary prefix and asks the desktop's own tools what they make of it:
# the desktop entry validates, the MIME database built there gives both forms of a ".kvn" file the
# outline type, also by their first bytes alone, and kesta32 is the type's default application; the
# entry starts the installed program with a PATH that lacks the prefix.
set -euo pipefail
build=$1
source=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
# A second install where the prefix holds a space, which the entry's Exec line must quote; this one
# is started from its entry below (xdg-mime, for its part, cannot take such a data folder).
spaced="$work/other place"
cmake --install "$build" --prefix "$spaced" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for file in bin/kesta32 lib/libkplatform.so lib/libWrila12.so lib/libkesta_webview.so share/kesta32/kestavon.key share/kesta32/kesta.css \
            share/kesta32/kestahtml.css share/applications/kesta32.desktop share/mime/packages/kesta32.xml \
            share/icons/hicolor/scalable/apps/kesta32.svg share/icons/hicolor/48x48/apps/kesta32.png; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
# The outputs are read whole before they are searched: "grep -q" would stop reading early, and with
# pipefail the writer's broken pipe would fail the test at random.
dynamic=$(readelf -d "$prefix/bin/kesta32")
grep -q 'R.*PATH.*\$ORIGIN/\.\./lib' <<<"$dynamic" || fail "bin/kesta32 does not look in ../lib"
# The program finds its libraries in the prefix, not in the build tree.
libraries=$(ldd "$prefix/bin/kesta32")
grep -q "libkplatform.so => $prefix/bin/../lib/libkplatform.so" <<<"$libraries" ||
  fail "libkplatform.so not found in the prefix"
# The web engine comes with the preview's module, loaded when the preview first shows a page.
! grep -qi 'webkit\|javascriptcore\|webview' <<<"$libraries" || fail "bin/kesta32 links the web engine"
grep -qi 'webkit' <<<"$(ldd "$prefix/lib/libkesta_webview.so")" || fail "the preview's module lacks the web engine"

desktop-file-validate "$prefix/share/applications/kesta32.desktop"
entry=$spaced/share/applications/kesta32.desktop
desktop-file-validate "$entry"
exec_line=$(grep ^Exec= "$entry")
[ "$exec_line" = "Exec=\"$spaced/bin/kesta32\" %F" ] || fail "the entry does not name the installed program: $exec_line"
export XDG_DATA_HOME=$prefix/share XDG_DATA_DIRS=$prefix/share XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/config
update-mime-database "$prefix/share/mime"
mkdir -p "$XDG_CONFIG_HOME"
type=application/x-kesta32-outline
cp "$source/samples/sample.kvn" "$work/plain.kvn"
cp "$source/samples/sample.kvn" "$work/plain-named-otherwise"
# The enciphered header: "PELKO", two digits, a letter, the format bytes and the password length.
printf 'PELKO07Q\001\001\000\000enciphered body' >"$work/enciphered.kvn"
cp "$work/enciphered.kvn" "$work/enciphered-named-otherwise"
for file in plain.kvn enciphered.kvn plain-named-otherwise enciphered-named-otherwise; do
  got=$(xdg-mime query filetype "$work/$file")
  [ "$got" = "$type" ] || fail "$file is '$got', not $type"
done
got=$(xdg-mime query filetype "$source/README.md")
[ "$got" != "$type" ] || fail "README.md taken for an outline"
got=$(xdg-mime query default "$type")
[ "$got" = kesta32.desktop ] || fail "default application is '$got', not kesta32.desktop"

# The installed program starts from its entry, as a menu starts it, on an outline: its main window
# appears. It keeps its settings and its single-instance socket in the test's own folders.
if [ -n "${DISPLAY:-}" ]; then
  mkdir -m 700 "$work/runtime"
  HOME=$work XDG_RUNTIME_DIR=$work/runtime PATH=/usr/bin:/bin gio launch "$entry" "$work/plain.kvn" >"$work/kesta32.log" 2>&1
  # Other tests open and close windows on the same display meanwhile; a search that meets a window
  # closing under it ends with an X error, so each search is one look, repeated until the window
  # shows, the program ends, or two minutes pass.
  shown=0
  pid=
  for _ in $(seq 600); do
    pid=${pid:-$(pgrep -f -x -- "$spaced/bin/kesta32 $work/plain.kvn" || true)}
    if [ -n "$pid" ]; then
      if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then shown=1; break; fi
      kill -0 "$pid" 2>/dev/null || break
    fi
    sleep 0.2
  done
  [ "$shown" = 1 ] || { cat "$work/kesta32.log" >&2; fail "no window from the installed program"; }
  kill "$pid"
  while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
fi
echo "installed layout, desktop entry and file type: ok"
