#!/usr/bin/env python3
"""Writes the sample DXF drawings shipped in resources/samples/: a quilting grid, a rosette of arcs, circles
and ellipses, and a panel built from nested blocks. Run it again after changing a drawing here."""
import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "samples")


class Dxf:
    def __init__(self):
        self.blocks = []
        self.entities = []

    @staticmethod
    def pairs(*items):
        return "".join(f"{code}\n{value}\n" for code, value in items)

    def line(self, x1, y1, x2, y2, layer="0", into=None):
        (into if into is not None else self.entities).append(self.pairs(
            (0, "LINE"), (8, layer), (10, f"{x1:.4f}"), (20, f"{y1:.4f}"), (30, "0.0"),
            (11, f"{x2:.4f}"), (21, f"{y2:.4f}"), (31, "0.0")))

    def arc(self, cx, cy, r, a1, a2, layer="0", into=None):
        (into if into is not None else self.entities).append(self.pairs(
            (0, "ARC"), (8, layer), (10, f"{cx:.4f}"), (20, f"{cy:.4f}"), (30, "0.0"), (40, f"{r:.4f}"),
            (50, f"{a1:.4f}"), (51, f"{a2:.4f}")))

    def circle(self, cx, cy, r, layer="0", into=None):
        (into if into is not None else self.entities).append(self.pairs(
            (0, "CIRCLE"), (8, layer), (10, f"{cx:.4f}"), (20, f"{cy:.4f}"), (30, "0.0"), (40, f"{r:.4f}")))

    def ellipse(self, cx, cy, mx, my, ratio, p1=0.0, p2=2 * math.pi, layer="0"):
        self.entities.append(self.pairs(
            (0, "ELLIPSE"), (8, layer), (10, f"{cx:.4f}"), (20, f"{cy:.4f}"), (30, "0.0"),
            (11, f"{mx:.4f}"), (21, f"{my:.4f}"), (31, "0.0"), (40, f"{ratio:.4f}"),
            (41, f"{p1:.6f}"), (42, f"{p2:.6f}")))

    def lwpolyline(self, points, closed, layer="0", into=None):
        items = [(0, "LWPOLYLINE"), (8, layer), (90, len(points)), (70, 1 if closed else 0)]
        for x, y, bulge in points:
            items += [(10, f"{x:.4f}"), (20, f"{y:.4f}")]
            if bulge:
                items.append((42, f"{bulge:.6f}"))
        (into if into is not None else self.entities).append(self.pairs(*items))

    def insert(self, name, x, y, scale=1.0, rotation=0.0, into=None):
        (into if into is not None else self.entities).append(self.pairs(
            (0, "INSERT"), (8, "0"), (2, name), (10, f"{x:.4f}"), (20, f"{y:.4f}"), (30, "0.0"),
            (41, f"{scale:.4f}"), (42, f"{scale:.4f}"), (43, "1.0"), (50, f"{rotation:.4f}")))

    def block(self, name, body):
        self.blocks.append(self.pairs((0, "BLOCK"), (8, "0"), (2, name), (70, 0), (10, "0.0"), (20, "0.0"),
                                      (30, "0.0")) + "".join(body) + self.pairs((0, "ENDBLK"), (8, "0")))

    def text(self):
        out = self.pairs((0, "SECTION"), (2, "HEADER"), (9, "$INSUNITS"), (70, 4), (0, "ENDSEC"))
        if self.blocks:
            out += self.pairs((0, "SECTION"), (2, "BLOCKS")) + "".join(self.blocks) + self.pairs((0, "ENDSEC"))
        out += self.pairs((0, "SECTION"), (2, "ENTITIES")) + "".join(self.entities) + self.pairs((0, "ENDSEC"))
        return out + self.pairs((0, "EOF"))


def quilting_grid():
    d = Dxf()
    size, step = 300.0, 30.0
    d.lwpolyline([(0, 0, 0), (size, 0, 0), (size, size, 0), (0, size, 0)], True, "CORNICE")
    n = int(size / step)
    for i in range(1, n):
        d.line(i * step, 0, i * step, size, "TRAPUNTA")
        d.line(0, i * step, size, i * step, "TRAPUNTA")
    for i in range(n):
        for j in range(n):
            if (i + j) % 2 == 0:
                cx, cy = (i + 0.5) * step, (j + 0.5) * step
                d.lwpolyline([(cx - 8, cy, 0), (cx, cy - 8, 0), (cx + 8, cy, 0), (cx, cy + 8, 0)], True, "ROMBI")
    return d


def rosette():
    d = Dxf()
    petals = 12
    for k in range(petals):
        a = 2 * math.pi * k / petals
        cx, cy = 60 * math.cos(a), 60 * math.sin(a)
        start = math.degrees(a) + 120
        d.arc(cx, cy, 60, start, start + 120, "PETALI")
    d.circle(0, 0, 120, "CERCHI")
    d.circle(0, 0, 20, "CERCHI")
    for k in range(6):
        a = math.pi * k / 6
        d.ellipse(0, 0, 100 * math.cos(a), 100 * math.sin(a), 0.25, layer="ELLISSI")
    d.lwpolyline([(-140, -140, 0.4), (140, -140, 0.4), (140, 140, 0.4), (-140, 140, 0.4)], True, "BORDO")
    return d


def panel():
    d = Dxf()
    flower = []
    d.circle(0, 0, 6, into=flower)
    for k in range(4):
        d.arc(0, 0, 12, 90 * k + 10, 90 * k + 80, "FIORE", into=flower)
    d.block("FIORE", flower)
    tile = []
    d.lwpolyline([(-25, -25, 0), (25, -25, 0), (25, 25, 0), (-25, 25, 0)], True, "RIQUADRO", into=tile)
    d.insert("FIORE", 0, 0, into=tile)
    d.insert("FIORE", -15, -15, 0.5, 45, into=tile)
    d.insert("FIORE", 15, 15, 0.5, 45, into=tile)
    d.block("RIQUADRO", tile)
    for i in range(4):
        for j in range(3):
            d.insert("RIQUADRO", 30 + 60 * i, 30 + 60 * j, 1.0, 90 * ((i + j) % 2))
    d.lwpolyline([(0, 0, 0), (240, 0, 0), (240, 180, 0), (0, 180, 0)], True, "PANNELLO")
    return d


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, drawing in (("trapunta_griglia", quilting_grid()), ("rosone", rosette()), ("pannello_blocchi", panel())):
        with open(os.path.join(OUT, name + ".dxf"), "w", newline="\r\n") as f:
            f.write(drawing.text())


if __name__ == "__main__":
    main()
