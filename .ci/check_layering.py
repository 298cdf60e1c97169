#!/usr/bin/env python3
"""Fails on an include of src/ that points up the layers.

runtime and steam_properties include nothing of ours; shell includes runtime;
the gas calculator includes runtime and shell, the steam calculator also the
property library, and neither includes the other; spreadsheet includes
runtime. The Qt view includes runtime and shell: only the program's main wires
the calculators and the spreadsheet backend. Only gui_qt includes Qt, only the
spreadsheet folder includes the UNO headers. A folder may always include its
own files.
"""
import pathlib
import re
import sys

ALLOWED = {
    "runtime": set(),
    "steam_properties": set(),
    "shell": {"runtime"},
    "gas_turbine": {"runtime", "shell"},
    "steam_turbine": {"runtime", "shell", "steam_properties"},
    "spreadsheet": {"runtime"},
    "gui_qt": {"runtime", "shell"},
}
# What the program's main may include beyond its folder's layers.
MAIN_ALLOWED = {"gas_turbine", "steam_turbine", "spreadsheet"}
MAIN = "gui_qt/main.cpp"
QT = re.compile(r"^(Q[A-Za-z]+|Qt[A-Za-z]+/.*)$")
UNO = re.compile(r"^(com/sun/star/|cppu/|cppuhelper/|rtl/|osl/|sal/|uno/|typelib/)")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(included: str, source: pathlib.Path, src: pathlib.Path):
    """The src/ folder of the file an include names, or None for a system one."""
    root = src.resolve()
    for candidate in ((src / included).resolve(), (source.parent / included).resolve()):
        if candidate.is_file():
            try:
                return candidate.relative_to(root).parts[0]
            except ValueError:
                return None
    first = included.split("/")[0]
    return first if first in ALLOWED else None


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = []
    for source in sorted(src.rglob("*")):
        if source.suffix not in {".h", ".hpp", ".cpp", ".cc"}:
            continue
        relative = source.relative_to(src).as_posix()
        folder = relative.split("/")[0]
        allowed = ALLOWED.get(folder)
        for number, line in enumerate(source.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            included = match.group(2)
            where = f"{src.as_posix()}/{relative}:{number}: {included}"
            if QT.match(included) and folder != "gui_qt":
                faults.append(f"{where}: Qt outside gui_qt")
            if UNO.match(included) and folder != "spreadsheet":
                faults.append(f"{where}: UNO outside spreadsheet")
            target = folder_of(included, source, src)
            if target is None or target == folder:
                continue
            if relative == MAIN and target in MAIN_ALLOWED:
                continue
            if target == "spreadsheet":
                faults.append(f"{where}: the spreadsheet backend outside the program's main")
            elif allowed is None:
                faults.append(f"{where}: {folder} is not a known layer")
            elif target not in allowed:
                faults.append(f"{where}: {folder} may not include {target}")
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} include(s) pointing up")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
