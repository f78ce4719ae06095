#!/usr/bin/env python3
"""Reads an exported delimited file with Python's csv module.

Usage: read_export.py FILE SEPARATOR [QUOTE]

Without QUOTE every separator splits (no quoting); with it, fields enclosed
in QUOTE are unquoted and a doubled QUOTE inside reads as one. Prints the
records as UTF-8: fields separated by U+001F, records by U+001E.
"""
import csv
import sys


def main():
    path, separator = sys.argv[1], sys.argv[2]
    quote = sys.argv[3] if len(sys.argv) > 3 and sys.argv[3] else None
    options = {'delimiter': separator, 'strict': True}
    if quote is None:
        options['quoting'] = csv.QUOTE_NONE
    else:
        options['quotechar'] = quote
        options['doublequote'] = True
    with open(path, encoding='utf-8', newline='') as f:
        records = list(csv.reader(f, **options))
    sys.stdout.buffer.write('\x1e'.join('\x1f'.join(r) for r in records).encode('utf-8'))


main()
