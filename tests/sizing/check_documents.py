#!/usr/bin/env python3
"""Checks sample range charts and sizing sheets with tools outside the program.

    check_documents.py GENERATOR FOLDER            structure
    check_documents.py GENERATOR FOLDER --print    one A4 page in print

GENERATOR writes the samples into FOLDER. The structure check parses every
chart as XML, reads the bars' coordinates back against the decades of the
axis, and looks for anything that would reach outside the file. The print
check has Chromium print each sheet to PDF, wants exactly one A4 page, and
leaves a PNG of it beside the PDF to look at; without Chromium or poppler
it reports itself skipped (exit code 77).
"""

import html.parser
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"
GENERIC_FONTS = {"sans-serif", "serif", "monospace"}
failures = []


def fail(document, message):
    failures.append(f"{os.path.basename(document)}: {message}")


def local(tag):
    return tag.split("}", 1)[-1]


def luminance(colour):
    r, g, b = (int(colour[i : i + 2], 16) / 255 for i in (1, 3, 5))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def check_references(document, root):
    for element in root.iter():
        if local(element.tag) in ("image", "script", "foreignObject", "use", "a", "style"):
            fail(document, f"element <{local(element.tag)}> may load from outside")
        for name, value in element.attrib.items():
            if "href" in name:
                fail(document, f"attribute {name} on <{local(element.tag)}>")
            for target in re.findall(r"url\(([^)]*)\)", value):
                if not target.startswith("#"):
                    fail(document, f"url({target}) points outside the file")
            if name == "font-family" and value not in GENERIC_FONTS:
                fail(document, f"font-family {value!r} is not a generic family")


def check_chart(document, root):
    if local(root.tag) != "svg" or root.get("version") != "1.1":
        fail(document, "root is not an SVG 1.1 <svg>")
    children = list(root)
    if len(children) < 2 or local(children[0].tag) != "title" or local(children[1].tag) != "desc":
        fail(document, "<title> and <desc> are not the first children")
    elif not (children[0].text or "").strip() or not (children[1].text or "").strip():
        fail(document, "<title> or <desc> is empty")
    check_references(document, root)

    groups = {}
    for g in root.iter(f"{SVG}g"):
        groups.setdefault(g.get("class", ""), []).append(g)

    # The axis: the decades' labels stand at their x.
    decades = []
    for text in groups.get("axis", [[]])[0]:
        try:
            decades.append((float(text.get("x")), float(text.text)))
        except (TypeError, ValueError):
            pass  # the axis caption
    if len(decades) < 2:
        fail(document, "fewer than two decades on the axis")
        return
    (xa, va), (xb, vb) = decades[0], decades[-1]
    scale = (xb - xa) / (math.log10(vb) - math.log10(va))
    for x, v in decades:
        if abs(xa + scale * (math.log10(v) - math.log10(va)) - x) > 0.11:
            fail(document, f"decade {v} at x {x} is off the logarithmic axis")

    def x_of(value):
        return min(max(xa + scale * (math.log10(value) - math.log10(va)), xa), xb)

    bars = groups.get("bar", []) + groups.get("bar highlighted", [])
    if not bars:
        fail(document, "no bars")
    for g in bars:
        title = g.find(f"{SVG}title").text
        low, high = re.search(r": (\S+) \u2013 (\S+) ", title).groups()
        rect = g.find(f"{SVG}rect")
        polygon = g.find(f"{SVG}polygon")
        x0 = float(rect.get("x"))
        x1 = x0 + float(rect.get("width"))
        if polygon is not None:
            x0 = float(polygon.get("points").split(",")[0])
        if abs(x1 - x_of(float(high))) > 0.11:
            fail(document, f"{title}: the bar ends at {x1}, not at log10 of {high}")
        expected = xa if low == "N/A" else x_of(float(low))
        if abs(x0 - expected) > 0.11:
            fail(document, f"{title}: the bar starts at {x0}, not at {expected:.1f}")
        clipped = low != "N/A" and float(low) < va
        if (polygon is not None) != (low == "N/A" or clipped):
            fail(document, f"{title}: an arrowhead belongs to an open or clipped start only")

    # Greyscale: the highlighted bars are darker and heavier than the others.
    highlighted = groups.get("bar highlighted", [])
    others = groups.get("bar", [])
    if highlighted and others:
        h = highlighted[0].find(f"{SVG}rect")
        o = others[0].find(f"{SVG}rect")
        if abs(luminance(h.get("fill")) - luminance(o.get("fill"))) < 0.35:
            fail(document, "the highlighted fill is not apart from the others in grey")
        if float(h.get("stroke-width")) < 2 * float(o.get("stroke-width")):
            fail(document, "the highlighted outline is not heavier")
    bands = [r for r in root.iter(f"{SVG}rect") if r.get("class") == "required-band"]
    for band in bands:
        target = re.fullmatch(r"url\(#(.+)\)", band.get("fill", ""))
        pattern = target and root.find(f".//{SVG}pattern[@id='{target.group(1)}']")
        if pattern is None:
            fail(document, "the required band is not filled with a pattern of the file")
        edges = groups.get("required-edges", [])
        if not edges or not edges[0].get("stroke-dasharray"):
            fail(document, "the required band has no dashed edges")


