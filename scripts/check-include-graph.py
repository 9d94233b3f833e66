#!/usr/bin/env python3
"""Prints which source folders include which, and fails on a wrong-way include.

Each folder may include the folders below it (those it is built on, directly
or through another). The exit status is 1 when a file includes a folder that is
not below its own, or when folders include each other in a cycle, and 0
otherwise.

Usage: scripts/check-include-graph.py [source root]   (default: the repository)
"""

import pathlib
import re
import sys

# Each folder with the folders it is built on, bottom first. cli and ui stand
# side by side on app; panels and settings side by side on dialogs.
BUILT_ON = {
    "platform": [],
    "model": ["platform"],
    "engine": ["model"],
    "exec": ["engine"],
    "app": ["exec"],
    "cli": ["app"],
    "ui/widgets": ["app"],
    "ui/dialogs": ["ui/widgets"],
    "ui/panels": ["ui/dialogs"],
    "ui/settings": ["ui/dialogs"],
    "ui/main": ["ui/panels", "ui/settings"],
    "ui": ["ui/main"],  # the program's entry, ui/main.cpp
}


def below(folder):
    """Every folder that folder is built on, directly or through another."""
    found = set()
    for lower in BUILT_ON[folder]:
        found |= {lower} | below(lower)
    return found


INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def folder_of(path: str):
    """The ranked folder a path inside the tree belongs to, if any."""
    parts = path.split("/")
    for length in (2, 1):
        candidate = "/".join(parts[:length])
        if len(parts) > length and candidate in BUILT_ON:
            return candidate
    return None


def include_graph(root: pathlib.Path):
    """{(from folder, to folder): [(file, included header), ...]}"""
    edges = {}
    tops = sorted({folder.split("/")[0] for folder in BUILT_ON})
    sources = sorted(path for top in tops for path in (root / top).rglob("*"))
    for source in sources:
        if source.suffix not in (".cpp", ".h") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        source_folder = folder_of(relative)
        if source_folder is None:
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        for header in INCLUDE.findall(text):
            target_folder = folder_of(header)
            if target_folder is not None and target_folder != source_folder:
                edges.setdefault((source_folder, target_folder), []).append((relative, header))
    return edges


def find_cycle(edges):
    """One cycle of folders as a list, or None."""
    successors = {}
    for source, target in edges:
        successors.setdefault(source, []).append(target)
    state = {}  # 1: on the current path, 2: done

    def visit(folder, path):
        state[folder] = 1
        path.append(folder)
        for target in successors.get(folder, []):
            if state.get(target) == 1:
                return path[path.index(target):] + [target]
            if target not in state:
                cycle = visit(target, path)
                if cycle:
                    return cycle
        path.pop()
        state[folder] = 2
        return None

    for folder in successors:
        if folder not in state:
            cycle = visit(folder, [])
            if cycle:
                return cycle
    return None


def main():
    default_root = pathlib.Path(__file__).resolve().parent.parent
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default_root
    edges = include_graph(root)

    order = list(BUILT_ON)
    for source in reversed(order):
        targets = sorted({t for s, t in edges if s == source}, key=lambda t: -order.index(t))
        print(f"{source:12} -> {', '.join(targets) if targets else '(nothing)'}")

    failed = False
    for (source, target), includes in sorted(edges.items()):
        if target not in below(source):
            failed = True
            for file, header in includes:
                print(f"wrong-way include: {file} includes {header} ({source} -> {target})",
                      file=sys.stderr)
    cycle = find_cycle(edges)
    if cycle:
        failed = True
        print("include cycle: " + " -> ".join(cycle), file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
