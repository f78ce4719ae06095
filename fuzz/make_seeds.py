#!/usr/bin/env python3
"""Writes the seed corpus from the golden files of the data tests.

Document inputs start with a form byte (see fuzz_entries.h): 0 plain
payload, 1 and 2 the payload enciphered and opened with password 1 or 2,
3 a whole file image. Older inputs are the body after the 40-byte header.
Import inputs start with a form byte and a choice byte (see
import_fuzz_entries.h), then a file to import or a description file.
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

bookings = (b'Resource;Task;Start date;Start time;End date;End time;Text;Flag\n'
            b'Anna;Build;20240311;08:00;20240311;12:30;North gate;no\n'
            b'Anna;Build;1.3.2005;9.30;2.3.2005;24:00;;\n')
write('import', 'bookings-names', b'\x10\x00' + bookings)
write('import', 'bookings-utf16', b'\x10\x00' + bookings.decode().replace('\n', '\r\n').encode('utf-16'))
write('import', 'bookings-errors', b'\x00\x00' + b'anna;Nope;31.2.2024;25:00;;x\n\nAnna;Build;2.3.2005;10:00;1.3.2005;9:00\n')
write('import', 'resources-tab', b'\x09\x00' + 'Kran\tCrew\nM\u00fcller\tTeam\nSolo\n'.encode('cp1252'))
write('import', 'tasks-comma', b'\x16\x02' + b'Name,Group\r\nDig,Ground\r\nLift,\r\n')
description = (b'[Description]\r\nName=Bookings\r\nSeparator=Tab\r\nFieldname in first line=Yes\r\n'
               b'Field Count=8\r\n[Field Assignment]\r\nValue1=0\r\nValue2=1\r\nValue3=-1\r\n')
write('import', 'description', b'\x80\x2b' + description)
write('import', 'description-marks', b'\x80\x1a' + b'\xef\xbb\xbf' * 2 + description)
