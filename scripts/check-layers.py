#!/usr/bin/env python3
"""Checks that every source file includes only headers of its own layer or
of the layers below it, and that no layer below the windows includes a Qt
Widgets or PrintSupport header.

The layers, lowest first (each is one library in src/CMakeLists.txt):

    design -> files -> platform -> sim -> report -> links -> windows -> app

cli (yq-calc) stands beside the upper layers: yq-calc's own commands may use
design .. sim (Qt Core alone); the page commands of yq-calc-pages (the
files of yq_layer(cli_pages ...) in src/CMakeLists.txt) and tests/cli may use
report as well.
Tests and benchmarks follow the folder they test: tests/<layer>/ may include
that layer and the ones below it, and tests/support/.

It also checks that every source file of src/, tests/ and bench/ is named
in its folder's CMakeLists.txt, since the build lists its files one by one
and a file left out would silently not be built (or a test not run).

Exits 1 and lists every offending line when the order is broken.
Usage: scripts/check-layers.py [PROJECT_DIR]
"""
import pathlib
import re
import sys

ORDER = ["design", "files", "platform", "sim", "report", "links", "windows", "app"]
RANK = {name: i for i, name in enumerate(ORDER)}
RANK["cli"] = RANK["sim"] + 0.5  # yq-calc: on design .. sim
PAGES_RANK = RANK["report"] + 0.5  # yq-calc-pages and the cli tests: report as well
WIDGET_RANK = RANK["windows"]  # the first layer that may use widgets

# Qt headers that bring in Widgets or PrintSupport.
WIDGET_HEADERS = re.compile(
    r"^(QtWidgets|QtPrintSupport|QApplication|QWidget|QDialog|QMainWindow|QMessageBox|"
    r"QPrinter|QPrintDialog|QPrintPreview\w*|QLabel|QLineEdit|QPushButton|QAbstractButton|"
    r"QLayout|QBoxLayout|QGridLayout|QTabWidget|QMenu\w*|QAction|QStyle\w*|QFileDialog|"
    r"QProgressDialog|QScrollArea|QListWidget|QTableWidget|QToolTip|QValidator\b)"
)
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/')
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>")


def layer_of(path: pathlib.Path, root: pathlib.Path):
    parts = path.relative_to(root).parts
    if parts[0] in ("src", "tests") and len(parts) > 2:
        return parts[1]
    return None


def unlisted_files(root: pathlib.Path):
    """Source files that no CMakeLists.txt of their tree names."""
    missing = []
    for tree, pattern in (("src", "*.cpp"), ("src", "*.h"), ("tests", "*_test.cpp"), ("bench", "*_bench.cpp")):
        lists = root / tree / "CMakeLists.txt"
        if not lists.exists():
            continue
        listed = lists.read_text(encoding="utf-8")
        for path in sorted((root / tree).rglob(pattern)):
            relative = path.relative_to(root / tree).as_posix()
            name = relative if tree != "bench" else path.stem
            if tree == "tests" and relative.startswith("fuzz/"):
                continue  # the fuzz targets have a build of their own
            if not re.search(r"(^|[\s/(])" + re.escape(name) + r"($|[\s)])", listed, re.M):
                missing.append(f"{tree}/{relative}: not in {tree}/CMakeLists.txt")
    return missing


def page_command_files(root: pathlib.Path):
    """The sources of yq-calc-pages' library, as src/CMakeLists.txt lists them."""
    text = (root / "src" / "CMakeLists.txt").read_text(encoding="utf-8")
    block = re.search(r"yq_layer\(cli_pages(.*?)\)", text, re.S)
    return {f"src/{name}" for name in re.findall(r"cli/\S+", block.group(1))} if block else set()


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    problems = []
    pages = page_command_files(root)
    files = sorted(p for d in ("src", "tests") for p in (root / d).rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        layer = layer_of(path, root)
        if layer not in RANK:
            continue
        rank = RANK[layer]
        if layer == "cli" and (path.relative_to(root).as_posix() in pages or path.relative_to(root).parts[0] == "tests"):
            rank = PAGES_RANK
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            local = LOCAL_INCLUDE.match(line)
            if local:
                used = local.group(1)
                if used == "support" and path.relative_to(root).parts[0] == "tests":
                    continue
                if used not in RANK:
                    problems.append(f"{path.relative_to(root)}:{number}: unknown folder '{used}'")
                elif used == "cli" and layer != "cli":
                    problems.append(f"{path.relative_to(root)}:{number}: {layer} includes cli")
                elif RANK[used] > rank:
                    problems.append(f"{path.relative_to(root)}:{number}: {layer} includes {used} (above it)")
                continue
            system = SYSTEM_INCLUDE.match(line)
            if system and rank < WIDGET_RANK and WIDGET_HEADERS.match(system.group(1)):
                problems.append(f"{path.relative_to(root)}:{number}: {layer} includes <{system.group(1)}>")
    problems += unlisted_files(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s): includes against the layer order {' -> '.join(ORDER)} or files missing from a build list")
        return 1
    print(f"layers: {len(files)} files follow {' -> '.join(ORDER)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
