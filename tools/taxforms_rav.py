#!/usr/bin/env python3
"""Authoring tool: writes the tax form report project TaxForms.RAV.

The form geometry comes from the box tables of the 2025 Forms W-2 and W-3
(w2_2025_boxes.csv, w3_2025_boxes.csv: inches from the form's top-left
corner). The build installs the committed RAV; it never runs this script.

    tools/taxforms_rav.py [CSV_DIR] > src/printing/forms/TaxForms.RAV
"""
import csv
import json
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CSV_DIR = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "tests", "printing", "data")

PEN = 0.01  # one line weight for every rule: no bold boxes on Copy A and the W-3
ARIAL = "Arial"
COURIER = "Courier New"


def boxes(name):
    with open(os.path.join(CSV_DIR, name), newline="", encoding="utf-8") as f:
        return {row["box"]: row for row in csv.DictReader(f)}


W2 = boxes("w2_2025_boxes.csv")
W3 = boxes("w3_2025_boxes.csv")


def slot_name(base, slot):
    """The parameter of a slot: Boxc1 -> Boxc1_3, Box7 -> Box7_2, Boxa -> Boxa1."""
    if slot is None:
        return base
    return f"{base}_{slot}" if base[-1].isdigit() else f"{base}{slot}"


class Form:
    """Items of one form placed at (ox, oy) on the page, its x lengths scaled by sx."""

    def __init__(self, items, ox, oy, sx=1.0):
        self.items, self.ox, self.oy, self.sx = items, ox, oy, sx

    def X(self, x):
        return round(self.ox + x * self.sx, 4)

    def Y(self, y):
        return round(self.oy + y, 4)

    def W(self, w):
        return round(w * self.sx, 4)

    def rect(self, x, y, w, h):
        self.items.append({"type": "rect", "x": self.X(x), "y": self.Y(y), "width": self.W(w),
                           "height": round(h, 4), "pen": PEN, "background": True})

    def line(self, x1, y1, x2, y2):
        self.items.append({"type": "line", "x1": self.X(x1), "y1": self.Y(y1), "x2": self.X(x2),
                           "y2": self.Y(y2), "pen": PEN, "background": True})

    def text(self, x, y, text, size, width=None, align="left", bold=False, floor=None):
        item = {"type": "text", "x": self.X(x), "y": self.Y(y), "text": text}
        if width:
            item["width"] = self.W(width)
        if align != "left":
            item["align"] = align
        font = {"size": size}
        if bold:
            font["bold"] = True
        item["font"] = font
        if width and floor:
            item["fit"] = True
            item["minFontSize"] = floor
        item["background"] = True
        self.items.append(item)

    def field(self, param, x, y, w, h, font, align="left", valign="bottom"):
        family, size, floor = font
        item = {"type": "field", "param": param, "x": self.X(x), "y": self.Y(y), "width": self.W(w),
                "height": round(h, 4)}
        if align != "left":
            item["align"] = align
        if valign != "top":
            item["valign"] = valign
        item["font"] = {"family": family, "size": size}
        item["fit"] = True
        item["minFontSize"] = floor
        self.items.append(item)


def geo(row):
    return float(row["x_in"]), float(row["y_in"]), float(row["w_in"]), float(row["h_in"])


def data(row):
    if not row["data_x_in"]:  # box 9 has no data line on the IRS form: the box, inset
        x, y, w, h = geo(row)
        return x + 0.0139, y + h / 2, w - 0.0278, h / 2
    return float(row["data_x_in"]), float(row["data_y_in"]), float(row["data_w_in"]), float(row["data_h_in"])


# Boxes 1 to 11 carry the same captions on the W-2 and the W-3.
AMOUNT_BOX_CAPTIONS = {
    "1": "1  Wages, tips, other compensation",
    "2": "2  Federal income tax withheld",
    "3": "3  Social security wages",
    "4": "4  Social security tax withheld",
    "5": "5  Medicare wages and tips",
    "6": "6  Medicare tax withheld",
    "7": "7  Social security tips",
    "8": "8  Allocated tips",
    "9": "9",
    "10": "10  Dependent care benefits",
    "11": "11  Nonqualified plans",
}

