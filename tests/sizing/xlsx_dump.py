#!/usr/bin/env python3
"""Prints what an .xlsx work book holds, one fact per tab-separated line, straight from the
package's XML: title, sheets in order with state and selection, the active sheet, every cell
(type, value, formula) and each sheet's charts with their series."""

import posixpath
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {
    "m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "rel": "http://schemas.openxmlformats.org/package/2006/relationships",
    "c": "http://schemas.openxmlformats.org/drawingml/2006/chart",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
    "xdr": "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing",
    "dc": "http://purl.org/dc/elements/1.1/",
}
R_ID = "{%s}id" % NS["r"]


ESCAPE = re.compile(r"_x([0-9A-Fa-f]{4})_")


def unescape(text):
    """A string value as a spreadsheet program shows it: _xHHHH_ is the character HHHH."""
    return ESCAPE.sub(lambda m: chr(int(m.group(1), 16)), text or "")


def esc(text):
    return (text or "").replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def out(*fields):
    print("\t".join(esc(str(f)) for f in fields))


def rels(z, part):
    folder, name = posixpath.split(part)
    path = posixpath.join(folder, "_rels", name + ".rels")
    if path not in z.namelist():
        return {}
    root = ET.fromstring(z.read(path))
    return {r.get("Id"): posixpath.normpath(posixpath.join(folder, r.get("Target")))
            for r in root.findall("rel:Relationship", NS)}


def text_of(node):
    return "".join(t.text or "" for t in node.iter("{%s}t" % NS["a"])) if node is not None else ""


def dump_chart(z, sheet, part):
    root = ET.fromstring(z.read(part))
    chart = root.find("c:chart", NS)
    plot = chart.find("c:plotArea", NS)
    kinds = [child.tag.split("}")[1] for child in plot if child.tag.endswith("Chart")]
    axes = {ax.find("c:axPos", NS).get("val"): text_of(ax.find("c:title", NS))
            for ax in plot.findall("c:valAx", NS)}
    out("chart", sheet, ",".join(kinds), text_of(chart.find("c:title", NS)),
        axes.get("b", ""), axes.get("l", ""))
    for ser in plot.iter("{%s}ser" % NS["c"]):
        tx = ser.find("c:tx", NS)
        name = tx.findtext("c:v", "", NS) if tx is not None else ""
        out("series", sheet, name, ser.findtext("c:xVal/c:numRef/c:f", "", NS),
            ser.findtext("c:yVal/c:numRef/c:f", "", NS))


def main(path):
    with zipfile.ZipFile(path) as z:
        if "docProps/core.xml" in z.namelist():
            core = ET.fromstring(z.read("docProps/core.xml"))
            out("title", core.findtext("dc:title", "", NS))
        strings = []
        if "xl/sharedStrings.xml" in z.namelist():
            for si in ET.fromstring(z.read("xl/sharedStrings.xml")).findall("m:si", NS):
                strings.append(unescape("".join(t.text or "" for t in si.iter("{%s}t" % NS["m"]))))
        book = ET.fromstring(z.read("xl/workbook.xml"))
        view = book.find("m:bookViews/m:workbookView", NS)
        out("active", view.get("activeTab", "0") if view is not None else "0")
        targets = rels(z, "xl/workbook.xml")
        for n, sheet in enumerate(book.findall("m:sheets/m:sheet", NS), 1):
            name = sheet.get("name")
            part = targets[sheet.get(R_ID)]
            root = ET.fromstring(z.read(part))
            sv = root.find("m:sheetViews/m:sheetView", NS)
            selected = sv is not None and sv.get("tabSelected") == "1"
            out("sheet", n, name, sheet.get("state", "visible"), int(selected))
            for c in root.iter("{%s}c" % NS["m"]):
                kind = c.get("t", "n")
                value = c.findtext("m:v", "", NS)
                if kind == "s":
                    value = strings[int(value)]
                elif kind == "inlineStr":
                    value = unescape("".join(t.text or "" for t in c.iter("{%s}t" % NS["m"])))
                elif kind == "str":
                    value = unescape(value)
                formula = c.findtext("m:f", None, NS)
                if value == "" and formula is None:
                    kind = "blank"
                out("cell", name, c.get("r"), kind, value, formula or "")
            sheet_rels = rels(z, part)
            for drawing in root.findall("m:drawing", NS):
                dpart = sheet_rels[drawing.get(R_ID)]
                drels = rels(z, dpart)
                droot = ET.fromstring(z.read(dpart))
                for ref in droot.iter("{%s}chart" % NS["c"]):
                    dump_chart(z, name, drels[ref.get(R_ID)])


if __name__ == "__main__":
    sys.stdout.reconfigure(encoding="utf-8")
    main(sys.argv[1])
