#!/usr/bin/env python3
"""Measures what the tests catch by changing the program one small step at a time.

Each change (a mutant) swaps an operator (+ and -, < and <=, > and >=, == and !=, && and ||),
flips true and false, adds or subtracts 1 from an integer constant, or deletes one statement, in
one source file. The script rebuilds only what the change touches, runs the logic and window
tests (stopping at the first failure) and records whether some test failed (caught) or none did
(survived). A change that does not compile is skipped, not counted. Every file is put back as it
was, also when the run is interrupted.

It builds in a folder of its own (build-mutants: Ninja, precompiled headers, no debug
information). After each change the folder is put back from a copy taken before the first one,
and each source file gets back its own time stamp, so only the changed file is compiled again
and the project's other builds see no change at all.

    scripts/mutants.py [--seed 1] [--count 200] [--folder src] [--build build-mutants]
                       [--out FILE] [--resume]

It prints a table per folder (changes, caught, survived, share caught) and the surviving changes
as `file:line: before -> after`. Not part of the test command: 200 changes take hours.
"""
import argparse
import hashlib
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
TEST_TARGETS = ["tests_logic", "tests_ui"]

# Operator swaps, each written with the spaces the project's formatting puts around them, so
# that template brackets, includes and stream operators are left alone.
SWAPS = [
    (" + ", " - "), (" - ", " + "),
    (" < ", " <= "), (" <= ", " < "),
    (" > ", " >= "), (" >= ", " > "),
    (" == ", " != "), (" != ", " == "),
    (" && ", " || "), (" || ", " && "),
    (" += ", " -= "), (" -= ", " += "),
]
WORDS = [("true", "false"), ("false", "true")]
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
STATEMENT = re.compile(r"^\s+[A-Za-z_][\w:<>\[\]().\->*&, ]*\(.*\);\s*$|^\s+[\w.\->\[\]]+\s*[-+*/]?=\s*[^=].*;\s*$|^\s+(\+\+|--)?[\w.\->]+(\+\+|--)?;\s*$")


def code_mask(line, in_block_comment):
    """Which characters of a line are code (not a comment or a string or character literal)."""
    mask = [False] * len(line)
    i = 0
    in_string = None
    while i < len(line):
        if in_block_comment:
            end = line.find("*/", i)
            if end < 0:
                return mask, True
            i = end + 2
            in_block_comment = False
            continue
        c = line[i]
        if in_string:
            if c == "\\":
                i += 2
                continue
            if c == in_string:
                in_string = None
            i += 1
            continue
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            in_block_comment = True
            i += 2
            continue
        if c in "\"'":
            in_string = c
            i += 1
            continue
        mask[i] = True
        i += 1
    return mask, in_block_comment


def sites_of(path):
    """Every change this script can make in a file: (line index, column, before, after)."""
    sites = []
    in_block = False
    lines = path.read_text(encoding="utf-8").split("\n")
    for number, line in enumerate(lines):
        mask, in_block = code_mask(line, in_block)
        stripped = line.strip()
        if not stripped or stripped.startswith("#") or "static_assert" in line:
            continue

        def in_code(start, length):
            return all(mask[start:start + length]) if start + length <= len(mask) else False

        for before, after in SWAPS:
            start = line.find(before)
            while start >= 0:
                if in_code(start, len(before)):
                    sites.append((number, start, before, after))
                start = line.find(before, start + 1)
        for before, after in WORDS:
            for match in re.finditer(r"\b%s\b" % before, line):
                if in_code(match.start(), len(before)):
                    sites.append((number, match.start(), before, after))
        # Integer constants, but not in array sizes of declarations or in version texts.
        for match in INTEGER.finditer(line):
            if in_code(match.start(), len(match.group(1))):
                value = int(match.group(1))
                sites.append((number, match.start(), match.group(1), str(value + 1)))
                if value > 0:
                    sites.append((number, match.start(), match.group(1), str(value - 1)))
        # Statements are deleted in source files only: in a header they are declarations,
        # whose deletion does not compile.
        if path.suffix == ".cpp" and STATEMENT.match(line) \
                and all(mask[len(line) - len(line.lstrip()):len(line.rstrip())]) \
                and not stripped.startswith(("return", "case", "default", "break", "continue")):
            sites.append((number, 0, line, ""))
    return sites, lines


def apply_change(lines, site):
    number, column, before, after = site
    changed = list(lines)
    line = changed[number]
    if before == line and after == "":
        changed[number] = ""
    else:
        changed[number] = line[:column] + after + line[column + len(before):]
    return changed


def run(command, timeout, env=None):
    try:
        result = subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=timeout, env=env)
        return result.returncode
    except subprocess.TimeoutExpired:
        return None


def configure(build_dir):
    """A build folder made for many small rebuilds, made once."""
    if (ROOT / build_dir / "CMakeCache.txt").exists():
        return 0
    command = ["cmake", "-S", ".", "-B", build_dir, "-DCMAKE_BUILD_TYPE=None",
               "-DCMAKE_CXX_FLAGS=-O1", "-DKURVEX_PCH=ON", "-DKURVEX_BENCHMARKS=OFF"]
    if shutil.which("ninja"):
        command += ["-G", "Ninja"]
    if shutil.which("ld.lld"):
        command += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"]
    return run(command, 600)


