#!/usr/bin/python3
"""Writes the small JPEG files the decoder tests read. They are committed;
run this only to change them (needs python3-pil)."""

import os

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))

# Grayscale, one component: a left-to-right ramp 0..252 in steps of 4.
gray = Image.new("L", (64, 16))
for x in range(64):
    for y in range(16):
        gray.putpixel((x, y), x * 4)
gray.save(os.path.join(HERE, "gray-ramp.jpg"), quality=95)

# Progressive RGB with four flat quadrants: red, green / blue, white.
quad = Image.new("RGB", (32, 32))
for x in range(32):
    for y in range(32):
        quad.putpixel((x, y), [[(220, 30, 30), (30, 200, 40)],
                               [(30, 40, 210), (255, 255, 255)]][y // 16][x // 16])
quad.save(os.path.join(HERE, "quadrants-progressive.jpg"), quality=95, progressive=True,
          subsampling=0)

# CMYK, which the decoder declines with a message.
Image.new("CMYK", (8, 8), (0, 128, 255, 0)).save(os.path.join(HERE, "cmyk.jpg"))
