#!/usr/bin/env python3
"""Turns OpenCC's Traditional-to-Simplified character table (as text, from
opencc_dict) into the C++ table Varnetto maps with.

Only pairs in which both characters are double-byte characters of code page
936 are kept, so replacing one by the other never changes a path's byte
length. Of several candidates the first, OpenCC's preferred one, is taken.
"""
import sys

from opencc_table import double_byte, preferred_pairs


def main(source, target):
    pairs = {}
    for traditional, simplified in preferred_pairs(source):
        if traditional == simplified:
            continue
        t, s = double_byte(traditional), double_byte(simplified)
        if t and s:
            pairs[t] = (s, traditional, simplified)
    # A few entries name a character that is itself Traditional (薴 gives 苧,
    # which gives 苎): follow such chains, so that mapping twice changes nothing.
    for t in pairs:
        seen = {t}
        while pairs[t][0] in pairs and pairs[t][0] not in seen:
            seen.add(pairs[t][0])
            s, _, sc = pairs[pairs[t][0]]
            pairs[t] = (s, pairs[t][1], sc)
    if len(pairs) < 1000:
        sys.exit(f"{source}: only {len(pairs)} usable pairs; is this the character table?")

    out = ["// Generated at build time from OpenCC's TSCharacters table; do not edit.",
           "// {traditional, simplified} as code page 936 byte pairs, lead byte high."]
    for t in sorted(pairs):
        s, tc, sc = pairs[t]
        out.append(f"{{0x{t.hex().upper()}, 0x{s.hex().upper()}}},  // {tc} {sc}")
    out.append("")
    with open(target, "w", encoding="utf-8") as file:
        file.write("\n".join(out))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_simplified_table.py TSCharacters.txt output.inc")
    main(sys.argv[1], sys.argv[2])
