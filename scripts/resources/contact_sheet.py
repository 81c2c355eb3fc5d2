#!/usr/bin/python3
"""Draws resources/contact-sheet.png: the board as the game paints it (rows,
the three boxes with a sample each, the sign with a score, an item served in
the basket under its shadow) beside the welcome frame and the icon, then every
food at its natural size in a box backdrop. The sheet is for people to look at;
it is not shipped."""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

RESOURCES = Path(__file__).resolve().parents[2] / "resources"
FOODS = [
    "apple", "apricot", "banana", "blackberry", "blueberry", "cherry", "grapes", "lemon",
    "lime", "orange", "peach", "pear", "pineapple", "strawberry", "watermelon",
    "artichoke", "asparagus", "broccoli", "cabbage", "carrot", "cauliflower", "corn",
    "cucumber", "green-onion", "green-pepper", "lettuce", "onion", "peas", "spinach", "tomato",
    "bagel", "bialy", "challah", "cinnamon-raisin-bread", "cinnamon-roll", "cornbread",
    "cornryebread", "cracker", "croissant", "dinner-roll", "donut", "english-muffin",
    "french_bread", "french-roll", "pancakes",
]
BOXES = [("boxleft", (45, 173), "strawberry"), ("box", (352, 166), "broccoli"),
         ("boxright", (656, 173), "croissant")]
SERVED = "pear"
BOX_W, BOX_H = 300, 239
COLUMNS = 9


def picture(name):
    return Image.open(RESOURCES / f"{name}.png").convert("RGBA")


def in_box(box, food):
    """A box with a picture placed as the box places it: centred across,
    15 pixels below the centre unless the picture is as high as the box."""
    canvas = box.copy()
    x = int(BOX_W / 2 - food.width / 2)
    y = int(BOX_H / 2 - food.height / 2 + (0 if food.height == BOX_H else 15))
    canvas.alpha_composite(food, (x, y))
    return canvas


def centred(board, image):
    return int(board.width / 2 - image.width / 2)


def board():
    canvas = picture("rows")
    for name, position, sample in BOXES:
        canvas.alpha_composite(in_box(picture(name), picture(sample)), position)
    sign = picture("scoresign")
    canvas.alpha_composite(sign, (centred(canvas, sign), 55))
    draw = ImageDraw.Draw(canvas)
    font = ImageFont.truetype(str(RESOURCES / "Kidprint Regular.scr"), 72)
    draw.text((500, 71 + 32), "7", font=font, fill="black", anchor="mm",
              stroke_width=1, stroke_fill="black")
    item = picture(SERVED)
    canvas.alpha_composite(item, (centred(canvas, item), 710 - item.height))
    basket = picture("basket")
    basket_x = centred(canvas, basket)
    canvas.alpha_composite(basket, (basket_x, 525))
    shade = picture("shadow")
    mask = Image.open(RESOURCES / "shadowmask.png").convert("L")
    shade.putalpha(mask.point(lambda v: 255 - v))
    canvas.alpha_composite(shade, (basket_x, 560))
    return canvas


def sheet():
    foods = Image.new("RGBA", (COLUMNS * (BOX_W + 10), (len(FOODS) + COLUMNS - 1) // COLUMNS * (BOX_H + 30)),
                      "#FFFFFF")
    draw = ImageDraw.Draw(foods)
    backdrops = [picture(name) for name, _, _ in BOXES]
    for i, name in enumerate(FOODS):
        x, y = i % COLUMNS * (BOX_W + 10), i // COLUMNS * (BOX_H + 30)
        food = picture(name)
        foods.alpha_composite(in_box(backdrops[i % 3], food), (x, y))
        draw.text((x + 4, y + BOX_H + 4), f"{name} {food.width}x{food.height}", fill="black")
    top = board()
    extras = Image.new("RGBA", (foods.width - top.width - 20, top.height), "#FFFFFF")
    frame = picture("frame")
    extras.alpha_composite(frame, (20, 20))
    ImageDraw.Draw(extras).rectangle((20 + 9, 20 + 11, 20 + 9 + 236, 20 + 11 + 132), fill="white",
                                     outline="black")
    icon = picture("NubrelloIcon")
    extras.alpha_composite(icon, (20, 220))
    prefs = Image.new("RGBA", (125, 64), "white")
    prefs.alpha_composite(icon, (0, 0))
    ImageDraw.Draw(prefs).text((116, 32), "70", font=ImageFont.truetype(
        str(RESOURCES / "Kidprint Regular.scr"), 36), fill="black", anchor="rm")
    extras.alpha_composite(prefs, (120, 220))
    result = Image.new("RGBA", (foods.width, top.height + 20 + foods.height), "#FFFFFF")
    result.alpha_composite(top, (0, 0))
    result.alpha_composite(extras, (top.width + 20, 0))
    result.alpha_composite(foods, (0, top.height + 20))
    result.convert("RGB").save(RESOURCES / "contact-sheet.png")


if __name__ == "__main__":
    sheet()
