#!/usr/bin/env python3
"""Mutation check: how many small faults put into the named sources do the tests catch?

Usage: python3 scripts/mutate.py model/week_drag.cpp storage/config_file.cpp ...

Each mutant changes one line of one file. The mutants come from universalmutator, installed
into a private virtual environment (build/mutate-venv); where it cannot be installed, from the
few boundary rules below. Each mutant is written over the source file, built in build/mutate
(a tree of its own, never build/default), and the test programs that link the file are run
with a time limit; a failing, crashing or hanging run kills the mutant. The file is always
put back as it was, an interrupt included. Mutants that do not compile are counted apart.
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "mutate"
VENV = ROOT / "build" / "mutate-venv"
TOOL = VENV / "bin" / "mutate"
# The test programs that link each layer's library, those most likely to fail first.
TESTS = {
    "model": ["model_tests", "document_tests", "storage_tests"],
    "storage": ["storage_tests", "document_tests"],
    "document": ["document_tests"],
    "ui": ["ui_tests"],
}
XVFB = ["xvfb-run", "-a", "-s", "-screen 0 1600x1200x24"]

# Our own rules, each a pattern and what a match becomes. Binary operators are matched only
# with a space either side, as the code is formatted, so template brackets are left alone.
SWAPS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == ",
         " && ": " || ", " || ": " && ", " + ": " - ", " - ": " + "}
NUMBER = re.compile(r"(?<![\w.])\d+(?![\w.])")
CONDITION = re.compile(r"\b(if|while) \(")
# A line that declares a name: removing it could only fail to compile.
DECLARATION = re.compile(r"\s*((const|static|constexpr) )*[\w:]+(<[^;=]*>)?[*&]? [*&]?\w+\s*[=({;\[]")


def code_part(line):
    """The line up to a // comment, string and character literals blanked out."""
    blanked = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: "\x00" * len(m.group()), line)
    cut = blanked.find("//")
    return blanked if cut < 0 else blanked[:cut]


