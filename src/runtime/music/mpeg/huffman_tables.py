#!/usr/bin/env python3
# Builds the Layer III Huffman decoding tables from the standard's code words in
# huffman_codes.txt and writes huffman_tables.h and huffman_tables.cpp beside
# this script (or into the folder given as the one argument).
#
# Each table becomes a tree of lookup levels in one array. The first level looks
# up as many bits as the longest code word, at most 7 (10 for the 16 x 16
# tables); a deeper level as many as the longest rest below its prefix, at most
# 5. Every level is followed at once by the levels below it, in prefix order.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ORDER = ["1", "2", "3", "5", "6", "7", "8", "9", "10", "11", "12", "13", "15", "16", "24", "A", "B"]
# Big-value tables that share another's code words, with their linbits.
SHARED = {16: (16, [1, 2, 3, 4, 6, 8, 10, 13]), 24: (24, [4, 5, 6, 7, 8, 9, 11, 13])}
NOT_USED = {0: "all values 0", 4: "not used", 14: "not used"}
DEEPER_BITS = 5


def read_codes(path):
    tables, name, row = {}, None, 0
    for line in open(path):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("table "):
            name, row = line.split()[1], 0
            tables[name] = []
            continue
        for column, word in enumerate(line.split()):
            # Big values pack x << 4 | y; count1 values are the four bits v w x y.
            value = row * 4 + column if name in "AB" else row << 4 | column
            tables[name].append((value, word))
        row += 1
    return tables


def build(words, root_bits):
    nodes = []

    def level(prefix, bits):
        below = [(value, word[len(prefix):]) for value, word in words if word.startswith(prefix)]
        start = len(nodes)
        nodes.extend([None] * (1 << bits))
        deeper = []
        for value, rest in below:
            if len(rest) <= bits:
                first = int(rest, 2) << (bits - len(rest)) if rest else 0
                for i in range(1 << (bits - len(rest))):
                    nodes[start + first + i] = len(rest) << 8 | value
            else:
                index = int(rest[:bits], 2)
                if index not in deeper:
                    deeper.append(index)
        for index in sorted(deeper):
            step = format(index, "0%db" % bits)
            rests = [len(r) - bits for _, r in below if r.startswith(step)]
            sub_bits = min(max(rests), DEEPER_BITS)
            sub_start = level(prefix + step, sub_bits)
            nodes[start + index] = -(sub_start << 4 | sub_bits)
        return start

    level("", root_bits)
    assert None not in nodes, "incomplete code"
    return nodes


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else HERE
    codes = read_codes(os.path.join(HERE, "huffman_codes.txt"))
    nodes, place = [], {}
    for name in ORDER:
        words = codes[name]
        longest = max(len(w) for _, w in words)
        root_bits = min(longest, 10 if len(words) == 256 else 7)
        place[name] = (len(nodes), root_bits)
        nodes.extend(build(words, root_bits))

    big = []
    for t in range(32):
        if t in NOT_USED:
            big.append(("{-1, 0, 0},", "%d: %s" % (t, NOT_USED[t])))
            continue
        linbits, source = 0, str(t)
        for first, (base, bits) in SHARED.items():
            if first <= t < first + 8:
                source, linbits = str(base), bits[t - first]
        start, root_bits = place[source]
        big.append(("{%d, %d, %d}," % (start, root_bits, linbits), str(t)))
    count1 = [("{%d, %d, 0}," % place[name], name) for name in "AB"]

    def rows(entries):
        width = max(len(e) for e, _ in entries) + 2
        return ["    %s// %s" % (e.ljust(width), c) for e, c in entries]

    numbers = [("%d," % n).ljust(8) for n in nodes]
    lines = ["    " + "".join(numbers[i:i + 14]).rstrip() for i in range(0, len(numbers), 14)]

    header = """// Layer III Huffman code tables (ISO/IEC 11172-3 Annex B Table B.7) in the
// lookup form that layer3_huffman.cpp walks; the data is generated.
#pragma once
#include <cstdint>

namespace lizhi::mpeg {

struct HuffmanTable {
  int16_t start;     // first entry in kHuffmanNodes; -1: the table codes nothing (all zero)
  uint8_t rootBits;  // bits looked up at the first level
  uint8_t linbits;   // extra bits for values of 15 (big-value tables 16-31)
};

extern const int16_t kHuffmanNodes[%d];
extern const HuffmanTable kHuffmanTables[32];  // big-value tables by table_select
extern const HuffmanTable kCount1Tables[2];    // count1 tables A and B by count1table_select

}  // namespace lizhi::mpeg
""" % len(nodes)
    source = """// Layer III Huffman decoding tables, generated from ISO/IEC 11172-3 Annex B
// Table B.7 (the big-value tables 1-31 and the count1 tables A and B).
// Each table is a tree of lookup levels inside kHuffmanNodes: an entry >= 0 is
// a leaf, (code bits used at this level << 8) | value, where value is x << 4 | y
// for the big-value tables and the 4-bit v w x y for the count1 tables; an
// entry < 0 is -(start << 4 | bits) of the next level, with start counted
// from the table's first entry. Do not edit by hand.
#include "runtime/music/mpeg/huffman_tables.h"

namespace lizhi::mpeg {

const int16_t kHuffmanNodes[%d] = {
%s
};

const HuffmanTable kHuffmanTables[32] = {
%s
};

const HuffmanTable kCount1Tables[2] = {
%s
};

}  // namespace lizhi::mpeg
""" % (len(nodes), "\n".join(lines), "\n".join(rows(big)), "\n".join(rows(count1)))
    with open(os.path.join(out_dir, "huffman_tables.h"), "w") as f:
        f.write(header)
    with open(os.path.join(out_dir, "huffman_tables.cpp"), "w") as f:
        f.write(source)


main()
