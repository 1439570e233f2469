#!/usr/bin/env python3
"""Checks that every target includes only headers of targets it may link.

The libraries come in layers, told by the end of their names:

    *_core   no widgets; links only lower cores (common_core at the bottom, platform_core next)
    *_forms  windows; links cores and platform_forms, never another *_forms
    the rest of app/, cli/, doc/, tests/ and bench/ (programs, tests, their helpers): anything

Reads the add_library, add_executable, target_sources and target_link_libraries commands of
every CMakeLists.txt (and the project's own functions that wrap them), maps each header to the
target that lists it (a header no list names belongs to the targets of the other files in its
folder), then follows every #include "..." of every listed file. It reports, with file and line,
an include of a header whose target the including one does not link (directly or through what
it links publicly), or may not link by its layer; and a core that links widgets, a link that
breaks the layer rule, or cores that link each other in a circle.

    python3 tools/check_layers.py [ROOT]        exit 0 clean, 1 with the list of violations
"""

import re
import sys
from pathlib import Path

SKIP_DIRS = {".git"}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
# Qt's modules that bring widgets: a core must not link them.
WIDGET_MODULES = {"Qt6::Widgets", "Qt6::PrintSupport", "Qt::Widgets", "Qt::PrintSupport"}
ANYTHING_FOLDERS = {"app", "cli", "doc", "tests", "bench"}
# The lowest cores, lowest first: each links only those before it.
BOTTOM = ["common_core", "platform_core"]
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE"}
LIBRARY_KINDS = {"STATIC", "SHARED", "MODULE", "OBJECT", "INTERFACE", "EXCLUDE_FROM_ALL"}


def strip_comments(text):
    out = []
    for line in text.splitlines():
        quoted = False
        for i, c in enumerate(line):
            if c == '"':
                quoted = not quoted
            elif c == "#" and not quoted:
                line = line[:i]
                break
        out.append(line)
    return "\n".join(out)


def commands(text):
    """The commands of a CMake file as (name, arguments, line), arguments split on blanks."""
    text = strip_comments(text)
    for match in re.finditer(r"\b([A-Za-z_][A-Za-z0-9_]*)\s*\(", text):
        depth, pos = 1, match.end()
        while pos < len(text) and depth:
            depth += {"(": 1, ")": -1}.get(text[pos], 0)
            pos += 1
        body = text[match.end():pos - 1]
        args = [a.strip('"') for a in re.findall(r'"[^"]*"|[^\s"]+', body)]
        yield match.group(1).lower(), args, text.count("\n", 0, match.start()) + 1


class Target:
    def __init__(self, name, folder, executable):
        self.name, self.folder, self.executable = name, folder, executable
        self.sources = set()
        self.links = {}          # name -> "PUBLIC" / "PRIVATE" / "INTERFACE"

    def layer(self):
        if self.executable:
            return "top"
        if self.name.endswith("_core"):
            return "core"
        if self.name.endswith("_forms"):
            return "forms"
        if self.folder.split("/")[0] in ANYTHING_FOLDERS:
            return "top"
        return "unnamed"


class Project:
    def __init__(self, root):
        self.root = Path(root).resolve()
        self.targets = {}
        self.functions = {}
        self.problems = []
        self.read(self.root / "CMakeLists.txt", {})

    def problem(self, where, text):
        self.problems.append(f"{where}: {text}")

    def read(self, path, variables):
        folder = path.parent
        variables = dict(variables, CMAKE_CURRENT_SOURCE_DIR=str(folder),
                         CMAKE_SOURCE_DIR=str(self.root), PROJECT_SOURCE_DIR=str(self.root))
        self.run(list(commands(path.read_text(encoding="utf-8"))), folder, variables, path)

    def run(self, cmds, folder, variables, path):
        i = 0
        while i < len(cmds):
            name, args, line = cmds[i]
            i += 1
            if name == "function":
                body, depth = [], 1
                while i < len(cmds) and depth:
                    depth += {"function": 1, "endfunction": -1}.get(cmds[i][0], 0)
                    if depth:
                        body.append(cmds[i])
                    i += 1
                self.functions[args[0].lower()] = (args[1:], body)
                continue
            args = [self.expand(a, variables) for a in args]
            args = [part for a in args for part in a.split(";") if part]
            if name == "set" and args:
                variables[args[0]] = ";".join(a for a in args[1:] if a != "PARENT_SCOPE")
            elif name == "add_subdirectory":
                self.read(folder / args[0] / "CMakeLists.txt", variables)
            elif name in ("add_library", "add_executable"):
                self.add_target(args, folder, name == "add_executable")
            elif name == "target_sources" and args[0] in self.targets:
                self.add_sources(self.targets[args[0]], args[1:], folder)
            elif name == "target_link_libraries" and args[0] in self.targets:
                kind = "PUBLIC"
                for a in args[1:]:
                    if a in LINK_KEYWORDS:
                        kind = a.replace("LINK_", "")
                    else:
                        self.targets[args[0]].links[a] = kind
            elif name in self.functions:
                params, body = self.functions[name]
                local = dict(variables, ARGN=";".join(args[len(params):]))
                local.update(zip(params, args))
                self.run(body, folder, local, path)

    @staticmethod
    def expand(arg, variables):
        return re.sub(r"\$\{([A-Za-z0-9_]+)\}", lambda m: variables.get(m.group(1), ""), arg)

    def add_target(self, args, folder, executable):
        if "ALIAS" in args or "IMPORTED" in args:
            return
        target = Target(args[0], folder.relative_to(self.root).as_posix(), executable)
        self.targets[target.name] = target
        self.add_sources(target, [a for a in args[1:] if a not in LIBRARY_KINDS], folder)

    def add_sources(self, target, args, folder):
        for a in args:
            if a.endswith(SOURCE_SUFFIXES) and "$<" not in a:
                path = (folder / a).resolve()
                if path.is_file() and self.root in path.parents:
                    target.sources.add(path.relative_to(self.root).as_posix())