def matching_paren(text, open_at):
    """The index of the parenthesis closing the one at open_at; -1 when it is not on this line."""
    depth = 0
    for i in range(open_at, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return -1


def own_mutants(lines):
    """(line index, mutated line) for each rule that applies, in the order of the file."""
    for i, line in enumerate(lines):
        stripped = line.strip()
        if not stripped or stripped.startswith(("#", "//", "/*", "*")):
            continue
        code = code_part(line)
        for old, new in SWAPS.items():
            for m in re.finditer(re.escape(old), code):
                yield i, line[:m.start()] + new + line[m.end():]
        for m in NUMBER.finditer(code):
            value = int(m.group())
            for changed in (value + 1, value - 1):
                if changed >= 0:
                    yield i, line[:m.start()] + str(changed) + line[m.end():]
        for m in CONDITION.finditer(code):
            close = matching_paren(code, m.end() - 1)
            if close > 0:
                yield i, line[:m.end()] + "!(" + line[m.end():close] + ")" + line[close:]
        if (code.rstrip().endswith(";") and not stripped.startswith("return") and not DECLARATION.match(code)
                and code.count("(") == code.count(")")):
            yield i, line[:len(line) - len(line.lstrip())] + ";  // removed\n"


def install_universalmutator():
    """True when universalmutator's mutate is in the private environment, installed if need be."""
    if not TOOL.exists():
        subprocess.run([sys.executable, "-m", "venv", str(VENV)], capture_output=True)
        pip = VENV / "bin" / "pip"
        if pip.exists():
            subprocess.run([str(pip), "install", "--quiet", "--retries", "1", "--timeout", "15",
                            "universalmutator"], capture_output=True)
    return TOOL.exists()


def universal_mutants(source, lines):
    """universalmutator's mutants of source, as (line index, mutated line)."""
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([str(TOOL), str(source), "--mutantDir", out, "--noCheck"], cwd=out,
                       capture_output=True, check=True)
        found = []
        for mutant in sorted(Path(out).iterdir()):
            changed = mutant.read_text().splitlines(keepends=True)
            diff = [i for i, (a, b) in enumerate(zip(lines, changed)) if a != b]
            if len(changed) == len(lines) and len(diff) == 1:
                found.append((diff[0], changed[diff[0]]))
            elif len(changed) == len(lines) - 1:  # a deleted line
                at = next((i for i, (a, b) in enumerate(zip(lines, changed)) if a != b), len(changed))
                found.append((at, "\n"))
        return sorted(found)


def nice(command):
    return ["nice", "-n", "10"] + command


def build(targets):
    """True when the targets build."""
    return subprocess.run(nice(["cmake", "--build", str(BUILD), "-j2", "--target"] + targets),
                          capture_output=True).returncode == 0


def passes(program, limit):
    """True when the test program passes within limit seconds; a hang is stopped and fails."""
    command = [str(BUILD / "tests" / program), "--gtest_fail_fast", "--gtest_brief=1"]
    if program == "ui_tests" and not os.environ.get("DISPLAY"):
        command = XVFB + command
    env = dict(os.environ, NO_AT_BRIDGE="1", GTK_OVERLAY_SCROLLING="0")
    child = subprocess.Popen(nice(command), env=env, cwd=ROOT, start_new_session=True,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        return child.wait(timeout=limit) == 0
    except subprocess.TimeoutExpired:
        return False
    finally:  # a hang, or Ctrl+C, which the program's own session does not hear
        if child.poll() is None:
            os.killpg(child.pid, signal.SIGKILL)
            child.wait()


def verdict(programs, limits):
    """What the tests make of the source as it stands: each program is built and run in turn,
    and the first that fails kills the mutant, so the others need not be built."""
    for program in programs:
        if not build([program]):
            return "does not compile"
        if not passes(program, limits.get(program, 600)):
            return "killed"
    return "SURVIVED"


def configure():
    """The default preset's build with its tests, and the library's bounds checks on, so that a
    mutant that reads or writes past an array stops the tests instead of passing by chance."""
    subprocess.run(["cmake", "--preset", "default", "-B", str(BUILD), "-DDVR_BUILD_TESTS=ON",
                    "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def check_file(name, generator):
    source = ROOT / name
    programs = TESTS.get(Path(name).parts[0])
    if not source.is_file() or not programs:
        print(f"{name}: no such source in model/, storage/, document/ or ui/")
        return 0, 0, 0, []
    original = source.read_text()
    lines = original.splitlines(keepends=True)
    mutants = generator(source, lines)
    print(f"{name}: building and running {' '.join(programs)} on the unchanged sources", flush=True)
    limits = {}
    for program in programs:  # the unchanged sources must build and pass, and set the time limits
        started = time.monotonic()
        if verdict([program], limits) != "SURVIVED":
            sys.exit(f"{name}: the unchanged sources do not build or pass {program} in {BUILD}")
        limits[program] = max(20.0, 3 * (time.monotonic() - started))
    print(f"{name}: {len(mutants)} mutants", flush=True)
    killed, broken, survivors = 0, 0, []
    try:
        for number, (at, changed) in enumerate(mutants, 1):
            source.write_text("".join(lines[:at] + [changed] + lines[at + 1:]))
            result = verdict(programs, limits)
            broken += result == "does not compile"
            killed += result == "killed"
            if result == "SURVIVED":
                survivors.append(f"{name}:{at + 1}: {lines[at].strip()}  ->  {changed.strip()}")
            print(f"  [{number}/{len(mutants)}] line {at + 1}: {result}", flush=True)
    finally:
        source.write_text(original)
    return killed, len(mutants) - broken, broken, survivors


def main(files):
    if not files:
        sys.exit('usage: make mutate FILES="model/week_drag.cpp storage/config_file.cpp ..."')
    # A stop asked for from outside ends the run as Ctrl+C does: the file goes back first.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    configure()
    generator = universal_mutants
    if not install_universalmutator():
        print("universalmutator could not be installed (no access to PyPI?): using scripts/mutate.py's own rules")
        generator = lambda source, lines: list(dict.fromkeys(own_mutants(lines)))
    totals = [0, 0, 0]
    survivors = []
    for name in files:
        killed, compiled, broken, lost = check_file(name, generator)
        totals = [totals[0] + killed, totals[1] + compiled, totals[2] + broken]
        survivors += lost
    ratio = 100.0 * totals[0] / totals[1] if totals[1] else 0.0
    print(f"\nKilled {totals[0]} of {totals[1]} mutants that compile ({ratio:.0f} %); {totals[2]} did not compile.")
    if survivors:
        print("Survivors (file:line: original  ->  mutant):")
        print("\n".join("  " + s for s in survivors))


if __name__ == "__main__":
    try:
        main(sys.argv[1:])
    except KeyboardInterrupt:
        sys.exit("interrupted; every file is as it was")
