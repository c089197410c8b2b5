#!/usr/bin/env python3
"""Checks that no include of ours goes up or sideways between the folders.

LAYERS below is the map: each folder of the tree's C++ and the folders it
stands on. A file may include the headers of its own folder and of every
folder its folder stands on, directly or down the chain; any other include
of a header of ours is named with its file and line, and the check fails.
The includes read are the quoted ones of the .cpp and .h files and the
custom-widget headers of the .ui files, which uic copies into the headers it
generates. A header is ours when it lies in the tree, beside the including
file or from the project's root; generated headers (ui_frmMain.h,
ProgramVersion.h, the .moc files) and system headers are not checked. A file
in a folder that the table does not name fails too, so a new folder takes
its place in the table first.

Usage: scripts/layers.py --check
"""
import importlib.util
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# The tree is walked as root-includes.py walks it, build folders left out.
_spec = importlib.util.spec_from_file_location("root_includes", ROOT / "scripts" / "root-includes.py")
ROOT_INCLUDES = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(ROOT_INCLUDES)

# Folder: the folders it stands on. The lowest first.
LAYERS = {
    "calc": [],
    "platform": [],
    "places": ["calc", "platform"],
    "lifetime": ["platform"],
    "weblinks": ["platform"],
    # A month of days at a place, and the files it is saved as.
    "month": ["places"],
    # The windows: none of them reaches into another, except that the main
    # window opens the others.
    "ui/result": ["places", "lifetime", "weblinks"],
    "ui/timezone": ["places", "lifetime", "weblinks"],
    "ui/placesearch": ["places", "lifetime", "weblinks"],
    "ui/month": ["month", "lifetime", "weblinks"],
    "ui/language": ["platform"],
    "ui/reminders": ["month"],
    "ui/main": ["ui/result", "ui/timezone", "ui/placesearch", "ui/month", "ui/language",
                "ui/reminders"],
    "app": ["ui/main"],
    # Beside the program, free to use all of it; bench/ and tests/ use the
    # window driver in tools/ too.
    "tools": ["app"],
    "bench": ["tools"],
    "tests": ["tools"],
}

SOURCES = (".cpp", ".h")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
UI_HEADER = re.compile(r"<header(?:\s[^>]*)?>([^<]+)</header>")


def below(folder):
    """The folder and every folder it stands on, down the chain."""
    reached, waiting = set(), [folder]
    while waiting:
        current = waiting.pop()
        if current not in reached:
            reached.add(current)
            waiting.extend(LAYERS[current])
    return reached


def layer_of(relative):
    """The table's folder that holds the root-relative path, or None."""
    found = [name for name in LAYERS if relative.startswith(name + "/")]
    return max(found, key=len) if found else None


def project_files():
    """Every C++ and .ui file of the tree, as root-includes.py walks it."""
    for path in ROOT_INCLUDES.project_files():
        if path.suffix in SOURCES or path.suffix == ".ui":
            yield path


def included_names(path):
    """(line number, name) of each quoted include, or custom-widget header of a .ui file."""
    for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        if path.suffix == ".ui":
            matches = list(UI_HEADER.finditer(line))
        else:
            matches = [match for match in [INCLUDE.match(line)] if match]
        for match in matches:
            yield number, match.group(1).strip()


def resolve(name, folder):
    """The root-relative path of the header of ours that name finds, or None."""
    for candidate in (folder / name, ROOT / name):
        candidate = candidate.resolve()
        if candidate.is_file() and candidate.is_relative_to(ROOT):
            return candidate.relative_to(ROOT).as_posix()
    return None


def violations():
    for path in project_files():
        relative = path.relative_to(ROOT).as_posix()
        layer = layer_of(relative)
        if layer is None:
            yield f"{relative}: its folder is not in the layer table of scripts/layers.py"
            continue
        allowed = below(layer)
        for number, name in included_names(path):
            header = resolve(name, path.parent)
            if header is None:
                continue
            target = layer_of(header)
            if target is None:
                yield f"{relative}:{number}: includes {header}, whose folder is not in the layer table"
            elif target not in allowed:
                yield f"{relative}:{number}: {layer}/ includes {header} from {target}/, which is not below it"


def main():
    if sys.argv[1:] != ["--check"]:
        raise SystemExit("usage: scripts/layers.py --check")
    unknown = sorted({name for names in LAYERS.values() for name in names} - LAYERS.keys())
    if unknown:
        raise SystemExit(f"layers: the table names folders it does not list: {', '.join(unknown)}")
    found = list(violations())
    for line in found:
        print(line)
    if found:
        print(f"layers: {len(found)} include(s) against the layer table", file=sys.stderr)
        sys.exit(1)
    print("layers: every include of ours keeps to the layer table")


if __name__ == "__main__":
    main()
