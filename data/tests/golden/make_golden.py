#!/usr/bin/env python3
"""Writes the golden document files the data tests compare against.

Written from the file layout alone, with the standard library and the
openssl command line for Blowfish, so that the library's own writer is
checked against a second, independent one. Run from this directory:
    python3 make_golden.py
"""
import hashlib
import struct
import subprocess
import zlib


def i32(v):
    return struct.pack('<i', v)


def i16(v):
    return struct.pack('<h', v)


def u8(v):
    return struct.pack('<B', v)


def string(text):
    data = text.encode('utf-8')
    return i32(len(data)) + data


def fixed(block):
    data = block.rstrip(b'\0')
    return i32(len(data)) + data


def blowfish_ecb(key, data):
    return subprocess.run(
        ['openssl', 'enc', '-bf-ecb', '-nopad', '-provider', 'legacy', '-provider', 'default',
         '-K', key.hex(), '-e'],
        input=data, capture_output=True, check=True).stdout


def pad16(text):
    data = text.encode('utf-8')[:16]
    return data + b'\0' * (16 - len(data))


def properties(password1='', password2='', protected=False, reserved=b''):
    # 1 March 2026 to 31 December 2026 as Julian day numbers, 7:30 to 16:00,
    # Monday to Saturday.
    return (i32(2461101) + i32(2461406) + i16(450) + i16(960) + bytes([1, 1, 1, 1, 1, 1, 0]) +
            u8(1 if protected else 0) + string(password1) + string(password2) + fixed(reserved))


def small_plan():
    out = b''
    # Resource groups: id, order, name, description, reserved.
    out += i32(1) + i32(7) + i32(0) + string('Workshop') + string('Ground floor') + fixed(b'')
    # Resources: id, order, name, description, group, reserved.
    out += i32(2)
    out += i32(3) + i32(0) + string('Anna Berg') + string('Welder') + i32(7) + fixed(b'')
    out += i32(5) + i32(1) + string('Zoë Lind') + string('') + i32(0) + fixed(b'\x01\x02')
    # Task groups.
    out += i32(1) + i32(11) + i32(0) + string('Hall B') + string('') + fixed(b'')
    # Tasks: id, order, color1, color2, name, description, group, reserved.
    out += i32(2)
    out += i32(4) + i32(0) + i32(0x000000FF) + i32(0x0080FFFF) + string('Frame') + \
        string('Steel frame') + i32(11) + fixed(b'')
    out += i32(6) + i32(1) + i32(0x00FF0000) + i32(0x0080FFFF) + string('Roof') + string('') + \
        i32(0) + fixed(b'')
    # Bookings in start order: id, start day, end day, start min, end min,
    # color1, color2, flag, text, resource, task, reserved.
    out += i32(3)
    out += i32(9) + i32(2461120) + i32(2461121) + i16(480) + i16(600) + i32(0) + \
        i32(0x00FFFFFF) + u8(1) + string('first') + i32(3) + i32(4) + fixed(b'')
    out += i32(2) + i32(2461120) + i32(2461120) + i16(540) + i16(1020) + i32(0x00112233) + \
        i32(0x00FFFFFF) + u8(0) + string('') + i32(5) + i32(4) + fixed(b'\0\0\x09')
    out += i32(12) + i32(2461125) + i32(2461130) + i16(0) + i16(0) + i32(0) + \
        i32(0x00FFFFFF) + u8(1) + string('long ä') + i32(3) + i32(6) + fixed(b'')
    # Filters: id, order, name, mode, four id sets, reserved.
    out += i32(1)
    out += i32(2) + i32(0) + string('Only Anna') + i16(1) + \
        i32(0) + i32(1) + i32(5) + i32(1) + i32(11) + i32(1) + i32(6) + fixed(b'')
    return out


def empty_plan():
    return i32(0) * 6


def document(props, plan, reserved_word=0, password1=None, password2=''):
    payload = props + plan + struct.pack('<I', reserved_word)
    payload += b'\0' * (8 - len(payload) % 8)
    header = b'Tovima2'.ljust(24, b'\0') + struct.pack('<d', 2.0) + i32(0) + i32(0)
    if password1 is None:
        block = b'\0' * 49
    else:
        block = (u8(1) + hashlib.md5(password1.encode('utf-8')).digest() +
                 hashlib.md5(password2.encode('utf-8')).digest() +
                 blowfish_ecb(pad16(password2), pad16(password1)))
        payload = blowfish_ecb(pad16(password1), payload)
    image = header + block + payload
    return image + struct.pack('<I', zlib.crc32(image) & 0xFFFFFFFF)


def older_document():
    """An older-format file: resources beta, Alpha, gamma and one booking."""
    header = b'Tovima'.ljust(40, b'\0')
    body = i32(2461101) + i32(2461406) + i32(480) + i32(1020) + bytes([1, 1, 1, 1, 1, 0, 0, 0])
    names = [b'beta', b'Alpha', b'gamma']
    body += i32(3) + i32(sum(map(len, names)))
    for i, name in enumerate(names):
        body += i32(10 + i) + i32(len(name))
    body += b''.join(names)
    task = b'Paint'
    body += i32(1) + i32(len(task)) + i32(20) + i32(0xFF) + i32(0xFFFF) + i32(len(task)) + task
    text = b'caf\xe9'   # Windows-1252
    body += i32(1) + i32(len(text))
    body += i32(30) + i32(11) + i32(20) + i32(1) + i32(2) + i32(2461120) + i32(480) + \
        i32(2461120) + i32(720) + i32(len(text))
    body += text
    return header + body


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


write('empty.qel', document(properties(), empty_plan()))
write('small.qel', document(properties(reserved=b'\x05'), small_plan(), reserved_word=0x2A))
write('small-protected.qel',
      document(properties('alpha', 'beta', True), small_plan(), password1='alpha', password2='beta'))
write('older.qel', older_document())
