#!/usr/bin/env python3
"""Reports how big the code is: lines per layer folder, the largest files and
the largest functions.

    tools/codesize.py                 the working tree (files git tracks)
    tools/codesize.py --rev 07bf562   a commit, read from git without a checkout
    tools/codesize.py --top 10        more entries in the largest-of lists

Counted are C++ (.cpp .h .h.in), Python, shell scripts (.sh or a shell
shebang) and CMake (CMakeLists.txt, .cmake). "Code lines" are lines that
are neither blank nor only a comment; "lines" are all lines. Function sizes
come from a brace-matching scan of C++ (comments and literals stripped) and
from Python's own parser; a function's size is its lines from the signature's
first line to the closing brace (or last statement).
"""

import argparse
import ast
import os
import re
import subprocess
import sys

FOLDERS = ["store", "navigation", "reminders", "app", "controls", "platform",
           "resources", "tests", "bench", "tools"]
CPP_EXT = (".cpp", ".h", ".h.in")


def kind_of(path, text):
    name = os.path.basename(path)
    if path.endswith(CPP_EXT):
        return "cpp"
    if name.endswith(".py"):
        return "py"
    if name == "CMakeLists.txt" or name.endswith(".cmake"):
        return "cmake"
    if name.endswith(".sh"):
        return "sh"
    if "." not in name and re.match(r"#!.*\b(ba|da)?sh\b", text):
        return "sh"
    return None


# ---- reading the tree ------------------------------------------------------

def git(args, cwd):
    return subprocess.run(["git"] + args, cwd=cwd, check=True,
                          capture_output=True).stdout


def tracked_files(root, rev):
    """(path, text) of every file git tracks at rev, or in the worktree."""
    if rev:
        names = git(["ls-tree", "-r", "-z", "--name-only", rev], root)
    else:
        names = git(["ls-files", "-z"], root)
    for path in names.decode().split("\0"):
        if not path:
            continue
        if rev:
            data = git(["show", f"{rev}:{path}"], root)
        else:
            full = os.path.join(root, path)
            if not os.path.isfile(full):
                continue  # deleted in the worktree but still in the index
            with open(full, "rb") as f:
                data = f.read()
        if b"\0" in data[:8000]:
            continue  # binary
        yield path, data.decode("utf-8", errors="replace")


# ---- line counting ---------------------------------------------------------

def code_lines(kind, text):
    """Lines that hold something besides whitespace and comments."""
    if kind == "cpp":
        stripped = strip_cpp(text)
        return sum(1 for line in stripped.split("\n") if line.strip())
    count = 0
    for line in text.split("\n"):
        s = line.strip()
        if s and not s.startswith("#"):
            count += 1
    return count


