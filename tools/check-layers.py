#!/usr/bin/env python3
"""The layers gate on the real dependency graph.

Every object the build compiled is checked against the headers the compiler actually read
(ninja's dependency log), whatever the include's spelling: each header must lie in the
object's own folder or in a folder its target links (the folders exposed to it through
build/include/FOLDER, or a test folder given by -I). The standard-C++ folders and their
tests read no Qt header at all.

Usage: check-layers.py BUILD_DIR
"""
import json
import os
import shlex
import subprocess
import sys

STANDARD_CPP = {"core", "grid", "editor", "texts"}


def main():
    build = os.path.realpath(sys.argv[1] if len(sys.argv) > 1 else "build")
    root = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
    staging = os.path.join(build, "include")

    def folder(path):
        """The layer folder of a file of the tree, or None for system and generated files."""
        path = os.path.normpath(path)
        if path.startswith(staging + os.sep):
            return os.path.relpath(path, staging).split(os.sep)[0]
        if path.startswith(build + os.sep) or not path.startswith(root + os.sep):
            return None
        parts = os.path.relpath(path, root).split(os.sep)
        return "/".join(parts[:2]) if parts[0] == "tests" and len(parts) > 2 else parts[0]

    def object_folder(obj):
        """The folder an object file was built for: its place in the build tree."""
        parts = obj.split("/")
        return "/".join(parts[:2]) if parts[0] == "tests" else parts[0]

    allowed = {}
    with open(os.path.join(build, "compile_commands.json")) as commands:
        for entry in json.load(commands):
            words = shlex.split(entry["command"])
            obj = words[words.index("-o") + 1]
            dirs = [w[2:] for w in words if w.startswith("-I")]
            dirs += [words[i + 1] for i, w in enumerate(words[:-1]) if w in ("-I", "-isystem")]
            reach = {folder(os.path.join(d, "x")) for d in dirs} - {None}
            # A folder exposed through build/include reaches its own headers below it.
            allowed[obj] = reach | {object_folder(obj)}

    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True,
                          check=True).stdout
    failures = []
    obj, source = None, None
    for line in deps.splitlines():
        if line and not line.startswith(" "):
            obj, source = line.split(":")[0], None
            continue
        header = line.strip()
        if source is None:  # the first is the source file itself
            source = header
            continue
        if not header or obj not in allowed:
            continue
        home = object_folder(obj)
        if home.split("/")[-1] in STANDARD_CPP and "/qt6/" in header:
            failures.append(f"{obj}: {home} is standard C++ but reads the Qt header {header}")
            continue
        reached = folder(header)
        if reached and reached not in allowed[obj]:
            links = ", ".join(sorted(allowed[obj]))
            failures.append(f"{obj}: reads {os.path.relpath(os.path.normpath(header), root)}, "
                            f"but {home} reaches only {links}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
