#!/usr/bin/env python3
"""Writes the panel's bitmap sources: one SVG per bitmap id and manifest.tsv.

The SVGs are the committed sources; run this only to redraw them after changing a
drawing here:  python3 assets/bitmaps/make_svgs.py
Everything is drawn for a dark panel: light grey strokes, white labels, orange and
green accents, black content behind.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SVG_DIR = os.path.join(HERE, "svg")

# Panel colours.
TEXT = "#ececec"
WHITE = "#ffffff"
GREY = "#999999"
DIM = "#525252"
DARK = "#3d3d3f"
DARKER = "#2a2a2c"
DEEP = "#1a2023"
ORANGE = "#f29400"
AMBER = "#fbd63b"
GREEN = "#40a42c"
LIGHT_GREEN = "#429f35"
RED = "#e0001a"
DARK_RED = "#b3180d"
BLUE = "#46a4e3"
DEEP_BLUE = "#1568bf"
BROWN = "#855f25"
FONT = "DejaVu Sans"

bitmaps = {}  # id -> (name, width, height, svg text)


def add(bid, name, width, height, body, view=None, defs=""):
    """Registers one bitmap; body is SVG markup in view coordinates."""
    if bid in bitmaps:
        sys.exit("bitmap %d drawn twice" % bid)
    vb = view if view else "0 0 %d %d" % (width, height)
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%s">\n'
           % (width, height, vb))
    if defs:
        svg += "<defs>%s</defs>\n" % defs
    svg += body.strip() + "\n</svg>\n"
    bitmaps[bid] = (name, width, height, svg)


def icon(bid, name, width, height, body, grid=64):
    """A pictogram drawn on a square design grid, centred in its bitmap."""
    add(bid, name, width, height, body, view="0 0 %d %d" % (grid, grid))


def stroke(colour=TEXT, width=4):
    return ('fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
            'stroke-linejoin="round"' % (colour, width))


def outline(colour=TEXT, width=4):
    """Stroke attributes for a shape that keeps its own fill."""
    return 'stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (colour, width)


def text(x, y, s, size, colour=TEXT, weight="bold", anchor="middle"):
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" '
            'fill="%s" text-anchor="%s">%s</text>' % (x, y, FONT, size, weight, colour, anchor, s))


def grad(gid, top, bottom):
    return ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</linearGradient>' % (gid, top, bottom))


# ---------------------------------------------------------------- buttons

def button_pair(released, pressed, name, width, height, radius, opaque=False):
    """A released/pressed pair of one shape: raised grey, pressed dark with an orange rim."""
    r = 0 if opaque else radius
    inset = 0.5
    for bid, state in ((released, "released"), (pressed, "pressed")):
        if state == "released":
            face = ('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" '
                    'stroke="%s" stroke-width="1"/>'
                    % (inset, inset, width - 1, height - 1, r, DARK, "#5e5e60"))
            face += ('<rect x="%s" y="1.5" width="%s" height="1" fill="#6a6a6c"/>'
                     % (r + 1, width - 2 * r - 2))
        else:
            face = ('<rect x="1" y="1" width="%s" height="%s" rx="%s" fill="%s" '
                    'stroke="%s" stroke-width="2"/>' % (width - 2, height - 2, max(r - 0.5, 0), DEEP, ORANGE))
        if opaque:
            face = '<rect width="%d" height="%d" fill="#000"/>' % (width, height) + face
        add(bid, "%s_%s" % (name, state), width, height, face)


def check_overlay(bid, name, width, height, radius, mark_size, margin=8):
    """Check overlay of a whole button: an orange rim and a mark in the right-hand corner."""
    s = mark_size
    cx, cy = width - s / 2 - margin, s / 2 + margin
    body = ('<rect x="1.5" y="1.5" width="%s" height="%s" rx="%s" %s/>'
            % (width - 3, height - 3, radius, stroke(ORANGE, 3)))
    body += '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, s / 2, ORANGE)
    body += ('<path d="M%s %s l%s %s l%s %s" %s/>'
             % (cx - s * 0.25, cy, s * 0.17, s * 0.2, s * 0.33, -s * 0.4, stroke(WHITE, max(2, s / 9))))
    add(bid, name, width, height, body)


def flat_panel(bid, name, width, height, radius, fill, border, border_width=1):
    add(bid, name, width, height,
        '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
        % (border_width / 2, border_width / 2, width - border_width, height - border_width, radius,
           fill, border, border_width))


# ---------------------------------------------------------------- pictogram parts (64 grid)

def p_house(c=TEXT):
    return ('<path d="M10 30 L32 12 L54 30 M16 26 V52 H48 V26" %s/>'
            '<path d="M27 52 V38 H37 V52" %s/>' % (stroke(c), stroke(c, 3)))


def p_arrow(direction, c=TEXT):
    paths = {"left": "M46 32 H18 M30 18 L16 32 L30 46",
             "right": "M18 32 H46 M34 18 L48 32 L34 46",
             "up": "M32 46 V18 M18 30 L32 16 L46 30",
             "down": "M32 18 V46 M18 34 L32 48 L46 34"}
    return '<path d="%s" %s/>' % (paths[direction], stroke(c, 5))


def p_tick(c=GREEN, w=6):
    return '<path d="M14 33 L27 46 L51 19" %s/>' % stroke(c, w)


def p_cross(c=RED, w=6):
    return '<path d="M18 18 L46 46 M46 18 L18 46" %s/>' % stroke(c, w)


def p_plus(c, w=6):
    return '<path d="M32 14 V50 M14 32 H50" %s/>' % stroke(c, w)


def p_minus(c, w=6):
    return '<path d="M14 32 H50" %s/>' % stroke(c, w)


def p_flame(c1=ORANGE, c2=AMBER, x=0, y=0, s=1.0):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<path d="M32 6 C36 18 48 24 48 40 C48 51 41 58 32 58 C23 58 16 51 16 40 '
            'C16 31 22 27 24 20 C28 26 28 30 30 32 C33 24 34 15 32 6 Z" fill="%s"/>'
            '<path d="M32 34 C35 40 40 43 40 49 C40 54 36 58 32 58 C28 58 24 54 24 49 '
            'C24 44 29 41 32 34 Z" fill="%s"/></g>' % (x, y, s, c1, c2))


def p_sun(c=AMBER, cx=32, cy=32, r=10, ray=8):
    rays = ""
    for k in range(8):
        a = k * math.pi / 4
        x1, y1 = cx + math.cos(a) * (r + 5), cy + math.sin(a) * (r + 5)
        x2, y2 = cx + math.cos(a) * (r + 5 + ray), cy + math.sin(a) * (r + 5 + ray)
        rays += "M%.1f %.1f L%.1f %.1f " % (x1, y1, x2, y2)
    return ('<circle cx="%s" cy="%s" r="%s" fill="%s"/><path d="%s" %s/>'
            % (cx, cy, r, c, rays, stroke(c, 4)))


def p_moon(c=TEXT):
    return '<path d="M40 10 A22 22 0 1 0 54 42 A18 18 0 1 1 40 10 Z" fill="%s"/>' % c


def p_snow(c=BLUE):
    d = ""
    for k in range(3):
        a = k * math.pi / 3
        dx, dy = math.cos(a) * 22, math.sin(a) * 22
        d += "M%.1f %.1f L%.1f %.1f " % (32 - dx, 32 - dy, 32 + dx, 32 + dy)
        for sgn in (1, -1):
            ex, ey = 32 + sgn * dx * 0.6, 32 + sgn * dy * 0.6
            for turn in (0.6, -0.6):
                b = a + (0 if sgn > 0 else math.pi) + math.pi + turn
                d += "M%.1f %.1f L%.1f %.1f " % (ex, ey, ex + math.cos(b) * -8 * -1, ey + math.sin(b) * -8 * -1)
    return '<path d="%s" %s/>' % (d, stroke(c, 3.5))


def p_radiator(c=TEXT, x=0, y=0, s=1.0):
    fins = "".join('<rect x="%d" y="18" width="6" height="30" rx="3" fill="%s"/>' % (12 + 9 * k, c)
                   for k in range(5))
    return ('<g transform="translate(%s %s) scale(%s)">%s'
            '<path d="M8 24 H56 M8 42 H56" %s/></g>' % (x, y, s, fins, stroke(c, 3)))


def p_tap(c=TEXT, drop=BLUE, x=0, y=0, s=1.0):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<path d="M10 22 H34 C42 22 46 26 46 34 V38" %s/>'
            '<path d="M22 14 V22 M16 14 H28" %s/>'
            '<path d="M46 44 C49 49 51 52 51 55 A5 5 0 0 1 41 55 C41 52 43 49 46 44 Z" fill="%s"/></g>'
            % (x, y, s, stroke(c, 6), stroke(c, 4), drop))


def p_drop(c=BLUE, x=0, y=0, s=1.0):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<path d="M32 8 C40 22 48 30 48 40 A16 16 0 0 1 16 40 C16 30 24 22 32 8 Z" fill="%s"/></g>'
            % (x, y, s, c))


def p_clock(c=TEXT, x=0, y=0, s=1.0, hands="M32 18 V32 L42 38"):
    return ('<g transform="translate(%s %s) scale(%s)"><circle cx="32" cy="32" r="22" %s/>'
            '<path d="%s" %s/></g>' % (x, y, s, stroke(c, 4), hands, stroke(c, 4)))


def p_calendar(label, c=TEXT, size=17):
    return ('<rect x="8" y="12" width="48" height="44" rx="5" %s/>'
            '<path d="M8 24 H56 M20 7 V16 M44 7 V16" %s/>%s'
            % (stroke(c, 4), stroke(c, 4), text(32, 50, label, size, c)))


def p_thermometer(c=TEXT, x=0, y=0, s=1.0, fill=RED):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<path d="M26 40 V12 A6 6 0 0 1 38 12 V40 A11 11 0 1 1 26 40 Z" %s/>'
            '<circle cx="32" cy="49" r="6" fill="%s"/><path d="M32 44 V22" %s/></g>'
            % (x, y, s, stroke(c, 3.5), fill, stroke(fill, 4)))


def p_network(c=TEXT, x=0, y=0, s=1.0):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<rect x="24" y="8" width="16" height="12" rx="2" %s/>'
            '<rect x="6" y="42" width="16" height="12" rx="2" %s/>'
            '<rect x="42" y="42" width="16" height="12" rx="2" %s/>'
            '<path d="M32 20 V31 M14 42 V31 H50 V42" %s/></g>'
            % (x, y, s, stroke(c, 3.5), stroke(c, 3.5), stroke(c, 3.5), stroke(c, 3.5)))


def p_badge(label, c=ORANGE, cx=50, cy=50, r=12, tc="#000000"):
    return ('<circle cx="%s" cy="%s" r="%s" fill="%s"/>%s'
            % (cx, cy, r, c, text(cx, cy + r * 0.45, label, r * 1.25, tc)))


def p_spanner(c=ORANGE, w=7):
    return ('<path d="M14 52 L35 31" %s/>'
            '<path d="M51.96 21.13 A10 10 0 1 1 42.87 12.04" %s/>' % (stroke(c, w), stroke(c, w + 1)))


def p_gear(c=TEXT):
    teeth = ""
    for k in range(8):
        teeth += ('<rect x="28" y="6" width="8" height="12" rx="2" fill="%s" '
                  'transform="rotate(%d 32 32)"/>' % (c, k * 45))
    return teeth + '<circle cx="32" cy="32" r="16" fill="none" stroke="%s" stroke-width="7"/>' % c


def p_star(c=AMBER, filled=True):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        r = 26 if k % 2 == 0 else 11
        pts.append("%.1f,%.1f" % (32 + math.cos(a) * r, 34 + math.sin(a) * r))
    if filled:
        return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
            " ".join(pts), c, c)
    return '<polygon points="%s" %s/>' % (" ".join(pts), stroke(c, 3.5))


def p_collector(c=TEXT, x=0, y=0, s=1.0):
    return ('<g transform="translate(%s %s) scale(%s)">'
            '<path d="M14 34 H58 L50 58 H6 Z" %s/>'
            '<path d="M28.7 34 L20.7 58 M43.3 34 L35.3 58 M10 46 H54" %s/></g>'
            % (x, y, s, stroke(c, 3.5), stroke(c, 2.5)))


def p_cylinder(c=TEXT, x=0, y=0, s=1.0, hot=True):
    inner = ""
    if hot:
        inner = ('<rect x="20" y="14" width="24" height="18" rx="2" fill="%s"/>'
                 '<rect x="20" y="32" width="24" height="18" rx="2" fill="%s"/>' % (RED, DEEP_BLUE))
    return ('<g transform="translate(%s %s) scale(%s)">%s'
            '<rect x="16" y="6" width="32" height="52" rx="10" %s/></g>'
            % (x, y, s, inner, stroke(c, 4)))


def p_padlock(c=TEXT):
    return ('<path d="M22 28 V20 A10 10 0 0 1 42 20 V28" %s/>'
            '<rect x="14" y="28" width="36" height="28" rx="4" fill="%s"/>'
            '<circle cx="32" cy="40" r="4" fill="#000"/><path d="M32 42 V49" stroke="#000" stroke-width="3"/>'
            % (stroke(c, 5), c))


def p_monitor(c=TEXT):
    return ('<rect x="6" y="10" width="52" height="34" rx="3" %s/>'
            '<path d="M24 54 H40 M32 44 V54" %s/>' % (stroke(c, 4), stroke(c, 4)))


def p_power(c=TEXT):
    return '<path d="M22 18 A18 18 0 1 0 42 18 M32 8 V30" %s/>' % stroke(c, 5)


def p_pump(c=TEXT):
    return ('<circle cx="32" cy="32" r="24" %s/><circle cx="32" cy="32" r="13" %s/>'
            '<circle cx="32" cy="32" r="4" fill="%s"/>' % (stroke(c, 4), stroke(c, 3), c))


def p_meander(c=TEXT):
    return '<path d="M8 10 H54 V22 H10 V34 H54 V46 H10 V56 H56" %s/>' % stroke(c, 3.5)


# ---------------------------------------------------------------- the database

def draw_buttons():
    button_pair(0, 1, "bar_button", 134, 69, 0, opaque=True)
    button_pair(2, 4, "small_button", 142, 70, 10)
    check_overlay(3, "small_check", 142, 70, 10, 22)
    button_pair(5, 6, "popup_button", 180, 65, 10)
    button_pair(7, 9, "tile_button", 224, 140, 12)
    check_overlay(8, "tile_check", 224, 140, 12, 30)
    # Collector-type button: one look for both states, the mark overlay shows the choice.
    add(10, "collector_button", 300, 70,
        '<rect x="0.5" y="0.5" width="299" height="69" rx="10" fill="%s" stroke="#5e5e60"/>' % DARK)
    # Small and close to the corner: the button's value text ("2.32 m²") runs up to its right.
    check_overlay(11, "collector_check", 300, 70, 10, 18, 4)
    button_pair(13, 15, "long_button", 658, 71, 0, opaque=True)
    check_overlay(14, "long_check", 658, 71, 0, 26)
    button_pair(16, 18, "square_button", 71, 71, 10)
    # The icon button's mark sits in a corner so the icon stays readable.
    add(17, "square_check", 71, 71,
        '<rect x="1.5" y="1.5" width="68" height="68" rx="10" %s/>'
        '<circle cx="56" cy="15" r="11" fill="%s"/>'
        '<path d="M50 15 l4 5 l8 -9" %s/>' % (stroke(ORANGE, 3), ORANGE, stroke(WHITE, 3)))
    # Round quick buttons of the home screen.
    for bid, state in ((19, "released"), (21, "pressed")):
        if state == "released":
            add(bid, "round_button_released", 80, 80,
                '<circle cx="40" cy="40" r="39" fill="%s" stroke="#5e5e60"/>' % DARK)
        else:
            add(bid, "round_button_pressed", 80, 80,
                '<circle cx="40" cy="40" r="38.5" fill="%s" stroke="%s" stroke-width="2"/>' % (DEEP, ORANGE))
    add(20, "round_check", 80, 80,
        '<circle cx="40" cy="40" r="38" %s/>' % stroke(ORANGE, 4))


def draw_scheme_frames():
    for bid, h, kind in ((22, 194, "released"), (23, 194, "display"), (24, 194, "pressed"),
                         (25, 244, "released"), (26, 244, "display"), (27, 244, "pressed"),
                         (28, 302, "display"), (29, 302, "selected")):
        name = "scheme_frame_%d_%s" % (h, kind)
        if kind == "released":
            add(bid, name, 97, h,
                '<rect x="0.5" y="0.5" width="96" height="%d" rx="10" fill="#2e2e31" stroke="#5e5e60"/>'
                % (h - 1))
        elif kind == "pressed":
            add(bid, name, 97, h,
                '<rect x="1" y="1" width="95" height="%d" rx="10" fill="%s" stroke="%s" stroke-width="2"/>'
                % (h - 2, DEEP, ORANGE))
        elif kind == "display":
            flat_panel(bid, name, 97, h, 10, "#141416", DIM, 2)
        else:
            flat_panel(bid, name, 97, h, 10, "#141416", WHITE, 3)


def draw_cockpit():
    # Buffer tile: a cylinder with warm water on top, cold below.
    defs = ('<linearGradient id="w" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="#a01f8c"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient>' % (RED, DEEP_BLUE))
    add(30, "cockpit_buffer", 288, 258,
        '<rect x="1" y="1" width="286" height="256" rx="14" fill="#222225" stroke="%s" stroke-width="2"/>'
        '<rect x="94" y="24" width="100" height="210" rx="26" fill="url(#w)"/>'
        '<rect x="94" y="24" width="100" height="210" rx="26" %s/>'
        '<path d="M60 70 H94 M60 190 H94 M194 70 H228 M194 190 H228" %s/>'
        % (DIM, stroke(TEXT, 5), stroke(GREY, 6)), defs=defs)
    # Boiler on its cylinder.
    add(31, "boiler_on_cylinder", 130, 278,
        '<rect x="20" y="4" width="90" height="110" rx="8" fill="#2e2e31" stroke="%s" stroke-width="4"/>'
        '<rect x="38" y="22" width="54" height="22" rx="3" fill="#000" stroke="%s" stroke-width="2"/>'
        '%s'
        '<rect x="24" y="126" width="82" height="146" rx="20" fill="url(#w)" stroke="%s" stroke-width="4"/>'
        % (TEXT, GREY, p_flame(x=41, y=52, s=0.75), TEXT), defs=defs)
    # Solar tile: sun and collector in the upper part, room for a text below.
    add(36, "cockpit_solar", 184, 225,
        '<rect x="1" y="1" width="182" height="223" rx="14" fill="#222225" stroke="%s" stroke-width="2"/>'
        '%s%s' % (DIM, p_sun(cx=124, cy=40, r=16, ray=10), p_collector(x=20, y=0, s=2.2)), defs=defs)
    boiler = ('<rect x="1" y="1" width="%d" height="%d" rx="14" fill="#222225" stroke="%s" stroke-width="2"/>'
              '<rect x="%d" y="%d" width="%d" height="%d" rx="8" fill="#2e2e31" stroke="%s" stroke-width="4"/>'
              '<rect x="%d" y="%d" width="%d" height="18" rx="3" fill="#000" stroke="%s" stroke-width="2"/>%s')
    add(41, "cockpit_boiler_tall", 130, 215,
        boiler % (128, 213, DIM, 25, 30, 80, 150, TEXT, 40, 46, 50, GREY, p_flame(x=33, y=88, s=1.0)), defs=defs)
    add(42, "cockpit_boiler", 130, 152,
        boiler % (128, 150, DIM, 25, 16, 80, 120, TEXT, 40, 30, 50, GREY, p_flame(x=41, y=60, s=0.75)), defs=defs)
    add(43, "cockpit_cylinder", 130, 126,
        '<rect x="1" y="1" width="128" height="124" rx="14" fill="#222225" stroke="%s" stroke-width="2"/>'
        '<rect x="35" y="12" width="60" height="102" rx="18" fill="url(#w)" stroke="%s" stroke-width="4"/>'
        % (DIM, TEXT), defs=defs)
    add(44, "cockpit_boiler_wide", 162, 278,
        '<rect x="1" y="1" width="160" height="276" rx="14" fill="#222225" stroke="%s" stroke-width="2"/>'
        '<rect x="26" y="20" width="110" height="236" rx="8" fill="#2e2e31" stroke="%s" stroke-width="4"/>'
        '<rect x="46" y="38" width="70" height="22" rx="3" fill="#000" stroke="%s" stroke-width="2"/>%s'
        % (DIM, TEXT, GREY, p_flame(x=49, y=100, s=1.0)), defs=defs)
    # Flow arrows: three chevrons, the lit one moves one step per frame.
    for first, direction in ((32, "left"), (37, "right")):
        for frame in range(4):
            body = ""
            for k in range(4):
                lit = (k == frame) if direction == "right" else (3 - k == frame)
                colour = ORANGE if lit else "#5a3a0a"
                x = 8 + k * 26
                if direction == "right":
                    d = "M%d 6 L%d 17 L%d 28" % (x, x + 12, x)
                else:
                    d = "M%d 6 L%d 17 L%d 28" % (x + 12, x, x + 12)
                body += '<path d="%s" %s/>' % (d, stroke(colour, 6))
            add(first + frame, "arrows_%s_%d" % (direction, frame + 1), 110, 34, body)


def draw_scheme_icons():
    add(45, "scheme_cylinder", 49, 83,
        '<rect x="6" y="6" width="37" height="71" rx="12" fill="url(#w)" %s/>' % outline(TEXT, 4),
        defs='<linearGradient id="w" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s"/>'
             '<stop offset="1" stop-color="%s"/></linearGradient>' % (RED, DEEP_BLUE))
    icon(46, "scheme_pump", 60, 60, p_pump())
    add(47, "scheme_flame", 40, 80, p_flame(x=-12, y=8, s=1.0), view="0 0 40 80")
    add(48, "scheme_boiler_cylinder", 68, 143,
        '%s<rect x="10" y="64" width="48" height="75" rx="14" fill="url(#w)" %s/>'
        % (p_flame(x=6, y=0, s=0.9), outline(TEXT, 4)),
        defs='<linearGradient id="w" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s"/>'
             '<stop offset="1" stop-color="%s"/></linearGradient>' % (RED, DEEP_BLUE))
    add(49, "scheme_meander", 61, 52, p_meander(), view="0 4 64 56")
    add(50, "scheme_loop", 33, 83,
        '<path d="M8 80 V14 A8.5 8.5 0 0 1 25 14 V80" %s/>' % stroke(TEXT, 4))
    add(51, "scheme_mixer", 68, 62,
        '<circle cx="22" cy="34" r="18" %s/><circle cx="22" cy="34" r="8" %s/>'
        '<path d="M44 22 L64 46 V22 L44 46 Z" fill="none" stroke="%s" stroke-width="3.5" stroke-linejoin="round"/>'
        % (stroke(TEXT, 4), stroke(TEXT, 3), TEXT))
    add(52, "scheme_solar", 60, 85,
        p_sun(cx=30, cy=22, r=9, ray=6) + p_collector(x=-2, y=20, s=1.0))
    add(53, "scheme_pool", 65, 47,
        '<circle cx="46" cy="9" r="6" fill="%s"/>'
        '<path d="M10 24 L26 16 L38 26" %s/>'
        '<path d="M4 34 q7 -6 14 0 t14 0 t14 0 t14 0 M4 43 q7 -6 14 0 t14 0 t14 0 t14 0" %s/>'
        % (TEXT, stroke(TEXT, 4), stroke(BLUE, 3)))
    # Histogram bar: a tube around the column; the column shows through its inside.
    add(54, "energy_bar", 80, 287,
        '<rect x="49" y="10" width="26" height="266" rx="4" %s/>'
        '<path d="M44 280 H80" %s/>' % (stroke(GREY, 2), stroke(GREY, 3)))


def draw_flags():
    w, h = 60, 40
    clip = '<clipPath id="c"><rect width="60" height="40" rx="4"/></clipPath>'

    def flag(bid, name, body):
        add(bid, "flag_" + name, w, h, '<g clip-path="url(#c)">%s</g>'
            '<rect x="0.5" y="0.5" width="59" height="39" rx="4" fill="none" stroke="#000" '
            'stroke-opacity="0.35"/>' % body, defs=clip)

    def h3(a, b, c):
        return ('<rect width="60" height="14" fill="%s"/><rect y="13.3" width="60" height="14" fill="%s"/>'
                '<rect y="26.6" width="60" height="13.4" fill="%s"/>' % (a, b, c))

    def v3(a, b, c):
        return ('<rect width="20" height="40" fill="%s"/><rect x="20" width="20" height="40" fill="%s"/>'
                '<rect x="40" width="20" height="40" fill="%s"/>' % (a, b, c))

    def nordic(bg, cross):
        return ('<rect width="60" height="40" fill="%s"/><rect x="18" width="8" height="40" fill="%s"/>'
                '<rect y="16" width="60" height="8" fill="%s"/>' % (bg, cross, cross))
    flag(55, "czech", '<rect width="60" height="20" fill="#fff"/><rect y="20" width="60" height="20" fill="#d7141a"/>'
         '<path d="M0 0 L30 20 L0 40 Z" fill="#11457e"/>')
    flag(56, "german", h3("#000", "#dd0000", "#ffce00"))
    flag(57, "danish", nordic("#c8102e", "#fff"))
    flag(58, "french", v3("#0055a4", "#fff", "#ef4135"))
    flag(59, "english", '<rect width="60" height="40" fill="#012169"/>'
         '<path d="M0 0 L60 40 M60 0 L0 40" stroke="#fff" stroke-width="8"/>'
         '<path d="M0 0 L60 40 M60 0 L0 40" stroke="#c8102e" stroke-width="3"/>'
         '<path d="M30 0 V40 M0 20 H60" stroke="#fff" stroke-width="12"/>'
         '<path d="M30 0 V40 M0 20 H60" stroke="#c8102e" stroke-width="7"/>')
    flag(60, "italian", v3("#009246", "#fff", "#ce2b37"))
    flag(61, "flemish", v3("#000", "#fdda24", "#ef3340"))
    flag(62, "polish", '<rect width="60" height="20" fill="#fff"/><rect y="20" width="60" height="20" fill="#dc143c"/>')
    flag(63, "swedish", nordic("#006aa7", "#fecc00"))
    flag(64, "slovak", h3("#fff", "#0b4ea2", "#ee1c25") +
         '<path d="M12 9 H28 V22 C28 28 20 31 20 31 C20 31 12 28 12 22 Z" fill="#ee1c25" stroke="#fff" stroke-width="1.5"/>'
         '<path d="M20 12 V27 M16 16 H24 M15 20 H25" stroke="#fff" stroke-width="2"/>')


def draw_frames():
    for bid, name, colour in ((65, "frame_grey", "#9b9d9e"), (66, "frame_orange", "#f4821f"),
                              (67, "frame_red", "#e0001a")):
        add(bid, name, 18, 18,
            '<rect x="1" y="1" width="16" height="16" rx="6" fill="#000" stroke="%s" stroke-width="2"/>' % colour)


def draw_house():
    add(68, "house", 220, 208,
        '<path d="M14 96 L110 10 L206 96" %s/>'
        '<path d="M34 80 V200 H186 V80" %s/>'
        '<path d="M160 38 V22 H176 V52" %s/>' % (stroke(TEXT, 6), stroke(TEXT, 6), stroke(TEXT, 6)))


def draw_menu_icons():
    icon(71, "interval_12_months", 64, 64, p_calendar("12"))
    icon(72, "interval_2_years", 64, 64, p_calendar("2y", size=16))
    icon(73, "interval_52_weeks", 64, 64, p_calendar("52"))
    icon(74, "interval_7_days", 64, 64, p_calendar("7"))
    icon(131, "cylinder_24_hours", 64, 64, p_calendar("24h", size=14))
    icon(133, "cylinder_30_days", 64, 64, p_calendar("30"))
    icon(135, "cylinder_7_days", 64, 64, p_calendar("7"))
    icon(76, "burner", 64, 64, p_flame(x=6, y=-2, s=0.8) + '<path d="M10 56 H54" %s/>' % stroke(GREY, 5))
    icon(77, "buzzer", 64, 64,
         '<path d="M10 24 H20 L34 12 V52 L20 40 H10 Z" fill="%s" stroke="%s" stroke-width="3" stroke-linejoin="round"/>'
         '<path d="M42 24 A10 10 0 0 1 42 40 M48 16 A20 20 0 0 1 48 48" %s/>' % (TEXT, TEXT, stroke(TEXT, 4)))
    icon(80, "favourite_unchecked", 64, 64, '<rect x="10" y="10" width="44" height="44" rx="8" %s/>' % stroke(GREY, 4))
    icon(81, "favourite_checked", 64, 64,
         '<rect x="10" y="10" width="44" height="44" rx="8" fill="%s"/>'
         '<path d="M20 33 L29 42 L45 23" %s/>' % (GREEN, stroke(WHITE, 5)))
    icon(89, "reset_data", 64, 64,
         '<path d="M48 20 A20 20 0 1 0 52 36" %s/><path d="M40 8 L50 20 L36 26" %s/>'
         % (stroke(TEXT, 5), stroke(TEXT, 5)))
    icon(98, "energy_balance", 64, 64,
         '<path d="M8 8 V56 H58" %s/>'
         '<rect x="16" y="34" width="8" height="18" fill="%s"/><rect x="28" y="22" width="8" height="30" fill="%s"/>'
         '<rect x="40" y="28" width="8" height="24" fill="%s"/>' % (stroke(TEXT, 4), ORANGE, ORANGE, GREEN))
    icon(103, "select_favourites", 64, 64, p_star(AMBER, False) + p_badge("+", GREEN, 50, 50, 11, WHITE))
    icon(106, "gas_meter", 64, 64,
         '<rect x="8" y="12" width="48" height="42" rx="5" %s/>'
         '<rect x="15" y="22" width="34" height="14" rx="2" fill="%s"/>%s'
         '<path d="M20 44 H44" %s/>' % (stroke(TEXT, 4), TEXT, text(32, 34, "0815", 11, "#000"), stroke(ORANGE, 4)))
    icon(109, "heating", 64, 64, p_radiator())
    icon(110, "rename_circuits", 64, 64,
         p_radiator(x=0, y=-6, s=0.85) +
         '<path d="M30 56 L54 32 L60 38 L36 62 H30 Z" fill="%s" stroke="#000" stroke-width="2"/>' % ORANGE)
    for bid, n in ((111, 1), (112, 2), (113, 3)):
        icon(bid, "heating_circuit_%d" % n, 64, 64, p_radiator(x=-4, y=-6, s=0.9) + p_badge(str(n), ORANGE, 50, 50, 12))
    icon(114, "heating_curve", 64, 64,
         '<path d="M8 8 V56 H58" %s/><path d="M14 50 C30 48 42 36 54 14" %s/>' % (stroke(TEXT, 4), stroke(ORANGE, 4)))
    icon(115, "time_program_heating", 64, 64,
         p_clock(x=-6, y=-6, s=0.85) + '<g>%s</g>' % p_radiator(x=30, y=30, s=0.5))
    # Radiator over tap, both within the round button's ring.
    icon(116, "program_heating_dhw", 64, 64, p_radiator(x=6.4, y=-10, s=0.8) + p_tap(x=19, y=27, s=0.55))
    add(117, "legend_hot_water", 61, 27,
        '<rect x="2" y="4" width="19" height="19" fill="%s"/>%s' % (ORANGE, p_tap(x=24, y=-6, s=0.55)))
    add(118, "legend_heating", 64, 28,
        '<rect x="2" y="4" width="20" height="20" fill="%s"/>%s' % (DARK_RED, p_radiator(x=26, y=-4, s=0.58)))
    icon(119, "holiday_program", 64, 64,
         '<rect x="8" y="20" width="48" height="34" rx="5" %s/><path d="M24 20 V12 H40 V20 M8 34 H56" %s/>'
         % (stroke(TEXT, 4), stroke(TEXT, 4)))
    icon(120, "dhw", 64, 64, p_tap())
    icon(121, "time_program_circulation", 64, 64,
         p_clock(x=-6, y=-6, s=0.85) +
         '<path d="M42 50 A9 9 0 1 0 51 41" %s/><path d="M38 44 L42 50 L48 46" %s/>' % (stroke(ORANGE, 3.5), stroke(ORANGE, 3.5)))
    icon(122, "time_program_dhw", 64, 64, p_clock(x=-6, y=-6, s=0.85) + p_drop(x=28, y=26, s=0.55))
    icon(123, "information", 64, 64,
         '<circle cx="32" cy="32" r="24" %s/><circle cx="32" cy="20" r="3.5" fill="%s"/>'
         '<path d="M32 29 V46" %s/>' % (stroke(TEXT, 4), TEXT, stroke(TEXT, 5)))
    icon(124, "information_general", 64, 64,
         '<rect x="12" y="8" width="40" height="48" rx="4" %s/><path d="M20 22 H44 M20 32 H44 M20 42 H36" %s/>'
         % (stroke(TEXT, 4), stroke(TEXT, 3.5)))
    icon(126, "lan", 64, 64, p_network())
    icon(127, "lan_on_off", 64, 64, p_network(x=-4, y=-4, s=0.85) + p_badge("I", GREEN, 50, 50, 11, WHITE))
    icon(128, "language", 64, 64,
         '<circle cx="32" cy="32" r="24" %s/><ellipse cx="32" cy="32" rx="10" ry="24" %s/>'
         '<path d="M8 32 H56 M13 20 H51 M13 44 H51" %s/>' % (stroke(TEXT, 3.5), stroke(TEXT, 3), stroke(TEXT, 3)))
    icon(136, "lock_panel", 64, 64, p_padlock())
    icon(146, "one_time_charge", 64, 64,
         p_cylinder(x=-8, y=0, s=1.0) + '<path d="M50 48 V18 M42 26 L50 16 L58 26" %s/>' % stroke(ORANGE, 4))
    icon(149, "screen", 64, 64, p_monitor())
    icon(150, "brightness", 64, 64, p_monitor() + p_sun(AMBER, 32, 27, 5, 4))
    icon(151, "brightness_standby", 64, 64,
         p_monitor() + '<path d="M34 17 A10 10 0 1 0 42 31 A8 8 0 1 1 34 17 Z" fill="%s"/>' % GREY)
    icon(161, "password", 64, 64,
         '<circle cx="20" cy="32" r="11" %s/><path d="M31 32 H56 M48 32 V42 M56 32 V40" %s/>'
         % (stroke(TEXT, 5), stroke(TEXT, 5)))
    icon(165, "service_contact", 64, 64,
         '<rect x="6" y="12" width="52" height="40" rx="5" %s/><circle cx="22" cy="28" r="6" fill="%s"/>'
         '<path d="M12 46 A10 10 0 0 1 32 46 M38 26 H50 M38 36 H50" %s/>' % (stroke(TEXT, 4), TEXT, stroke(TEXT, 3.5)))
    icon(168, "settings", 64, 64, p_gear())
    icon(170, "solar", 64, 64, p_sun(AMBER, 42, 16, 7, 5) + p_collector(x=-2, y=2, s=1.0))
    icon(178, "room_temperature", 64, 64, p_thermometer(x=-10) + p_house(ORANGE).replace('<path', '<path transform="translate(34 30) scale(0.45)"'))
    icon(179, "reduced_temperature", 64, 64,
         p_thermometer(x=-10, fill=DEEP_BLUE) + '<g transform="translate(30 28) scale(0.5)">%s</g>' % p_moon(GREY))
    icon(180, "dhw_temperature", 64, 64, p_thermometer(x=-10) + p_drop(x=26, y=24, s=0.55))
    icon(182, "test_operation", 64, 64,
         '<g transform="translate(-4 2) scale(0.9)">%s</g>' % p_spanner(TEXT, 6) + p_flame(x=30, y=28, s=0.5))
    icon(183, "test_operation_picture", 64, 64,
         '<path d="M8 48 A24 24 0 0 1 56 48" %s/><path d="M32 48 L46 26" %s/><circle cx="32" cy="48" r="4" fill="%s"/>'
         % (stroke(TEXT, 5), stroke(ORANGE, 4), ORANGE))
    icon(184, "time", 64, 64, p_clock())
    icon(87, "date_time", 64, 64, p_calendar("") + p_clock(x=30, y=26, s=0.5))


def draw_home_icons():
    icon(82, "comfort", 48, 48, p_sun(AMBER, 32, 24, 8, 6) + text(32, 58, "Comfort", 12, TEXT))
    icon(96, "economy", 48, 48,
         '<path d="M16 42 C14 20 32 10 50 10 C52 30 40 44 18 42 Z M18 42 L36 24" %s/>' % stroke(GREEN, 4)
         + text(32, 60, "Eco", 14, TEXT))
    icon(100, "external_program", 48, 48,
         '<rect x="6" y="16" width="52" height="32" rx="6" %s/>%s' % (stroke(ORANGE, 4), text(32, 40, "EXT", 18, TEXT)))
    icon(173, "standby", 48, 48, p_power())
    # Connection states of the LAN module.
    icon(84, "lan_unknown", 64, 64, p_network(GREY))
    icon(125, "lan_starting", 64, 64, p_network(TEXT) + p_badge("…", GREY, 50, 52, 10, "#000"))
    icon(83, "lan_connected", 64, 64, p_network(GREEN))
    icon(85, "lan_update", 64, 64,
         p_network(TEXT, x=-4, y=-4, s=0.85) +
         '<circle cx="50" cy="50" r="12" fill="%s"/><path d="M50 57 V43 M44 48 L50 42 L56 48" %s/>'
         % (ORANGE, stroke("#000", 3)))
    icon(142, "lan_error", 64, 64,
         p_network(TEXT, x=-4, y=-4, s=0.85) +
         '<circle cx="50" cy="50" r="12" fill="%s"/><path d="M45 45 L55 55 M55 45 L45 55" %s/>' % (RED, stroke(WHITE, 3)))
    icon(145, "sun", 40, 40, p_sun(AMBER, 32, 32, 11, 9))
    icon(157, "moon", 40, 40, p_moon(TEXT))
    icon(105, "frost", 40, 40, p_snow())
    icon(177, "sun_large", 45, 45, p_sun(AMBER, 32, 32, 11, 9))


def draw_small_icons():
    icon(91, "warning", 76, 76,
         '<path d="M32 6 L60 56 H4 Z" fill="%s" stroke="%s" stroke-width="4" stroke-linejoin="round"/>'
         '<path d="M32 22 V40" %s/><circle cx="32" cy="48" r="3.5" fill="#fff"/>' % (RED, RED, stroke(WHITE, 5)))
    icon(92, "no_update_needed", 76, 76,
         '<circle cx="32" cy="32" r="26" fill="%s"/><path d="M18 33 L28 43 L46 22" %s/>' % (GREEN, stroke(WHITE, 6)))
    icon(93, "spanner", 76, 76, p_spanner(ORANGE))
    add(95, "arrow_down_small", 26, 22, '<path d="M3 5 H23 L13 18 Z" fill="%s" stroke="%s" stroke-width="2" '
        'stroke-linejoin="round"/>' % (TEXT, TEXT))
    add(186, "arrow_up_small", 26, 21, '<path d="M3 17 H23 L13 4 Z" fill="%s" stroke="%s" stroke-width="2" '
        'stroke-linejoin="round"/>' % (TEXT, TEXT))
    add(104, "flame_small", 36, 26, p_flame(x=3, y=-1, s=0.45))
    icon(155, "flame", 48, 48, p_flame())
    icon(108, "tick_green", 32, 32, p_tick(GREEN, 8))
    icon(189, "tick_white", 32, 32, p_tick(WHITE, 8))
    icon(140, "minus_blue", 32, 32, p_minus(BLUE, 8))
    icon(141, "minus_white", 32, 32, p_minus(WHITE, 7))
    icon(153, "plus_red", 32, 32, p_plus(RED, 8))
    icon(154, "plus_white", 32, 32, p_plus(WHITE, 7))
    icon(159, "cross_red", 26, 26, p_cross(RED, 8))
    add(206, "star", 35, 33, p_star(AMBER), view="4 6 56 53")
    # Busy indicator: an arc with a bright head, a quarter turn per frame.
    for frame in range(4):
        body = '<circle cx="32" cy="32" r="22" %s/>' % stroke("#3a3a3c", 7)
        body += ('<path d="M32 10 A22 22 0 0 1 54 32" %s/>'
                 '<path d="M54 32 A22 22 0 0 1 32 54" %s/>' % (stroke(ORANGE, 7), stroke("#7a4c08", 7)))
        add(200 + frame, "busy_%d" % (frame + 1), 64, 64,
            '<g transform="rotate(%d 32 32)">%s</g>' % (90 * frame, body))


def draw_bar_icons():
    icon(204, "bar_back", 48, 48,
         '<path d="M22 14 L10 26 L22 38" %s/><path d="M10 26 H40 A12 12 0 0 1 40 50 H30" %s/>'
         % (stroke(TEXT, 5), stroke(TEXT, 5)))
    icon(207, "bar_help", 48, 48,
         '<circle cx="32" cy="32" r="25" %s/>'
         '<path d="M24 25 A8 8 0 1 1 36 31 C33 33 32 35 32 39" %s/><circle cx="32" cy="47" r="3.5" fill="%s"/>'
         % (stroke(TEXT, 4), stroke(TEXT, 5), TEXT))
    icon(208, "bar_home", 48, 48, p_house())
    icon(209, "bar_left", 48, 48, p_arrow("left"))
    icon(210, "bar_ok", 48, 48, p_tick(GREEN, 7))
    icon(211, "bar_right", 48, 48, p_arrow("right"))
    icon(214, "bar_service", 48, 48, p_spanner(ORANGE, 6))


def draw_keyboard_icons():
    icon(191, "key_backspace", 36, 36,
         '<path d="M22 14 H54 V50 H22 L6 32 Z" %s/><path d="M30 24 L44 40 M44 24 L30 40" %s/>'
         % (stroke(TEXT, 4), stroke(TEXT, 4)))
    icon(193, "key_left", 36, 36, '<path d="M44 12 L20 32 L44 52 Z" fill="%s"/><path d="M14 12 V52" %s/>'
         % (TEXT, stroke(TEXT, 5)))
    icon(197, "key_right", 36, 36, '<path d="M20 12 L44 32 L20 52 Z" fill="%s"/><path d="M50 12 V52" %s/>'
         % (TEXT, stroke(TEXT, 5)))
    icon(194, "key_digits", 36, 36, text(32, 41, "123", 24, TEXT))
    icon(195, "key_letters", 36, 36, text(32, 41, "ABC", 23, TEXT))
    icon(196, "key_symbols", 36, 36, text(32, 41, "#+=", 24, TEXT))
    shift = "M32 8 L56 34 H42 V56 H22 V34 H8 Z"
    icon(198, "key_shift_on", 36, 36, '<path d="%s" fill="%s" stroke="%s" stroke-width="3" stroke-linejoin="round"/>'
         % (shift, ORANGE, ORANGE))
    icon(199, "key_shift_off", 36, 36, '<path d="%s" %s/>' % (shift, stroke(TEXT, 3.5)))


def draw_widgets():
    add(215, "progress_fill", 439, 31,
        '<rect width="439" height="31" fill="%s"/><rect width="439" height="2" fill="#6fc05a"/>' % GREEN)
    # The wide look holds a year or "100" in the value font.
    for bid, name, w, h in ((216, "spin_background_0", 74, 214), (217, "spin_background_1", 62, 286),
                            (218, "spin_background_2", 135, 214)):
        # A light value window: the spin box writes its value in black.
        flat_panel(bid, name, w, h, 10, "#d6d8d4", DIM, 2)
    button_pair(219, 220, "spin_button_1", 58, 75, 8)
    button_pair(221, 222, "spin_button_2", 131, 70, 10)
    # Scroll indicator: a rounded grey bar in the middle of its 70-pixel column.
    add(225, "scroll_thumb_top", 70, 4, '<path d="M29 4 V3 A3 3 0 0 1 32 0 H38 A3 3 0 0 1 41 3 V4 Z" fill="%s"/>' % GREY)
    add(224, "scroll_thumb_middle", 70, 1, '<rect x="29" width="12" height="1" fill="%s"/>' % GREY)
    add(223, "scroll_thumb_bottom", 70, 4, '<path d="M29 0 V1 A3 3 0 0 0 32 4 H38 A3 3 0 0 0 41 1 V0 Z" fill="%s"/>' % GREY)
    # 24-hour track: inner area (4, 4, 531, 47), a faint line every hour, stronger every 3 hours.
    lines = ""
    for hour in range(25):
        x = 4 + 531 * hour / 24
        lines += '<rect x="%.2f" y="4" width="1" height="47" fill="%s"/>' % (x - 0.5, "#4a4a4c" if hour % 3 else "#6a6a6c")
    add(226, "day_track", 539, 55,
        '<rect width="539" height="55" fill="#000"/><rect x="1" y="1" width="537" height="53" fill="#161618" '
        'stroke="%s" stroke-width="2"/>%s' % (DIM, lines))
    # Hour scale over the track: the track's x 4 lies at x 30 of the scale.
    marks = ""
    for hour in range(0, 25, 3):
        x = 30 + 531 * hour / 24
        marks += text("%.2f" % x, 30, "%d" % hour, 18, TEXT, "normal")
        marks += '<rect x="%.2f" y="36" width="2" height="10" fill="%s"/>' % (x - 1, GREY)
    add(227, "hour_scale", 600, 46, marks)
    # Top bar: black with the buttons flush; the red line below belongs to the bar itself.
    for bid, state, w in ((228, "released", 111), (229, "pressed", 111), (231, "released", 570),
                          (232, "pressed", 570)):
        name = ("top_menu_" if w == 111 else "top_centre_") + state
        if state == "released":
            add(bid, name, w, 69, '<rect width="%d" height="69" fill="#000"/>' % w)
        else:
            add(bid, name, w, 69, '<rect width="%d" height="69" fill="#222225"/>'
                '<rect y="64" width="%d" height="5" fill="%s"/>' % (w, w, ORANGE))
    add(230, "top_separator", 4, 69,
        '<rect width="4" height="69" fill="#000"/><rect x="1" y="10" width="2" height="49" fill="url(#g)"/>',
        defs='<linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#000"/>'
             '<stop offset="0.5" stop-color="%s"/><stop offset="1" stop-color="#000"/></linearGradient>' % GREY)
    add(233, "logo", 536, 114,
        '<g transform="translate(12 8) scale(1.5)">%s</g>%s'
        % (p_flame(), text(330, 82, "QUILLON", 72, WHITE)))


def draw_tank():
    # Body over the layers: walls, domed ends and feet; the interior (5, 16, 124, 221) stays clear.
    add(234, "tank_body", 134, 257,
        '<path d="M5 25 A9 9 0 0 1 14 16 H120 A9 9 0 0 1 129 25 V219 A18 18 0 0 1 111 237 H23 A18 18 0 0 1 5 219 Z" '
        'fill="none" stroke="%s" stroke-width="6"/>'
        '<path d="M40 6 V14 M94 6 V14" %s/>'
        '<path d="M24 240 V254 M110 240 V254" %s/>' % (TEXT, stroke(GREY, 5), stroke(GREY, 6)))
    add(235, "tank_mask", 124, 221,
        '<rect width="124" height="221" fill="#000"/>'
        '<path d="M0 9 A9 9 0 0 1 9 0 H115 A9 9 0 0 1 124 9 V203 A18 18 0 0 1 106 221 H18 A18 18 0 0 1 0 203 Z" fill="#fff"/>')
    add(236, "tank_left", 76, 53, '<path d="M76 12 H20 M76 38 H20" %s/>'
        '<path d="M4 12 H20 M4 38 H20" %s/>' % (stroke(RED, 6), stroke(GREY, 6)))
    add(237, "tank_right", 76, 53, '<path d="M0 12 H56 M0 38 H56" %s/>'
        '<path d="M56 12 H72 M56 38 H72" %s/>' % (stroke(DEEP_BLUE, 6), stroke(GREY, 6)))
    add(238, "level_marker", 36, 11, '<path d="M0 5.5 L10 0 H36 V11 H10 Z" fill="%s"/>' % LIGHT_GREEN)


def draw_placeholders():
    # Ids nothing draws; one is the narrowest sliver the database holds.
    add(12, "sliver", 4, 1,
        '<rect x="1" width="2" height="1" fill="%s"/><rect width="1" height="1" fill="%s" fill-opacity="0.5"/>'
        '<rect x="3" width="1" height="1" fill="%s" fill-opacity="0.5"/>' % (GREY, GREY, GREY))
    for bid in range(239):
        if bid not in bitmaps:
            add(bid, "unused", 16, 16, '<rect width="16" height="16" fill="#2a2a2c"/>'
                '<rect x="1" y="1" width="14" height="14" fill="none" stroke="%s"/>' % DIM)


def main():
    draw_buttons()
    draw_scheme_frames()
    draw_cockpit()
    draw_scheme_icons()
    draw_flags()
    draw_frames()
    draw_house()
    draw_menu_icons()
    draw_home_icons()
    draw_small_icons()
    draw_bar_icons()
    draw_keyboard_icons()
    draw_widgets()
    draw_tank()
    draw_placeholders()
    os.makedirs(SVG_DIR, exist_ok=True)
    for old in os.listdir(SVG_DIR):
        if old.endswith(".svg"):
            os.remove(os.path.join(SVG_DIR, old))
    with open(os.path.join(HERE, "manifest.tsv"), "w") as manifest:
        manifest.write("# id\tname\twidth\theight\n")
        for bid in sorted(bitmaps):
            name, width, height, svg = bitmaps[bid]
            manifest.write("%d\t%s\t%d\t%d\n" % (bid, name, width, height))
            with open(os.path.join(SVG_DIR, "%03d_%s.svg" % (bid, name)), "w") as out:
                out.write(svg)


if __name__ == "__main__":
    main()