class Tags(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.tags = []

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag, dict(attrs)))


def check_sheet(document, text):
    parser = Tags()
    parser.feed(text)
    for tag, attrs in parser.tags:
        if tag in ("script", "link", "img", "iframe", "object", "embed", "base"):
            fail(document, f"<{tag}> in the sheet")
        for name in attrs:
            if name in ("src", "href", "srcset") or name.startswith("on"):
                fail(document, f"attribute {name} on <{tag}>")
    for pattern in ("http", "src=", "@import", "@font-face"):
        if pattern in text:
            fail(document, f"{pattern!r} in the sheet")
    for target in re.findall(r"url\(([^)]*)\)", text):
        if not target.startswith("#"):
            fail(document, f"url({target}) points outside the sheet")
    if not text.startswith("<!DOCTYPE html>"):
        fail(document, "no HTML doctype")
    start, end = text.find("<svg"), text.find("</svg>")
    if start < 0 or end < 0:
        fail(document, "no inline chart")
        return
    try:
        # HTML gives inline SVG its namespace; XML needs it written.
        inline = text[start : end + len("</svg>")]
        svg = ET.fromstring(inline.replace("<svg ", f'<svg xmlns="{SVG[1:-1]}" ', 1))
    except ET.ParseError as e:
        fail(document, f"the inline chart is not well-formed: {e}")
        return
    check_chart(document, svg)


def structure(folder):
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if name.endswith(".svg"):
            try:
                check_chart(path, ET.parse(path).getroot())
            except ET.ParseError as e:
                fail(path, f"not well-formed XML: {e}")
        elif name.endswith(".html"):
            with open(path, encoding="utf-8") as f:
                check_sheet(path, f.read())


def print_sheets(folder):
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if not chromium or not shutil.which("pdfinfo") or not shutil.which("pdftoppm"):
        print("SKIPPED: the print check needs chromium, pdfinfo and pdftoppm")
        return 77
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".html"):
            continue
        path = os.path.abspath(os.path.join(folder, name))
        pdf = path[: -len(".html")] + ".pdf"
        with tempfile.TemporaryDirectory() as profile:
            subprocess.run(
                [chromium, "--headless", "--no-sandbox", "--disable-gpu",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--no-first-run", f"--user-data-dir={profile}",
                 "--no-pdf-header-footer", f"--print-to-pdf={pdf}", "file://" + path],
                check=True, capture_output=True, timeout=180)
        info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
        pages = re.search(r"^Pages:\s+(\d+)", info, re.M)
        size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+)", info, re.M)
        if not pages or pages.group(1) != "1":
            fail(path, f"prints on {pages.group(1) if pages else '?'} pages, not one")
        if not size or abs(float(size.group(1)) - 595.3) > 1 or abs(float(size.group(2)) - 841.9) > 1:
            fail(path, "the page is not A4")
        subprocess.run(["pdftoppm", "-png", "-r", "70", "-singlefile", pdf, pdf[: -len(".pdf")]],
                       check=True)
        print(f"{name}: {pages.group(1) if pages else '?'} page(s); {pdf[:-4]}.png")
    return 0


def main():
    if len(sys.argv) not in (3, 4) or (len(sys.argv) == 4 and sys.argv[3] != "--print"):
        print(__doc__, file=sys.stderr)
        return 2
    generator, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    subprocess.run([generator, folder], check=True)
    status = print_sheets(folder) if len(sys.argv) == 4 else (structure(folder) or 0)
    for f in failures:
        print("FAILED:", f)
    return 1 if failures else status


if __name__ == "__main__":
    sys.exit(main())
