#!/usr/bin/env python3
"""Fails when the folders under a source root include each other in a cycle.

Usage: include_graph.py <source root>

Each folder directly under the root is a node; a file in folder A that includes "B/..." is an
arrow A -> B. Prints the arrows, then either "no cycle" (exit 0) or the first cycle found
(exit 1), so a folder that starts including one above it is caught in the tests, not in review.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/', re.MULTILINE)
SOURCES = {".h", ".hpp", ".cpp", ".cc"}


def Arrows(root):
    folders = sorted(p.name for p in root.iterdir() if p.is_dir())
    arrows = {folder: set() for folder in folders}
    for folder in folders:
        for path in (root / folder).rglob("*"):
            if path.suffix not in SOURCES or not path.is_file():
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if target != folder and target in arrows:
                    arrows[folder].add(target)
    return arrows


def FindCycle(arrows):
    # Depth-first search; a folder met again while still on the path closes a cycle.
    state = {}
    path = []

    def Visit(folder):
        state[folder] = "open"
        path.append(folder)
        for target in sorted(arrows[folder]):
            if state.get(target) == "open":
                return path[path.index(target):] + [target]
            if target not in state:
                cycle = Visit(target)
                if cycle:
                    return cycle
        path.pop()
        state[folder] = "done"
        return None

    for folder in sorted(arrows):
        if folder not in state:
            cycle = Visit(folder)
            if cycle:
                return cycle
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    root = pathlib.Path(sys.argv[1])
    arrows = Arrows(root)
    for folder in sorted(arrows):
        print(f"{folder} -> {', '.join(sorted(arrows[folder])) or '(nothing)'}")
    cycle = FindCycle(arrows)
    if cycle:
        print("cycle: " + " -> ".join(cycle))
        return 1
    print("no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
