#!/usr/bin/env python3
"""Writes the SVG sources of the program's pictures into this folder.

The pictures share their chooser strips, layer build-ups and lettering, so they are
composed here once; the SVG files this writes are the sources the build renders, and
they are committed. Run it after changing a drawing:  python3 generate.py

Colours. Module pictures are rendered to the 16 standard colours. Olive (#808000),
yellow (#ffff00) and blue (#0000ff) are the colours the report header and the picture
buttons replace with product and surface colours, so they appear only on the parts that
take those colours. Every grey variant (an X in the name) is the same drawing with each
colour mapped to a grey.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

OLIVE, YELLOW, BLUE = "#808000", "#ffff00", "#0000ff"
BLACK, WHITE, GREY, SILVER = "#000000", "#ffffff", "#808080", "#c0c0c0"
TEAL, AQUA, RED, NAVY = "#008080", "#00ffff", "#ff0000", "#000080"

TO_GREY = {OLIVE: SILVER, YELLOW: WHITE, BLUE: GREY, TEAL: WHITE, AQUA: WHITE,
           RED: BLACK, NAVY: BLACK}

W, H = 192, 160


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}</svg>\n')


def grey(text):
    for colour, shade in TO_GREY.items():
        text = text.replace(colour, shade)
    return text


def write(name, text):
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(text)


def n(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def rect(x, y, w, h, fill, stroke=BLACK, sw=1):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}" fill="{fill}"{s}/>\n'


def ellipse(cx, cy, rx, ry, fill, stroke=BLACK, sw=1):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}"{s}/>\n'


def poly(points, fill, stroke=BLACK, sw=1):
    p = " ".join(f"{n(x)},{n(y)}" for x, y in points)
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<polygon points="{p}" fill="{fill}"{s}/>\n'


def path(d, fill="none", stroke=BLACK, sw=1, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<path d="{d}" fill="{fill}"{s}{extra}/>\n'


def line(x1, y1, x2, y2, stroke=BLACK, sw=1):
    return (f'<line x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}" '
            f'stroke="{stroke}" stroke-width="{sw}"/>\n')


def arrow(x1, y1, x2, y2, colour, sw=2, head=6):
    """A shaft from (x1, y1) with a filled head ending at (x2, y2)."""
    length = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    bx, by = x2 - ux * head * 1.6, y2 - uy * head * 1.6
    return (line(x1, y1, bx, by, colour, sw) +
            poly([(x2, y2), (bx - uy * head, by + ux * head), (bx + uy * head, by - ux * head)],
                 colour, None))


def group(body, transform=None):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t}>\n{body}</g>\n"


def upright(body, cx, cy):
    """Stands a drawing whose axis runs left to right on its end: the axis then runs
    upwards and the oblique depth still goes to the upper right."""
    s = cx + cy
    return group(body, f"matrix(0,-1,-1,0,{n(s)},{n(s)})")


# ---------------------------------------------------------------- lettering
# A small stroke alphabet on a grid 6 wide and 10 high (baseline 10, x-height 4), so
# that letters render the same on every machine without fonts.
GLYPHS = {
    "a": ("M0.9,4.9 C2,3.7 5.4,3.6 5.4,5.8 V10 M5.4,7.2 C2,6.6 0.5,7.4 0.5,8.6 "
          "C0.5,10.3 3.8,10.4 5.4,8.8", 6),
    "α": ("M5.6,4 V10 M5.6,7 A2.6,3 0 1 0 5.6,7.01", 6),
    "b": ("M0.4,0 V10 M0.4,7 A2.6,3 0 1 1 0.4,7.01", 6),
    "c": ("M5.6,5 A2.8,3 0 1 0 5.6,9", 6),
    "d": ("M5.6,0 V10 M5.6,7 A2.6,3 0 1 0 5.6,7.01", 6),
    "e": ("M0.4,7 H5.6 A2.6,3 0 1 0 5,9.3", 6),
    "l": ("M1,0 V10", 2),
    "o": ("M5.6,7 A2.6,3 0 1 0 5.6,7.01", 6),
    "r": ("M0.6,4 V10 M0.6,7 A3.4,3 0 0 1 4.6,4.1", 5),
    "v": ("M0.3,4 L3,10 L5.7,4", 6),
    "B": ("M0.4,0 V10 H3.4 A2.3,2.5 0 0 0 3.4,5 H0.4 M3.1,5 A2.1,2.5 0 0 0 3.1,0 H0.4", 6),
    "D": ("M0.4,0 V10 H2.2 A3.6,5 0 0 0 2.2,0 Z", 6),
    "H": ("M0.4,0 V10 M5.6,0 V10 M0.4,5 H5.6", 6),
    "K": ("M0.4,0 V10 M5.8,0 L0.4,6 M2.2,4 L5.9,10", 6),
}


def text(s, x, y, scale=1.0, colour=BLACK, sw=1.0, spacing=1.6):
    """Stroke lettering with its top-left corner at (x, y); "α" is the round a of the
    product name."""
    out, pos = "", 0.0
    for ch in s:
        d, width = GLYPHS[ch]
        out += path(d, "none", colour, n(sw / scale),
                    f' stroke-linecap="round" stroke-linejoin="round" '
                    f'transform="translate({n(x + pos * scale)},{n(y)}) scale({n(scale)})"')
        pos += width + spacing
    return out


def text_width(s, scale=1.0, spacing=1.6):
    return (sum(GLYPHS[ch][1] for ch in s) + spacing * (len(s) - 1)) * scale


# ---------------------------------------------------------------- chooser strips
def cell(x0, y0, x1, y1, current, icon):
    frame = rect(x0 + 1, y0 + 1, x1 - x0 - 2, y1 - y0 - 2, WHITE, BLACK, 2) if current else \
        rect(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1, WHITE, GREY, 1)
    return frame + icon((x0 + x1) / 2, (y0 + y1) / 2)


def strip(cells, current, icons):
    return "".join(cell(*c, i == current, icons[i]) for i, c in enumerate(cells))


def scaled_cells(spans, y0, y1):
    """Chooser cells from spans given for pictures 188 pixels wide."""
    k = W / 188
    return [(round(a * k), y0, round((b + 1) * k), y1) for a, b in spans]


def even_cells(count, x0, x1, y0=4, y1=26, gap=2):
    width = (x1 - x0 - gap * (count - 1)) / count
    return [(round(x0 + i * (width + gap)), y0, round(x0 + i * (width + gap) + width), y1)
            for i in range(count)]


ORIENTATION_CELLS = [(164, 32, 188, 60), (164, 64, 188, 92)]


def icon_pipe(cx, cy):
    return ellipse(cx, cy, 8, 8, SILVER) + ellipse(cx, cy, 4, 4, GREY) + ellipse(cx, cy, 2, 2, WHITE, None)


def icon_circular_duct(cx, cy):
    return ellipse(cx, cy, 8, 8, SILVER) + ellipse(cx, cy, 5, 5, WHITE, GREY, 2)


def icon_rect_outside(cx, cy):
    return rect(cx - 10, cy - 7, 20, 14, SILVER) + rect(cx - 6, cy - 3, 12, 6, WHITE, GREY, 2)


def icon_rect_inside(cx, cy):
    return rect(cx - 10, cy - 7, 20, 14, SILVER, GREY, 2) + rect(cx - 6, cy - 3, 12, 6, WHITE)


def icon_plane_outside(cx, cy):
    return rect(cx - 10, cy + 2, 20, 5, GREY) + rect(cx - 10, cy - 6, 20, 8, SILVER)


def icon_plane_inside(cx, cy):
    return rect(cx - 10, cy - 6, 20, 5, GREY) + rect(cx - 10, cy - 1, 20, 8, SILVER)


def icon_horizontal(cx, cy):
    return rect(cx - 9, cy - 3, 18, 6, SILVER) + line(cx - 9, cy + 8, cx + 9, cy + 8, BLACK, 1)


def icon_vertical(cx, cy):
    return rect(cx - 3, cy - 9, 6, 18, SILVER) + line(cx + 8, cy - 9, cx + 8, cy + 9, BLACK, 1)


KIND_ICONS = [icon_pipe, icon_circular_duct, icon_rect_outside, icon_rect_inside,
              icon_plane_outside, icon_plane_inside]


def orientation_strip(vertical):
    return strip(ORIENTATION_CELLS, vertical, [icon_horizontal, icon_vertical])


# ---------------------------------------------------------------- objects
K_END = 0.5  # ellipse of a cylinder end seen slightly from the side


def cylinder_side(x0, x1, cy, r, fill):
    """Side view of a cylinder along x; its left end is the hidden back half."""
    rx = r * K_END
    d = (f"M{n(x0)},{n(cy - r)} L{n(x1)},{n(cy - r)} L{n(x1)},{n(cy + r)} L{n(x0)},{n(cy + r)} "
         f"A{n(rx)},{n(r)} 0 0 1 {n(x0)},{n(cy - r)} Z")
    return path(d, fill, BLACK, 1)


def rings(x, cy, layers):
    """End face of a cylinder at x: layers are (radius, colour) from the outside in."""
    return "".join(ellipse(x, cy, r * K_END, r, c) for r, c in layers)


def round_object(cx, cy, layers, core, protrude, flow_colour, length=78):
    """An insulated pipe or circular duct along x, cut at the right end, with the bare
    core (a few inner layers) standing out of the insulation."""
    x0, x1 = cx - length / 2 - 10, cx + length / 2 - 10
    out = cylinder_side(x0, x1, cy, layers[0][0], layers[0][1])
    out += rings(x1, cy, layers)
    rcore = core[0][0]
    out += cylinder_side(x1, x1 + protrude, cy, rcore, core[0][1])
    out += rings(x1 + protrude, cy, core)
    top = cy - layers[0][0]
    out += arrow(x0 + 8, top - 10, x1 + protrude + 2, top - 10, flow_colour, 2, 4)
    return out


def pipe(cx, cy, jacket=YELLOW, insulation=OLIVE):
    return round_object(cx, cy, [(26, jacket), (22, insulation), (11, GREY), (7, TEAL)],
                        [(11, GREY), (7, TEAL)], 26, RED)


def circular_duct(cx, cy, jacket=YELLOW, insulation=OLIVE):
    return round_object(cx, cy, [(32, jacket), (28, insulation), (19, GREY), (17, AQUA)],
                        [(19, GREY), (17, AQUA)], 16, RED)


DEPTH = 0.42  # oblique depth, drawn at 45 degrees to the upper right


def box(x0, x1, top, height, depth, layers, face):
    """A box along x in oblique view: front face, top face and the right end cut open
    to show its layers, given as (inset, colour) from the outside in."""
    dx = depth * DEPTH
    bottom = top + height
    out = rect(x0, top, x1 - x0, height, face)
    out += poly([(x0, top), (x1, top), (x1 + dx, top - dx), (x0 + dx, top - dx)], face)
    for inset, colour in layers:
        u0, u1 = inset * DEPTH, (depth - inset) * DEPTH
        v0, v1 = top + inset, bottom - inset
        out += poly([(x1 + u0, v0 - u0), (x1 + u1, v0 - u1), (x1 + u1, v1 - u1), (x1 + u0, v1 - u0)],
                    colour)
    return out


def rect_duct_outside(cx, cy, jacket=YELLOW, insulation=OLIVE):
    size, protrude = 56, 16
    x0, x1 = cx - 52, cx + 10
    top = cy - size / 2 + 10
    out = box(x0, x1, top, size, size, [(0, jacket), (4, insulation), (14, GREY), (16, AQUA)], jacket)
    out += box(x1 + 14 * DEPTH, x1 + 14 * DEPTH + protrude, top + 14 - 14 * DEPTH, size - 28, size - 28,
               [(0, GREY), (2, AQUA)], GREY)
    out += arrow(x0 + 8, top - 30, x1 + 20, top - 30, RED, 2, 4)
    return out


def rect_duct_inside(cx, cy, finish=BLUE, insulation=OLIVE, facing=YELLOW):
    size = 56
    x0, x1 = cx - 46, cx + 24
    top = cy - size / 2 + 10
    out = box(x0, x1, top, size, size,
              [(0, finish), (2, GREY), (4, insulation), (13, facing), (17, AQUA)], finish)
    out += arrow(x0 + 8, top - 30, x1 + 10, top - 30, RED, 2, 4)
    return out


def slab(cx, cy, bands):
    """A plane wall lying flat: bands (thickness, colour) from the bottom up, the heat
    flowing upwards from the medium below."""
    x0, x1, depth = cx - 40, cx + 30, 56
    total = sum(t for t, _ in bands)
    bottom = cy + total / 2 + 12
    dx = depth * DEPTH
    out = ""
    y = bottom
    for t, colour in bands:
        out += rect(x0, y - t, x1 - x0, t, colour)
        out += poly([(x1, y - t), (x1 + dx, y - t - dx), (x1 + dx, y - dx), (x1, y)], colour)
        y -= t
    out += poly([(x0, y), (x1, y), (x1 + dx, y - dx), (x0 + dx, y - dx)], bands[-1][1])
    out += arrow(x0 - 12, bottom + 4, x0 - 12, y - 14, RED, 2, 4)
    return out


def plane_outside(cx, cy):
    return slab(cx, cy, [(14, GREY), (20, OLIVE), (4, YELLOW)])


def plane_inside(cx, cy):
    return slab(cx, cy, [(4, YELLOW), (20, OLIVE), (12, GREY), (3, BLUE)])


OBJECTS = [pipe, circular_duct, rect_duct_outside, rect_duct_inside, plane_outside, plane_inside]


def oriented(draw, vertical, cx=82, cy=93):
    body = draw(cx, cy)
    return upright(body, cx, cy) if vertical else body


# ---------------------------------------------------------------- families
def family(name, coloured, x_also=True):
    write(name, coloured)
    if x_also:
        prefix, digit = name.rstrip("0123456789"), name[len(name.rstrip("0123456789")):]
        write(prefix + "X" + digit, grey(coloured))


def materialtype():
    cells = even_cells(6, 4, 188)
    for vertical in (0, 1):
        for kind in range(6):
            body = strip(cells, kind, KIND_ICONS) + orientation_strip(vertical)
            body += oriented(OBJECTS[kind], vertical)
            family(f"MATERIALTYPE{vertical * 6 + kind}", svg(W, H, body))


RUN_CELLS = scaled_cells([(4, 48), (49, 94), (95, 141), (142, 187)], 4, 26)


def kanalror():
    for kind in range(4):
        body = strip(RUN_CELLS, kind, KIND_ICONS[:4]) + OBJECTS[kind](96, 93)
        family(f"KANALROR{kind}", svg(W, H, body))


def kanal():
    cells = even_cells(2, 4, 160)
    for vertical in (0, 1):
        for rectangular in (0, 1):
            body = strip(cells, rectangular, [icon_circular_duct, icon_rect_outside])
            body += orientation_strip(vertical)
            body += oriented([circular_duct, rect_duct_outside][rectangular], vertical)
            family(f"KANAL{2 * vertical + rectangular}", svg(W, H, body))


def snowflake(cx, cy, r=9):
    out = ""
    for k in range(3):
        a = math.pi / 3 * k
        out += line(cx - r * math.cos(a), cy - r * math.sin(a), cx + r * math.cos(a),
                    cy + r * math.sin(a), NAVY, 2)
    return out


def ror():
    for vertical in (0, 1):
        body = orientation_strip(vertical) + snowflake(20, 16) + snowflake(44, 22, 6)
        body += oriented(pipe, vertical)
        family(f"ROR{vertical}", svg(W, H, body))


# Tanks: yellow is the insulation and blue the outer surface.
TANK_CELLS = scaled_cells([(4, 59), (65, 125), (131, 187)], 4, 25)


def icon_box(cx, cy):
    return poly([(cx - 9, cy - 4), (cx + 3, cy - 4), (cx + 3, cy + 8), (cx - 9, cy + 8)], SILVER) + \
        poly([(cx - 9, cy - 4), (cx - 4, cy - 9), (cx + 8, cy - 9), (cx + 3, cy - 4)], SILVER) + \
        poly([(cx + 3, cy - 4), (cx + 8, cy - 9), (cx + 8, cy + 3), (cx + 3, cy + 8)], SILVER)


def icon_cylinder(cx, cy):
    return rect(cx - 7, cy - 6, 14, 14, SILVER, None) + \
        line(cx - 7, cy - 6, cx - 7, cy + 8) + line(cx + 7, cy - 6, cx + 7, cy + 8) + \
        path(f"M{cx - 7},{cy + 8} A7,2 0 0 0 {cx + 7},{cy + 8}", SILVER) + \
        ellipse(cx, cy - 6, 7, 2, SILVER)


def icon_sphere(cx, cy):
    return line(cx - 5, cy + 4, cx - 7, cy + 9) + line(cx + 5, cy + 4, cx + 7, cy + 9) + \
        ellipse(cx, cy - 1, 8, 8, SILVER)


def tank_box(cx, cy):
    x0, x1, top, height, depth = cx - 56, cx + 20, cy - 26, 64, 64
    out = rect(x0 + 6, top + height, 6, 8, GREY) + rect(x1 - 12, top + height, 6, 8, GREY)
    out += box(x0, x1, top, height, depth,
               [(0, BLUE), (3, YELLOW), (12, GREY), (14, TEAL)], BLUE)
    return out


def tank_cylinder(cx, cy):
    r, top, bottom, ry = 38, cy - 42, cy + 46, 10
    out = rect(cx - r + 4, bottom, 6, 10, GREY) + rect(cx + r - 10, bottom, 6, 10, GREY)
    out += path(f"M{n(cx - r)},{n(top)} V{n(bottom)} A{r},{ry} 0 0 0 {n(cx + r)},{n(bottom)} "
                f"V{n(top)} Z", BLUE)
    out += ellipse(cx, top, r, ry, BLUE)
    # the front left quarter cut away down the axis
    for inset, colour in [(0, BLUE), (3, YELLOW), (12, GREY), (14, TEAL)]:
        out += rect(cx - r + inset, top + inset, r - inset, bottom - top - 2 * inset, colour)
    out += line(cx, top - ry - 4, cx, bottom + ry + 4, NAVY, 1)
    return out


def tank_sphere(cx, cy):
    r = 50
    out = line(cx - 30, cy + 30, cx - 42, cy + 62, GREY, 4) + line(cx + 30, cy + 30, cx + 42, cy + 62, GREY, 4)
    out += line(cx - 52, cy + 62, cx + 52, cy + 62, BLACK, 1)
    out += ellipse(cx, cy, r, r, BLUE)
    # the left half cut open
    for inset, colour in [(0, BLUE), (3, YELLOW), (12, GREY), (14, TEAL)]:
        rr = r - inset
        out += path(f"M{n(cx)},{n(cy - rr)} A{n(rr)},{n(rr)} 0 0 0 {n(cx)},{n(cy + rr)} Z", colour)
    return out


def tanktype():
    icons = [icon_box, icon_cylinder, icon_sphere]
    shapes = [tank_box, tank_cylinder, tank_sphere]
    for shape in range(3):
        body = strip(TANK_CELLS, shape, icons) + shapes[shape](96, 92)
        family(f"TANKTYPE{shape}", svg(W, H, body))


# Lined ducts for sound: yellow is the absorber and olive its facing.
def icon_lined(sides):
    def draw(cx, cy):
        out = rect(cx - 10, cy - 7, 20, 14, WHITE, BLACK, 1)
        if "tb" in sides:
            out += rect(cx - 9, cy - 6, 18, 3, SILVER, None) + rect(cx - 9, cy + 3, 18, 3, SILVER, None)
        if "lr" in sides:
            out += rect(cx - 9, cy - 6, 3, 12, SILVER, None) + rect(cx + 6, cy - 6, 3, 12, SILVER, None)
        return out
    return draw


def icon_lined_round(cx, cy):
    return ellipse(cx, cy, 8, 8, SILVER) + ellipse(cx, cy, 5, 5, WHITE)


def sound_waves(x, y):
    out = ""
    for k in range(3):
        r = 6 + 5 * k
        out += path(f"M{n(x + r * 0.5)},{n(y - r * 0.87)} A{r},{r} 0 0 1 {n(x + r * 0.5)},{n(y + r * 0.87)}",
                    "none", NAVY, 2)
    return out


def lined_round(cx, cy):
    r, lining, facing = 40, 12, 3
    sx, sy = cx - 24, cy + 14
    dx = 36
    out = path(f"M{n(sx - r * 0.71)},{n(sy - r * 0.71)} L{n(sx - r * 0.71 + dx)},{n(sy - r * 0.71 - dx)} "
               f"A{r},{r} 0 0 1 {n(sx + r * 0.71 + dx)},{n(sy + r * 0.71 - dx)} "
               f"L{n(sx + r * 0.71)},{n(sy + r * 0.71)} Z", SILVER)
    out += ellipse(sx, sy, r, r, GREY) + ellipse(sx, sy, r - 3, r - 3, YELLOW)
    out += ellipse(sx, sy, r - 3 - lining, r - 3 - lining, OLIVE)
    out += ellipse(sx, sy, r - 3 - lining - facing, r - 3 - lining - facing, AQUA)
    out += sound_waves(sx - 8, sy)
    return out


def lined_rect(sides):
    def draw(cx, cy):
        w, h, t, f, sheet = 100, 80, 12, 3, 3
        x0, y0 = cx - 62, cy - 30
        dx = 36
        out = poly([(x0, y0), (x0 + dx, y0 - dx), (x0 + w + dx, y0 - dx), (x0 + w, y0)], SILVER)
        out += poly([(x0 + w, y0), (x0 + w + dx, y0 - dx), (x0 + w + dx, y0 + h - dx), (x0 + w, y0 + h)], SILVER)
        out += rect(x0, y0, w, h, GREY)
        ix0, iy0, ix1, iy1 = x0 + sheet, y0 + sheet, x0 + w - sheet, y0 + h - sheet
        out += rect(ix0, iy0, ix1 - ix0, iy1 - iy0, AQUA, None)
        tb, lr = "tb" in sides, "lr" in sides
        # lining and facing as one block per side, facing on the air side
        if tb:
            out += rect(ix0, iy0, ix1 - ix0, t + f, OLIVE) + rect(ix0, iy0, ix1 - ix0, t, YELLOW)
            out += rect(ix0, iy1 - t - f, ix1 - ix0, t + f, OLIVE) + rect(ix0, iy1 - t, ix1 - ix0, t, YELLOW)
        if lr:
            top = iy0 + (t + f if tb else 0)
            bottom = iy1 - (t + f if tb else 0)
            out += rect(ix0, top, t + f, bottom - top, OLIVE) + rect(ix0, top, t, bottom - top, YELLOW)
            out += rect(ix1 - t - f, top, t + f, bottom - top, OLIVE) + rect(ix1 - t, top, t, bottom - top, YELLOW)
        out += sound_waves(x0 + w / 2 - 8, y0 + h / 2)
        return out
    return draw


def kanaltype():
    icons = [icon_lined_round, icon_lined("tblr"), icon_lined("tb"), icon_lined("lr")]
    drawings = [lined_round, lined_rect("tblr"), lined_rect("tb"), lined_rect("lr")]
    for duct in range(4):
        body = strip(RUN_CELLS, duct, icons) + drawings[duct](96, 96)
        family(f"KANALTYPE{duct}", svg(W, H, body))


# ---------------------------------------------------------------- clearances
CW, CH = 288, 192
WALL, CEILING = 16, 16


def hatched_corner():
    out = rect(0, 0, CW, CEILING, WHITE, None) + rect(0, 0, WALL, CH, WHITE, None)
    for k in range(-CH, CW, 8):
        out += line(k, CEILING, k + CEILING, 0, GREY, 1)
    for k in range(CEILING, CH + WALL, 8):
        out += line(0, k, WALL, k - WALL, GREY, 1)
    out += rect(0, 0, CW, CEILING, "none", None) + line(WALL, CEILING, CW, CEILING, BLACK, 2)
    out += line(WALL, CEILING, WALL, CH, BLACK, 2)
    return out


def dimension_h(x0, x1, y, label):
    out = line(x0, y, x1, y, NAVY, 1)
    for x, s in ((x0, 1), (x1, -1)):
        out += poly([(x, y), (x + 5 * s, y - 2), (x + 5 * s, y + 2)], NAVY, None)
    return out + text(label, (x0 + x1) / 2 - text_width(label, 1.2) / 2, y - 14, 1.2, BLACK, 1.5)


def dimension_v(x, y0, y1, label):
    out = line(x, y0, x, y1, NAVY, 1)
    for y, s in ((y0, 1), (y1, -1)):
        out += poly([(x, y), (x - 2, y + 5 * s), (x + 2, y + 5 * s)], NAVY, None)
    return out + text(label, x + 4, (y0 + y1) / 2 - 6, 1.2, BLACK, 1.5)


def extension_v(x, y0, y1):
    return line(x, y0, x, y1, GREY, 1)


def extension_h(y, x0, x1):
    return line(x0, y, x1, y, GREY, 1)


def clearance_dimensions(cx1, cx2, cy, half_w, half_h, lower_label_pairs):
    """Marks a (wall to first and between), b (ceiling to top), c (ceiling to centre),
    d (centre to centre), e (wall to centre) and the object size."""
    bottom = cy + half_h
    out = extension_v(cx1 - half_w, cy, bottom + 16) + extension_v(cx2 - half_w, cy, bottom + 16)
    out += extension_v(cx1 + half_w, cy, bottom + 16)
    out += extension_v(cx1, cy, bottom + 34) + extension_v(cx2, cy, bottom + 34)
    out += dimension_h(WALL, cx1 - half_w, bottom + 12, "a")
    out += dimension_h(cx1 + half_w, cx2 - half_w, bottom + 12, "a")
    out += dimension_h(WALL, cx1, bottom + 30, "e")
    out += dimension_h(cx1, cx2, bottom + 30, "d")
    xr = cx2 + half_w
    out += extension_h(cy - half_h, cx2, xr + 28) + extension_h(cy, cx2, xr + 28)
    out += dimension_v(xr + 10, CEILING, cy - half_h, "b")
    out += dimension_v(xr + 24, CEILING, cy, "c")
    out += lower_label_pairs
    return out


def clearance_round(segmented):
    r_out, r_pipe = 36, 15
    cx1 = WALL + 30 + r_out
    cx2 = cx1 + 2 * r_out + 30
    cy = CEILING + 26 + r_out
    out = hatched_corner()
    for cx in (cx1, cx2):
        if segmented:
            out += ellipse(cx, cy, r_out, r_out, SILVER)
            for k in range(12):
                a = math.pi / 6 * k
                out += line(cx + r_pipe * math.cos(a), cy + r_pipe * math.sin(a),
                            cx + r_out * math.cos(a), cy + r_out * math.sin(a), BLACK, 1)
            out += ellipse(cx, cy, r_out, r_out, "none", BLACK, 2)
        else:
            out += ellipse(cx, cy, r_out, r_out, WHITE, BLACK, 1)
            out += ellipse(cx, cy, r_out - 3, r_out - 3, SILVER)
            out += line(cx - r_out + 3, cy, cx - r_pipe, cy) + line(cx + r_pipe, cy, cx + r_out - 3, cy)
        out += ellipse(cx, cy, r_pipe, r_pipe, GREY) + ellipse(cx, cy, r_pipe - 4, r_pipe - 4, WHITE)
        out += line(cx - r_out - 4, cy, cx + r_out + 4, cy, NAVY, 1) + line(cx, cy - r_out - 4, cx, cy + r_out + 4, NAVY, 1)
    size = dimension_h(cx2 - r_out, cx2 + r_out, cy + r_out + 48, "D") + \
        extension_v(cx2 + r_out, cy, cy + r_out + 52)
    return svg(CW, CH, out + clearance_dimensions(cx1, cx2, cy, r_out, r_out, size))


def clearance_rect():
    bw, bh = 64, 56
    cx1 = WALL + 28 + bw // 2
    cx2 = cx1 + bw + 28
    cy = CEILING + 24 + bh // 2
    out = hatched_corner()
    for cx in (cx1, cx2):
        out += rect(cx - bw / 2, cy - bh / 2, bw, bh, SILVER)
        out += rect(cx - bw / 2 + 8, cy - bh / 2 + 8, bw - 16, bh - 16, WHITE, GREY, 2)
        out += line(cx - bw / 2 - 4, cy, cx + bw / 2 + 4, cy, NAVY, 1) + line(cx, cy - bh / 2 - 4, cx, cy + bh / 2 + 4, NAVY, 1)
    size = dimension_h(cx2 - bw / 2, cx2 + bw / 2, cy + bh / 2 + 48, "B") + \
        extension_v(cx2 + bw / 2, cy, cy + bh / 2 + 52)
    size += extension_h(cy + bh / 2, cx2, cx2 + bw / 2 + 52)
    size += dimension_v(cx2 + bw / 2 + 46, cy - bh / 2, cy + bh / 2, "H")
    return svg(CW, CH, out + clearance_dimensions(cx1, cx2, cy, bw / 2, bh / 2, size))


def clearances():
    write("280", clearance_round(True))
    write("281", clearance_round(False))
    write("279", clearance_rect())


# ---------------------------------------------------------------- banner and title
# Flat colours taken from the 256-colour palette, so that only edges are blended.
SKY, SEA, WOOL, WOOL_DARK, JACKET = "#003366", "#336699", "#ffcc66", "#cc9933", "#cccccc"
STEEL, MEDIUM = "#666666", "#cc3300"


def emblem(cx, cy, r):
    """An insulated pipe in section: jacket, insulation, steel and medium."""
    return (ellipse(cx, cy, r, r, JACKET, None) +
            ellipse(cx, cy, r * 0.9, r * 0.9, WOOL, None) +
            ellipse(cx, cy, r * 0.45, r * 0.45, STEEL, None) +
            ellipse(cx, cy, r * 0.36, r * 0.36, MEDIUM, None) +
            "".join(line(cx + r * 0.5 * math.cos(a), cy + r * 0.5 * math.sin(a),
                         cx + r * 0.85 * math.cos(a), cy + r * 0.85 * math.sin(a), WOOL_DARK, r * 0.03)
                    for a in [math.pi / 8 * k for k in range(16)]))


def banner():
    w, h = 400, 142
    out = rect(0, 0, w, h, SKY, None)
    for k in range(3):
        out += line(138, 112 + 8 * k, w - 20, 112 + 8 * k, SEA, 2)
    out += emblem(70, 66, 48)
    out += text("Kelvorα", 138, 32, 4.2, "#ffffff", 5.2, 1.8)
    return svg(w, h, out)


def title():
    w, h = 480, 300
    out = rect(0, 0, w, h, SKY, None) + rect(0, 262, w, 38, SEA, None)
    # a run of insulated pipe ending in its section
    out += rect(0, 150, 330, 84, JACKET, None) + rect(0, 156, 330, 72, WOOL, None)
    for k in range(1, 6):
        out += line(60 * k, 150, 60 * k, 234, "#999999", 2)
    out += emblem(360, 192, 62)
    out += text("Kelvorα", 40, 40, 6.4, "#ffffff", 7.5, 1.8)
    out += line(40, 128, 440, 128, WOOL, 3)
    return svg(w, h, out)


# ---------------------------------------------------------------- dialog controls
def colour_button():
    """Frame of the colour swatch; the control fills everything inside the border."""
    return svg(48, 20, rect(0.5, 0.5, 47, 19, WHITE, BLACK, 1))


def curve_background():
    """Axes of the conductivity curve: temperature along y = 350 from x = 60, conductivity
    up from there; the control draws ticks, labels and the curve."""
    out = rect(0.5, 0.5, 599, 399, WHITE, GREY, 1)
    out += arrow(60, 350, 584, 350, BLACK, 1, 4) + arrow(60, 350, 60, 24, BLACK, 1, 4)
    return svg(600, 400, out)


def main():
    materialtype()
    kanalror()
    kanal()
    ror()
    tanktype()
    kanaltype()
    clearances()
    write("COLORBTN", colour_button())
    write("LAMBDAKURVEU", curve_background())
    write("HEADER", banner())
    write("TITLE", title())


if __name__ == "__main__":
    main()
