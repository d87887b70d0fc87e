#!/usr/bin/python3
"""Draws the About page's address picture: the author's web address in green serif lettering
with a soft dark shadow on the window grey, 331 x 41 pixels, 24-bit RGB.

Run with Debian's python3 and python3-pil; writes address_picture.png beside this script.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ADDRESS = "www.dorvik.example"
SIZE = (331, 41)
BACKGROUND = (212, 208, 200)
LETTERING = (0, 128, 0)
SHADOW = (40, 40, 40)
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"


def main() -> None:
    font = ImageFont.truetype(FONT, 26)
    # The baseline sits low enough that only the descenders reach the last five rows, which
    # the 36-pixel-high picture control cuts off.
    left, top = 8, 3

    shadow = Image.new("L", SIZE, 0)
    ImageDraw.Draw(shadow).text((left + 2, top + 2), ADDRESS, font=font, fill=255)
    shadow = shadow.filter(ImageFilter.GaussianBlur(1.6))

    picture = Image.new("RGB", SIZE, BACKGROUND)
    picture.paste(Image.new("RGB", SIZE, SHADOW), mask=shadow.point(lambda v: v * 3 // 4))
    ImageDraw.Draw(picture).text((left, top), ADDRESS, font=font, fill=LETTERING)
    picture.save(Path(__file__).with_name("address_picture.png"), optimize=True)


if __name__ == "__main__":
    main()
