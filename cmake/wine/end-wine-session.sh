#!/usr/bin/env bash
# Ends the Wine session of a Windows build folder: end-wine-session.sh PREFIX.
# The last test of every Windows test run, so no server or display outlives it.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
wine_session_end "$1"
