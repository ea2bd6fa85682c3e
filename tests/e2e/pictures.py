"""Independent checks of the SVG drawing and the HTML page, run by tests/e2e/PicturesTest.cpp
with Debian's /usr/bin/python3 (xml.etree, python3-ezdxf, python3-pil).

  pictures.py xml FILE...          every file parses as XML
  pictures.py compare DXF SVG      same identifiers, values, members and diagram points
  pictures.py pixels SVG PNG X,Y...  the PNG rendering of the SVG: diagram colour present,
                                   members at the model points given, panels apart
  pictures.py screenshot PNG       a browser screenshot that shows the drawing
  pictures.py pushover SVG X,Y,N... D,R...  hinge number N beside the hinge mark at X,Y in
                                   the first panel; an event mark on the capacity curve at
                                   displacement D, ratio R, read through the axis ticks
Prints OK or the first fault found."""
import math
import re
import sys
import xml.etree.ElementTree as ET

NS = '{http://www.w3.org/2000/svg}'
DIAGRAM = (0xB8, 0x96, 0x00)  # colour 2 (yellow) darkened for a white page
MEMBER = (0x00, 0xFF, 0xFF)   # colour 4 (cyan)
DEFORMED = (0xFF, 0x00, 0x00)  # colour 1 (red)


def fail(text):
    print(text)
    sys.exit(0)


def svg_layers(path):
    root = ET.parse(path).getroot()
    layers = {}
    for group in root.iter(NS + 'g'):
        layers[group.get('id')[len('layer-'):]] = list(group)
    return root, layers


def strips(elements):
    out = []
    for e in elements:
        if e.tag == NS + 'polyline':
            pts = [tuple(float(v) for v in p.split(',')) for p in e.get('points').split()]
            out.append([(x, -y) for x, y in pts])
    return out


def dxf_strips(lines):
    """Consecutive lines joined where one starts at the end of the one before, as the SVG
    writer joins them."""
    out = []
    for line in lines:
        start = (line.dxf.start.x, line.dxf.start.y)
        end = (line.dxf.end.x, line.dxf.end.y)
        if out and out[-1][-1] == start:
            out[-1].append(end)
        else:
            out.append([start, end])
    return out


def segments(strip_list):
    return sorted((a, b) for s in strip_list for a, b in zip(s, s[1:]))


def close(a, b, tol):
    return all(abs(p - q) <= tol for p, q in zip(a, b))


def titles(layers):
    return [t.text for t in layers['Title'] if t.tag == NS + 'text']


