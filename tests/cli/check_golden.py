#!/usr/bin/env python3
"""Runs the fixed list of drel-cli requests and compares them with the kept outputs.

Search outputs must be identical byte for byte; a rating may add lines, but every
kept line must still come, in order. With --write the outputs are kept anew.
Usage: check_golden.py CLI PROGRAM_DIR [--write]
"""
import json
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
GOLDEN = HERE / "golden"


def run(cli, program_dir, args):
    result = subprocess.run([cli, *args, "--dir", program_dir], capture_output=True)
    # The provenance names the build and its date, which differ with every build of
    # the tables; its own test checks it.
    kept = b"".join(line for line in result.stdout.splitlines(keepends=True)
                    if not line.startswith(b"source "))
    return f"exit {result.returncode}\n".encode() + kept


def kept_lines_in_order(kept, now):
    lines = iter(now.splitlines())
    return all(any(line == candidate for candidate in lines) for line in kept.splitlines())


def main(argv):
    cli, program_dir = argv[1], argv[2]
    write = "--write" in argv[3:]
    failures = 0
    requests = json.loads((HERE / "requests.json").read_text(encoding="utf-8"))
    for name, *args in requests:
        output = run(cli, program_dir, args)
        path = GOLDEN / f"{name}.out"
        if write:
            path.write_bytes(output)
            continue
        kept = path.read_bytes()
        same = output == kept if args[0] == "search" else kept_lines_in_order(kept, output)
        if not same:
            failures += 1
            print(f"--- {name}: drel-cli {' '.join(args)}\n--- kept:\n{kept.decode()}"
                  f"--- now:\n{output.decode()}")
    print(f"{len(requests) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
