#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

"""reuse_lint.py SOURCE: runs `reuse lint` over the source tree.

reuse 4 and later read REUSE.toml themselves. Older ones (Debian 12 has
1.1.2) know only .reuse/dep5, so for them the files git would commit are
copied to a scratch folder, where REUSE.toml is turned into the equivalent
.reuse/dep5, and linted there.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import tomllib
from pathlib import Path


def reuse_major():
    out = subprocess.run(["reuse", "--version"], capture_output=True, text=True, check=True)
    match = re.search(r"(\d+)\.\d+", out.stdout)
    return int(match.group(1)) if match else 0


def tracked_files(source):
    out = subprocess.run(
        ["git", "-C", str(source), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        capture_output=True, check=True)
    return [name for name in out.stdout.decode().split("\0")
            if name and (source / name).is_file()]


def dep5(toml):
    lines = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/",
             "Upstream-Name: " + toml.get("SPDX-PackageName", ""), ""]
    for annotation in toml.get("annotations", []):
        paths = annotation["path"]
        paths = [paths] if isinstance(paths, str) else paths
        # In dep5, "*" matches across folders as "**" does in REUSE.toml.
        globs = [p.replace("**/", "").replace("**", "*") for p in paths]
        copyright_lines = annotation["SPDX-FileCopyrightText"]
        if isinstance(copyright_lines, str):
            copyright_lines = [copyright_lines]
        lines += ["Files: " + " ".join(globs),
                  "Copyright: " + "\n ".join(copyright_lines),
                  "License: " + annotation["SPDX-License-Identifier"], ""]
    return "\n".join(lines)


def main():
    source = Path(sys.argv[1]).resolve()
    if reuse_major() >= 4:
        return subprocess.run(["reuse", "--root", str(source), "lint"]).returncode
    with tempfile.TemporaryDirectory() as scratch:
        root = Path(scratch)
        for name in tracked_files(source):
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source / name, root / name)
        toml_file = root / "REUSE.toml"
        if toml_file.exists():
            (root / ".reuse").mkdir()
            (root / ".reuse" / "dep5").write_text(dep5(tomllib.loads(toml_file.read_text())))
            toml_file.unlink()
        return subprocess.run(["reuse", "--root", str(root), "lint"]).returncode


if __name__ == "__main__":
    sys.exit(main())
