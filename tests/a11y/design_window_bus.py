#!/usr/bin/python3
"""Reads both design windows through the accessibility bus, as a screen
reader does, and presses their commands by their accessible actions.

For an Imperial and a Metric design, it opens the design window from the
main window's menu, chooses the design file in the file dialog, and then
finds every quantity that `yq-calc --format table` prints for the same file
(the window's own labels) as an object named by its label whose text is the
value the window shows. Radiation Resistance, a plain text and not an entry,
is among them. Then it presses ReCalc, SAVE, Select Antenna (and Cancel in
the file dialog) and Close, and checks what each did.

Run by run_on_bus.sh, which starts the program on a private bus in the
working folder YQ_WORK:
    run_on_bus.sh YQ design_window_bus.py YQ_CALC
"""
import os
import re
import shutil
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.filterwarnings("ignore", category=DeprecationWarning)

calc, work = sys.argv[1], os.environ["YQ_WORK"]
failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text)


def children(a):
    for i in range(a.get_child_count()):
        c = a.get_child_at_index(i)
        if c is not None:
            yield c


def walk(a, depth=0):
    yield a
    if depth < 30:
        for c in children(a):
            yield from walk(c, depth + 1)


def showing(a):
    return a.get_state_set().contains(Atspi.StateType.SHOWING)


def find(root, role, name, timeout=10.0, hidden_too=False):
    """The first showing object of the role and name below root, waiting
    for it (a closed window may stay on the bus, hidden, for a while); with
    hidden_too also a hidden one (the items of a closed menu)."""
    end = time.monotonic() + timeout
    while True:
        for a in walk(root):
            try:
                if a.get_role_name() == role and a.get_name() == name and (hidden_too or showing(a)):
                    return a
            except gi.repository.GLib.GError:
                pass
        if time.monotonic() > end:
            return None
        time.sleep(0.2)