def compare(dxf_path, svg_path):
    import ezdxf
    msp = ezdxf.readfile(dxf_path).modelspace()
    _, layers = svg_layers(svg_path)
    size = max(abs(l.dxf.start.x) + abs(l.dxf.start.y) for l in msp.query('LINE'))
    tol = 1e-9 * size
    # Identifiers: the same texts at the same points in the first three panels (the SVG's y
    # axis points down); the Displacement panel adds a fourth set.
    for layer in ('NodeID', 'ElemID', 'WElemID'):
        want = [(t.dxf.text, t.dxf.insert.x, t.dxf.insert.y)
                for t in msp.query('TEXT[layer=="%s"]' % layer)]
        got = [(t.text, float(t.get('x')), -float(t.get('y'))) for t in layers.get(layer, [])]
        if len(got) != len(want) // 3 * 4:
            fail('%s: %d identifiers against %d' % (layer, len(got), len(want)))
        for name, x, y in want:
            if not any(g[0] == name and close(g[1:], (x, y), tol) for g in got):
                fail('%s: %s at %g,%g missing' % (layer, name, x, y))
    # Values: the same texts in the same order.
    want = [t.dxf.text for t in msp.query('TEXT[layer=="Value"]')]
    got = [t.text for t in layers.get('Value', [])]
    if want != got:
        fail('values differ: %s against %s' % (got[:8], want[:8]))
    # Members, rigid zones and walls: the same segments in the first three panels.
    for layer in ('Frame', 'Rigid', 'WElem'):
        want = segments(dxf_strips(msp.query('LINE[layer=="%s"]' % layer)))
        got = segments(strips(layers.get(layer, [])))
        drawn = [g for g in got if any(close(g[0], w[0], tol) and close(g[1], w[1], tol)
                                       for w in want)]
        if len(drawn) != len(want):
            fail('%s: %d of %d segments match' % (layer, len(drawn), len(want)))
    # Diagram points: the same ordinates once divided by each drawing's panel scale.
    dxf_scales = [float(v) for v in sys.argv[4].split(',')]
    svg_scales = [float(re.search(r'scale ([^)]*)\)', t).group(1)) for t in titles(layers)[:3]]
    want = dxf_strips(msp.query('LINE[layer=="StressLast"]'))
    got = strips(layers.get('StressLast', []))
    if len(want) != len(got):
        fail('diagram strips: %d against %d' % (len(got), len(want)))
    # Each panel draws the same members in the same order.
    if len(want) % 3 != 0:
        fail('%d diagram strips for three panels' % len(want))
    panel_of = [3 * k // len(want) for k in range(len(want))]
    worst = [0.0, 0.0, 0.0]
    largest = [0.0, 0.0, 0.0]
    for d, s, panel in zip(want, got, panel_of):
        if len(d) != len(s):
            fail('diagram strip of %d points against %d' % (len(s), len(d)))
        rd, rs = dxf_scales[panel], svg_scales[panel]
        axis = [k for k in range(len(d)) if close(d[k], s[k], tol)]
        for i, j in zip(axis, axis[1:]):
            p, q = d[i], d[j]
            length = math.dist(p, q)
            if length == 0.0:
                continue
            n = ((p[1] - q[1]) / length, (q[0] - p[0]) / length)
            for k in range(i + 1, j):
                along = [(v[k][0] - p[0]) * n[1] - (v[k][1] - p[1]) * n[0] for v in (d, s)]
                if abs(along[0] - along[1]) > 1e-6 * length:
                    fail('diagram point %s drawn at %s along the member' % (d[k], s[k]))
                od = ((d[k][0] - p[0]) * n[0] + (d[k][1] - p[1]) * n[1]) / rd
                os_ = ((s[k][0] - p[0]) * n[0] + (s[k][1] - p[1]) * n[1]) / rs
                worst[panel] = max(worst[panel], abs(od - os_))
                largest[panel] = max(largest[panel], abs(od))
    # Six digits, or the digits the DXF file carries: 12 significant digits of coordinates
    # as large as the drawing, which at a small scale leave fewer for the ordinate.
    for panel in range(3):
        if worst[panel] > 1e-6 * largest[panel] + 1e-11 * size / dxf_scales[panel]:
            fail('panel %d: ordinates differ by %g of %g' % (panel, worst[panel], largest[panel]))
    print('OK')


def to_pixel(root, width, x, y):
    vb = [float(v) for v in root.get('viewBox').split()]
    scale = width / vb[2]
    return ((x - vb[0]) * scale, (-y - vb[1]) * scale)


def near(image, at, colour, reach=3):
    x, y = int(round(at[0])), int(round(at[1]))
    box = image.crop((x - reach, y - reach, x + reach + 1, y + reach + 1))
    return mask(box, colour, 40).getbbox() is not None


def mask(image, colour, tol):
    """A one-band image: 255 where the pixel is within tol of the colour in every channel."""
    from PIL import ImageChops
    bands = [band.point(lambda v, c=c: 255 if abs(v - c) <= tol else 0)
             for band, c in zip(image.split(), colour)]
    return ImageChops.multiply(ImageChops.multiply(bands[0], bands[1]), bands[2])


def count(image, colour, tol=40):
    return mask(image, colour, tol).histogram()[255]


def marked_rows(one_band):
    """Whether each row of a one-band image holds a non-zero pixel."""
    return [one_band.crop((0, y, one_band.width, y + 1)).getbbox() is not None
            for y in range(one_band.height)]


def pixels(svg_path, png_path, points):
    from PIL import Image
    root, layers = svg_layers(svg_path)
    image = Image.open(png_path).convert('RGB')
    if count(image, DIAGRAM) < 200:
        fail('diagram colour missing')
    if count(image, DEFORMED) < 100:
        fail('deformed shape colour missing')
    for point in points:
        x, y = (float(v) for v in point.split(','))
        if not near(image, to_pixel(root, image.width, x, y), MEMBER):
            fail('no member at %s' % point)
    # Panels apart: the rows of each title hold no member pixel, and a white band of rows
    # separates the title from the panel above it.
    from PIL import ImageOps
    rows = marked_rows(ImageOps.invert(image.convert('L')))
    cyan = marked_rows(mask(image, MEMBER, 10))
    title_rows = [int(to_pixel(root, image.width, 0, -float(t.get('y')))[1])
                  for t in layers['Title']]
    if len(title_rows) != 4:
        fail('%d titles' % len(title_rows))
    for row in title_rows:
        top = row
        while top > 0 and rows[top - 1]:
            top -= 1
        if any(cyan[y] for y in range(top, row + 1)):
            fail('title at row %d touches a panel' % row)
        gap = top
        while gap > 0 and not rows[gap - 1]:
            gap -= 1
        if top - gap < 5:
            fail('no white band above the title at row %d' % row)
    print('OK')


def screenshot(png_path):
    from PIL import Image
    image = Image.open(png_path).convert('RGB')
    if count(image, (255, 255, 255), 8) > 0.995 * image.width * image.height:
        fail('blank screenshot')
    if count(image, DIAGRAM, 60) < 100 or count(image, MEMBER, 60) < 100:
        fail('the drawing does not show')
    print('OK')


def axis_map(texts, horizontal):
    """The linear map from values to drawing units, fitted through the axis's tick labels."""
    key = 'text-anchor'
    ticks = [(float(t.text), float(t.get('x')) if horizontal else -float(t.get('y')))
             for t in texts if t.get(key) == ('middle' if horizontal else 'end')
             and t.get('transform') is None and re.fullmatch(r'-?[0-9.e+-]+', t.text or '')]
    (v0, p0), (v1, p1) = ticks[0], ticks[-1]
    if not horizontal:
        # The labels stand half a text height off their ticks: the lowest tick is on the
        # horizontal axis, the first line of the layer.
        p0, p1 = strips(texts)[0][0][1], p1 - p0 + strips(texts)[0][0][1]
    return lambda v: p0 + (v - v0) * (p1 - p0) / (v1 - v0)


def pushover(svg_path, *specs):
    root, layers = svg_layers(svg_path)
    hinges = [s for s in specs if s.count(',') == 2]
    points = [s for s in specs if s.count(',') == 1]
    marks = [(float(c.get('cx')), -float(c.get('cy'))) for c in layers['Hinge']
             if c.tag == NS + 'circle']
    numbers = [(t.text, float(t.get('x')), -float(t.get('y'))) for t in layers['Hinge']
               if t.tag == NS + 'text']
    for given in hinges:
        x, y, n = given.split(',')
        x, y = float(x), float(y)
        mark = min(marks, key=lambda m: math.hypot(m[0] - x, m[1] - y))
        text = min(numbers, key=lambda t: math.hypot(t[1] - mark[0], t[2] - mark[1]))
        if text[0] != n:
            fail('hinge at %s numbered %s' % (given, text[0]))
    # Each value stands beside its diagram, a text height or so away, whatever the units.
    vertices = [p for name in ('StressLast', 'RotationLast', 'StretchLast')
                for strip in strips(layers.get(name, [])) for p in strip]
    for t in layers['Value']:
        x, y, size = float(t.get('x')), -float(t.get('y')), float(t.get('font-size'))
        if min(math.hypot(vx - x, vy - y) for vx, vy in vertices) > 3 * size:
            fail('value %s far from its diagram' % t.text)
    axis = layers['CurveAxis']
    to_x, to_y = axis_map(axis, True), axis_map(axis, False)
    events = [(float(c.get('cx')), -float(c.get('cy'))) for c in layers['Curve']
              if c.tag == NS + 'circle']
    if len(events) != len(points):
        fail('%d event marks' % len(events))
    values = [tuple(float(v) for v in given.split(',')) for given in points]
    tol = 1e-3 * abs(to_x(max(d for d, r in values)) - to_x(0))
    for given, (d, r) in zip(points, values):
        x, y = to_x(d), to_y(r)
        if min(math.hypot(e[0] - x, e[1] - y) for e in events) > tol:
            fail('no event mark at %s' % given)
    print('OK')


def xml(*paths):
    for path in paths:
        try:
            ET.parse(path)
        except ET.ParseError as e:
            fail('%s: %s' % (path, e))
    print('OK')


commands = {'xml': xml, 'compare': compare, 'pixels': lambda svg, png, *points: pixels(
    svg, png, points), 'screenshot': screenshot, 'pushover': pushover}
commands[sys.argv[1]](*sys.argv[2:4] if sys.argv[1] == 'compare' else sys.argv[2:])
