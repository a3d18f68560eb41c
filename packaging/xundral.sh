#!/bin/sh
# The program finds its question pictures below the current folder, so it starts in its own.
cd /usr/lib/xundral || exit 1
exec ./xundral "$@"