def reachable(project, target):
    """What a target links: its own links, and what those link publicly, further down."""
    seen, todo = set(), list(project.targets[target].links)
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        if name in project.targets:
            todo += [n for n, kind in project.targets[name].links.items() if kind != "PRIVATE"]
    return seen


def may_link(user, used):
    """Whether the layer of target `user` allows it to link target `used`."""
    if user.layer() == "top":
        return True
    if user.name in BOTTOM:
        return used.name in BOTTOM[:BOTTOM.index(user.name)]
    if user.layer() == "core":
        return used.layer() == "core"
    if user.layer() == "forms":
        return used.layer() == "core" or used.name == "platform_forms"
    return False


def owners(project):
    owned = {}
    for target in project.targets.values():
        for source in target.sources:
            owned.setdefault(source, set()).add(target.name)
    by_folder = {}
    for source, names in owned.items():
        by_folder.setdefault(str(Path(source).parent), set()).update(names)
    return owned, by_folder


def includes(path):
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        match = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
        if match:
            yield number, match.group(1)


def resolve(root, source, name):
    for base in (root, (root / source).parent):
        path = (base / name).resolve()
        if path.is_file() and root in path.parents:
            return path.relative_to(root).as_posix()
    return None   # generated (moc, version numbers) or a system header


def check(root):
    project = Project(root)
    problems = list(project.problems)
    owned, by_folder = owners(project)
    targets = project.targets

    for target in sorted(targets.values(), key=lambda t: t.name):
        if not target.executable and target.layer() == "unnamed":
            problems.append(f"{target.folder}/CMakeLists.txt: {target.name}: its name says no layer "
                            f"(*_core or *_forms)")
        for link, kind in sorted(target.links.items()):
            if target.layer() == "core" and link in WIDGET_MODULES:
                problems.append(f"{target.folder}/CMakeLists.txt: {target.name} (core) links {link}, "
                                f"which brings widgets")
            if link in targets and not may_link(target, targets[link]):
                problems.append(f"{target.folder}/CMakeLists.txt: {target.name} ({target.layer()}) "
                                f"links {link} ({targets[link].layer()})")

    circles = set()
    for core in sorted(t.name for t in targets.values() if t.layer() == "core"):
        if core in reachable(project, core):
            circles.add(tuple(sorted(n for n in reachable(project, core)
                                     if n in targets and core in reachable(project, n))))
    for circle in sorted(circles):
        problems.append(f"{targets[circle[0]].folder}/CMakeLists.txt: {', '.join(circle)} link each other "
                        f"in a circle")

    for target in sorted(targets.values(), key=lambda t: t.name):
        linked = reachable(project, target.name)
        for source in sorted(target.sources):
            for line, name in includes(project.root / source):
                header = resolve(project.root, source, name)
                if header is None or header in target.sources:
                    continue
                holders = owned.get(header) or by_folder.get(str(Path(header).parent), set())
                if not holders:
                    problems.append(f"{source}:{line}: {target.name} includes {name}, "
                                    f"which no target lists")
                elif target.name in holders:
                    continue
                elif not any(h in linked for h in holders):
                    layer = "" if any(may_link(target, targets[h]) for h in holders if h in targets) \
                        else f", nor may its layer ({target.layer()})"
                    problems.append(f"{source}:{line}: {target.name} includes {name} of "
                                    f"{' or '.join(sorted(holders))}, which it does not link{layer}")
                elif not any(h in linked and may_link(target, targets[h]) for h in holders):
                    problems.append(f"{source}:{line}: {target.name} ({target.layer()}) includes {name} "
                                    f"of {' or '.join(sorted(holders))}, which its layer may not link")
    return problems


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    problems = check(root)
    for p in problems:
        print(p)
    print(f"{len(problems)} layer violation(s)" if problems else "layers clean")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
