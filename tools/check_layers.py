#!/usr/bin/env python3
"""Checks the include and link direction of the source folders.

Every part of the layout (a folder, its ui/ part, sheet/pages) may include and link
only the parts ALLOWED names for it. A folder's ui/ part may be used only from other
ui/ parts or from app/; core code uses no ui/ code at all. cli/ uses neither app/ nor
any ui/ part; nothing uses app/.

Includes are resolved as the compiler would see them: "dir/file.h" and <dir/file.h>
from the repository root when dir is a layout folder, "../x/file.h" and "ui/file.h"
from the including file's folder. Links are read per target from every CMakeLists.txt:
each target's part is known from where and under which name it is defined.

Usage: check_layers.py [ROOT]   (ROOT defaults to the repository of this script)
Exit 0 when every include and link keeps to the layout, 1 with one line per offence.
"""
import pathlib
import posixpath
import re
import sys

# The layout from the bottom up, and for each part the parts below it that it may use.
CORE = ["base", "state", "db", "dbbuild", "fluid", "calc", "chart", "search", "sheet/pages",
        "sheet", "report", "print", "i18n"]
ALLOWED = {
    "base": set(),
    "state": {"base"},
    "db": {"base", "state"},
    "dbbuild": {"base", "state", "db"},
    "fluid": {"base", "state"},
    "calc": {"base", "state", "db", "fluid"},
    "chart": {"base", "state", "calc"},
    "search": {"base", "state", "db", "dbbuild", "fluid", "calc", "chart"},
    "sheet/pages": {"base", "state", "db", "fluid", "calc", "chart"},
    "sheet": {"base", "state", "db", "dbbuild", "fluid", "calc", "chart", "search", "sheet/pages"},
    "report": {"base", "state"},
    "print": {"base", "state", "db", "fluid", "calc", "chart", "report", "sheet", "sheet/pages"},
    "i18n": {"base", "state"},
    "app": set(CORE),
    "cli": set(CORE),
}
FOLDERS = {name.split("/")[0] for name in ALLOWED}
SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
COMMAND = re.compile(r"\b(drel_library|add_library|add_executable|target_link_libraries)\s*\(")


class Part:
    """A place in the layout: a row of ALLOWED and whether it is that row's ui/ part."""

    def __init__(self, row, ui):
        self.row = row
        self.ui = ui

    def __str__(self):
        return self.row + ("/ui" if self.ui else "")


def part_of_path(relative):
    parts = pathlib.PurePosixPath(relative).parts
    if not parts or parts[0] not in FOLDERS:
        return None
    if parts[0] == "sheet" and len(parts) > 2 and parts[1] == "pages":
        return Part("sheet/pages", False)
    return Part(parts[0], len(parts) > 2 and parts[1] == "ui")


def offence(user, used):
    """Why `user` may not use `used`, or None when it may."""
    if used.row == user.row:
        if used.ui and not user.ui and user.row != "app":
            return "core code uses its own ui/ part"
        return None
    if used.row == "app":
        return "nothing uses app/"
    if used.row not in ALLOWED[user.row]:
        return f"{user.row} may not use {used.row}"
    if used.ui and not (user.ui or user.row == "app"):
        return "only ui/ parts and app/ use a ui/ part"
    return None


def resolve_include(relative_file, bracket, name):
    """The repository path an include names, or None for a header from outside."""
    first = pathlib.PurePosixPath(name).parts[0] if name else ""
    if first in FOLDERS:
        return name
    if bracket == "<":
        return None
    folder = posixpath.dirname(relative_file)
    resolved = posixpath.normpath(posixpath.join(folder, name))
    return None if resolved.startswith("..") else resolved


def check_includes(root, problems):
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        user = part_of_path(relative)
        if user is None:
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = resolve_include(relative, match.group(1), match.group(2))
            used = target and part_of_path(target)
            why = used and offence(user, used)
            if why:
                problems.append(f"{relative}:{number}: {user} includes {match.group(2)}: {why}")


def commands(text):
    """(command, first argument, other arguments, line) of each target command."""
    code = "\n".join(line.split("#", 1)[0] for line in text.splitlines())
    for match in COMMAND.finditer(code):
        depth, end = 1, match.end()
        while end < len(code) and depth:
            depth += {"(": 1, ")": -1}.get(code[end], 0)
            end += 1
        words = code[match.end():end - 1].split()
        if words:
            yield match.group(1), words[0], words[1:], code.count("\n", 0, match.start()) + 1


def target_part(folder, name):
    if folder not in FOLDERS:
        return None
    if name.endswith("_pages"):
        return Part(folder + "/pages", False) if folder + "/pages" in ALLOWED else None
    return Part(folder, name.endswith("_ui"))


def check_links(root, problems):
    files = [p for p in sorted(root.rglob("CMakeLists.txt"))
             if part_of_path(p.relative_to(root).as_posix())]
    targets = {}
    for path in files:
        folder = path.relative_to(root).parts[0]
        for command, name, _, _ in commands(path.read_text(encoding="utf-8")):
            if command != "target_link_libraries":
                targets.setdefault(name, target_part(folder, name))
    for path in files:
        relative = path.relative_to(root).as_posix()
        for command, name, words, number in commands(path.read_text(encoding="utf-8")):
            if command in ("add_library", "add_executable"):
                continue
            if command == "drel_library":
                words = words[words.index("LINK") + 1:] if "LINK" in words else []
            user = targets.get(name)
            if user is None:
                continue
            for word in words:
                used = targets.get(word)
                why = used and offence(user, used)
                if why:
                    problems.append(f"{relative}:{number}: {name} ({user}) links {word}: {why}")


def main(argv):
    root = pathlib.Path(argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parents[1])
    problems = []
    check_includes(root, problems)
    check_links(root, problems)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} uses against the layer order", file=sys.stderr)
        return 1
    print("layers: every include and link goes downward")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