def strip_cpp(text):
    """The text with comments, string and character literals blanked out
    (newlines kept, so line numbers stay right)."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^()\\ ]{0,16})\(', text[i:])
            if not m:
                out.append(c)
                i += 1
                continue
            end = text.find(")" + m.group(1) + '"', i + m.end())
            end = n if end < 0 else end + len(m.group(1)) + 2
            out.append('""' + "\n" * text[i:end].count("\n"))
            i = end
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            # A quote right after a digit is a digit separator (1'000).
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


# ---- C++ functions ---------------------------------------------------------

CONTROL = re.compile(r"^\s*(if|for|while|switch|catch|do|else|return|try)\b")
SCOPES = re.compile(r"\b(namespace|class|struct|union|enum)\b[^(]*$")
NAME = re.compile(r"([A-Za-z_~][\w:~<>, ]*(?:operator\s*[^\s(]+)?)\s*\($")


def cpp_functions(text):
    """(name, first line, line count) of each function body that is not
    nested in another function."""
    s = strip_cpp(text)
    # Preprocessor lines (with their continuations) are no part of any head.
    s = re.sub(r"(?m)^[ \t]*#(?:[^\n]*\\\n)*[^\n]*", lambda m: re.sub(r"[^\n]", " ", m.group(0)), s)
    found = []
    head_start = 0
    depth_scopes = 0  # namespaces/classes we are inside of
    i, n = 0, len(s)
    while i < n:
        c = s[i]
        if c in ";}":
            if c == "}" and depth_scopes > 0:
                depth_scopes -= 1
            head_start = i + 1
        elif c == "{":
            head = s[head_start:i]
            flat = " ".join(head.split())
            if SCOPES.search(flat) or re.search(r'extern\s*""\s*$', flat) or not flat:
                depth_scopes += 1
                head_start = i + 1
            elif is_function_head(flat):
                if in_initializer_list(flat) and re.search(r"[\w>]\s*$", head):
                    # A member's brace initialiser in a constructor's
                    # initialiser list: not yet the body.
                    i = match_brace(s, i) + 1
                    continue
                end = match_brace(s, i)
                first = s.count("\n", 0, head_start + signature_offset(head))
                last = s.count("\n", 0, end)
                found.append((function_name(flat), first + 1, last - first + 1))
                i = end + 1
                head_start = i
                continue
            else:
                # An initialiser ({...} after =) or anything else: skip it.
                i = match_brace(s, i) + 1
                continue
        i += 1
    return found


LABEL = re.compile(r"^\s*(?:(?:public|protected|private)(?:\s+(?:slots|Q_SLOTS))?|signals|Q_SIGNALS)\s*:\s*$|^\s*[A-Z][A-Z0-9_]*\s*$|^\s*$")


def signature_offset(head):
    """Where the signature starts in a head: past blank lines, access
    labels and lone macros such as Q_OBJECT that precede it."""
    offset = 0
    for line in head.split("\n")[:-1]:
        if not LABEL.match(line):
            break
        offset += len(line) + 1
    return offset + len(head[offset:]) - len(head[offset:].lstrip())


def is_function_head(flat):
    if CONTROL.match(flat) or "(" not in flat:
        return False
    before_paren = flat.split("(", 1)[0]
    if "=" in before_paren and "operator" not in before_paren:
        return False  # int x = f(...) {...}? not a function definition
    return True


def in_initializer_list(flat):
    depth = 0
    for k, ch in enumerate(flat):
        if ch == "(":
            depth += 1
        elif ch == ")":
            depth -= 1
        elif ch == ":" and depth == 0 and k > 0 and flat[k - 1] != ":" and (k + 1 >= len(flat) or flat[k + 1] != ":"):
            return ")" in flat[:k]
    return False


def match_brace(s, i):
    depth = 0
    for j in range(i, len(s)):
        if s[j] == "{":
            depth += 1
        elif s[j] == "}":
            depth -= 1
            if depth == 0:
                return j
    return len(s) - 1


def function_name(flat):
    depth = 0
    # The name is what stands before the parameter list's opening paren:
    # the first "(" at depth zero that follows an identifier.
    for k, ch in enumerate(flat):
        if ch == "(" and depth == 0:
            m = re.search(r"((?:[\w~]+::)*(?:operator\s*\S+?|[\w~]+))\s*$", flat[:k])
            if m:
                return m.group(1)
        if ch == "<":
            depth += 1
        elif ch == ">" and depth > 0:
            depth -= 1
    return flat[:60]


def py_functions(text):
    try:
        tree = ast.parse(text)
    except SyntaxError:
        return []
    found = []
    for node in ast.walk(tree):
        if isinstance(node, (ast.FunctionDef, ast.AsyncFunctionDef)):
            first = min([node.lineno] + [d.lineno for d in node.decorator_list])
            found.append((node.name, first, node.end_lineno - first + 1))
    return found


# ---- report ---------------------------------------------------------------

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--rev", help="a commit to measure instead of the worktree")
    ap.add_argument("--top", type=int, default=5, help="entries in the largest-of lists")
    ap.add_argument("root", nargs="?", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    args = ap.parse_args()
    root = os.path.abspath(args.root)

    rows = {f: [0, 0, 0] for f in FOLDERS + ["(other)"]}
    files, functions = [], []
    for path, text in tracked_files(root, args.rev):
        kind = kind_of(path, text)
        if not kind:
            continue
        folder = path.split("/", 1)[0]
        if folder not in rows or "/" not in path:
            folder = "(other)"
        lines = text.count("\n") + (0 if text.endswith("\n") or not text else 1)
        code = code_lines(kind, text)
        rows[folder][0] += 1
        rows[folder][1] += lines
        rows[folder][2] += code
        files.append((lines, code, path))
        if kind == "cpp" and path.endswith((".cpp", ".h")):
            functions += [(size, name, f"{path}:{line}", "C++") for name, line, size in cpp_functions(text)]
        elif kind == "py":
            functions += [(size, name, f"{path}:{line}", "Python") for name, line, size in py_functions(text)]

    what = args.rev or "worktree"
    print(f"Code size of {what} (C++, Python, shell, CMake)")
    print(f"{'folder':<12} {'files':>6} {'lines':>8} {'code':>8}")
    total = [0, 0, 0]
    for folder, (nf, nl, nc) in rows.items():
        print(f"{folder:<12} {nf:>6} {nl:>8} {nc:>8}")
        total = [total[0] + nf, total[1] + nl, total[2] + nc]
    print(f"{'total':<12} {total[0]:>6} {total[1]:>8} {total[2]:>8}")

    print(f"\nLargest files (lines, code lines):")
    for lines, code, path in sorted(files, reverse=True)[:args.top]:
        print(f"  {lines:>5} {code:>5}  {path}")

    for lang in ("C++", "Python"):
        mine = sorted((f for f in functions if f[3] == lang), key=lambda f: (-f[0], f[2]))
        print(f"\nLargest {lang} functions (lines):")
        for size, name, where, _ in mine[:args.top]:
            print(f"  {size:>5}  {name}  ({where})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
