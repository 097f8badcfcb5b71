#!/usr/bin/env python3
"""Prints the include graph between the files of one folder and fails on a cycle.

A header and its source file form one node (Player.h and Player.cpp are
"Player"); an edge A -> B means a file of A includes B's header from the
same folder. Exit status 1 when the graph has a cycle, which is printed,
or when a file includes from a folder given with --forbid.

    python3 scripts/include-graph.py skat/engine [--quiet] [--forbid skat/net ...]
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def in_folder(include_dir, folder):
    """Whether an include's directory ("skat/engine") names the folder."""
    return bool(include_dir) and (folder == include_dir or folder.endswith(os.sep + include_dir))


def graph_of(folder):
    folder = os.path.normpath(os.path.abspath(folder))
    nodes = {}
    for name in sorted(os.listdir(folder)):
        stem, ext = os.path.splitext(name)
        if ext in ('.h', '.cpp'):
            nodes.setdefault(stem, []).append(os.path.join(folder, name))
    edges = {stem: set() for stem in nodes}
    for stem, files in nodes.items():
        for path in files:
            with open(path, encoding='utf-8', errors='replace') as f:
                text = f.read()
            for target in INCLUDE.findall(text):
                head, tail = os.path.split(target)
                other, ext = os.path.splitext(tail)
                if ext == '.h' and in_folder(os.path.normpath(head), folder) and other in nodes and other != stem:
                    edges[stem].add(other)
    return edges


def find_cycle(edges):
    WHITE, GREY, BLACK = 0, 1, 2
    colour = {node: WHITE for node in edges}
    stack = []

    def visit(node):
        colour[node] = GREY
        stack.append(node)
        for nxt in sorted(edges[node]):
            if colour[nxt] == GREY:
                return stack[stack.index(nxt):] + [nxt]
            if colour[nxt] == WHITE:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        colour[node] = BLACK
        return None

    for node in sorted(edges):
        if colour[node] == WHITE:
            found = visit(node)
            if found:
                return found
    return None


def forbidden_includes(folder, prefixes):
    """(file, include) pairs of the folder's files that include from a forbidden folder."""
    found = []
    for name in sorted(os.listdir(folder)):
        if os.path.splitext(name)[1] not in ('.h', '.cpp'):
            continue
        with open(os.path.join(folder, name), encoding='utf-8', errors='replace') as f:
            for target in INCLUDE.findall(f.read()):
                if any(target.startswith(p.rstrip('/') + '/') for p in prefixes):
                    found.append((name, target))
    return found


def main(argv):
    forbid = [argv[i + 1] for i, a in enumerate(argv[:-1]) if a == '--forbid']
    argv = [a for i, a in enumerate(argv) if a != '--forbid' and (i == 0 or argv[i - 1] != '--forbid')]
    args = [a for a in argv[1:] if not a.startswith('--')]
    if len(args) != 1 or not os.path.isdir(args[0]):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    edges = graph_of(args[0])
    if '--quiet' not in argv:
        for node in sorted(edges):
            print(f"{node} -> {' '.join(sorted(edges[node])) or '(none)'}")
    bad = forbidden_includes(args[0], forbid)
    for name, target in bad:
        print(f"{args[0]}/{name} includes {target}, which this folder must not use", file=sys.stderr)
    cycle = find_cycle(edges)
    if bad:
        return 1
    if cycle:
        print(f"include cycle in {args[0]}: {' -> '.join(cycle)}", file=sys.stderr)
        return 1
    print(f"no include cycle in {args[0]} ({len(edges)} files)")
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
