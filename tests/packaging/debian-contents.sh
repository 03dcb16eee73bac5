#!/usr/bin/env bash
# What the two Debian packages of WORK/packages hold and need: tintavel the
# product with its command, desktop files and documents and nothing for
# hosts, on a Java runtime that can show a window and Debian's Substance;
# libmirobanth-dev the headers and the CMake package, for the same tintavel.
# The unpacked tintavel starts through its command from another folder.
#   debian-contents.sh WORK VERSION
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

work=$1 version=$2
product=$work/packages/tintavel_${version}_amd64.deb
development=$work/packages/libmirobanth-dev_${version}_amd64.deb

# Every file and link of a package, links with their targets.
contents() {
  dpkg-deb --contents "$1" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ *\./, ""); print }'
}

icons=""
for size in 16 32 48 64 128 256; do
  icons+="/usr/share/icons/hicolor/${size}x${size}/apps/tintavel.png"$'\n'
done
expect_equal "tintavel's files" "$(sort <<EOF_FILES
/usr/bin/tintavel -> ../lib/tintavel/Tintavel64
/usr/lib/tintavel/Tintavel64
/usr/lib/tintavel/Tintavel64-Console
/usr/lib/tintavel/libMirobanthCore.so.1
/usr/lib/tintavel/libMirobanthApplication.so.1
/usr/lib/tintavel/libMirobanthManaged.so.1
/usr/lib/tintavel/mirobanth-runtime.jar -> ../../share/tintavel/mirobanth-runtime.jar
/usr/lib/tintavel/tintavel.jar -> ../../share/tintavel/tintavel.jar
/usr/lib/tintavel/ext -> ../../share/tintavel/ext
/usr/lib/tintavel/system/VM.policy
/usr/share/tintavel/mirobanth-runtime.jar
/usr/share/tintavel/tintavel.jar
/usr/share/tintavel/ext/substance.jar
/usr/share/tintavel/ext/lib/substance.jar -> ../../../java/substance.jar
/usr/share/tintavel/ext/lib/trident.jar -> ../../../java/trident.jar
/usr/share/tintavel/ext/lib/laf-widget.jar -> ../../../java/laf-widget.jar
/usr/share/tintavel/ext/lib/laf-plugin.jar -> ../../../java/laf-plugin.jar
/usr/share/applications/com.mirobanth.tintavel.desktop
/usr/share/metainfo/com.mirobanth.tintavel.metainfo.xml
${icons}/usr/share/icons/hicolor/scalable/apps/tintavel.svg
/usr/share/man/man1/tintavel.1.gz
/usr/share/doc/tintavel/copyright
/usr/share/doc/tintavel/changelog.Debian.gz
EOF_FILES
)" "$(contents "$product" | sort)"

# The runtime and the Substance library first, then what dpkg-shlibdeps
# found; no runtime that is headless only, which cannot show the window.
depends=$(dpkg-deb --field "$product" Depends)
required="default-jre | java8-runtime, substance, libtrident-java, liblaf-widget-java, liblaf-plugin-java, "
expect_equal "tintavel's first dependencies" "$required" "${depends:0:${#required}}"
[[ "$depends" == *"libc6 (>= "* && "$depends" != *headless* ]] || fail "tintavel depends on: $depends"

expect_equal "libmirobanth-dev's dependencies" "tintavel (= $version)" \
  "$(dpkg-deb --field "$development" Depends)"
# grep finds no line (1) where all is expected; a fault of its own (2) fails.
unexpected=$(contents "$development" | grep -v -E \
  '^/usr/(include/mirobanth/.+\.h|lib/cmake/Mirobanth/.+\.cmake|share/doc/libmirobanth-dev/(copyright|changelog\.Debian\.gz))$|^/usr/lib/tintavel/libMirobanth(Core|Application|Managed)\.so -> libMirobanth\3\.so\.1$|^/usr/bin/mirobanth-package -> \.\./lib/mirobanth/package/mirobanth-package$|^/usr/lib/mirobanth/package/(mirobanth-package|[a-z-]+\.sh|msi/MakeMsi\.cmake|msi/Product\.wxs\.in)$|^/usr/share/man/man1/mirobanth-package\.1\.gz$' \
  || [ $? -eq 1 ])
expect_equal "libmirobanth-dev's files outside headers, CMake package, mirobanth-package, documents and links" \
  "" "$unexpected"
for file in /usr/include/mirobanth/core/MirobanthCore.h /usr/include/mirobanth/application/MirobanthApplication.h \
            /usr/include/mirobanth/managed/MirobanthManaged.h /usr/lib/cmake/Mirobanth/MirobanthConfig.cmake \
            /usr/share/doc/libmirobanth-dev/copyright /usr/share/doc/libmirobanth-dev/changelog.Debian.gz; do
  contents "$development" | grep -qx "$file" || fail "libmirobanth-dev lacks $file"
done

# The command reaches the product through its link, and the jars through theirs.
mkdir -p "$work/elsewhere"
report=$(cd "$work/elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY MIROBANTH_SILENT=1 \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$work/root/usr/bin/tintavel" "two words") \
  || fail "tintavel from the package exited $?: $report"
[[ "$report" == *$'Arguments: 1\n  [0] two words\n'* ]] || fail "tintavel from the package printed: $report"
echo "tintavel and libmirobanth-dev $version hold what they should"