W2_CAPTIONS = {
    "a": "a  Employee's social security number",
    "b": "b  Employer identification number (EIN)",
    "c": "c  Employer's name, address, and ZIP code",
    "d": "d  Control number",
    "e_first": "e  Employee's first name and initial",
    "e_last": "Last name",
    "e_suffix": "Suff.",
    **AMOUNT_BOX_CAPTIONS,
    "12a": "12a  See instructions for box 12",
    "12b": "12b",
    "12c": "12c",
    "12d": "12d",
    "13": "13",
    "14": "14  Other",
    "15_state": "15  State",
    "15_id": "Employer's state ID number",
    "16": "16  State wages, tips, etc.",
    "17": "17  State income tax",
    "18": "18  Local wages, tips, etc.",
    "19": "19  Local income tax",
    "20": "20  Locality name",
}

# Parameter -> (box, line of a box with several lines).
W2_FIELDS = [("Boxa", "a"), ("Boxb", "b")] + [(f"Boxc{k}", "c", k - 1) for k in range(1, 5)] + [
    ("Boxd", "d"), ("Boxe1", "e_first"), ("Boxe2", "e_last"), ("Boxe3", "e_suffix"),
    ("Boxf1", "f", 0), ("Boxf2", "f", 1)] + [(f"Box{n}", str(n)) for n in range(1, 12)]
for letter in "abcd":
    W2_FIELDS += [(f"Box12{letter}1", f"12{letter}_code"), (f"Box12{letter}2", f"12{letter}_amount")]
W2_FIELDS += [("Box13a", "13_statutory"), ("Box13b", "13_retirement"), ("Box13c", "13_thirdparty")]
for k, letter in enumerate("abc"):
    W2_FIELDS += [(f"Box14{letter}1", "14_desc", k), (f"Box14{letter}2", "14_amount", k)]
for letter, suffix in (("a", ""), ("b", "_r2")):
    W2_FIELDS += [(f"Box15{letter}1", "15_state" + suffix), (f"Box15{letter}2", "15_id" + suffix)]
    W2_FIELDS += [(f"Box{n}{letter}", f"{n}{suffix}") for n in range(16, 21)]

AMOUNT_BOXES = {str(n) for n in range(1, 12) if n != 9} | {f"{n}{s}" for n in range(16, 20) for s in ("", "_r2")}
AMOUNT_BOXES |= {f"12{c}_amount" for c in "abcd"} | {"14_amount"}
CHECK_BOXES = {"13_statutory", "13_retirement", "13_thirdparty"}


