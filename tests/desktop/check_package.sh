#!/usr/bin/env bash
# Packs a build into its Debian package, as `make package` does, and has lintian find no error and no warning
# in it; what lintian says is printed either way.
#   check_package.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$work" >/dev/null
package=$(ls "$work"/*.deb)
# lintian says on standard error that it runs as root, which CI does; that is no finding.
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2)
