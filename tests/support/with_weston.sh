#!/usr/bin/env bash
# Runs a command as a client of a private Weston nested in a private X server (with_wayland.sh).
exec bash "$(dirname "$0")/with_wayland.sh" weston "$@"
