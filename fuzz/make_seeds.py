#!/usr/bin/env python3
"""Writes the seed corpus from the golden files of the data tests.

Document inputs start with a form byte (see fuzz_entries.h): 0 plain
payload, 1 and 2 the payload enciphered and opened with password 1 or 2,
3 a whole file image. Older inputs are the body after the 40-byte header.
"""
import os

golden = os.path.join(os.path.dirname(__file__), '..', 'data', 'tests', 'golden')
corpus = os.path.join(os.path.dirname(__file__), 'corpus')


def read(name):
    with open(os.path.join(golden, name), 'rb') as f:
        return f.read()


def write(kind, name, data):
    with open(os.path.join(corpus, kind, name), 'wb') as f:
        f.write(data)


small = read('small.qel')[89:-4]
empty = read('empty.qel')[89:-4]
write('document', 'plain-small', b'\x00' + small)
write('document', 'plain-empty', b'\x00' + empty)
write('document', 'password-1', b'\x01' + small)
write('document', 'password-2', b'\x02' + small)
write('document', 'whole-image', b'\x03' + read('small-protected.qel'))
write('older', 'small', read('older.qel')[40:])