def build(build_dir, jobs, timeout):
    return run(["cmake", "--build", build_dir, "-j", str(jobs), "--target"] + TEST_TARGETS,
               timeout)


def tests_fail(build_dir, timeout, every_test=False):
    """Whether some test fails or the tests do not finish in time (a hang is caught too), and
    with every_test the names of the failing tests (all tests run, not only up to the first
    failure)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    processes = []
    for target in TEST_TARGETS:
        binary = ROOT / build_dir / "tests" / target
        output = tempfile.TemporaryFile()
        arguments = [str(binary), "--gtest_brief=1"] + ([] if every_test else ["--gtest_fail_fast"])
        processes.append((subprocess.Popen(arguments, cwd=ROOT, stdout=output,
                                           stderr=subprocess.DEVNULL, env=env,
                                           start_new_session=True), output))
    deadline = time.time() + timeout
    failed = False
    names = []
    for process, output in processes:
        try:
            if process.wait(timeout=max(1, deadline - time.time())) != 0:
                failed = True
        except subprocess.TimeoutExpired:
            failed = True
            names.append("(timeout)")
    for process, output in processes:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        output.seek(0)
        for line in output.read().decode("utf-8", "replace").splitlines():
            match = re.match(r"\[  FAILED  \] (\S+\.\S+) \(", line)
            if match and match.group(1) not in names:
                names.append(match.group(1))
        output.close()
    return failed, names


LIBRARIES = ["libkurvex_logic.a", "libkurvex_ui.a", "libkurvex_app.a"]


def cached_libraries(cache, where, change):
    """Where the program's libraries built with a change are kept, so that a second run on
    other tests only links them."""
    if not cache:
        return None
    key = hashlib.sha1(f"{where}: {change}".encode("utf-8")).hexdigest()
    return pathlib.Path(cache).resolve() / key


def relink_with_header(build_dir, header, timeout):
    """After a change in a header, with the program's libraries for it already in place: compiles
    again only the tests' own files that include the header and links the tests. Ninja itself is
    not asked, as it would rebuild the libraries' files that include the header as well."""
    def commands(target):
        result = subprocess.run(["ninja", "-C", str(build_dir), "-t", "commands", target],
                                capture_output=True, text=True, timeout=60)
        return result.stdout.strip().splitlines()

    deps = subprocess.run(["ninja", "-C", str(build_dir), "-t", "deps"], capture_output=True,
                          text=True, timeout=60).stdout
    including = []
    target = None
    for line in deps.splitlines():
        if line and not line.startswith(" "):
            target = line.split(":")[0]
        elif target and line.strip() == str(header) and target.startswith("tests/"):
            including.append(target)
    steps = [commands(name)[-1] for name in including]
    steps += [commands(f"tests/{name}")[-1] for name in TEST_TARGETS]
    for step in steps:
        try:
            if subprocess.run(step, shell=True, cwd=build_dir, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode != 0:
                return 1
        except subprocess.TimeoutExpired:
            return 1
    return 0


def choose(files, count, rng):
    """Changes spread over the files: each round takes one unused change from every file that
    still has one, in a shuffled order of the files."""
    pools = {}
    for path in files:
        sites, _ = sites_of(path)
        if sites:
            rng.shuffle(sites)
            pools[path] = sites
    order = sorted(pools)
    rng.shuffle(order)
    chosen = []
    while len(chosen) < count and any(pools.values()):
        for path in order:
            if pools[path] and len(chosen) < count:
                chosen.append((path, pools[path].pop()))
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--folder", default="src")
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--timeout", type=int, default=300, help="seconds for the tests")
    parser.add_argument("--out", help="also write one line per change to this file")
    parser.add_argument("--resume", action="store_true",
                        help="take the outcomes already in --out and go on with the rest")
    parser.add_argument("--list", action="store_true", help="only list the chosen changes")
    parser.add_argument("--which-tests",
                        help="run every test for each change and add the failing ones to this "
                             "file, one change per line: what catches what, for trimming")
    parser.add_argument("--library-cache",
                        help="keep the libraries built with each change in a source file here, "
                             "and link with them when they are there: for a second run of the "
                             "same changes on other tests, with the sources unchanged")
    args = parser.parse_args()

    folder = (ROOT / args.folder).resolve()
    files = sorted(p for p in folder.rglob("*") if p.suffix in (".cpp", ".h")
                   and p.name != "main.cpp" and p.name != "RenderIcon.cpp")
    chosen = choose(files, args.count, random.Random(args.seed))
    if args.list:
        for path, (number, _, before, after) in chosen:
            print(f"{path.relative_to(ROOT)}:{number + 1}: {before.strip()} -> {after.strip()}")
        return 0

    build_dir = ROOT / args.build
    pristine = ROOT / (args.build + ".pristine")
    originals = {}  # path -> (text, stat before the change)

    def restore(keep_times):
        for path, (text, stat) in originals.items():
            path.write_text(text, encoding="utf-8")
            if keep_times:
                os.utime(path, ns=(stat.st_atime_ns, stat.st_mtime_ns))
            else:
                # Newer than any build of the changed text, so every build compiles it again.
                os.utime(path)
        originals.clear()

    def restore_build():
        shutil.rmtree(build_dir)
        shutil.copytree(pristine, build_dir, symlinks=True, copy_function=shutil.copy2)

    def interrupted(signum, _frame):
        restore(keep_times=False)
        print("\ninterrupted; every file is as it was", file=sys.stderr)
        sys.exit(128 + signum)

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    if configure(args.build) != 0 or build(args.build, args.jobs, 3600) != 0:
        print("the unchanged program does not build", file=sys.stderr)
        return 1
    if tests_fail(args.build, args.timeout)[0]:
        print("the tests fail on the unchanged program", file=sys.stderr)
        return 1
    if pristine.exists():
        shutil.rmtree(pristine)
    shutil.copytree(build_dir, pristine, symlinks=True, copy_function=shutil.copy2)

    results = []  # (folder, where, before, after, outcome)
    # The same seed and count choose the same changes in the same order, so a run that was
    # stopped goes on where it stopped.
    known = {}
    if args.resume and args.out and os.path.exists(args.out):
        for line in open(args.out, encoding="utf-8"):
            match = re.match(r"\[\d+/\d+\] (\w+)\s+(\S+): (.*)$", line.rstrip("\n"))
            if match:
                known[(match.group(2), match.group(3))] = match.group(1)
    out = open(args.out, "a" if args.resume else "w", encoding="utf-8") if args.out else None
    try:
        for index, (path, site) in enumerate(chosen, 1):
            number, _, before, after = site
            where = f"{path.relative_to(ROOT)}:{number + 1}"
            change = f"{before.strip() or '(statement)'} -> {after.strip() or '(deleted)'}"
            if (where, change) in known:
                results.append((str(path.parent.relative_to(ROOT)), where, change,
                                known[(where, change)]))
                continue
            text = path.read_text(encoding="utf-8")
            lines = text.split("\n")
            saved = cached_libraries(args.library_cache, where, change)
            reuse = saved and all((saved / name).exists() for name in LIBRARIES)
            if reuse:
                # The program's part of this change was built before: link the tests with it.
                for name in LIBRARIES:
                    shutil.copyfile(saved / name, build_dir / name)
            if not reuse or path.suffix == ".h":
                # A header reaches the tests' own files as well.
                originals[path] = (text, path.stat())
                path.write_text("\n".join(apply_change(lines, site)), encoding="utf-8")
            if reuse and path.suffix == ".h":
                built = relink_with_header(build_dir, path, 1800)
            else:
                built = build(args.build, args.jobs, 1800)
            if built != 0:
                outcome = "skipped"
            else:
                if saved and not saved.exists():
                    saved.mkdir(parents=True)
                    for name in LIBRARIES:
                        shutil.copyfile(build_dir / name, saved / name)
                failed, names = tests_fail(args.build, args.timeout, bool(args.which_tests))
                outcome = "caught" if failed else "survived"
                if args.which_tests:
                    with open(args.which_tests, "a", encoding="utf-8") as which:
                        which.write(f"{where}: {change}\t{' '.join(names)}\n")
            # The sources and the build folder both as before the change: nothing to rebuild.
            restore(keep_times=True)
            restore_build()
            results.append((str(path.parent.relative_to(ROOT)), where, change, outcome))
            line = f"[{index}/{len(chosen)}] {outcome:8} {where}: {change}"
            print(line, flush=True)
            if out:
                out.write(line + "\n")
                out.flush()
    finally:
        restore(keep_times=False)
        if out:
            out.close()
    # Leave the build matching the sources again.
    build(args.build, args.jobs, 3600)
    shutil.rmtree(pristine, ignore_errors=True)

    print()
    print(f"{'folder':28} {'changes':>8} {'caught':>7} {'survived':>9} {'caught %':>9}")
    folders = sorted({r[0] for r in results})
    total_caught = total_counted = 0
    for name in folders + ["all"]:
        rows = [r for r in results if (name == "all" or r[0] == name) and r[3] != "skipped"]
        caught = sum(1 for r in rows if r[3] == "caught")
        if name != "all":
            total_caught += caught
            total_counted += len(rows)
        share = f"{100.0 * caught / len(rows):.1f}" if rows else "-"
        print(f"{name:28} {len(rows):8} {caught:7} {len(rows) - caught:9} {share:>9}")
    skipped = sum(1 for r in results if r[3] == "skipped")
    print(f"(skipped, not compiling: {skipped})")
    print("\nsurviving changes:")
    for _, where, change, outcome in results:
        if outcome == "survived":
            print(f"{where}: {change}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
