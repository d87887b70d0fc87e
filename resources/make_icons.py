#!/usr/bin/env python3
"""Draws the program's two 32 x 32 icons, round badges on a transparent ground.

form_icon.png is the window icon, main_icon.png the application icon. The badge is drawn four
times larger and scaled down, so its rim is smooth; the alpha is then cut to fully opaque or
fully clear, as the icons carry a one-bit transparency mask.

Run: python3 resources/make_icons.py   (needs Pillow: python3-pil)
"""
from pathlib import Path

from PIL import Image, ImageDraw

SIZE = 32
SCALE = 4
HERE = Path(__file__).resolve().parent


def badge(rim, face, mark):
    big = SIZE * SCALE
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.ellipse((2 * SCALE, 2 * SCALE, big - 2 * SCALE, big - 2 * SCALE), fill=rim)
    inset = 5 * SCALE
    draw.ellipse((inset, inset, big - inset, big - inset), fill=face)
    # A gauge needle from the centre up to the right, with its hub.
    centre = big // 2
    draw.line((centre, centre, centre + 7 * SCALE, centre - 7 * SCALE), fill=mark,
              width=2 * SCALE)
    hub = 3 * SCALE
    draw.ellipse((centre - hub, centre - hub, centre + hub, centre + hub), fill=mark)
    # Scale ticks along the upper half of the face.
    for dx, dy in ((-9, 0), (-6, -6), (0, -9), (6, -6), (9, 0)):
        x, y = centre + dx * SCALE, centre + dy * SCALE
        draw.ellipse((x - SCALE, y - SCALE, x + SCALE, y + SCALE), fill=mark)
    small = image.resize((SIZE, SIZE), Image.LANCZOS)
    alpha = small.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    small.putalpha(alpha)
    return small


def main():
    badge((30, 70, 140, 255), (235, 235, 225, 255), (200, 30, 30, 255)).save(
        HERE / "form_icon.png")
    badge((150, 30, 30, 255), (245, 215, 60, 255), (20, 20, 20, 255)).save(
        HERE / "main_icon.png")


if __name__ == "__main__":
    main()
