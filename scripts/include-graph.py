#!/usr/bin/env python3
"""Prints the include graph between the files of one folder and fails on a cycle.

A header and its source file form one node (Player.h and Player.cpp are
"Player"); an edge A -> B means a file of A includes B's header from the
same folder. Exit status 1 when the graph has a cycle, which is printed,
or when a file includes from a folder given with --forbid.

    python3 scripts/include-graph.py skat/engine [--quiet] [--forbid skat/net ...]

With --all it checks every library folder of the tree instead: no folder
includes from a folder above it in LAYERS, and no folder has a cycle other
than the few known ones in KNOWN_CYCLES (which may shrink, never grow).

    python3 scripts/include-graph.py --all [--quiet]
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

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


# The library folders and the folders each may include from, lowest first:
# the framework, then the engine, then the computer player and the network
# side, the application services, the game windows and the shell. The
# engine and the computer player stay free of Qt (not vordix/windows);
# skat/windows holds the forms and main and sits on top.
LAYERS = {
    'vordix': [],
    'vordix/ipc': ['vordix'],
    'vordix/windows': ['vordix'],
    'vordix/windows/3rdparty': ['vordix', 'vordix/windows'],
    'setup': ['vordix'],
    'skat/engine': ['vordix'],
    'skat/logic': ['skat/engine', 'vordix'],
    'skat/net': ['skat/engine', 'vordix', 'vordix/ipc'],
    'skat/app': ['skat/logic', 'skat/net', 'skat/engine', 'vordix'],
    'skat/ui': ['skat/app', 'skat/logic', 'skat/net', 'skat/engine', 'vordix', 'vordix/windows'],
    'skat/shell': ['skat/ui', 'skat/app', 'skat/logic', 'skat/net', 'skat/engine', 'vordix', 'vordix/ipc',
                   'vordix/windows'],
    'skat/windows': ['skat/shell', 'skat/ui', 'skat/app', 'skat/logic', 'skat/net', 'skat/engine', 'vordix',
                     'vordix/ipc', 'vordix/windows', 'vordix/windows/3rdparty'],
}

# Cycles the tree still has (a header and its source count as one node, so
# these are units that use each other). A folder may keep these and lose
# them; any other cycle fails.
KNOWN_CYCLES = {
    'vordix': [{'File', 'Folder', 'WinFilePath'}],
    'vordix/ipc': [{'HeartbeatThread', 'IPCServer_imp', 'ReceivingThread', 'SocketInfo'}],
    'vordix/windows': [{'DrawingScope', 'WinBitmap', 'WinZeichenbereich'}, {'ClientFenster', 'WinControl'},
                       {'QtFileDialogs', 'WinApplication'}, {'PixmapWidget', 'WinDialog'}],
    'skat/logic': [{'DeltaTables', 'LeadTables'}, {'VerteilungsHeuristik', 'Verteilungsprognose'},
                   {'ComputerPlayer', 'LeadChoice'}],
    'skat/app': [{'PrefDefaults', 'SkatText', 'UserPrefs'}],
}


def strongly_connected(edges):
    """The graph's strongly connected parts of more than one node (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges[node]):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            part = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                part.add(member)
                if member == node:
                    break
            if len(part) > 1:
                found.append(part)

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def layer_faults(folder, allowed):
    """Includes of the folder's files from library folders it may not use."""
    faults = []
    path = os.path.join(ROOT, folder)
    for name in sorted(os.listdir(path)):
        if os.path.splitext(name)[1] not in ('.h', '.cpp'):
            continue
        with open(os.path.join(path, name), encoding='utf-8', errors='replace') as f:
            for target in INCLUDE.findall(f.read()):
                head = os.path.dirname(target)
                if head and head != folder and head in LAYERS and head not in allowed:
                    faults.append(f"{folder}/{name} includes {target}, but {folder} may use only "
                                  f"{', '.join(allowed) or 'nothing'}")
    return faults


def check_all(quiet):
    failed = False
    for folder, allowed in LAYERS.items():
        for fault in layer_faults(folder, allowed):
            print(fault, file=sys.stderr)
            failed = True
        known = KNOWN_CYCLES.get(folder, [])
        for part in strongly_connected(graph_of(os.path.join(ROOT, folder))):
            if any(part <= cycle for cycle in known):
                if not quiet:
                    print(f"known cycle in {folder}: {' '.join(sorted(part))}")
                continue
            print(f"include cycle in {folder}: {' '.join(sorted(part))}", file=sys.stderr)
            failed = True
    if failed:
        return 1
    print(f"the include order holds and no new include cycle in {len(LAYERS)} library folders")
    return 0


def main(argv):
    if '--all' in argv:
        return check_all('--quiet' in argv)
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
