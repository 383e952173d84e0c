#!/usr/bin/env python3
"""Runs one end-to-end case of tabelsmid: a folder of data, no code.

A case folder holds:
  before/        the working directory's files before the run (the header,
                 perhaps an existing conv.c); copied byte for byte
  args           the arguments, one per line (default: kruisdef.h, CONV.C);
                 an empty file means no arguments
  stdin          bytes piped into standard input (default: none, stdin closed)
  setup          conditions that data cannot hold, one per line:
                   posix-only / linux-only   skip the case elsewhere (exit 77)
                   symlink NAME TARGET       NAME is a symbolic link to TARGET
                   directory NAME            NAME is a directory
                   mode OCTAL NAME           chmod; "." is the working directory
                   unprivileged              run the tool as nobody when the
                                             tests run as root, so that modes hold
                   long-line BYTES           put a comment line of BYTES bytes
                                             in front of kruisdef.h
  stdout         the expected standard output, with LF line ends (default: empty)
  stderr         the expected standard error of the POSIX build (default: not compared)
  status         the expected exit status (default: 0)
  status-windows the expected status of the Windows build, where it differs
  conv.c         the expected conv.c afterwards; without it conv.c must not exist

Every file of the working directory but conv.c must be unchanged by the run. The Windows
build's standard output is in text mode, so there each LF is expected as
CR LF; conv.c is the same on both.

  run_case.py --tool BUILD/tabelsmid CASE_FOLDER [--emulator CMD] [--windows]
              [--max-rss-kib N] [--update]
"""

import argparse
import hashlib
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

try:
    import resource  # POSIX only: peak memory of the tool
except ImportError:
    resource = None

# Peak memory allowed for any case by default: the tool keeps one bounded line
# buffer per pass, so even a header with a line of 100 MB stays far below this.
# (The figure includes what the runner's own process held when it started the
# tool, some 10 MiB, so the runner never holds a large file in memory.)
MAX_RSS_KIB = 32 * 1024


def read_bytes(path, default=None):
    return path.read_bytes() if path.exists() else default


def drop_to_nobody():
    """Makes the child an unprivileged user, so that file permissions hold
    for it even when the tests run as root."""
    os.setgid(65534)
    os.setuid(65534)


def long_line_header(workdir, size):
    """Puts a line of size bytes in front of the defines of kruisdef.h."""
    header = workdir / "kruisdef.h"
    rest = header.read_bytes()  # the small rest of the header, after the long line
    with open(header, "wb") as out:
        out.write(b"/*")
        chunk = b"x" * (1 << 20)
        left = size - 4
        while left > 0:
            out.write(chunk[: min(left, len(chunk))])
            left -= len(chunk)
        out.write(b"*/\n")
        out.write(rest)


def apply_setup(line, workdir, launch):
    """Applies one setup line; returns a reason to skip the case, or None."""
    words = line.split()
    if words[0] == "posix-only":
        return "the condition exists only on POSIX" if launch["windows"] else None
    if words[0] == "linux-only":
        linux = sys.platform.startswith("linux") and not launch["windows"]
        return None if linux else "the condition exists only on Linux"
    if words[0] == "symlink":  # symlink NAME TARGET
        (workdir / words[1]).symlink_to(words[2])
    elif words[0] == "directory":  # directory NAME
        (workdir / words[1]).mkdir()
    elif words[0] == "mode":  # mode OCTAL NAME ("." is the working directory)
        os.chmod(workdir / words[2], int(words[1], 8))
    elif words[0] == "unprivileged":
        if os.geteuid() == 0:
            os.chmod(workdir, os.stat(workdir).st_mode | 0o005)
            launch["preexec"] = drop_to_nobody
    elif words[0] == "long-line":  # long-line BYTES
        long_line_header(workdir, int(words[1]))
    else:
        sys.exit(f"unknown setup line: {line}")
    return None


def fingerprints(workdir):
    """The digest of every regular file in workdir but conv.c."""
    digests = {}
    for path in sorted(workdir.rglob("*")):
        if path.is_file() and not path.is_symlink() and path.name != "conv.c":
            digest = hashlib.sha256()
            with open(path, "rb") as file:
                for block in iter(lambda: file.read(1 << 20), b""):
                    digest.update(block)
            digests[str(path.relative_to(workdir))] = digest.hexdigest()
    return digests


