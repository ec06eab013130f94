#!/usr/bin/env bash
# Makes a Debian package of a course file: larkspur-course-<code>_<version>_all.deb, which installs
# the file into /usr/share/larkspur/courses, where every user's Larkspur finds it. The course is
# checked first, as Larkspur checks it.
#   scripts/course-package.sh COURSE.larkspur [MAINTAINER]
set -euo pipefail
file=${1:?usage: course-package.sh COURSE.larkspur [MAINTAINER]}
maintainer=${2:-"Course author <course@example.org>"}
coursepack=$(command -v coursepack || echo "$(dirname "$0")/../build/tools/coursepack/coursepack")
check=$("$coursepack" --check "$file")
# "FILE: course "NAME", code CODE, version VERSION, written by ..."
name=$(sed -n 's/.*: course "\(.*\)", code .*/\1/p' <<<"$check")
code=$(sed -n 's/.*", code \([A-Za-z0-9]*\), version .*/\1/p' <<<"$check")
version=$(sed -n 's/.*, version \(.*\), written by .*/\1/p' <<<"$check")
package="larkspur-course-$(tr 'A-Z' 'a-z' <<<"$code")"
debversion=$(tr -c 'A-Za-z0-9.+~\n' '.' <<<"$version")
[[ $debversion =~ ^[0-9] ]] || debversion="0~$debversion"
root=$(mktemp -d)
chmod 755 "$root"
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/DEBIAN" "$root/usr/share/larkspur/courses"
install -m 644 "$file" "$root/usr/share/larkspur/courses/$code.larkspur"
cat > "$root/DEBIAN/control" <<END
Package: $package
Version: $debversion
Architecture: all
Depends: larkspur
Section: education
Priority: optional
Maintainer: $maintainer
Description: $name, a course for Larkspur
 The course file of "$name" (code $code, version $version), installed for every
 user of Larkspur.
END
out="${package}_${debversion}_all.deb"
dpkg-deb --root-owner-group --build "$root" "$out" >/dev/null
echo "$out"
