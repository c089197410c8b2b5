#!/usr/bin/env python3
"""Writes every include of a header of ours relative to the project root.

`#include "frmMain.h"` becomes `#include "ui/main/frmMain.h"`, in the .cpp
and .h files and in the custom-widget headers of the .ui files, which uic
copies into the headers it generates. A name is looked up beside the file
that includes it first, then anywhere in the tree; a name that two folders
have is refused. Generated headers (ui_frmMain.h, ProgramVersion.h,
SiteHosts.h, SearchAddress.h, the .moc files) and system headers are left as
they are. Each run of quoted includes is then sorted as clang-format sorts it.

Safe to run again, for instance after a merge brings in more sources.

Usage: scripts/root-includes.py [--check]
  --check  change nothing; list the files that would change and fail if any.
"""
import os
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCES = (".cpp", ".h")
INCLUDE = re.compile(r'^(\s*#\s*include\s*)"([^"]+)"(.*)$')
UI_HEADER = re.compile(r"(<header(?:\s[^>]*)?>)([^<]+)(</header>)")


def project_files():
    """Every file of the tree, build folders and hidden folders left out."""
    for folder, subfolders, files in os.walk(ROOT):
        # A build folder holds generated copies that are not ours to rewrite.
        subfolders[:] = sorted(
            name
            for name in subfolders
            if not name.startswith(".")
            and not (Path(folder, name) / "CMakeCache.txt").exists()
            and not (folder == str(ROOT) and name.startswith("build"))
        )
        for name in sorted(files):
            yield Path(folder, name)


def header_index(files):
    index = {}
    for path in files:
        if path.suffix == ".h":
            index.setdefault(path.name, []).append(path.relative_to(ROOT).as_posix())
    return index


def resolve(name, folder, index):
    """The root-relative form of name as included from folder, or None to leave it."""
    beside = (folder / name).resolve()
    if beside.is_file() and beside.is_relative_to(ROOT) and beside.suffix == ".h":
        return beside.relative_to(ROOT).as_posix()
    if (ROOT / name).is_file():
        return name
    if "/" in name:
        return None
    found = index.get(name, [])
    if len(found) > 1:
        raise SystemExit(f"root-includes: {name} is in {', '.join(found)}; name the folder")
    return found[0] if found else None


def sort_include_runs(lines):
    """Sorts each run of consecutive quoted includes by name, case-sensitively."""
    result, run = [], []
    for line in lines + [None]:
        if line is not None and INCLUDE.match(line):
            run.append(line)
            continue
        result.extend(sorted(run, key=lambda include: INCLUDE.match(include).group(2)))
        run = []
        if line is not None:
            result.append(line)
    return result


def rewrite_source(text, folder, index):
    lines = text.split("\n")
    for number, line in enumerate(lines):
        match = INCLUDE.match(line)
        if match:
            path = resolve(match.group(2), folder, index)
            if path:
                lines[number] = f'{match.group(1)}"{path}"{match.group(3)}'
    return "\n".join(sort_include_runs(lines))


def rewrite_ui(text, folder, index):
    def replace(match):
        path = resolve(match.group(2).strip(), folder, index)
        return match.group(1) + (path or match.group(2)) + match.group(3)

    return UI_HEADER.sub(replace, text)


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        raise SystemExit("usage: scripts/root-includes.py [--check]")
    files = list(project_files())
    index = header_index(files)
    changed = []
    for path in files:
        if path.suffix in SOURCES:
            rewrite = rewrite_source
        elif path.suffix == ".ui":
            rewrite = rewrite_ui
        else:
            continue
        text = path.read_text(encoding="utf-8")
        new = rewrite(text, path.parent, index)
        if new != text:
            changed.append(path.relative_to(ROOT).as_posix())
            if not check:
                path.write_text(new, encoding="utf-8")
    for name in changed:
        print(("would change " if check else "rewrote ") + name)
    if check and changed:
        sys.exit(1)


if __name__ == "__main__":
    main()