def w2_form(items, ox, oy, sx, slot, copy_a, data_font, caption_size, legend):
    f = Form(items, ox, oy, sx)
    cap_floor = 3.5 if sx < 1 else 5
    outline = [k for k in W2 if k not in ("form_extent", "title", "tax_year", "dept", "copy_legend", "cat_no")
               and not k.endswith("_code") and not k.endswith("_amount")]
    if not copy_a:
        # The employee and employer copies have no identifier and no Void box:
        # box a takes the whole left part of the top row.
        outline = [k for k in outline if k not in ("id_22222", "void")]
        f.rect(0.0, 0.0, 3.4, 1 / 3)
    for key in outline:
        x, y, w, h = geo(W2[key])
        if key == "a" and not copy_a:
            continue
        f.rect(x, y, w, h)
    for letter in "abcd":  # code | amount divider of box 12
        x, y, w, h = geo(W2[f"12{letter}_amount"])
        f.line(x, y, x, y + h)
    for key, caption in W2_CAPTIONS.items():
        x, y, w, h = geo(W2[key])
        if key == "a" and not copy_a:
            w = 3.4 - x if copy_a else 3.4
            x = 0.0
        f.text(x + 0.03, y + 0.015, caption, caption_size, w - 0.05, floor=cap_floor)
    x, y, w, h = geo(W2["f"])
    f.text(x + 0.03, y + h - 0.015 - caption_size * 1.15 / 72, "f  Employee's address and ZIP code",
           caption_size, w - 0.05, floor=cap_floor)
    for key, label in (("13_statutory", ("Statutory", "employee")), ("13_retirement", ("Retirement", "plan")),
                       ("13_thirdparty", ("Third-party", "sick pay"))):
        x, y, w, h = geo(W2[key])
        for k, word in enumerate(label):
            f.text(x - 0.03, y - 0.157 + k * 0.075, word, caption_size - 2.5, 0.46, floor=3)
    x, y, w, h = geo(W2["omb"])
    if copy_a:
        f.text(x + 0.05, y + 0.03, "For Official Use Only \u25b6", caption_size + 0.5, 3.0, bold=True,
               floor=cap_floor)
        f.text(x + 0.05, y + 0.17, "OMB No. 1545-0029", caption_size + 0.5, 3.0, bold=True, floor=cap_floor)
        x, y, w, h = geo(W2["id_22222"])
        f.text(x, y + 0.06, "22222", 14, w, align="center", bold=True)
        x, y, w, h = geo(W2["void"])
        f.text(x + 0.1, y + 0.11, "Void", 8)
        dx, dy, dw, dh = data(W2["void"])
        f.rect(dx, dy, dw, dh)
        if slot == 2:
            f.field("Void2", dx, dy - 0.03, dw, dh + 0.06, (COURIER, 9, 7), align="center", valign="center")
    else:
        f.text(x + 0.05, y + 0.1, "OMB No. 1545-0029", caption_size + 1.5, 3.9, bold=True, floor=cap_floor)

    line_h = data_font[1] * 1.14 / 72 + 0.004  # a text line's box plus a hair: lines never touch
    for entry in W2_FIELDS:
        param, key = entry[0], entry[1]
        line = entry[2] if len(entry) > 2 else None
        name = slot_name(param, slot)
        if key in CHECK_BOXES:
            x, y, w, h = geo(W2[key])
            f.field(name, x, y - 0.03, w, h + 0.06, (COURIER, min(9, data_font[1]), 4), align="center",
                    valign="center")
            continue
        if key.startswith("14_"):
            bx, by, bw, bh = geo(W2["14"])
            top = by + 0.015 + caption_size * 1.15 / 72 + 0.01 + line * line_h
            if key == "14_desc":
                f.field(name, bx + 0.0139, top, bw * 0.35, line_h, data_font)
            else:
                f.field(name, bx + 0.0139 + bw * 0.37, top, bw * 0.63 - 0.0278, line_h, data_font, align="right")
            continue
        row = W2[key]
        dx, dy, dw, dh = data(row)
        x, y, w, h = geo(row)
        if line is not None:
            if key == "f":
                top = y + 0.04 + line * line_h
            else:
                top = y + 0.015 + caption_size * 1.15 / 72 + 0.01 + line * line_h
            f.field(name, dx, top, dw, line_h, data_font)
        else:
            if key == "a" and not copy_a:
                dx, dw = 0.0278, 3.4 - 0.0556
            align = "right" if key in AMOUNT_BOXES else "left"
            # The line sits at the bottom of its box, clear of the rule below.
            f.field(name, dx, y + h - 0.01 - line_h, dw, line_h, data_font, align=align)

    # Footer: title, tax year, agency and the copy's legend.
    if copy_a:
        x, y, w, h = geo(W2["title"])
        f.text(x, y + 0.02, "Form W-2 Wage and Tax Statement", 14, 3.4, bold=True, floor=8)
        x, y, w, h = geo(W2["tax_year"])
        f.text(x, y - 0.02, "2025", 20, w, align="center", floor=8)
        x, y, w, h = geo(W2["dept"])
        f.text(x, y, "Department of the Treasury\u2014Internal Revenue Service", 7, w, align="right", floor=5)
        f.text(x, y + 0.17, "For Privacy Act and Paperwork Reduction", 7, w, align="right", bold=True, floor=5)
        f.text(x, y + 0.29, "Act Notice, see the separate instructions.", 7, w, align="right", bold=True, floor=5)
        x, y, w, h = geo(W2["copy_legend"])
        f.text(x, y, "Copy A\u2014For Social Security Administration. Send this entire page with", 8, 4.6,
               floor=5)
        f.text(x, y + 0.13, "Form W-3 to the Social Security Administration; photocopies are not acceptable.",
               8, 4.6, floor=5)
    else:
        f.text(0.0, 4.2, "Form W-2 Wage and Tax Statement", 10, 5.6, bold=True, floor=6)
        f.text(5.7, 4.19, "2025", 12, 1.8, align="right", bold=True)
        f.text(0.0, 4.42, "Department of the Treasury\u2014Internal Revenue Service", 6, 7.5, floor=4)
        if legend.startswith("="):
            f.field(legend[1:], 0.0, 4.55, 7.5, 0.16, (ARIAL, 7, 4), valign="top")
        else:
            f.text(0.0, 4.55, legend, 7, 7.5, bold=False, floor=4)


