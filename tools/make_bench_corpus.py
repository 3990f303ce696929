#!/usr/bin/env python3
"""Writes the benchmark's corpus of realistic Windows paths, the same every
time (fixed seed): a drive, 1 to 4 folders of 2 to 8 characters mixing
Traditional, Simplified and ASCII, a file name and an extension. One path a
line, once in UTF-8 (for OpenCC) and once in code page 936 (for Varnetto).

usage: make_bench_corpus.py TSCharacters.txt corpus-utf8.txt corpus-cp936.txt
"""
import random
import sys

from opencc_table import double_byte, preferred_pairs

PATHS = 1000
SEED = 20261210


def main(table, utf8_out, cp936_out):
    traditional, simplified = [], []
    for character, preferred in preferred_pairs(table):
        if double_byte(character):
            traditional.append(character)
            if double_byte(preferred):
                simplified.append(preferred)
    ascii_chars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_- "
    rng = random.Random(SEED)

    def component(low, high):
        pools = (traditional, simplified, ascii_chars)
        return "".join(rng.choice(rng.choice(pools)) for _ in range(rng.randint(low, high)))

    paths = []
    for _ in range(PATHS):
        folders = [component(2, 8).strip() or "x" for _ in range(rng.randint(1, 4))]
        name = component(2, 8).strip() or "x"
        ext = rng.choice(["txt", "doc", "jpg", "pdf", "mp3", "xlsx"])
        paths.append(rng.choice("CDE") + ":\\" + "\\".join(folders) + "\\" + name + "." + ext)
    with open(utf8_out, "w", encoding="utf-8") as out:
        out.write("\n".join(paths) + "\n")
    with open(cp936_out, "wb") as out:
        out.write(("\n".join(paths) + "\n").encode("gbk"))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
