# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window as far as a planning run reads it: controls with their
initial contents and list items, the start-up load of VELMORANT.DAT, the
handlers that run when a control is set (azimuth limits, object presets) and
the setting of the dates."""

import os

from numeric import leading_number, cint16, Int16Overflow


class ComboBox:
    """An editable drop-down list: a chosen item (index, -1 for none) and a text."""

    def __init__(self, items, text=""):
        self.items = list(items)
        self.index = -1
        self.text = text

    def choose(self, index):
        self.index = index
        self.text = self.items[index] if 0 <= index < len(self.items) else ""


MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun",
          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
DAYS = ["%2d" % d for d in range(1, 32)]          # " 1" ... " 9", "10" ... "31"
OBJECTS = ["Moon", "Sun", "Cassiopeia A", "Cygnus A", "Sagittarius", "Taurus A",
           "Cold Sky North", "Cold Sky South", "(Other)"]
# Built-in coordinates of the object list: RA hours, RA minutes, declination texts.
OBJECT_PRESETS = {
    "Cassiopeia A": ("23", "21", "+58.6"),
    "Cygnus A": ("19", "58", "+40.6"),
    "Sagittarius": ("17", "46", "-29"),
    "Taurus A": ("5", "32", "+22"),
    "Cold Sky North": ("9", "30", "+40"),
    "Cold Sky South": ("5", "30", "-40"),
}


class MainWindow:
    """Controls of the main window, with their initial contents."""

    def __init__(self):
        self.text = {}      # text boxes
        self.combo = {}     # combo boxes
        self.check = {}     # check boxes (1 checked, 0 not)
        self.saved_object_name = ""
        for side in ("Start", "End"):
            self.combo["cboMonth" + side] = ComboBox(MONTHS)
            self.combo["cboDay" + side] = ComboBox(DAYS)
            self.text["txtYear" + side] = ""
        for s in ("Home", "DX"):
            self.check["chkDisplay" + s] = 1
            self.text["txtCallsign" + s] = ""
            self.text["txtLocator" + s] = ""
            self.text["txtLatDeg" + s] = "00"
            self.text["txtLatMin" + s] = "00"
            self.text["txtLatSec" + s] = "00"
            self.combo["cboLatDir" + s] = ComboBox(["N", "S"])
            self.text["txtLonDeg" + s] = "00" if s == "Home" else "000"
            self.text["txtLonMin" + s] = "00"
            self.text["txtLonSec" + s] = "00"
            self.combo["cboLonDir" + s] = ComboBox(["E", "W"])
            self.text["txtAbove" + s] = "-2"
            self.text["txtBelow" + s] = "90"
            self.text["txtNotes" + s] = ""
        self.text["txtAZMAX"] = "360"
        self.text["txtAZMIN"] = "0"
        self.text["txtGMTMIN"] = "0000"
        self.text["txtGMTMAX"] = "2400"
        self.combo["cboCelestial"] = ComboBox(OBJECTS)
        self.text["txtEnterObject"] = "(Enter Other Here)"
        self.text["txtCelestialRAhours"] = ""
        self.text["txtCelestialRAminutes"] = ""
        self.text["txtCelestialDec"] = ""
        self.combo["cboOperation"] = ComboBox(["Planning", "Real-Time"])
        self.text["txtIncrementMinutes"] = "15"
        self.combo["cboEsc"] = ComboBox(["N", "Y"])
        self.text["txtNoise"] = ""
        self.text["txtMaxDegradation"] = "0"
        self.text["txtTimeDif"] = "0"
        self.text["txtOutputLines"] = "22"
        self.combo["cboRegion"] = ComboBox([" 1", " 2", " 3"])
        self.combo["cboUnits"] = ComboBox(["km", "mi"])
        self.combo["cboBand"] = ComboBox(["50", "144", "220", "432", "1296"], "50")
        self.text["txtTextEditor"] = "%Systemroot%\\notepad.exe"
        self.text["txtAdobeReader"] = "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe"

    # -- handlers ---------------------------------------------------------

    def type_text(self, name, text):
        """Text typed into a text box; its change handler runs."""
        self.text[name] = text
        if name == "txtAZMIN":
            v = leading_number(text)
            if v < 0 or v > 360:
                self.text[name] = "0"
        elif name == "txtAZMAX":
            v = leading_number(text)
            if v < 0 or v > 360:
                self.text[name] = "360"

    def object_chosen(self):
        """cboCelestial_Click: presets of the chosen item (by its text)."""
        name = self.combo["cboCelestial"].text
        if name in ("Moon", "Sun"):
            return
        if name in OBJECT_PRESETS:
            h, m, d = OBJECT_PRESETS[name]
            self.text["txtCelestialRAhours"] = h
            self.text["txtCelestialRAminutes"] = m
            self.text["txtCelestialDec"] = d
        elif name == "(Other)":
            self.text["txtCelestialRAhours"] = ""
            self.text["txtCelestialRAminutes"] = ""
            self.text["txtCelestialDec"] = ""
            self.text["txtEnterObject"] = self.saved_object_name or "(Enter Name Here)"

    def set_control(self, name, value):
        """--set NAME=TEXT: as if the operator typed, chose or checked."""
        if name in self.text:
            self.type_text(name, value)
        elif name in self.combo:
            box = self.combo[name]
            if value in box.items:
                box.choose(box.items.index(value))
                if name == "cboCelestial":
                    self.object_chosen()
            else:
                box.index = -1
                box.text = value
        elif name in self.check:
            self.check[name] = 1 if value.strip() == "1" else 0
        else:
            raise KeyError("no control named " + name)

    def set_dates(self, start, end):
        """Choose month item m-1, day item d-1 and type the year, for both dates."""
        for side, (y, m, d) in (("Start", start), ("End", end)):
            self.combo["cboMonth" + side].choose(m - 1)
            self.combo["cboDay" + side].choose(d - 1)
            self.text["txtYear" + side] = str(y)

    # -- VELMORANT.DAT -------------------------------------------------------

    def load_defaults(self, path):
        """Start-up load of VELMORANT.DAT (the files written for the scenarios
        are complete; a missing field keeps the initial contents)."""
        with open(path, 'rb') as f:
            raw = f.read().decode('latin-1')
        lines = raw.replace('\r\n', '\n').split('\n')
        rows = [parse_dat_line(line) for line in lines[:4]]
        while len(rows) < 4:
            rows.append([])
        home, dx, obj, opts = rows

        def get(row, i):
            return row[i] if i < len(row) else None

        def num_text(v):
            # a number field turned back into plain decimal text
            x = leading_number(v)
            if x == int(x):
                return str(int(x))
            return repr(x)

        v = get(opts, 1)
        if v is not None:
            self.combo["cboEsc"].text = "N" if leading_number(v) == 1 else "Y"
        v = get(opts, 7)
        if v is not None:
            self.text["txtNoise"] = num_text(v)
        v = get(opts, 6)
        if v is not None:
            self.text["txtTextEditor"] = v
        v = get(opts, 9)
        if v is not None:
            self.text["txtAdobeReader"] = v
        for row, s in ((home, "Home"), (dx, "DX")):
            v = get(row, 0)
            if v is not None:
                self.check["chkDisplay" + s] = 1 if leading_number(v) == 1 else 0
            v = get(row, 1)
            if v is not None:
                self.text["txtCallsign" + s] = v
            if s == "Home":
                for cname, i in (("cboOperation", 5), ("cboUnits", 8)):
                    src = obj if cname == "cboOperation" else opts
                    v = get(src, i)
                    if v is not None:
                        self.combo[cname].choose(int(leading_number(v)))
            for i, cname in ((3, "txtLatDeg"), (4, "txtLatMin"), (5, "txtLatSec")):
                v = get(row, i)
                if v is not None:
                    self.text[cname + s] = v
            v = get(row, 6)
            if v is not None:
                self.combo["cboLatDir" + s].text = v
            for i, cname in ((7, "txtLonDeg"), (8, "txtLonMin"), (9, "txtLonSec")):
                v = get(row, i)
                if v is not None:
                    self.text[cname + s] = v
            v = get(row, 10)
            if v is not None:
                self.combo["cboLonDir" + s].text = v
            v = get(row, 11)
            if v is not None:
                self.text["txtAbove" + s] = v
            v = get(row, 12)
            if v is not None:
                self.text["txtBelow" + s] = v
        v = get(obj, 0)
        if v is not None:
            i = int(leading_number(v))
            box = self.combo["cboCelestial"]
            name = get(obj, 1)
            if name is not None:
                self.saved_object_name = name
            if i > 1:
                box.choose(i)
                if name == "":
                    self.saved_object_name = "(Enter Name Here)"
                elif name is not None:
                    self.text["txtEnterObject"] = name
                for j, cname in ((2, "txtCelestialRAhours"), (3, "txtCelestialRAminutes"),
                                 (4, "txtCelestialDec")):
                    v = get(obj, j)
                    if v is not None:
                        self.text[cname] = v
            else:
                box.choose(i)
                self.object_chosen()
        v = get(opts, 0)
        if v is not None:
            self.text["txtIncrementMinutes"] = v
        v = get(opts, 2)
        if v is not None:
            self.text["txtOutputLines"] = str(cint16(leading_number(v)))
        v = get(opts, 3)
        if v is not None:
            self.combo["cboBand"].text = v
        v = get(opts, 4)
        if v is not None:
            self.combo["cboRegion"].text = v
        v = get(home, 2)
        if v is not None:
            self.text["txtLocatorHome"] = v
        v = get(dx, 2)
        if v is not None:
            self.text["txtLocatorDX"] = v
        v = get(opts, 5)
        if v is not None:
            self.text["txtTimeDif"] = num_text(v)
        for i, cname in ((10, "txtAZMIN"), (11, "txtAZMAX")):
            v = get(opts, i)
            if v is not None:
                self.text[cname] = num_text(v)
        for i, cname in ((12, "txtGMTMIN"), (13, "txtGMTMAX")):
            v = get(opts, i)
            if v is not None:
                self.text[cname] = v


def parse_dat_line(line):
    """Fields of one VELMORANT.DAT line: comma-separated, quoted texts without
    their quotes, blanks around unquoted fields dropped."""
    fields = []
    i, n = 0, len(line)
    if n == 0:
        return fields
    while True:
        while i < n and line[i] == ' ':
            i += 1
        if i < n and line[i] == '"':
            j = line.find('"', i + 1)
            if j < 0:
                j = n
            fields.append(line[i + 1:j])
            i = j + 1
            while i < n and line[i] != ',':
                i += 1
        else:
            j = line.find(',', i)
            if j < 0:
                j = n
            fields.append(line[i:j].strip())
            i = j
        if i >= n:
            break
        i += 1          # the comma
    return fields
