#!/usr/bin/env python3
"""Draws the program's icons, round badges on a transparent ground.

form_icon.png is the window icon, main_icon.png the application icon, both 32 x 32. The badge
is drawn four times larger and scaled down, so its rim is smooth; in these two the alpha is
then cut to fully opaque or fully clear, as the icons carry a one-bit transparency mask.

desktop/icons/<size>.png are the application icon at the sizes a desktop's icon theme asks
for. They keep the smooth alpha: a one-bit rim looks ragged at 128 and 256 pixels.

Run: python3 resources/make_icons.py   (needs Pillow: python3-pil)
"""
from pathlib import Path

from PIL import Image, ImageDraw

SIZE = 32
SCALE = 4
DESKTOP_SIZES = (16, 32, 48, 64, 128, 256)
HERE = Path(__file__).resolve().parent

FORM_COLOURS = ((30, 70, 140, 255), (235, 235, 225, 255), (200, 30, 30, 255))
MAIN_COLOURS = ((150, 30, 30, 255), (245, 215, 60, 255), (20, 20, 20, 255))


def smooth_badge(rim, face, mark, size=SIZE):
    # The drawing is laid out on a 32-unit grid; `unit` is one grid step in the large image,
    # so every size divisible by 8 is drawn with whole-pixel coordinates.
    unit = size * SCALE // SIZE
    big = size * SCALE
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.ellipse((2 * unit, 2 * unit, big - 2 * unit, big - 2 * unit), fill=rim)
    inset = 5 * unit
    draw.ellipse((inset, inset, big - inset, big - inset), fill=face)
    # A gauge needle from the centre up to the right, with its hub.
    centre = big // 2
    draw.line((centre, centre, centre + 7 * unit, centre - 7 * unit), fill=mark,
              width=2 * unit)
    hub = 3 * unit
    draw.ellipse((centre - hub, centre - hub, centre + hub, centre + hub), fill=mark)
    # Scale ticks along the upper half of the face.
    for dx, dy in ((-9, 0), (-6, -6), (0, -9), (6, -6), (9, 0)):
        x, y = centre + dx * unit, centre + dy * unit
        draw.ellipse((x - unit, y - unit, x + unit, y + unit), fill=mark)
    return image.resize((size, size), Image.LANCZOS)


def badge(rim, face, mark):
    small = smooth_badge(rim, face, mark)
    alpha = small.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    small.putalpha(alpha)
    return small


def main():
    badge(*FORM_COLOURS).save(HERE / "form_icon.png")
    badge(*MAIN_COLOURS).save(HERE / "main_icon.png")
    desktop = HERE / "desktop" / "icons"
    desktop.mkdir(parents=True, exist_ok=True)
    for size in DESKTOP_SIZES:
        smooth_badge(*MAIN_COLOURS, size=size).save(desktop / f"{size}.png")


if __name__ == "__main__":
    main()