def application(name="yq", timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for a in children(desktop):
            if a.get_name() == name:
                return a
        time.sleep(0.2)
    return None


def press(a):
    """Does the object's first action ("Press"). A command that opens a
    modal window answers only when that window closes, so the call does not
    wait for the answer."""
    action = a.get_action_iface()
    if action is None or action.get_n_actions() == 0:
        fail("%s %r has no action" % (a.get_role_name(), a.get_name()))
        return
    Atspi.set_timeout(1500, 1500)
    try:
        action.do_action(0)
    except gi.repository.GLib.GError:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def text_of(a):
    t = a.get_text_iface()
    return None if t is None else t.get_text(0, -1)


def shown_values(window):
    """Name -> text of every object below the window that has a text."""
    values = {}
    for a in walk(window):
        try:
            if a.get_role_name() not in ("text", "label"):
                continue
            name = a.get_name().strip()
            text = text_of(a)
        except gi.repository.GLib.GError:
            continue
        if name and text is not None and text != "" and text.strip() != name:
            values.setdefault(name, text)
    return values


ROW = re.compile(r"^(?P<label>.*\S)\s+(?P<value>-?[\d,]+(?:\.\d+)?)(?: (?P<unit>\S+))?$")


def table_of(design, metric):
    """(label, value) of every quantity yq-calc shows for the design file."""
    args = [calc, "--format", "table", "--file", design] + (["--metric"] if metric else [])
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        m = ROW.match(line)
        if not m:
            fail("yq-calc --format table printed a line this test cannot read: %r" % line)
            continue
        rows.append((m.group("label").strip(), m.group("value")))
    return rows


def open_design_window(app, menu_item, design, caption):
    item = find(app, "menu item", menu_item, hidden_too=True)
    if item is None:
        fail("no menu item %r on the bus" % menu_item)
        return None
    press(item)
    dialog = find(app, "dialog", "Choose File to Open")
    if dialog is None:
        fail("the open dialog did not come for %r" % menu_item)
        return None
    entry = find(dialog, "text", "File name:")
    entry.get_editable_text_iface().set_text_contents(design)
    press(find(dialog, "push button", "Open"))
    title = find(app, "label", caption)
    if title is None:
        fail("no design window with the caption %r" % caption)
        return None
    window = title
    while window is not None and window.get_role_name() != "dialog":
        window = window.get_parent()
    return window


def settled_values(window, rows):
    """The values once the window shows the design: the load and its
    calculation run queued, and the bus reports what it shows as it goes."""
    end = time.monotonic() + 15
    values = shown_values(window)
    while time.monotonic() < end and any(values.get(label, "").strip() != value for label, value in rows):
        time.sleep(0.3)
        values = shown_values(window)
    return values


def check_window(app, system, menu_item, design, caption):
    window = open_design_window(app, menu_item, design, caption)
    if window is None:
        return
    rows = table_of(design, system == "Metric")
    if len(rows) < 38:
        fail("%s: yq-calc printed only %d quantities" % (system, len(rows)))
    values = settled_values(window, rows)
    read = 0
    for label, value in rows:
        got = values.get(label)
        if got is None:
            fail("%s: %r is not readable through the bus (no object of that name has a text)" % (system, label))
        elif got.strip() != value:
            fail("%s: %r reads %r through the bus; yq-calc gives %r" % (system, label, got, value))
        else:
            read += 1
    if values.get("Radiation Resistance") is None:
        fail("%s: Radiation Resistance has no text on the bus" % system)
    print("%s: %d of %d values read through the bus" % (system, read, len(rows)))

    check_tool_tabs(window, system, design)
    press(find(window, "page tab", "   Specifications"))

    # ReCalc leaves a calculated design as it is.
    press(find(window, "push button", "Click on this button to recalculate after making changes"))
    time.sleep(0.5)
    after = shown_values(window)
    if any(after.get(label) != values.get(label) for label, _ in rows):
        fail("%s: ReCalc pressed through the bus changed a calculated design" % system)

    # SAVE writes the design file and a results row.
    csv = os.path.join(work, "YQ.csv")
    rows_before = open(csv, "rb").read().count(b"\n") if os.path.exists(csv) else 0
    press(find(window, "push button", "SAVE"))
    end = time.monotonic() + 10
    rows_after = rows_before
    while time.monotonic() < end and rows_after == rows_before:
        time.sleep(0.2)
        rows_after = open(csv, "rb").read().count(b"\n") if os.path.exists(csv) else 0
    if rows_after != rows_before + 1:
        fail("%s: SAVE pressed through the bus wrote %d results rows, not 1" % (system, rows_after - rows_before))

    # Select Antenna opens the open dialog again; Cancel keeps the design.
    press(find(window, "push button", "Select Antenna"))
    dialog = find(app, "dialog", "Choose File to Open")
    if dialog is None:
        fail("%s: Select Antenna pressed through the bus opened no dialog" % system)
    else:
        press(find(dialog, "push button", "Cancel"))
        time.sleep(0.5)

    # Close closes the window.
    press(find(window, "push button", "Close"))
    if find(app, "label", caption, timeout=1.0) is not None:
        time.sleep(2)
        if find(app, "label", caption, timeout=0.5) is not None:
            fail("%s: Close pressed through the bus left the window open" % system)


def table_cells(table):
    """The rows of an accessible table, each cell's text."""
    t = table.get_table_iface()
    rows = []
    for r in range(t.get_n_rows()):
        row = []
        for c in range(t.get_n_columns()):
            cell = t.get_accessible_at(r, c)
            row.append(text_of(cell) if cell is not None and text_of(cell) is not None else cell.get_name())
        rows.append(row)
    return rows


def check_tool_tabs(window, system, design):
    """The Build Sheet's drawing and the Simulation tab's figures and plots
    read through the bus: the drawing's cut list, the table of figures as
    yq-calc simulate prints it, and the plots' points."""
    # The Design Tools' fit: the turns typed and Find pressed through the
    # bus; the Capacitance Factor found is yq-calc fit's.
    press(find(window, "page tab", "   Design Tools"))
    find(window, "text", "Turns wound").get_editable_text_iface().set_text_contents("30")
    press(find(window, "push button", "Find"))
    fit = subprocess.run([calc, "fit", "NT=30", "--file", design] + (["--metric"] if system == "Metric" else []),
                         capture_output=True, text=True).stdout
    fac = re.search(r"\bFAC=([\d.]+)", fit)
    apply_button = find(window, "push button", "Apply FAC = %s" % (fac.group(1) if fac else "?"), timeout=10)
    if apply_button is None:
        fail("%s: the fit found through the bus is not yq-calc fit's FAC=%s" % (system, fac.group(1) if fac else "?"))
    else:
        print("%s: the fit read through the bus: FAC = %s" % (system, fac.group(1)))

    # The sweep of the tools tab (F over the band the tab suggests): its
    # table reads point by point, as many points as yq-calc sweep gives.
    frm, to, step = (text_of(find(window, "text", name)) for name in ("From", "To", "Step"))
    press(find(window, "push button", "Sweep"))
    points = subprocess.run([calc, "sweep", "F=%s:%s:%s" % (frm, to, step), "--file", design] +
                            (["--metric"] if system == "Metric" else []),
                            capture_output=True, text=True).stdout.count("\n") - 1
    sweep = find(window, "table", "Sweep points")
    end = time.monotonic() + 20
    while sweep is not None and time.monotonic() < end and sweep.get_table_iface().get_n_rows() != points:
        time.sleep(0.3)
    if sweep is None or sweep.get_table_iface().get_n_rows() != points:
        fail("%s: the sweep table does not read %d points through the bus" % (system, points))
    else:
        first = table_cells(sweep)[0]
        if not all(cell for cell in first):
            fail("%s: a cell of the sweep table has no text on the bus: %r" % (system, first))
        else:
            print("%s: the sweep's %d points read through the bus (%s ...)" % (system, points, " ".join(first[:4])))

    press(find(window, "page tab", "   Build Sheet"))
    drawing = find(window, "filler", "Build sheet drawing") or find(window, "panel", "Build sheet drawing")
    if drawing is None or "\t" not in (drawing.get_description() or ""):
        fail("%s: the build sheet drawing has no cut list as its text on the bus" % system)

    if shutil.which("nec2c") is None:
        print("%s: nec2c is not installed; the Simulation tab is not read" % system)
        return
    args = [calc, "simulate", design, "--format", "table"]
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    expected = []
    for line in out.splitlines()[1:]:
        if not line.strip():
            break
        expected.append([c for c in re.split(r"\s{2,}", line.strip())])
    press(find(window, "page tab", "   Simulation"))
    table = None
    end = time.monotonic() + 30
    while time.monotonic() < end:
        table = find(window, "table", "The calculator's figures beside the NEC-2 model's", timeout=1)
        if table is not None and table.get_table_iface().get_n_rows() == len(expected):
            break
        time.sleep(0.3)
    if table is None:
        fail("%s: the Simulation tab's table is not on the bus" % system)
        return
    got = table_cells(table)
    if got != expected:
        fail("%s: the Simulation tab reads %r through the bus; yq-calc simulate gives %r" % (system, got, expected))
    else:
        print("%s: %d rows of the simulation's figures read through the bus" % (system, len(got)))
    plot = find(window, "filler", "R against frequency") or find(window, "panel", "R against frequency")
    if plot is None or not (plot.get_description() or "").startswith("Frequency (MHz)"):
        fail("%s: the R plot has no table of its points on the bus" % system)

    # The Measurement tab: the model's own sweep opened as a measurement;
    # its tuning reads as yq-calc tune gives it.
    measured = os.path.join(work, "measured.s1p")
    with open(measured, "w") as f:
        f.write(subprocess.run([calc, "simulate", design, "--format", "s1p"], check=True, capture_output=True,
                               text=True).stdout)
    tuned = subprocess.run([calc, "tune", design, measured, "--format", "table"], capture_output=True, text=True).stdout
    wind = re.search(r"wind [\d.]+ turns \(now [\d.]+\)", tuned)
    press(find(window, "page tab", "   Measurement"))
    press(find(window, "push button", "Open measurement..."))
    app = window.get_application()
    dialog = None
    end = time.monotonic() + 20
    while dialog is None and time.monotonic() < end:
        for a in walk(app):
            if a.get_role_name() == "dialog" and showing(a) and find(a, "text", "File name:", timeout=0) is not None:
                dialog = a
                break
        time.sleep(0.2)
    if dialog is None:
        fail("%s: Open measurement... pressed through the bus opened no dialog" % system)
        return
    find(dialog, "text", "File name:").get_editable_text_iface().set_text_contents(measured)
    press(find(dialog, "push button", "Open"))
    # A read-only rich text: a label on the bus.
    findings = find(window, "label", "Findings and tuning") or find(window, "text", "Findings and tuning", timeout=1)
    text = ""
    end = time.monotonic() + 30
    while time.monotonic() < end and (wind is None or wind.group(0) not in text):
        text = (text_of(findings) or "") if findings is not None else ""
        time.sleep(0.3)
    if wind is None or wind.group(0) not in text:
        fail("%s: the Measurement tab's findings read %r through the bus; yq-calc tune says %r" %
             (system, text[:300], wind.group(0) if wind else tuned[:200]))
    else:
        print("%s: the measurement's tuning read through the bus: %s" % (system, wind.group(0)))


def main():
    imperial = subprocess.run([calc, "save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"], cwd=work,
                              check=True, capture_output=True, text=True).stdout.strip()
    metric = subprocess.run([calc, "save", "--metric", "F=14.2", "CD=50", "LD=6", "WD=1", "SP=2", "CCD=50"],
                            cwd=work, check=True, capture_output=True, text=True).stdout.strip()
    app = application()
    if app is None:
        print("SKIPPED: the program did not appear on the accessibility bus")
        return 77
    check_window(app, "Imperial", "   Imperial YQ Antenna", imperial, "YQ Antenna Calculations... Imperial")
    check_window(app, "Metric", "   Metric YQ antenna", metric, "YQ Antenna Calculations... Metric")
    if failures:
        print("%d failure(s)" % len(failures))
        return 1
    print("every value of both design windows read through the bus")
    return 0


sys.exit(main())
