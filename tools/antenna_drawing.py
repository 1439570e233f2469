#!/usr/bin/env python3
"""Writes resources/antenne.svg: the beam seen from above, in the proportions the calculation
gives (all dimensions scaled from one wavelength), with the dimension lines the report names."""
import math
import pathlib

L = 2300            # one wavelength in drawing units
cx, top = 355, 120  # boom position
C, LgBoom, Bv, Bh = 0.042 * L, 0.25 * L, 0.25 * L, 0.255 * L
P, D = Bv / 2, 0.1169 * L
yArm1 = top + C
yApex = yArm1 + P
yArm2 = yArm1 + LgBoom
bottom = yArm2 + C
xl1, xr1, xl2, xr2 = cx - Bv / 2, cx + Bv / 2, cx - Bh / 2, cx + Bh / 2
# The reflector's V opens at 88 degrees at the rear cross-arm.
yRefTop = yArm2 - (cx - xl2) / math.tan(math.radians(44))

f = lambda v: f"{v:.1f}"
out = []
a = out.append
a('<?xml version="1.0" encoding="UTF-8"?>')
a('<svg xmlns="http://www.w3.org/2000/svg" width="780" height="1107" viewBox="0 0 780 1107" '
  'font-family="Liberation Sans, Arial, sans-serif">')
a('<rect width="780" height="1107" fill="#ffffff"/>')
a('<defs><marker id="arrow" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="8" markerHeight="8" '
  'orient="auto-start-reverse"><path d="M0,1 L10,5 L0,9 z" fill="#1a3a8a"/></marker></defs>')
a(f'<text x="{cx}" y="40" text-anchor="middle" font-size="22" font-weight="bold" fill="#333">'
  'Zentavik nach Norbek – Ansicht von oben</text>')
a('<g stroke="#888" stroke-width="1.2" stroke-dasharray="6 4">')
for x, y, end in [(xl1, yArm1, top), (xr1, yArm1, top), (xl2, yArm2, bottom), (xr2, yArm2, bottom)]:
    a(f'<line x1="{f(x)}" y1="{f(y)}" x2="{cx}" y2="{f(end)}"/>')
a('</g>')
a('<g stroke="#6b4a1f" stroke-width="7" stroke-linecap="round">')
a(f'<line x1="{cx}" y1="{f(top)}" x2="{cx}" y2="{f(bottom)}"/>')
a(f'<line x1="{f(xl1)}" y1="{f(yArm1)}" x2="{f(xr1)}" y2="{f(yArm1)}"/>')
a(f'<line x1="{f(xl2)}" y1="{f(yArm2)}" x2="{f(xr2)}" y2="{f(yArm2)}"/>')
a('</g>')
a('<g stroke="#d01010" stroke-width="3.5" fill="none" stroke-linejoin="round">')
a(f'<polyline points="{f(xl1)},{f(yArm1 + D)} {f(xl1)},{f(yArm1)} {cx},{f(yApex)} {f(xr1)},{f(yArm1)} {f(xr1)},{f(yArm1 + D)}"/>')
a(f'<polyline points="{f(xl2)},{f(yArm2)} {f(xl2)},{f(yRefTop)} {cx},{f(yArm2)} {f(xr2)},{f(yRefTop)} {f(xr2)},{f(yArm2)}"/>')
a('</g>')
a(f'<circle cx="{cx}" cy="{f(yApex)}" r="6" fill="#222"/>')
a(f'<text x="{cx + 12}" y="{f(yApex + 22)}" font-size="15" fill="#222">Speisepunkt</text>')
ix, iy = (xr1 + xr2) / 2, (yArm1 + D + yRefTop) / 2
a(f'<rect x="{f(ix - 7)}" y="{f(iy - 14)}" width="14" height="28" rx="4" fill="#f5f0d8" stroke="#555" stroke-width="2"/>')
a(f'<text x="{f(ix - 12)}" y="{f(iy + 5)}" font-size="13" text-anchor="end" fill="#555">Isolator</text>')


def dim(x1, y1, x2, y2, label, lx, ly, anchor="middle", rotate=False):
    a(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" stroke="#1a3a8a" stroke-width="1.6" '
      'marker-start="url(#arrow)" marker-end="url(#arrow)"/>')
    t = f' transform="rotate(-90 {f(lx)} {f(ly)})"' if rotate else ''
    a(f'<text x="{f(lx)}" y="{f(ly)}" font-size="20" font-weight="bold" fill="#1a3a8a" text-anchor="{anchor}"{t}>{label}</text>')


def ext(x1, y1, x2, y2):
    a(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" stroke="#1a3a8a" stroke-width="0.8" stroke-dasharray="3 3"/>')


ext(xl1, yArm1 - 8, xl1, top - 45); ext(xr1, yArm1 - 8, xr1, top - 45)
dim(xl1, top - 40, xr1, top - 40, "Bv", cx, top - 48)
ext(xl2, yArm2 + 8, xl2, bottom + 45); ext(xr2, yArm2 + 8, xr2, bottom + 45)
dim(xl2, bottom + 40, xr2, bottom + 40, "Bh", cx, bottom + 68)
xr = xr2 + 30
for y in (top, yArm1, yApex, yArm2, bottom):
    ext(cx + 10, y, xr + 80, y)
dim(xr, top, xr, yArm1, "C", xr + 8, (top + yArm1) / 2 + 7, "start")
dim(xr, yArm1, xr, yApex, "P", xr + 8, (yArm1 + yApex) / 2 + 7, "start")
dim(xr, yApex, xr, yArm2, "A", xr + 8, (yApex + yArm2) / 2 + 7, "start")
dim(xr, yArm2, xr, bottom, "C", xr + 8, (yArm2 + bottom) / 2 + 7, "start")
xb = xr + 70
dim(xb, yArm1, xb, yArm2, "lgBoom", xb + 22, (yArm1 + yArm2) / 2, "middle", True)
xd = xl1 - 30
ext(xl1 - 8, yArm1, xd - 6, yArm1); ext(xl1 - 8, yArm1 + D, xd - 6, yArm1 + D)
dim(xd, yArm1, xd, yArm1 + D, "D", xd - 6, yArm1 + D / 2 + 7, "end")
# Two lines large enough to read when the drawing is scaled to the frame's usual height.
a(f'<text x="{cx}" y="{f(bottom + 100)}" text-anchor="middle" font-size="24" fill="#333">'
  'Strahler (vorn, 90°) und Reflektor (hinten, 88°) in Rot;</text>')
a(f'<text x="{cx}" y="{f(bottom + 130)}" text-anchor="middle" font-size="24" fill="#333">'
  'Hauptstrahlrichtung nach oben</text>')
a('</svg>')
pathlib.Path(__file__).resolve().parent.parent.joinpath("resources/antenne.svg").write_text("\n".join(out) + "\n")
