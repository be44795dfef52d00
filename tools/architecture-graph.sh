#!/usr/bin/env bash
# Draws docs/architecture.svg, the libraries of notavex.exe and what each
# links, from the CMake target graph of the windows preset (Graphviz).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v dot >/dev/null || { echo "architecture-graph: needs graphviz (apt-get install graphviz)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's own targets only: no system libraries, no test driver.
cat >"$work/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "notavex")
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "notavex-driver")
OPTIONS
cmake -S "$root" -B "$work" --toolchain "$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel \
  --graphviz="$work/notavex.dot" >/dev/null
# Without CMake's legend of target kinds; solid arrows are public links,
# dotted ones private.
awk '/^subgraph clusterLegend/ { skip = 1 } skip && /^}/ { skip = 0; next } !skip' "$work/notavex.dot" >"$work/graph.dot"
mv "$work/graph.dot" "$work/notavex.dot"
sed -i 's/^digraph \(.*\) {$/digraph \1 {\n  node [fontname="sans-serif"];/' "$work/notavex.dot"
dot -Tsvg "$work/notavex.dot" -o "$root/docs/architecture.svg"
echo "wrote docs/architecture.svg"
