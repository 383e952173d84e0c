#!/usr/bin/env python3
"""Builds the example controller of examples/controller against the tool and
checks that the conversion tables it prints are what kruisdef.h defines.

  controller_test.py cmake --package-dir DIR --compiler gcc
        find_package(tabelsmid) from DIR (a build tree or an install's
        lib/cmake/tabelsmid); also checks that a second build gives the same
        conv.c and that a bad header fails the build with the tool's message
  controller_test.py cmake --install-from BUILD_DIR --compiler gcc
        the same after `cmake --install BUILD_DIR` into a scratch prefix, whose
        files are checked too
  controller_test.py make --tool PATH --compiler gcc
        the Makefile rule of the example, the same checks

Exit 77 (skipped) when the compiler is not installed.
"""

import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = ROOT / "examples" / "controller"
HEADER = ROOT / "examples" / "kruisdef.h"
BAD_HEADER = b"/* kruisdef.h */\n#define SG01 1\n#define SG01_1 2\n#define SG02 1000\n"
DEFINE = re.compile(r"^\s*#define\s*SG(\d{2,3})(?:_(\d{1,2}))?\s+(\d+)\s*(?:/\*.*)?$")


def expected_tables(header):
    """The non-zero table entries that header defines, worked out here from
    its defines alone, in the order the example program prints them."""
    tables = {"convSGItoSGN": {}, "convDTItoSGN": {}, "convDTItoDTN": {}}
    for line in header.read_text().splitlines():
        match = DEFINE.match(line)
        if not match:
            continue
        group, detector, index = match.group(1), match.group(2), int(match.group(3))
        if detector is None:
            tables["convSGItoSGN"][index] = int(group)
        else:
            tables["convDTItoSGN"][index] = int(group)
            tables["convDTItoDTN"][index] = int(detector)
    return "".join(f"{name}[{index}] = {value}\n"
                   for name, table in tables.items()
                   for index, value in sorted(table.items()) if value != 0)


def run(command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    return result.returncode, result.stdout + result.stderr


def require(condition, message, output=""):
    if not condition:
        print(f"FAILED: {message}\n{output}")
        sys.exit(1)


def check_program(program, header):
    status, output = run([str(program)])
    require(status == 0, "the controller program failed", output)
    expected = expected_tables(header)
    require(expected.count("\n") > 40, "the example header defines too little to prove much")
    require(output == expected, "the printed tables differ from the header's defines",
            f"expected:\n{expected}\nprinted:\n{output}")


INSTALLED_FILES = ["bin/tabelsmid", "share/man/man1/tabelsmid.1", "share/doc/tabelsmid/README.md",
                   "share/doc/tabelsmid/LICENSE"]


def install(scratch, build_dir):
    """Installs build_dir into a scratch prefix: returns its package directory."""
    prefix = scratch / "prefix"
    status, output = run(["cmake", "--install", build_dir, "--prefix", str(prefix)])
    require(status == 0, "cmake --install failed", output)
    for name in INSTALLED_FILES:
        require((prefix / name).is_file(), f"the install lacks {name}")
    status, output = run([str(prefix / "bin" / "tabelsmid")])
    require(status == 0 and "gebruik   : TABELSMID <invoer> <uitvoer>" in output,
            "the installed tool does not answer with its usage text", output)
    configs = list(prefix.glob("lib*/**/cmake/tabelsmid/tabelsmidConfig.cmake"))
    require(len(configs) == 1, "the install lacks tabelsmidConfig.cmake")
    return configs[0].parent


def cmake_build(scratch, args):
    if args.install_from:
        args.package_dir = install(scratch, args.install_from)
    build = scratch / "build"
    configure = ["cmake", "-S", str(EXAMPLE), "-B", str(build), f"-DCMAKE_C_COMPILER={args.compiler}",
                 f"-Dtabelsmid_DIR={args.package_dir}"]
    status, output = run(configure)
    require(status == 0, "configuring the controller failed", output)

    def build_once():
        status, output = run(["cmake", "--build", str(build)])
        return status, output

    status, output = build_once()
    require(status == 0, "building the controller failed", output)
    require("warning" not in output.lower(), "compiling the generated conv.c warned", output)
    check_program(build / "controller", HEADER)

    first = (build / "conv.c").read_bytes()
    os.utime(HEADER)  # the header changed: conv.c is made again, not appended to
    status, output = build_once()
    require(status == 0 and "Generating" in output, "the rebuild did not regenerate conv.c", output)
    require((build / "conv.c").read_bytes() == first, "a second build gave another conv.c")

    bad = scratch / "bad-kruisdef.h"
    bad.write_bytes(BAD_HEADER)
    status, output = run(configure + [f"-DKRUISDEF={bad}"])
    require(status == 0, "reconfiguring with another header failed", output)
    status, output = build_once()
    require(status != 0, "a header with a malformed define did not fail the build", output)
    require(f"{bad} (4) : signaal index is maximaal 999" in output,
            "the failed build does not show the tool's message", output)
    require(not (build / "conv.c").exists(), "a failed conversion left conv.c behind")


def make_build(scratch, args):
    work = scratch / "controller"
    shutil.copytree(EXAMPLE, work)
    variables = [f"CC={args.compiler}", f"TABELSMID={args.tool}", f"KRUISDEF={HEADER}"]
    status, output = run(["make", "-C", str(work)] + variables)
    require(status == 0, "make failed", output)
    check_program(work / "controller", HEADER)

    first = (work / "conv.c").read_bytes()
    os.utime(HEADER)
    status, output = run(["make", "-C", str(work)] + variables)
    require(status == 0 and (work / "conv.c").read_bytes() == first,
            "a second make gave another conv.c", output)

    bad = scratch / "bad-kruisdef.h"
    bad.write_bytes(BAD_HEADER)
    status, output = run(["make", "-C", str(work), f"KRUISDEF={bad}"] + variables[:2])
    require(status != 0, "a header with a malformed define did not fail make", output)
    require(f"{bad} (4) : signaal index is maximaal 999" in output,
            "the failed make does not show the tool's message", output)
    require(not (work / "conv.c").exists(), "a failed conversion left conv.c behind")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("mode", choices=["cmake", "make"])
    parser.add_argument("--compiler", default="cc")
    parser.add_argument("--package-dir", help="for cmake: the directory of tabelsmidConfig.cmake")
    parser.add_argument("--install-from", help="for cmake: the tabelsmid build to install first")
    parser.add_argument("--tool", help="for make: the tabelsmid executable")
    args = parser.parse_args()
    if shutil.which(args.compiler) is None:
        print(f"SKIPPED: no {args.compiler} on this machine")
        sys.exit(77)
    with tempfile.TemporaryDirectory(prefix="tabelsmid-controller-") as scratch:
        (cmake_build if args.mode == "cmake" else make_build)(pathlib.Path(scratch), args)
    print("the controller's tables are those of the header")


if __name__ == "__main__":
    main()