QUARTER_LEGENDS = [
    "Copy B\u2014To Be Filed With Employee's FEDERAL Tax Return.",
    "Copy C\u2014For EMPLOYEE'S RECORDS (See Notice to Employee on the back of Copy B.)",
    "Copy 2\u2014To Be Filed With Employee's State, City, or Local Income Tax Return.",
    "Copy 2\u2014To Be Filed With Employee's State, City, or Local Income Tax Return.",
]
QUARTER_SX = 3.85 / 7.5
QUARTER_ORIGINS = [(0.2, 0.3), (4.45, 0.3), (0.2, 5.8), (4.45, 5.8)]
QUARTER_DATA = (COURIER, 9, 4)


def report_w2():
    items = []
    for (ox, oy), legend in zip(QUARTER_ORIGINS, QUARTER_LEGENDS):
        w2_form(items, ox, oy, QUARTER_SX, None, False, QUARTER_DATA, 5.5, legend)
    return {"name": "FormW2", "comment": "One employee a sheet: Copies B, C, 2 and 2 as the four quarters.",
            "page": {"width": 8.5, "height": 11}, "font": {"family": ARIAL, "size": 7}, "items": items}


def report_w2_copy_d1():
    items = []
    for slot, (ox, oy) in enumerate(QUARTER_ORIGINS, start=1):
        w2_form(items, ox, oy, QUARTER_SX, slot, False, QUARTER_DATA, 5.5, "=FormType")
    return {"name": "FormW2_CopyD1",
            "comment": "Four employees a sheet (slots 1 to 4, left to right, top to bottom); FormType is each "
                       "quarter's legend.",
            "page": {"width": 8.5, "height": 11}, "font": {"family": ARIAL, "size": 7}, "items": items}


def report_w2_ssa():
    items = []
    ox, oy = float(W2["b"]["page_x_in"]), float(W2["b"]["page_y_in"]) - float(W2["b"]["y_in"])
    for slot in (1, 2):
        w2_form(items, ox, oy + (slot - 1) * 5.5, 1.0, slot, True, (COURIER, 12, 7), 7, None)
    f = Form(items, ox, oy)
    f.text(0.0, 4.86, "Do Not Cut, Fold, or Staple Forms on This Page", 10, 7.5, align="center", bold=True)
    return {"name": "FormW2_SSA",
            "comment": "Copy A, black-and-white substitute: two forms a sheet, the second 5.5 in below the "
                       "first (slots 1 and 2); Void2 marks the second form void.",
            "page": {"width": 8.5, "height": 11}, "font": {"family": ARIAL, "size": 7}, "items": items}


W3_CAPTIONS = {
    "a": "a  Control number",
    "c": "c  Total number of Forms W-2",
    "d": "d  Establishment number",
    "e": "e  Employer identification number (EIN)",
    "f": "f  Employer's name",
    "h": "h  Other EIN used this year",
    "15_state": "15  State",
    "15_id": "Employer's state ID number",
    "16": "16  State wages, tips, etc.",
    "17": "17  State income tax",
    "contact": "Employer's contact person",
    "fax": "Employer's fax number",
    **AMOUNT_BOX_CAPTIONS,
    "12a": "12a  Deferred compensation",
    "13": "13  For third-party sick pay use only",
    "12b": "12b",
    "14": "14  Income tax withheld by payer of third-party sick pay",
    "18": "18  Local wages, tips, etc.",
    "19": "19  Local income tax",
    "phone": "Employer's telephone number",
    "official_use": "For Official Use Only",
    "email": "Employer's email address",
}

