#!/usr/bin/env python3
"""Prints the folder-level include graph of the product and its tools, lowest layer first, and
fails when an include points up a layer or names a folder no layer lists, or when headers
include each other round in a circle. Given a configured build folder, it also fails when a
folder includes another whose library its own targets do not link: an include works through
any library's path to the source root, so only the declared dependencies keep it honest.

Usage: scripts/include-graph.py [--quiet] [--build BUILD_DIR]
"""

import os
import re
import subprocess
import sys
import tempfile
from collections import defaultdict

# Lowest first: a folder may include itself and the folders above it in this list.
LAYERS = [
    "platform/system",
    "platform/gdi",
    "platform/clipboard",
    "platform/commctrl",
    "platform/profile",
    "platform/resources",
    "platform/window",
    "platform/theme",
    "platform/shell",
    "gui/classes",
    "gui/graphics",
    "gui/imagelist",
    "gui/controls",
    "gui/forms",
    "gui/stdctrls",
    "gui/extctrls",
    "gui/comctrls",
    "gui/menus",
    "gui",
    "png",
    "pngimagelist",
    "buttons",
    "launcher/drives",
    "launcher/adapter",
    "launcher/driveprobe",
    "launcher",
    "tools/embed",
    "tools/layoutc",
    "tools/pngtool",
]
ROOTS = ["platform", "gui", "png", "pngimagelist", "buttons", "launcher", "tools"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
TARGET = re.compile(r"^\s*add_(?:library|executable)\((\w+)", re.M)
NODE = re.compile(r'^\s*"(node\d+)" \[ label = "([^"]+)"', re.M)
EDGE = re.compile(r'^\s*"(node\d+)" -> "(node\d+)"', re.M)


def sources():
    for root in ROOTS:
        for folder, _, names in os.walk(root):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    yield os.path.join(folder, name)


def project_includes(path):
    with open(path, encoding="utf-8", errors="replace") as text:
        for target in INCLUDE.findall(text.read()):
            for candidate in (target, os.path.join(os.path.dirname(path), target)):
                candidate = os.path.normpath(candidate)
                if os.path.isfile(candidate):
                    yield candidate
                    break


def folder_targets():
    """The targets each folder's CMakeLists.txt defines."""
    targets = {}
    for folder in LAYERS:
        with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as text:
            targets[folder] = set(TARGET.findall(text.read()))
    return targets


def linked(build):
    """Each target with every target it links, directly or through others."""
    with tempfile.TemporaryDirectory() as scratch:
        dot = os.path.join(scratch, "targets.dot")
        subprocess.run(["cmake", f"--graphviz={dot}", build], check=True,
                       stdout=subprocess.DEVNULL)
        with open(dot, encoding="utf-8") as text:
            graph = text.read()
    names = dict(NODE.findall(graph))
    direct = defaultdict(set)
    for source, target in EDGE.findall(graph):
        direct[names[source]].add(names[target])
    closure = {}

    def reach(target):
        if target not in closure:
            closure[target] = set()
            for dependency in direct[target]:
                closure[target] |= {dependency} | reach(dependency)
        return closure[target]

    return reach


def undeclared(folders, build):
    targets = folder_targets()
    reach = linked(build)
    for folder, used in folders.items():
        mine = targets.get(folder, set())
        declared = set().union(*(reach(target) for target in mine)) if mine else set()
        for other in sorted(used):
            if other in targets and not (targets[other] & (declared | mine)):
                yield f"{folder} includes {other} but links none of {sorted(targets[other])}"


def circles(edges):
    """The strongly connected components with more than one member (Tarjan's algorithm)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(start):
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = len(index)
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is None:
                work.pop()
                if work:
                    low[work[-1][0]] = min(low[work[-1][0]], low[node])
                if low[node] == index[node]:
                    component = []
                    while True:
                        member = stack.pop()
                        on_stack.discard(member)
                        component.append(member)
                        if member == node:
                            break
                    if len(component) > 1:
                        found.append(sorted(component))
            elif child not in index:
                index[child] = low[child] = len(index)
                stack.append(child)
                on_stack.add(child)
                work.append((child, iter(sorted(edges[child]))))
            elif child in on_stack:
                low[node] = min(low[node], index[child])

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def main():
    arguments = sys.argv[1:]
    quiet = "--quiet" in arguments
    build = arguments[arguments.index("--build") + 1] if "--build" in arguments else None
    build = os.path.abspath(build) if build else None
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    rank = {folder: position for position, folder in enumerate(LAYERS)}
    folders = defaultdict(set)
    headers = defaultdict(set)
    faults = []
    for path in sources():
        source_folder = os.path.dirname(path)
        for target in project_includes(path):
            target_folder = os.path.dirname(target)
            if path.endswith(".h"):
                headers[path].add(target)
            if target_folder == source_folder:
                continue
            folders[source_folder].add(target_folder)
            unknown = [f for f in (source_folder, target_folder) if f not in rank]
            if unknown:
                faults.append(f"{path} -> {target}: {unknown[0]} is in no layer")
            elif rank[target_folder] > rank[source_folder]:
                faults.append(f"{path} -> {target}: {source_folder} includes {target_folder}, "
                              "a higher layer")
    if build:
        faults.extend(undeclared(folders, build))
    for component in circles(headers):
        faults.append("headers include each other in a circle: " + ", ".join(component))

    if not quiet:
        for folder in sorted(folders, key=lambda f: rank.get(f, len(LAYERS))):
            below = sorted(folders[folder], key=lambda f: rank.get(f, len(LAYERS)))
            print(f"{folder} -> {', '.join(below)}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
