#!/usr/bin/python3
"""Compares a window's screenshot on a denser screen with its screenshot at one device pixel per
logical pixel: the layout kept, the window on the screen, the title bar's artwork enlarged
without smoothing (at 2 every pixel a 2 x 2 block of its own colour; otherwise only colours the
pixel or its neighbours have at 1, so no blend and no seam), the rounded corners following the
scale, and the caption drawn at the full resolution. Prints what it finds; exits 1 on a fault.

usage: hidpi-pixels.py PLAIN.rgb W H DENSE.rgb W H RATIO X Y SCREEN_W SCREEN_H DESKTOP_HEX
  (raw 8-bit RGB of the two windows; X, Y the dense window's place on its screen)
"""
import math
import sys

TITLE_ROWS = 28  # the bar's artwork rows below the window's top edge
CORNER = 12      # the rounded corners lie within this many logical pixels of a top corner
CAPTION_COLOUR = (255, 255, 255)


class Picture:
    def __init__(self, path, width, height):
        self.width, self.height = width, height
        with open(path, 'rb') as f:
            self.data = f.read()
        if len(self.data) != width * height * 3:
            sys.exit(f'{path}: {len(self.data)} bytes for {width} x {height}')

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def holds(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height


def logical_of(device, ratio):
    """The logical pixel whose device edges (each rounded on its own) enclose a device pixel."""
    logical = math.floor(device / ratio)
    while round_half_up((logical + 1) * ratio) <= device:
        logical += 1
    while logical > 0 and round_half_up(logical * ratio) > device:
        logical -= 1
    return logical


def round_half_up(value):
    return math.floor(value + 0.5)


def caption_box(plain):
    """The caption's white text in the title bar, widened by two pixels."""
    points = [(x, y) for y in range(TITLE_ROWS) for x in range(plain.width // 2)
              if plain.at(x, y) == CAPTION_COLOUR]
    if not points:
        sys.exit('no caption text found in the title bar')
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs) - 2, min(ys) - 2, max(xs) + 2, max(ys) + 2


def inside(box, x, y):
    return box[0] <= x <= box[2] and box[1] <= y <= box[3]


def not_enlarged(plain, dense, ratio, skip, reach):
    wrong = []
    for dy in range(round_half_up(TITLE_ROWS * ratio)):
        y = logical_of(dy, ratio)
        for dx in range(dense.width):
            x = logical_of(dx, ratio)
            if inside(skip, x, y):
                continue
            # The toolkit rounds the window region's edges on its own, so at a fractional
            # ratio the rounded corners' mask may end a device pixel off the painted outline.
            near = reach + 1 if reach and in_corner(plain, x, y) else reach
            colour = dense.at(dx, dy)
            if not any(plain.holds(x + i, y + j) and plain.at(x + i, y + j) == colour
                       for j in range(-near, near + 1) for i in range(-near, near + 1)):
                wrong.append((dx, dy))
    return wrong


def in_corner(plain, x, y):
    return y < CORNER and (x < CORNER or x >= plain.width - CORNER)


def sharp(dense, box):
    for y in range(box[1], box[3] + 1):
        for x in range(box[0], box[2] + 1):
            block = {dense.at(2 * x + i, 2 * y + j) for i in (0, 1) for j in (0, 1)}
            if len(block) > 1:
                return True
    return False


def desktop_pixels(picture, size, desktop):
    """Desktop-coloured pixels in both top corners' squares of `size` device pixels."""
    count = 0
    for y in range(size):
        for x in list(range(size)) + list(range(picture.width - size, picture.width)):
            count += picture.at(x, y) == desktop
    return count


def main(argv):
    plain = Picture(argv[1], int(argv[2]), int(argv[3]))
    dense = Picture(argv[4], int(argv[5]), int(argv[6]))
    ratio = float(argv[7])
    x, y, screen_w, screen_h = map(int, argv[8:12])
    desktop = tuple(bytes.fromhex(argv[12]))
    faults = []

    expected = (round_half_up(plain.width * ratio), round_half_up(plain.height * ratio))
    print(f'window {dense.width} x {dense.height} at ({x}, {y}) on {screen_w} x {screen_h}; '
          f'{plain.width} x {plain.height} at 1, so {expected[0]} x {expected[1]} expected')
    if abs(dense.width - expected[0]) > 1 or abs(dense.height - expected[1]) > 1:
        faults.append('the layout did not follow the scale')
    if x < 0 or y < 0 or x + dense.width > screen_w or y + dense.height > screen_h:
        faults.append('the window is partly off the screen')

    caption = caption_box(plain)
    print(f'caption box (logical) {caption}')
    reach = 0 if ratio == 2 else 1
    wrong = not_enlarged(plain, dense, ratio, caption, reach)
    print(f'title bar pixels not enlarged from the artwork (reach {reach}): {len(wrong)}'
          + (f', first at {wrong[:5]}' if wrong else ''))
    if wrong:
        faults.append('the title bar is smoothed, misplaced or seamed')
    if ratio == 2:
        is_sharp = sharp(dense, caption)
        print(f'caption drawn at full resolution: {is_sharp}')
        if not is_sharp:
            faults.append('the caption is pixel-doubled')

    at_one = desktop_pixels(plain, CORNER, desktop)
    scaled = desktop_pixels(dense, round_half_up(CORNER * ratio), desktop)
    print(f'desktop pixels in the top corners: {at_one} at 1, {scaled} now '
          f'({at_one * ratio * ratio:.0f} expected)')
    if at_one == 0 or abs(scaled - at_one * ratio * ratio) > 0.2 * at_one * ratio * ratio:
        faults.append('the window region did not follow the scale')

    for fault in faults:
        print('FAULT:', fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
