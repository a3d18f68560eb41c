#!/usr/bin/env python3
"""Prints every cycle of #include lines between files of different classes.

A header and its source are one node (data/ado_query.h and data/ado_query.cpp are
data/ado_query). Usage: scripts/include_cycles.py [FOLDER ...] (default: data exam).
Exits 1 when a cycle is found.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def graph(folders):
    edges = {}
    for folder in folders:
        for place, _, names in sorted(os.walk(os.path.join(ROOT, folder))):
            for name in sorted(names):
                stem, ext = os.path.splitext(name)
                if ext in ('.h', '.cpp'):
                    read_includes(edges, folders, os.path.join(place, name), stem)
    return edges


def read_includes(edges, folders, path, stem):
    node = os.path.relpath(os.path.join(os.path.dirname(path), stem), ROOT)
    targets = edges.setdefault(node, set())
    with open(path, encoding='utf-8') as source:
        for line in source:
            match = INCLUDE.match(line)
            if not match:
                continue
            target = os.path.splitext(match.group(1))[0]
            if target != node and target.split('/')[0] in folders:
                targets.add(target)


def components(edges):
    """Tarjan's strongly connected components, without recursion."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = 0
    for start in edges:
        if start in index:
            continue
        work = [(start, iter(sorted(edges.get(start, ()))))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, ())))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                members = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    members.append(member)
                    if member == node:
                        break
                if len(members) > 1:
                    found.append(sorted(members))
    return found


def main():
    folders = sys.argv[1:] or ['data', 'exam']
    edges = graph(folders)
    cycles = components(edges)
    count = sum(len(t) for t in edges.values())
    print(f'{len(edges)} nodes, {count} include edges in {", ".join(folders)}')
    for members in cycles:
        inside = set(members)
        print('cycle: ' + ', '.join(members))
        for node in members:
            for target in sorted(edges[node] & inside):
                print(f'    {node} -> {target}')
    if not cycles:
        print('no cycle')
    return 1 if cycles else 0


if __name__ == '__main__':
    sys.exit(main())
