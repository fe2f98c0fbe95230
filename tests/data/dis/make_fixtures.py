#!/usr/bin/env python3
"""Writes the drawing file fixtures of this folder, byte by byte, independently of the program's own writer.

sample_v1.dis  three entities in two paths (a line on the empty layer, an arc with z values and reserved
               fields, a line on layer "0"), path count 2, three layers ("" with every attribute set, "0", and
               "Città" stored as Windows-1252); every record preceded by its length.
sample_v0.dis  the same drawing as version 0: no record lengths.
flags2.dis     one entity on layer "A" whose four flags are stored as 2, and layers "B" (flag 2) and "C" (flag -1).
pathcount_minus5.dis, pathcount_2e9.dis
               sample_v1.dis with its path count damaged: -5 (below the entities' numbers), 2000000000 (far beyond).
"""
import os
import struct


def i32(v):
    return struct.pack('<i', v)


def f64(v):
    return struct.pack('<d', v)


def entity(x1, y1, z1, x2, y2, z2, arc, xc, yc, zc, cw, layer, jp, jn, seq, r1=0, r2=0.0, r3=0.0):
    name = layer.encode('cp1252')
    return (f64(x1) + f64(y1) + f64(z1) + f64(x2) + f64(y2) + f64(z2) + i32(arc) + f64(xc) + f64(yc) + f64(zc) +
            i32(cw) + i32(len(name)) + name + i32(jp) + i32(jn) + i32(seq) + i32(r1) + f64(r2) + f64(r3))


def layer(name, flag=1, value=1.0, colour=0x00F700, ints=(0,) * 8, reals=(0.0,) * 8):
    raw = name.encode('cp1252')
    return (i32(len(raw)) + raw + i32(flag) + f64(value) + i32(colour) + b''.join(map(i32, ints)) +
            b''.join(map(f64, reals)))


def drawing(version, entities, path_count, layers):
    def record(r):
        return (i32(len(r)) if version != 0 else b'') + r
    return (i32(version) + i32(len(entities)) + b''.join(map(record, entities)) + i32(path_count) +
            i32(len(layers)) + b''.join(map(record, layers)))


SAMPLE_ENTITIES = [
    entity(1.5, 2.5, 0.25, 10.0, 2.5, 0.5, 0, 0.0, 0.0, 0.0, 0, '', 0, 1, 1),
    entity(10.0, 2.5, 0.5, 20.0, 2.5, 0.0, 1, 15.0, 2.5, 0.75, 1, '', 1, 0, 1, 7, 0.5, -2.0),
    entity(0.0, 0.0, 0.0, 0.0, 30.0, 0.0, 0, 0.0, 0.0, 0.0, 0, '0', 0, 0, 2),
]
SAMPLE_LAYERS = [
    layer('', 0, 2.5, 0x123456, range(1, 9), [0.5 * k for k in range(1, 9)]),
    layer('0'),
    layer('Città'),
]
FLAGS2_ENTITIES = [entity(0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 2, 1.0, 1.0, 0.0, 2, 'A', 2, 2, 1)]
FLAGS2_LAYERS = [layer('B', 2), layer('C', -1)]

if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        'sample_v1.dis': drawing(1, SAMPLE_ENTITIES, 2, SAMPLE_LAYERS),
        'sample_v0.dis': drawing(0, SAMPLE_ENTITIES, 2, SAMPLE_LAYERS),
        'flags2.dis': drawing(1, FLAGS2_ENTITIES, 1, FLAGS2_LAYERS),
        'pathcount_minus5.dis': drawing(1, SAMPLE_ENTITIES, -5, SAMPLE_LAYERS),
        'pathcount_2e9.dis': drawing(1, SAMPLE_ENTITIES, 2000000000, SAMPLE_LAYERS),
    }
    for name, data in files.items():
        with open(os.path.join(here, name), 'wb') as out:
            out.write(data)
