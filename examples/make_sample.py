#!/usr/bin/env python3
"""Writes the sample year (QuillmoorAds.ini and QuillmoorAds.qmr) in this folder.

Sales and commissions are computed as the program computes them: the price of
the size in the publication, in colour or black-and-white, times the number of
insertions; the sales person's percentage of the sale.

    make_sample.py --last-year FOLDER

writes the year before instead, into FOLDER: a whole year sold and nearly all
paid, at lower prices, without the newest ad. Its archive in
QuillmoorAds_Archive/ is made from it by the program's own year-end archive:

    make_sample.py --last-year /tmp/last
    build/tools/makearchive /tmp/last/QuillmoorAds.qmr examples 2026
"""
import os
import sys

YEAR = 2026
HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = ["Full", "Half", "Quarter", "third", "sixth", "eigth", "ninth"]
CORVEL_COLOUR = [900, 520, 300, 380, 210, 170, 150]
CORVEL_BW = [700, 400, 230, 290, 160, 130, 110]
FACTORS = [1.0, 1.2, 0.9, 1.1]  # Corvel, Tarn, Fennet, Wyndle
PEOPLE = [("Maggie Thorne", 12), ("Owen Pryce", 10)]

# name, runs in Corvel, Tarn, Fennet, Wyndle
ADS = [
    ("Harbour Lights Books", 1, 1, 0, 0),
    ("Moorland Tea Rooms", 1, 0, 0, 0),
    ("Pennock & Sons, Builders", 1, 0, 0, 1),
    ("The Gull Inn", 1, 0, 1, 0),
    ("Ashby Garden Centre", 1, 0, 0, 0),
    ("Café Lumière", 1, 1, 0, 0),
    ("Greystone Veterinary", 1, 0, 0, 0),
    ("Quayside Antiques", 0, 1, 1, 0),
    ("Old Mill Crafts", 0, 0, 1, 1),
    ("Tidewater Kayaks", 0, 0, 0, 1),
    ("Bramble Farm Shop", 1, 0, 0, 1),
    ("Northcote Opticians", 1, 1, 1, 1),
]


def money(value):
    text = "%.2f" % (round(value * 100 + 1e-9) / 100)
    return text[1:] if text.startswith("0.") else text


def number(value):
    text = ("%.15g" % value)
    return text[1:] if text.startswith("0.") else text


# Last year's prices were this much lower.
PRICE_LEVEL = {"this": 1.0, "last": 0.95}
level = "this"


def price(pub, size, colour):
    base = (CORVEL_COLOUR if colour else CORVEL_BW)[size] * PRICE_LEVEL[level]
    return int(round(base * FACTORS[pub] / 5) * 5)


def line(values):
    out = []
    for v in values:
        out.append('"%s"' % v if isinstance(v, str) else number(v))
    return ",".join(out) + "\r\n"


def sale_row(pub, who, count, size, colour, paid_part, status, comm_paid):
    sale = price(pub, size, colour) * count
    percent = dict(PEOPLE).get(who)
    comm = money(sale * percent / 100) if percent is not None else ""
    paid = money(sale * paid_part) if paid_part else ""
    return ["", who, str(count), SIZES[size], "c" if colour else "", money(sale), paid, status,
            comm, comm if comm and comm_paid else ""]


def main(folder, year, last):
    ads_list = ADS[:-1] if last else ADS  # Northcote Opticians came this year
    ads = len(ads_list)
    cells = {issue: [[""] * 10 for _ in range(ads)] for issue in range(1, 16)}
    who = ["Maggie Thorne", "Owen Pryce", "Owner"]
    corvel = [i for i, a in enumerate(ads_list) if a[1]]
    if last:
        # The whole of last year, paid but for some of November and December.
        for month in range(1, 13):
            for k, ad in enumerate(corvel):
                if (k + month) % 4 == 0:
                    continue
                size = (k + 2 * month) % 5
                colour = (k + month) % 3 != 1
                paid = 0.5 if month >= 11 and k % 3 == 0 else 1
                cells[month][ad] = sale_row(0, who[(k + ad + month) % 3], 1 + (k == 1), size, colour, paid,
                                            "Ok", month <= 10)
    # January to April of Corvel: paid and finished early in the year, open later.
    for month in range(1, 5) if not last else []:
        for k, ad in enumerate(corvel):
            if (k + month) % 4 == 0:
                continue  # not every ad runs every month
            size = (k + month) % 5
            colour = (k + month) % 3 != 0
            paid = {1: 1, 2: 1, 3: 0.5 if k % 2 else 1, 4: 0}[month]
            status = {1: "Ok", 2: "Ok", 3: "Proof" if k % 2 else "Vell", 4: "TK"}[month]
            cells[month][ad] = sale_row(0, who[(k + ad) % 3], 1 + (k == 0), size, colour, paid, status,
                                        month <= 2)
    # The yearly specials, sold ahead.
    for pub, issue in ((1, 13), (2, 14), (3, 15)):
        runs = [i for i, a in enumerate(ads_list) if a[pub + 1]]
        for k, ad in enumerate(runs):
            if last:
                cells[issue][ad] = sale_row(pub, who[(k + pub + 1) % 3], 1, k % 7, k % 2 == 1, 1, "Ok", True)
            else:
                cells[issue][ad] = sale_row(pub, who[(k + pub) % 3], 1, (k + 1) % 7, k % 2 == 0,
                                            1 if k == 0 else 0, "Proof" if k == 0 else "TK", False)
    cells[13][0][7] = "P/U Cor"  # the Tarn ad picked up from Corvel

    settings = line(["1.76"]) + line([ads, len(PEOPLE)])
    for name, *checks in ads_list:
        settings += line([name] + ["?" if c else "" for c in checks])
    for name, percent in PEOPLE:
        settings += line([name, str(percent)])
    for pub in range(4):
        for size in range(7):
            settings += line([str(price(pub, size, True)), str(price(pub, size, False))])

    ledger = line(["1.76", year])
    for issue in range(1, 16):
        for ad in range(ads):
            ledger += line(cells[issue][ad])
    advances = [
        [("01/10/%d" % year, 300, 0), ("02/10/%d" % year, 0, 150), ("03/12/%d" % year, 200, 0)],
        [("02/01/%d" % year, 250, 0), ("04/01/%d" % year, 0, 100.5)],
    ]
    if last:
        advances = [[("05/04/%d" % year, 150, 0), ("09/01/%d" % year, 0, 150)], [("06/15/%d" % year, 100, 0)]]
    for entries in advances:
        ledger += line([len(entries), 0])
    for entries in advances:
        for date, advanced, paid in entries:
            ledger += line([date, advanced, paid])

    for name, text in (("QuillmoorAds.ini", settings), ("QuillmoorAds.qmr", ledger)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode("cp1252"))


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--last-year":
        level = "last"
        os.makedirs(sys.argv[2], exist_ok=True)
        main(sys.argv[2], YEAR - 1, True)
    else:
        main(HERE, YEAR, False)