# Boxb1 to Boxb13 in the order of the employer record's box b flags.
W3_CHECKS = [
    ("b_payer_941", ["941"]), ("b_payer_military", ["Military"]), ("b_payer_943", ["943"]),
    ("b_payer_944", ["944"]), ("b_payer_ct-1", ["CT-1"]), ("b_payer_hshldemp", ["Hshld.", "emp."]),
    ("b_payer_medicaregovtemp", ["Medicare", "govt. emp."]), ("b_employer_noneapply", ["None apply"]),
    ("b_employer_501cnon-govt", ["501c non-govt."]),
    ("b_employer_statelocalnon-501c", ["State/local", "non-501c"]),
    ("b_employer_statelocal501c", ["State/local 501c"]), ("b_employer_federalgovt", ["Federal govt."]),
    ("b_thirdparty_box", []),
]

W3_FIELDS = [("Boxa", "a"), ("Boxc", "c"), ("Boxd", "d"), ("Boxe", "e"), ("Boxf1", "f"), ("Boxf2", "g", 0),
             ("Boxg1", "g", 1), ("Boxg2", "g", 2), ("Boxh", "h")] + [
    (f"Box{n}", str(n)) for n in range(1, 9)] + [
    ("Box10", "10"), ("Box11", "11"), ("Box12a", "12a"), ("Box13", "13"), ("Box14", "14"), ("Box15", "15_state"),
    ("EmployerStateID", "15_id"), ("Box16", "16"), ("Box17", "17"), ("Box18", "18"), ("Box19", "19"),
    ("ContactPerson", "contact"), ("TelephoneNum", "phone"), ("EmailAddress", "email"), ("FaxNum", "fax")]
W3_AMOUNTS = {str(n) for n in range(1, 9)} | {"10", "11", "12a", "14", "16", "17", "18", "19"}


