#!/usr/bin/env bash
# mirobanth-package refuses bad input with one line, status 1, and leaves
# nothing in the destination.
#   product-bad-inputs.sh WORK COMMAND
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

work=$1 command=$2
rm -rf "$work"
mkdir -p "$work/input/lib/org/example" "$work/dest" "$work/bin"
touch "$work/input/lib/org/example/Main.class"
(cd "$work/input/lib" && cmake -E tar cf ../app.jar --format=zip org && cmake -E tar cf other.jar --format=zip org)
echo "no picture" >"$work/broken.png"
# A PATH with what the checks use, but no dpkg-deb.
for tool in bash dirname readlink cmake grep find sed sort head od tr mkdir; do
  ln -s "$(command -v "$tool")" "$work/bin/$tool"
done

base=(--type deb --input "$work/input" --main-jar app.jar --main-class org.example.Main --name Example
      --app-version 1.0 --license Apache-2.0 --dest "$work/dest")
# expect_refused MESSAGE OPTION...: the options, given after the good ones,
# are refused with MESSAGE; the command runs in the environment of $with.
with=()
expect_refused() {
  local message=$1 status=0 errors
  shift
  errors=$(env "${with[@]}" "$command" "${base[@]}" "$@" 2>&1 >/dev/null) || status=$?
  expect_equal "status for $*" 1 "$status"
  expect_equal "message for $*" "mirobanth-package: $message" "$errors"
  expect_equal "what $* left behind" "" "$(ls -A "$work/dest")"
}

expect_refused "the input folder \"$work/none\" does not exist" --input "$work/none"
expect_refused "the main jar \"gone.jar\" is not in the input folder $work/input" --main-jar gone.jar
expect_refused "the main class \"org.example.Gone\" is not in the jars: looked for org/example/Gone.class in $work/input/app.jar $work/input/lib/other.jar" \
  --main-class org.example.Gone
expect_refused "the version \"1_0\" cannot be a Debian version: it must start with a digit and hold only letters, digits, \".\", \"+\" and \"~\"" \
  --app-version 1_0
expect_refused "the version \"1.256.0\" cannot be an MSI version: it must be a.b.c, numbers below 256.256.65536" \
  --type msi --app-version 1.256.0
expect_refused "the name \"My App\" cannot be a file or package name: it must be two or more letters, digits, \".\", \"+\" or \"-\", starting with a letter or digit" \
  --name "My App"
expect_refused "the icon \"$work/broken.png\" cannot be read: it is no PNG picture" --icon "$work/broken.png"
expect_refused "the destination \"$work/input/lib\" is inside the input folder $work/input, all of whose files the product takes" \
  --dest "$work/input/lib"
expect_refused "the Java option \"Xmx1g\" does not begin with \"-\"" --java-options Xmx1g
expect_refused "the licence \"MIT\" is not one of /usr/share/common-licenses: give its text with --license-file FILE" \
  --license MIT
with=("PATH=$work/bin")
expect_refused "a Debian package needs dpkg-deb, which is not installed (Debian package dpkg)"
echo "every bad input was refused"
