#!/usr/bin/env python3
"""Check the host's English and Japanese string tables.

Verifies that strings_en.rc and strings_ja.rc parse as the STRINGTABLE text the
host reads (one `id, "text"` entry per line, escapes \\" \\\\ \\n \\t only, `//`
comment lines), that identifiers ascend without repeats, that both files hold
the same identifiers, that every entry has the same printf conversions and the
same keyboard mnemonic letter in both languages, that every text fits the
host's 260-character load buffer and the default profile's name (1940) fits a
31-byte profile name, that the Japanese file survives a round trip through code
page 932, and, with --ids FILE, that every identifier listed in FILE (one
decimal number per line) is present.

Usage: check_strings.py [--ids FILE] [ENGLISH_RC JAPANESE_RC]
Exits with 0 when everything holds, 1 with one message per fault otherwise.
"""

import argparse
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ENTRY = re.compile(r'^\s*(\d+),\s*"((?:[^"\\]|\\.)*)"\s*$')
ESCAPES = {'"': '"', "\\": "\\", "n": "\n", "t": "\t"}
LOAD_BUFFER_CHARS = 260  # LoadResString buffer, terminating zero included
PROFILE_NAME_ID = 1940  # becomes strProfileName of the built-in default profile
PROFILE_NAME_BYTES = 31  # 32-byte field, terminating zero included
# printf conversion: flags, width, precision, length modifier, type.
CONVERSION = re.compile(
    r"%(?:%|[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*)?)?(?:hh|h|ll|l|L|I64|I32|I|z|j|t)?"
    r"([diouxXeEfgGaAcspnS]))"
)


class TableError(Exception):
    """A fault in one line of a string table."""


def unescape(body, where):
    text, i = [], 0
    while i < len(body):
        ch = body[i]
        if ch == "\\":
            nxt = body[i + 1] if i + 1 < len(body) else ""
            if nxt not in ESCAPES:
                raise TableError(f"{where}: unsupported escape \\{nxt}")
            text.append(ESCAPES[nxt])
            i += 2
        else:
            text.append(ch)
            i += 1
    return "".join(text)


def parse_table(path):
    """Returns the entries of one .rc file as a list of (id, text) in file order."""
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or not lines[0].startswith("//"):
        raise TableError(f"{path}:1: the file must start with a // comment line")
    if lines[1:3] != ["STRINGTABLE", "BEGIN"]:
        raise TableError(f"{path}:2: expected STRINGTABLE and BEGIN lines")
    if lines[-1] != "END":
        raise TableError(f"{path}:{len(lines)}: the file must end with an END line")
    entries = []
    for number, line in enumerate(lines[3:-1], start=4):
        where = f"{path}:{number}"
        if line.strip().startswith("//"):
            continue
        match = ENTRY.match(line)
        if not match:
            raise TableError(f"{where}: not an entry: {line!r}")
        entries.append((int(match.group(1)), unescape(match.group(2), where)))
    return entries


def conversions(text):
    """The printf conversions of a text in order, without the literal %%."""
    found, pos = [], 0
    while (pos := text.find("%", pos)) != -1:
        match = CONVERSION.match(text, pos)
        if not match:
            raise TableError(f"stray % in {text!r}")
        if match.group(0) != "%%":
            found.append(match.group(0))
        pos = match.end()
    return found


def mnemonic(text):
    """The letter after the first single & (&& is a literal ampersand), upper-cased."""
    match = re.search(r"(?<!&)&([^&])", text.replace("&&", ""))
    return match.group(1).upper() if match else None


def order_faults(path, entries):
    faults, previous = [], None
    for ident, _ in entries:
        if previous is not None and ident <= previous:
            kind = "repeated" if ident == previous else "out of order"
            faults.append(f"{path}: identifier {ident} is {kind} (after {previous})")
        previous = ident
    return faults


def pair_faults(english, japanese):
    faults = []
    for ident in sorted(english.keys() - japanese.keys()):
        faults.append(f"identifier {ident} is only in the English table")
    for ident in sorted(japanese.keys() - english.keys()):
        faults.append(f"identifier {ident} is only in the Japanese table")
    for ident in sorted(english.keys() & japanese.keys()):
        en, ja = english[ident], japanese[ident]
        if not en or not ja:
            faults.append(f"identifier {ident} has an empty text")
        try:
            if conversions(en) != conversions(ja):
                faults.append(
                    f"identifier {ident}: conversions differ: "
                    f"{conversions(en)} (English) and {conversions(ja)} (Japanese)"
                )
        except TableError as error:
            faults.append(f"identifier {ident}: {error}")
        if mnemonic(en) != mnemonic(ja):
            faults.append(
                f"identifier {ident}: mnemonic {mnemonic(en)} (English) "
                f"and {mnemonic(ja)} (Japanese) differ"
            )
    return faults


def length_faults(table, code_page):
    faults = []
    for ident, text in sorted(table.items()):
        if len(text.encode("utf-16-le")) // 2 >= LOAD_BUFFER_CHARS:
            faults.append(f"identifier {ident}: longer than {LOAD_BUFFER_CHARS - 1} characters")
    name = table.get(PROFILE_NAME_ID, "").encode(code_page, errors="replace")
    if len(name) > PROFILE_NAME_BYTES:
        faults.append(
            f"identifier {PROFILE_NAME_ID}: {len(name)} bytes in code page {code_page}, "
            f"a profile name holds {PROFILE_NAME_BYTES}"
        )
    return faults


def code_page_faults(japanese):
    faults = []
    for ident, text in sorted(japanese.items()):
        for ch in text:
            try:
                back = ch.encode("cp932").decode("cp932")
            except UnicodeError:
                back = None
            if back != ch:
                faults.append(f"identifier {ident}: U+{ord(ch):04X} has no code page 932 form")
    return faults


def required_faults(path, english):
    faults = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip():
            continue
        if not line.strip().isdigit():
            faults.append(f"{path}:{number}: not a decimal identifier: {line!r}")
        elif int(line) not in english:
            faults.append(f"required identifier {int(line)} is missing")
    return faults


def check(english_path, japanese_path, ids_path):
    try:
        english_entries = parse_table(english_path)
        japanese_entries = parse_table(japanese_path)
    except (TableError, UnicodeDecodeError) as error:
        return [str(error)]
    faults = order_faults(english_path, english_entries)
    faults += order_faults(japanese_path, japanese_entries)
    english, japanese = dict(english_entries), dict(japanese_entries)
    faults += pair_faults(english, japanese)
    faults += length_faults(english, "cp1252") + length_faults(japanese, "cp932")
    faults += code_page_faults(japanese)
    if ids_path:
        faults += required_faults(ids_path, english)
    return faults


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ids", type=Path, help="file of required identifiers, one per line")
    parser.add_argument("english", type=Path, nargs="?", default=HERE / "strings_en.rc")
    parser.add_argument("japanese", type=Path, nargs="?", default=HERE / "strings_ja.rc")
    args = parser.parse_args(argv)
    faults = check(args.english, args.japanese, args.ids)
    for fault in faults:
        print(fault, file=sys.stderr)
    if not faults:
        print(f"string tables OK: {len(parse_table(args.english))} identifiers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
