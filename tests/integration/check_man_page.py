#!/usr/bin/env python3
"""Formats a manual page with groff and fails on any warning.

  check_man_page.py doc/tabelsmid.1      (exit 77, skipped, without groff)
"""

import shutil
import subprocess
import sys

if shutil.which("groff") is None:
    print("SKIPPED: no groff on this machine")
    sys.exit(77)
result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z", sys.argv[1]],
                        capture_output=True, text=True)
if result.returncode != 0 or result.stderr:
    print(f"groff reports on {sys.argv[1]}:\n{result.stderr}")
    sys.exit(1)
print(f"{sys.argv[1]} formats without warnings")