def report_w3():
    items = []
    ox, oy = float(W3["c"]["page_x_in"]), float(W3["c"]["page_y_in"]) - float(W3["c"]["y_in"])
    f = Form(items, ox, oy)
    data_font = (COURIER, 12, 7)
    line_h = 12 * 1.14 / 72 + 0.004
    skip = {"form_extent", "form_title", "tax_year", "perjury", "signature", "title", "date"}
    for key, row in W3.items():
        if key in skip:
            continue
        f.rect(*geo(row))
    for key, caption in W3_CAPTIONS.items():
        x, y, w, h = geo(W3[key])
        f.text(x + 0.03, y + 0.015, caption, 7, w - 0.05, floor=5)
    x, y, w, h = geo(W3["g"])
    f.text(x + 0.03, y + h - 0.14, "g  Employer's address and ZIP code", 7, w - 0.05, floor=5)
    x, y, w, h = geo(W3["id_33333"])
    f.text(x, y + 0.06, "33333", 14, w, align="center", bold=True)
    x, y, w, h = geo(W3["omb"])
    f.text(x + 0.05, y + 0.03, "For Official Use Only \u25b6", 7.5, 3.0, bold=True)
    f.text(x + 0.05, y + 0.17, "OMB No. 1545-0029", 7.5, 3.0, bold=True)
    f.text(0.0, -0.1667, "DO NOT STAPLE", 10, 7.5, align="center", bold=True)
    for key, words in (("b_payer", ["Kind", "of", "Payer"]), ("b_employer", ["Kind", "of", "Employer"])):
        x, y, w, h = geo(W3[key])
        f.text(x + 0.03, y + 0.015, "b", 7, 0.2)
        for k, word in enumerate(words):
            f.text(x + 0.15, y + 0.12 + k * 0.12, word, 8, 0.9, bold=True)
        f.text(x + 0.15, y + 0.5, "(Check one)", 6.5, 0.9)
    x, y, w, h = geo(W3["b_thirdparty"])
    for k, word in enumerate(["Third-party", "sick pay", "(Check if", "applicable)"]):
        f.text(x + 0.03, y + 0.03 + k * 0.09, word, 6, w - 0.06, align="center", floor=4)
    for key, label in W3_CHECKS:
        x, y, w, h = geo(W3[key])
        for k, word in enumerate(label):
            top = y - 0.105 - (len(label) - k) * 0.08 + 0.08 - 0.005
            f.text(x + w / 2 - 0.34, top, word, 5, 0.68, align="center", floor=4)
    for n, (key, label) in enumerate(W3_CHECKS, start=1):
        x, y, w, h = geo(W3[key])
        f.field(f"Boxb{n}", x, y - 0.03, w, h + 0.06, (COURIER, 9, 7), align="center", valign="center")
    for entry in W3_FIELDS:
        param, key = entry[0], entry[1]
        x, y, w, h = geo(W3[key])
        dx, dy, dw, dh = data(W3[key])
        if len(entry) > 2:  # box g: the trade name, then the address lines
            f.field(param, dx, y + 0.02 + entry[2] * line_h, dw, line_h, data_font)
            continue
        align = "right" if key in W3_AMOUNTS else "left"
        f.field(param, dx, y + h - 0.01 - line_h, dw, line_h, data_font, align=align)
    x, y, w, h = geo(W3["perjury"])
    f.text(x, y - 0.01, "Under penalties of perjury, I declare that I have examined this return and accompanying "
           "documents and, to the best of my knowledge and belief, they are true, correct,", 7, w, floor=5)
    f.text(x, y + 0.1, "and complete.", 7, w, floor=5)
    for key, caption, param, start in (("signature", "Signature \u25b6", "Signature", 0.72),
                                       ("title", "Title \u25b6", "Title", 0.4),
                                       ("date", "Date \u25b6", "Date", 0.38)):
        x, y, w, h = geo(W3[key])
        f.text(x, y + h - 0.13, caption, 7, start)
        f.line(x + start, y + h, x + w - 0.05, y + h)
        f.field(param, x + start, y + h - 0.005 - line_h, w - start - 0.06, line_h, data_font)
    x, y, w, h = geo(W3["form_title"])
    f.text(x, y, "Form W-3 Transmittal of Wage and Tax Statements", 14, 4.4, bold=True, floor=8)
    x, y, w, h = geo(W3["tax_year"])
    f.text(x, y - 0.03, "2025", 20, w + 0.2, align="center", floor=8)
    f.text(5.7, y + 0.02, "Department of the Treasury", 7, 1.8, align="right")
    f.text(5.7, y + 0.13, "Internal Revenue Service", 7, 1.8, align="right")
    for k, line in enumerate([
            "Send this entire page with the entire Copy A page of Form(s) W-2 to the Social Security "
            "Administration (SSA).",
            "Photocopies are not acceptable. Do not send Form W-3 if you filed electronically with the SSA.",
            "Do not send any payment (cash, checks, money orders, etc.) with Forms W-2 and W-3."]):
        f.text(0.0, 5.53 + k * 0.15, line, 8, 7.5, bold=k < 2, floor=5)
    return {"name": "FormW3",
            "comment": "Form W-3, black-and-white substitute at full size. Boxb1 to Boxb13 are the box b "
                       "check boxes in this order: Kind of Payer 941, Military, 943, 944, CT-1, Hshld. emp., "
                       "Medicare govt. emp.; Kind of Employer None apply, 501c non-govt., State/local "
                       "non-501c, State/local 501c, Federal govt.; Third-party sick pay. Boxf2 (the trade "
                       "name) is the first line of box g, above the address lines Boxg1 and Boxg2.",
            "page": {"width": 8.5, "height": 11}, "font": {"family": ARIAL, "size": 7}, "items": items}


def main():
    project = {
        "format": "qmrk-report-project",
        "version": 1,
        "reports": [report_w2(), report_w2_copy_d1(), report_w2_ssa(), report_w3()],
    }
    out = ["{", '  "format": "qmrk-report-project",', '  "version": 1,', '  "reports": [']
    for r, report in enumerate(project["reports"]):
        out.append("    {")
        for key in ("name", "comment", "page", "font"):
            out.append(f'      "{key}": {json.dumps(report[key], ensure_ascii=False)},')
        out.append('      "items": [')
        for i, item in enumerate(report["items"]):
            comma = "," if i + 1 < len(report["items"]) else ""
            out.append("        " + json.dumps(item, ensure_ascii=False) + comma)
        out.append("      ]")
        out.append("    }" + ("," if r + 1 < len(project["reports"]) else ""))
    out.append("  ]")
    out.append("}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
