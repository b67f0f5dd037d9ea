"""Mutation testing of the program's sources against its tests.

Makes small, realistic faults in the sources under generation/, batch/, ui/ and app/ that the
test programs are built from, one at a time, in a copy of the source tree (so that work on the
tree itself can go on meanwhile): it rebuilds the test programs incrementally, runs them and
counts the fault as killed when a test fails or runs out of time. Each fault is taken out again before
the next, also on Ctrl-C. Survivors that cannot change what the program does are listed in
tests/equivalent-mutants.txt and left out of the score. Standard library only.
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MUTATED_DIRS = ("generation", "batch", "ui", "app")
EQUIVALENTS = ROOT / "tests" / "equivalent-mutants.txt"

STRING = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
STATEMENT_START = re.compile(r"^[A-Za-z_][\w:]*(\.|->|\(|::|\s*=|\s*\+=|\[)")
NOT_A_CALL = re.compile(
    r"^(return|using|namespace|class|struct|enum|template|typedef|static_assert|case|"
    r"default|break|continue|const|constexpr|inline|static|auto|std::|Q_OBJECT|explicit)\b")


class Mutant:
    def __init__(self, path, line, old, new, operator):
        self.path, self.line, self.old, self.new, self.operator = path, line, old, new, operator

    def key(self):
        return (self.path, " / ".join(l.strip() for l in self.old),
                " / ".join(l.strip() for l in self.new))

    def describe(self):
        path, old, new = self.key()
        return f"{path}:{self.line + 1}: {self.operator}: {old}  =>  {new}"


def code_part(line):
    """The line up to a // comment that is not inside a string literal."""
    pos = 0
    while True:
        comment = line.find("//", pos)
        if comment < 0:
            return line
        strings = [m.span() for m in STRING.finditer(line)]
        inside = next((end for start, end in strings if start < comment < end), None)
        if inside is None:
            return line[:comment]
        pos = inside


def outside_strings(code, pattern):
    """Matches of `pattern` in `code` that do not lie in a string or character literal."""
    strings = [m.span() for m in STRING.finditer(code)]
    for match in re.finditer(pattern, code):
        if not any(start <= match.start() < end for start, end in strings):
            yield match


def replacements(code, pattern, replace, operator):
    for match in outside_strings(code, pattern):
        yield operator, code[:match.start()] + replace(match) + code[match.end():]


