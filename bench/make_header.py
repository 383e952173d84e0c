#!/usr/bin/env python3
"""Writes a reproducible synthetic kruisdef.h of about the given size.

  make_header.py OUTPUT MEBIBYTES [--crlf] [--seed N]

The same seed and size give the same bytes. About 30% of the lines are
signal-group defines, 50% detector defines and 20% comments and other
defines; every define is well formed.
"""

import argparse
import random


def header_lines(rng):
    """An endless run of header lines in the mix described above."""
    yield "/* kruisdef.h: synthetische kruising voor metingen */"
    while True:
        roll = rng.random()
        group = rng.randrange(1000)
        name = f"SG{group:02d}" if group < 100 and rng.random() < 0.8 else f"SG{group:03d}"
        spacing = " " * rng.randrange(1, 6)
        if roll < 0.3:
            yield f"#define {name}{spacing}{rng.randrange(1000)}"
        elif roll < 0.8:
            yield f"#define {name}_{rng.randrange(1, 100)}{spacing}{rng.randrange(257)}"
        elif roll < 0.9:
            yield f"/* detectoren van richting {rng.randrange(100)} */"
        else:
            yield f"#define TMAX_{rng.randrange(1000)}  {rng.randrange(10000)}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("mebibytes", type=float)
    parser.add_argument("--crlf", action="store_true", help="CR LF line ends (default LF)")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    end = "\r\n" if args.crlf else "\n"
    target = int(args.mebibytes * (1 << 20))
    written = 0
    chunk = []
    with open(args.output, "w", encoding="ascii", newline="") as out:
        for line in header_lines(random.Random(args.seed)):
            text = line + end
            chunk.append(text)
            written += len(text)
            if len(chunk) >= 4096 or written >= target:
                out.write("".join(chunk))
                chunk.clear()
            if written >= target:
                break


if __name__ == "__main__":
    main()
