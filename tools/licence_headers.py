#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every source file of the repository names its licence on its first line (after a "#!" line
or an XML declaration): "SPDX-License-Identifier: GPL-3.0-or-later" in the file's comment form.

    tools/licence_headers.py          lists the files without it; exit status 1 when there are any
    tools/licence_headers.py --fix    adds it where it is missing
"""
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
IDENTIFIER = "SPDX-License-Identifier: GPL-3.0-or-later"

# The comment form of each kind of source file, by suffix or whole name.
COMMENTS = {
    ".cpp": "// {}",
    ".h": "// {}",
    ".js": "// {}",
    ".py": "# {}",
    ".sh": "# {}",
    ".cmake": "# {}",
    "CMakeLists.txt": "# {}",
    ".ui": "<!-- {} -->",
}


def comment_form(path):
    return COMMENTS.get(path.name) or COMMENTS.get(path.suffix)


def source_files():
    listed = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True,
                            capture_output=True).stdout.decode().split("\0")
    return [ROOT / name for name in listed if name and comment_form(Path(name))]


def header_line(lines):
    """The index the identifier line belongs at: after a "#!" line or an XML declaration."""
    if lines and (lines[0].startswith("#!") or lines[0].startswith("<?xml")):
        return 1
    return 0


def has_identifier(text):
    return IDENTIFIER in "\n".join(text.splitlines()[:3])


def main():
    fix = "--fix" in sys.argv[1:]
    missing = []
    for path in source_files():
        if not path.exists():
            continue
        text = path.read_text(encoding="utf-8")
        if has_identifier(text):
            continue
        missing.append(path.relative_to(ROOT))
        if fix:
            lines = text.splitlines(keepends=True)
            at = header_line(lines)
            lines.insert(at, comment_form(path).format(IDENTIFIER) + "\n")
            path.write_text("".join(lines), encoding="utf-8")
    if missing and not fix:
        print("Without the licence line (tools/licence_headers.py --fix adds it):")
        for name in missing:
            print("  " + str(name))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