def matching_paren(code, open_at):
    depth = 0
    for i in range(open_at, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return None


def line_mutations(code, previous_code, in_header):
    """(operator, mutated code) for one line of code. Statements are deleted only in source
    files: in headers the candidates are declarations, which would not build."""
    swaps = {"==": "!=", "!=": "==", "<=": "<", ">=": ">", "&&": "||", "||": "&&"}
    yield from replacements(code, r"==|!=|(?<=\s)<=(?=\s)|(?<=\s)>=(?=\s)",
                            lambda m: swaps[m.group()], "flip comparison")
    yield from replacements(code, r"(?<=\s)[<>](?=\s)", lambda m: m.group() + "=",
                            "flip comparison")
    yield from replacements(code, r"&&|\|\|", lambda m: swaps[m.group()], "swap && and ||")
    yield from replacements(code, r"(?<=\s)[-+](?=\s)", lambda m: "+" if m.group() == "-" else "-",
                            "swap + and -")
    yield from replacements(code, r"(?<=\s)/(?=\s)", lambda m: "*", "divide to multiply")
    # A mistyped leading digit: 0 becomes 1, 1 becomes 2, ..., 9 becomes 1.
    pure_virtual = r"(?<!\)\s=\s)"
    yield from replacements(code, pure_virtual + r"(?<![\w.])\d+(?![\w.'])",
                            lambda m: str(int(m.group()[0]) % 9 + 1) + m.group()[1:],
                            "change integer")
    yield from replacements(code, r"\btrue\b|\bfalse\b",
                            lambda m: "false" if m.group() == "true" else "true", "flip boolean")
    yield from replacements(code, r"!(?!=)", lambda m: "", "drop negation")
    for match in STRING.finditer(code):
        text = match.group()
        if not text.startswith('"') or code[:match.start()].rstrip().endswith("include"):
            continue
        body = text[1:-1]
        changed = '" "' if not body else '"' + re.sub(r"(\\.|.)$", "", body) + '"'
        yield "change string", code[:match.start()] + changed + code[match.end():]
    for match in outside_strings(code, r"\b(if|while) \("):
        close = matching_paren(code, match.end() - 1)
        if close is not None:
            condition = code[match.end():close]
            yield "negate condition", (code[:match.end()] + "!(" + condition + ")" +
                                       code[close:])
    stripped = code.strip()
    returned = re.match(r"return (.+);$", stripped)
    if returned and returned.group(1) not in ("true", "false", "{}"):
        yield "replace return value", code.replace(returned.group(0), "return {};")
    starts_statement = previous_code.rstrip().endswith((";", "{", "}", ":")) or not previous_code
    if (not in_header and stripped.endswith(";") and starts_statement and STATEMENT_START.match(stripped)
            and not NOT_A_CALL.match(stripped) and stripped.count("(") == stripped.count(")")):
        yield "delete statement", code[:len(code) - len(code.lstrip())]
    for match in outside_strings(code, r"\b(\w+::\w+|\w+)(, )(\w+::\w+|\w+)\b(?=,|\s*\}|$)"):
        first, comma, second = match.groups()
        if "::" in first and "::" in second:
            yield "swap elements", (code[:match.start()] + second + comma + first +
                                    code[match.end():])


TABLE_ROW = re.compile(r"^\s*\{.*\},\s*$")


def file_mutants(path, lines):
    mutants = []
    previous = ""
    for number, line in enumerate(lines):
        code = code_part(line.rstrip("\n"))
        if not code.strip() or code.lstrip().startswith("#"):
            continue
        rest = line.rstrip("\n")[len(code):]
        for operator, mutated in line_mutations(code, previous, path.endswith(".h")):
            if mutated != code:
                mutants.append(Mutant(path, number, [line], [mutated + rest + "\n"], operator))
        if number + 1 < len(lines) and TABLE_ROW.match(code) and TABLE_ROW.match(
                code_part(lines[number + 1].rstrip("\n"))):
            mutants.append(Mutant(path, number, lines[number:number + 2],
                                  [lines[number + 1], lines[number]], "swap table rows"))
        previous = code
    return mutants


def run(command, timeout=None, **kwargs):
    kwargs.setdefault("stderr", subprocess.STDOUT)
    return subprocess.run(command, cwd=kwargs.pop("cwd", ROOT), timeout=timeout,
                          stdout=subprocess.PIPE, text=True, **kwargs)


def test_runs(build):
    """The programs to build and how to run the tests, from the build's test list. A test
    program runs once per environment, whole (failing fast) or with its filter when it is run
    just once; a script runs as listed when it is given a program of the build. Tests that take
    only the build directory (the package check) are left out: they test the packaging."""
    listing = json.loads(run(["ctest", "--show-only=json-v1"], cwd=build,
                             stderr=subprocess.DEVNULL).stdout)
    groups, scripts, programs = {}, [], set()
    for test in listing["tests"]:
        command = test.get("command") or []
        built = [c for c in command if c.startswith(str(build) + "/") and not Path(c).is_dir()]
        if not built:
            continue
        programs.add(Path(built[0]).name)
        environment = next((p["value"] for p in test.get("properties", [])
                            if p["name"] == "ENVIRONMENT"), [])
        env = dict(os.environ, **dict(e.split("=", 1) for e in environment))
        if command[0] == built[0]:
            groups.setdefault((command[0], tuple(environment)), (env, []))[1].append(command)
        else:
            scripts.append((command, env))
    runs = []
    for (program, _), (env, commands) in groups.items():
        command = [program] if len(commands) > 1 else commands[0]
        runs.append((command + ["--gtest_fail_fast", "--gtest_brief=1"], env))
    return sorted(programs), runs + scripts


def sources_under_test(work, build, targets):
    """Sources in the mutated folders that the test programs are built from, headers too."""
    inputs = run(["ninja", "-t", "inputs"] + targets, cwd=build).stdout.split()
    objects = {i for i in inputs if i.endswith(".o")}
    files = {Path(i) for i in inputs}
    current = None
    for line in run(["ninja", "-t", "deps"], cwd=build).stdout.splitlines():
        if line and not line[0].isspace():
            current = line.split(":")[0]
        elif current in objects and line.strip():
            files.add(Path(line.strip()))
    sources = set()
    for file in files:
        file = (build / file).resolve() if not file.is_absolute() else file.resolve()
        if file.is_relative_to(work) and file.relative_to(work).parts[0] in MUTATED_DIRS:
            sources.add(file.relative_to(work).as_posix())
    return sorted(sources)


def read_equivalents():
    equivalents = set()
    if EQUIVALENTS.exists():
        for line in EQUIVALENTS.read_text().splitlines():
            if line.strip() and not line.startswith("#"):
                path, old, new, _reason = line.split("\t")
                equivalents.add((path, old, new))
    return equivalents


def copy_tree(work):
    """Brings the copy up to date with the tree, rewriting only files that differ so that
    the copy's build stays incremental."""
    listed = run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"]).stdout
    for name in filter(None, listed.split("\0")):
        source, copy = ROOT / name, work / name
        if source.is_file() and (not copy.exists() or copy.read_bytes() != source.read_bytes()):
            copy.parent.mkdir(parents=True, exist_ok=True)
            copy.write_bytes(source.read_bytes())
        if source.is_file():
            copy.chmod(source.stat().st_mode)  # scripts that the tests run stay executable


class Mutation:
    """Writes one mutant into the copy and takes it out again when the block ends."""

    def __init__(self, work, mutant):
        self.path, self.mutant = work / mutant.path, mutant

    def __enter__(self):
        self.original = self.path.read_text()
        lines = self.original.splitlines(keepends=True)
        span = slice(self.mutant.line, self.mutant.line + len(self.mutant.old))
        assert lines[span] == self.mutant.old
        lines[span] = self.mutant.new
        self.path.write_text("".join(lines))

    def __exit__(self, *exception):
        self.path.write_text(self.original)


def run_tests(runs, limit):
    deadline = time.monotonic() + limit
    for command, env in runs:
        try:
            result = run(command, timeout=max(1, deadline - time.monotonic()), env=env)
        except subprocess.TimeoutExpired:
            return "killed (time)"
        if result.returncode != 0:
            return "killed"
    return "survived"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, default=150, help="number of mutants (default 150)")
    parser.add_argument("--seed", type=int, default=1, help="random seed of the sample")
    parser.add_argument("--time-limit", type=float, default=60,
                        help="seconds the tests of one mutant may take (default 60)")
    parser.add_argument("--work-dir", type=Path, default=ROOT / "build" / "mutants",
                        help="where the copy of the tree and its build go")
    parser.add_argument("--list", action="store_true", help="only list the sampled mutants")
    parser.add_argument("--mutants", type=Path,
                        help="run only the mutants in this file (as the survivors are listed, "
                             "path<TAB>original<TAB>mutated) instead of a sample")
    args = parser.parse_args()
    work, build = args.work_dir.resolve() / "src", args.work_dir.resolve() / "build"
    for stop in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(stop, signal.default_int_handler)
    started = time.monotonic()
    copy_tree(work)

    # Without optimisation and debug information, which builds fastest.
    configure = run(["cmake", "-S", str(work), "-B", str(build), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=", "-DCMAKE_CXX_FLAGS=-O0 -g0",
                     "-DARMOURSMITH_BENCH=OFF"])
    # Everything the tests folder defines; from then on only the test programs are rebuilt.
    if (configure.returncode != 0 or
            run(["cmake", "--build", str(build), "--target", "tests/all"]).returncode != 0):
        sys.exit("mutants: the unchanged sources do not build")
    targets, runs = test_runs(build)
    if run(["cmake", "--build", str(build), "--target"] + targets).returncode != 0:
        sys.exit("mutants: the programs that the tests run do not build")
    if run_tests(runs, 300) != "survived":
        sys.exit("mutants: the tests fail on the unchanged sources")

    candidates = []
    for path in sources_under_test(work, build, targets):
        candidates += file_mutants(path, (work / path).read_text().splitlines(keepends=True))
    if args.mutants:
        wanted = {tuple(line.split("\t")[:3]) for line in args.mutants.read_text().splitlines()}
        sample = [mutant for mutant in candidates if mutant.key() in wanted]
    else:
        sample = random.Random(args.seed).sample(candidates, min(args.sample, len(candidates)))
    sample.sort(key=lambda m: (m.path, m.line))
    print(f"mutants: {len(sample)} of {len(candidates)} in {len(set(m.path for m in candidates))}"
          f" files, {args.mutants or f'seed {args.seed}'}; tests: {', '.join(targets)}")
    if args.list:
        for mutant in sample:
            print(mutant.describe())
        return

    counts = {"killed": 0, "survived": 0, "build failed": 0}
    survivors = []
    try:
        for number, mutant in enumerate(sample, 1):
            with Mutation(work, mutant):
                built = run(["cmake", "--build", str(build), "--target"] + targets,
                            timeout=600).returncode == 0
                outcome = run_tests(runs, args.time_limit) if built else "build failed"
            counts[outcome.split(" (")[0]] += 1
            if outcome == "survived":
                survivors.append(mutant)
            print(f"[{number}/{len(sample)}] {outcome:13} {mutant.describe()}", flush=True)
    except KeyboardInterrupt:
        print("mutants: interrupted")
        sys.exit(130)

    # Read at the end, so that the list can be completed while the mutants run.
    equivalents = read_equivalents()
    counts["equivalent"] = sum(mutant.key() in equivalents for mutant in survivors)
    counts["survived"] -= counts["equivalent"]
    judged = counts["killed"] + counts["survived"]
    print("\nSurvivors not listed as equivalent (list one in tests/equivalent-mutants.txt only "
          "when it cannot change behaviour, as path<TAB>original<TAB>mutated<TAB>reason):")
    for mutant in survivors:
        if mutant.key() not in equivalents:
            print("  " + "\t".join(mutant.key()))
    (args.work_dir / "survivors.txt").write_text(
        "".join("\t".join(mutant.key()) + "\n" for mutant in survivors))
    print(f"\nkilled {counts['killed']}, survived {counts['survived']}, equivalent "
          f"{counts['equivalent']}, build failed {counts['build failed']}")
    print(f"score: {counts['killed']}/{judged} = "
          f"{100 * counts['killed'] / judged if judged else 0:.1f}% of non-equivalent mutants")
    print(f"time: {time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    main()
