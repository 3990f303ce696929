"""Reading OpenCC's character table in the text form opencc_dict writes: one
entry a line, the character, a tab, then its candidates separated by spaces,
the preferred one first."""


def double_byte(ch):
    """The character's bytes in code page 936 when it is a double-byte
    character there, else None."""
    try:
        encoded = ch.encode("gbk")
    except UnicodeEncodeError:
        return None
    return encoded if len(encoded) == 2 else None


def preferred_pairs(path):
    """(character, preferred candidate) for every entry where both are single
    characters, in the table's order."""
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 2 or not fields[1]:
                continue
            character, preferred = fields[0], fields[1].split(" ")[0]
            if len(character) == 1 and len(preferred) == 1:
                yield character, preferred
