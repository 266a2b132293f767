#!/usr/bin/env python3
"""Checks the include and link direction of the source folders.

A folder may include and link only folders on lower rows of LAYERS (and itself).
A folder's ui/ part may be used only from other ui/ parts or from app/; core code
uses no ui/ code at all. cli/ uses neither app/ nor any ui/ part.

Usage: check_layers.py [ROOT]   (ROOT defaults to the repository of this script)
Exit 0 when every include and link goes downward, 1 with one line per offence.
"""
import pathlib
import re
import sys

# From the bottom up; a row may use only rows above it in this list.
LAYERS = ["base", "state", "db", "dbbuild", "fluid", "calc", "chart", "search",
          "sheet", "report", "print", "i18n", "app", "cli"]
RANK = {name: i for i, name in enumerate(LAYERS)}
SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
TARGET_NAME = re.compile(r"\b(drel_library|add_executable|add_library)\(\s*[\w-]+")
LIBRARY = re.compile(r"\bdrel_([a-z0-9]+?)(_ui)?\b")


class Part:
    """A place in the layout: a folder row and whether it is that folder's ui/ part."""

    def __init__(self, folder, ui):
        self.folder = folder
        self.ui = ui

    def __str__(self):
        return self.folder + ("/ui" if self.ui else "")


def part_of_path(relative):
    parts = pathlib.PurePosixPath(relative).parts
    if not parts or parts[0] not in RANK:
        return None
    return Part(parts[0], len(parts) > 2 and parts[1] == "ui")


def part_of_library(name, ui_suffix):
    if name not in RANK:
        return None
    return Part(name, bool(ui_suffix))


def offence(user, used):
    """Why `user` may not use `used`, or None when it may."""
    if used.folder == user.folder:
        if used.ui and not user.ui and user.folder != "app":
            return "core code uses its own ui/ part"
        return None
    if RANK[used.folder] > RANK[user.folder]:
        return "uses a higher layer"
    if used.folder == "app":
        return "nothing uses app/"
    if used.ui and not (user.ui or user.folder == "app"):
        return "only ui/ parts and app/ use a ui/ part"
    return None


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
            used = part_of_path(match.group(1))
            why = used and offence(user, used)
            if why:
                problems.append(f"{relative}:{number}: {user} includes {match.group(1)}: {why}")


def check_links(root, problems):
    for path in sorted(root.rglob("CMakeLists.txt")):
        relative = path.relative_to(root).as_posix()
        folder_part = part_of_path(relative)
        if folder_part is None:
            continue
        user = Part(folder_part.folder, "/ui/" in "/" + relative)
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            # The target's own name is no use of a library.
            code = TARGET_NAME.sub("", line.split("#", 1)[0])
            for match in LIBRARY.finditer(code):
                used = part_of_library(match.group(1), match.group(2))
                why = used and offence(user, used)
                if why:
                    problems.append(f"{relative}:{number}: {user} links {match.group(0)}: {why}")


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