def take_reported_status(result):
    """Replaces the exit status by the one that report_exit_code.exe wrote as
    the last line of standard error, when it did."""
    match = re.search(rb"tabelsmid-exit-status: (\d+)\r?\n\Z", result.stderr)
    if match:
        result.returncode = int(match.group(1))
        result.stderr = result.stderr[: match.start()]


def compare(label, expected, actual, failures):
    if expected != actual:
        failures.append(f"{label} differs\n  expected: {expected!r:.2000}\n  actual:   {actual!r:.2000}")


def run_case(args):
    case = pathlib.Path(args.case)
    launch = {"windows": args.windows, "preexec": None}
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="tabelsmid-case-"))
    os.chmod(scratch, 0o755)
    workdir = scratch / "work"
    try:
        if (case / "before").is_dir():
            shutil.copytree(case / "before", workdir)
        else:
            workdir.mkdir()
        for line in read_bytes(case / "setup", b"").decode().splitlines():
            if line.strip():
                reason = apply_setup(line, workdir, launch)
                if reason:
                    print(f"SKIPPED: {reason}")
                    return 77
        untouched = fingerprints(workdir)
        arguments = (read_bytes(case / "args", b"kruisdef.h\nCONV.C\n").decode("utf-8")
                     .splitlines())
        command = shlex.split(args.emulator or "") + [os.path.abspath(args.tool)] + arguments
        if args.windows and not arguments:
            print("The Windows build shows a message box here; without a display Wine takes"
                  " some 10 seconds to give up on it.")
        stdin_bytes = read_bytes(case / "stdin")
        result = subprocess.run(command, cwd=workdir, input=stdin_bytes,
                                stdin=None if stdin_bytes is not None else subprocess.DEVNULL,
                                capture_output=True, preexec_fn=launch["preexec"], timeout=600)
        os.chmod(workdir, 0o755)
        return check_result(args, case, workdir, result, untouched)
    finally:
        os.chmod(scratch, 0o755)
        if workdir.exists():
            os.chmod(workdir, 0o755)
        shutil.rmtree(scratch, ignore_errors=True)


def check_result(args, case, workdir, result, untouched):
    stdout = result.stdout
    if args.windows:
        take_reported_status(result)
    conv = workdir / "conv.c"
    actual_conv = conv.read_bytes() if conv.is_file() and not conv.is_symlink() else None
    if args.update:
        return update_case(case, result, actual_conv)

    failures = []
    status_file = case / ("status-windows" if args.windows and (case / "status-windows").exists()
                          else "status")
    compare("exit status", int(read_bytes(status_file, b"0")), result.returncode, failures)
    expected_stdout = read_bytes(case / "stdout", b"")
    if args.windows:
        expected_stdout = expected_stdout.replace(b"\n", b"\r\n")
    compare("stdout", expected_stdout, stdout, failures)
    if (case / "stderr").exists() and not args.windows:
        compare("stderr", read_bytes(case / "stderr"), result.stderr, failures)
    if not conv.is_symlink():
        compare("conv.c", read_bytes(case / "conv.c"), actual_conv, failures)
    compare("the files besides conv.c", untouched, fingerprints(workdir), failures)
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss if resource else 0
    if args.max_rss_kib and peak > args.max_rss_kib:
        failures.append(f"peak memory {peak} KiB is above {args.max_rss_kib} KiB")
    print(f"peak memory: {peak} KiB")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


def update_case(case, result, actual_conv):
    """Writes what the run did as the case's new expectations."""
    if result.stdout:
        (case / "stdout").write_bytes(result.stdout)
    elif (case / "stdout").exists():
        (case / "stdout").unlink()
    if result.returncode:
        (case / "status").write_text(f"{result.returncode}\n")
    elif (case / "status").exists():
        (case / "status").unlink()
    if actual_conv is not None:
        (case / "conv.c").write_bytes(actual_conv)
    elif (case / "conv.c").exists():
        (case / "conv.c").unlink()
    print(f"updated {case}")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True, help="the tabelsmid executable")
    parser.add_argument("--emulator", help="command that runs the tool, such as wine")
    parser.add_argument("--windows", action="store_true", help="the tool is the Windows build")
    parser.add_argument("--max-rss-kib", type=int, default=MAX_RSS_KIB,
                        help="peak memory allowed for the tool; 0: not checked")
    parser.add_argument("--update", action="store_true", help="rewrite the expected files")
    parser.add_argument("case", help="the case folder")
    sys.exit(run_case(parser.parse_args()))


if __name__ == "__main__":
    main()
