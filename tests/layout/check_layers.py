#!/usr/bin/env python3
"""Checks that every #include in src/ runs downhill.

Each folder (and in the flat cli/ folder, each file) has a layer. A file may include files of its own folder and
files of lower layers; an include of a higher layer, or of another folder of the same layer, is an arrow back up or
sideways and fails the check. The shared widgets see only the core below the pages.

    check_layers.py SRC_DIR
"""

import pathlib
import re
import sys

# Folders under src/, bottom first. Folders on one line share a layer and may not include each other.
FOLDER_LAYERS = [
    ["core/util"],
    ["core/text"],
    ["core/data", "core/desktop"],
    ["core/combination", "core/armour", "core/weapon"],
    ["core/setsearch", "core/side"],
    ["core/lint"],
    ["gui/widgets"],
    ["gui/combination", "gui/armour", "gui/setsearch", "gui/weapon", "gui/side"],
    ["gui"],
    ["app"],
]

# The command line's files, bottom first: the shared vocabulary, the commands, the dispatcher, the entry.
CLI_LAYERS = [
    ["cli/command"],
    ["cli/cli_output", "cli/option_parser"],
    ["cli/armour_commands", "cli/combination_commands", "cli/data_commands", "cli/setsearch_commands",
     "cli/side_commands", "cli/weapon_commands"],
    ["cli/cli_app"],
    ["cli/main"],
]
# Every cli unit sits above every folder of the core and below none of the GUI.
CLI_BASE = 6

# The shared widgets serve every page, so they see no page's core either: only what lies below the page areas.
SEES_BELOW = {"gui/widgets": "core/combination"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def unit_of(path: str) -> str:
    """The layered unit a source path belongs to: its folder, or in the flat cli/ its file without the extension."""
    folder = path.rsplit("/", 1)[0] if "/" in path else ""
    if folder != "cli":
        return folder
    return path.rsplit(".", 1)[0]


def layers():
    table = {}
    for level, folders in enumerate(FOLDER_LAYERS):
        for folder in folders:
            table[folder] = level * 10
    for level, units in enumerate(CLI_LAYERS):
        for unit in units:
            table[unit] = CLI_BASE * 10 + level
    return table


def main() -> int:
    src = pathlib.Path(sys.argv[1])
    table = layers()
    problems = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        path = file.relative_to(src).as_posix()
        own = unit_of(path)
        if own not in table:
            problems.append(f"{path}: its folder has no layer")
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = unit_of(included)
            if target == own:
                continue
            if target not in table:
                problems.append(f"{path}: includes {included}, which has no layer")
            elif table[target] >= table[own]:
                problems.append(f"{path}: includes {included}, which is not below it")
            elif own in SEES_BELOW and table[target] >= table[SEES_BELOW[own]]:
                problems.append(f"{path}: includes {included}, a page's own")
    for problem in problems:
        print(f"check_layers: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
