#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Qt Designer forms of the main window (ui/forms/frmInput.ui), of the
CALL3.TXT confirmation dialog (ui/forms/frmUpdate.ui), of the real-time window
(ui/forms/frmRT.ui) and of the WINDOWS window (ui/forms/frmWindows.ui):

- Qt 6's uic turns every file into C++ without an error or a warning, and that C++ compiles
  (syntax only, when g++ and the Qt 6 Widgets headers are there);
- every control of the main window is there exactly once, by its object name, with its
  widget class, position and size, caption or initial text, list items, chosen item,
  tooltip and start-hidden mark (dynamic property startsHidden), and the Tab order is the
  window's keyboard order with RUN as the default button;
- the object names match the control table of the window model
  (ui/model/main_window/main_window_controls.cpp) one to one, apart from the four separator lines;
- the dialog has its controls, captions and tooltips;
- the WINDOWS window (ui/forms/frmWindows.ui) has its three tabs and the controls its view and
  its tests find by object name, each of its class;
- the real-time window has its title, size and background, and every label its position,
  caption, tooltip, colour, font, alignment and start-hidden mark; the degradation box and
  the map widget are there with their geometry.

Standard library only.  Run from anywhere: python3 tools/check_forms.py
uic is taken from $UIC, /usr/lib/qt6/libexec/uic or a Qt 6 uic on PATH.
Exit status 0 when everything holds, 1 otherwise (each failure is printed)."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
FORMS = os.path.join(ROOT, "ui", "forms")
MODEL_TABLE = os.path.join(ROOT, "ui", "model", "main_window_controls.cpp")

failures = []


def fail(message):
    failures.append(message)


# --- the main window -------------------------------------------------------------------
# Geometry is (x, y, width, height); None where the window's description leaves the value
# to the form (the size of most one-line labels, the height of the station-row boxes).

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
DAYS = ["%2d" % d for d in range(1, 32)]   # " 1" ... " 9", "10" ... "31"
OBJECTS = ["Moon", "Sun", "Cassiopeia A", "Cygnus A", "Sagittarius", "Taurus A",
           "Cold Sky North", "Cold Sky South", "(Other)"]

LB, TX, CB, CK, PB, LN = "QLabel", "QLineEdit", "QComboBox", "QCheckBox", "QPushButton", "QFrame"

# name: (class, geometry, caption or initial text, tooltip, list items)
INPUT = {
    "lblTitle": (LB, (456, 0, 153, 25), "VELMORANT", None, None),
    "Line2": (LN, (16, 56, 953, 1), None, None, None),
    "Line1": (LN, (16, 256, 953, 1), None, None, None),
    "Line3": (LN, (16, 352, 953, 1), None, None, None),
    "Line4": (LN, (16, 456, 953, 1), None, None, None),

    "lblStartDate": (LB, (16, 8, 81, 33), "Start Date", None, None),
    "cboMonthStart": (CB, (104, 8, 65, 32), "", "Starting Month", MONTHS),
    "cboDayStart": (CB, (176, 8, 49, 32), "", "Starting Day", DAYS),
    "txtYearStart": (TX, (232, 8, 57, 33), "", "Starting Year", None),
    "lblEndDate": (LB, (696, 8, 81, 33), "End Date", None, None),
    "cboMonthEnd": (CB, (784, 8, 65, 32), "", "Ending Month", MONTHS),
    "cboDayEnd": (CB, (856, 8, 49, 32), "", "Ending Day", DAYS),
    "txtYearEnd": (TX, (912, 8, 57, 33), "", "Ending Year", None),
    "txtDateCalc": (TX, (376, 32, 281, 19), "", "Callsign Search Status", None),

    "lbLatitude": (LB, (488, 64, None, None), "Latitude", None, None),
    "lblLongitude": (LB, (696, 64, None, None), "Longitude", None, None),
    "lblDegrees": (LB, (880, 64, None, None), "Degrees", None, None),
    "lblDisplay": (LB, (24, 88, None, None), "Display", None, None),
    "lbCallsign": (LB, (128, 88, None, None), "Callsign/Lookup", None, None),
    "lblLocator": (LB, (288, 88, None, None), "Locator", None, None),
    "lblAdd": (LB, (392, 88, None, None), "Add", None, None),
    "lbLatDeg": (LB, (440, 88, None, None), "Deg", None, None),
    "lblLatMin": (LB, (488, 88, None, None), "Min", None, None),
    "lbLatSec": (LB, (536, 88, None, None), "Sec", None, None),
    "lblLatDir": (LB, (584, 88, None, None), "Dir", None, None),
    "lblLonDeg": (LB, (648, 88, None, None), "Deg", None, None),
    "lbLonMin": (LB, (696, 88, None, None), "Min", None, None),
    "lbLonSec": (LB, (744, 88, None, None), "Sec", None, None),
    "lblLonDir": (LB, (800, 88, None, None), "Dir", None, None),
    "lblAboveDeg": (LB, (856, 88, None, None), "Above", None, None),
    "lblBelowDeg": (LB, (928, 88, None, None), "Below", None, None),

    "txtNotesHome": (TX, (120, 160, 849, 18), "", "Station Notes From CALL3.TXT File", None),
    "txtNotesDX": (TX, (120, 232, 849, 19), "", "Station Notes From CALL3.TXT File", None),

    "lblAzRange": (LB, (232, 256, 73, 49), " Azimuth   Range",
                   "Optional restrictions in data output (for home station only)", None),
    "txtAZMAX": (TX, (184, 264, 49, 33), "360",
                 "Westernmost home station azimuth desired in degrees", None),
    "txtAZMIN": (TX, (304, 264, 49, 33), "0",
                 "Easternmost home station azimuth desired in degrees", None),
    "txtGMTMIN": (TX, (184, 264, 49, 33), "0000", "GMT starting time", None),
    "txtGMTMAX": (TX, (304, 264, 49, 33), "2400", "GMT Ending Time", None),

    "lblObject": (LB, (56, 272, None, None), "Object", None, None),
    "lblObjectRA": (LB, (408, 272, 145, 33), "Right Ascension", None, None),
    "lblObjectDeclination": (LB, (648, 272, None, None), "Declination", None, None),
    "lblOutput": (LB, (848, 272, None, None), "Operation", None, None),
    "cboCelestial": (CB, (24, 304, 153, 32), "", "Select Celestial Object for Tracking", OBJECTS),
    "txtEnterObject": (TX, (184, 304, 169, 33), "(Enter Other Here)",
                       "Enter Custom Object Name Here", None),
    "txtCelestialRAhours": (TX, (376, 304, 33, 33), "", "Fixed Object Hours Right Ascension",
                            None),
    "lblObjectHours": (LB, (416, 304, None, None), "Hours", None, None),
    "txtCelestialRAminutes": (TX, (480, 304, 41, 31), "", "Fixed Object Minutes Right Ascension",
                              None),
    "lblObjectMin": (LB, (528, 304, None, None), "Minutes", None, None),
    "txtCelestialDec": (TX, (624, 304, 57, 31), "", "Fixed Object Plus or Minus Declination",
                        None),
    "lblObjectDegrees": (LB, (688, 304, None, None), "Degrees", None, None),
    "cboOperation": (CB, (832, 304, 137, 32), "", "Select Mode of Operation",
                     ["Planning", "Real-Time"]),

    "lbIncrement": (LB, (8, 368, None, None), "Increment", None, None),
    "txtIncrementMinutes": (TX, (96, 368, 33, 31), "15",
                            "Enter Output Display Increment in Minutes", None),
    "lblIncrMinutes": (LB, (136, 368, None, None), "Minutes", None, None),
    "lblEsc": (LB, (240, 368, None, None), "ESC", None, None),
    "cboEsc": (CB, (288, 368, 41, 32), "",
               "Select whether to activate ESC KEY for automatic lookup and calculation in "
               "CALLSIGN and LOCATOR fields", ["N", "Y"]),
    "lblRCVRNoise": (LB, (360, 360, 97, 49), "Rcvr noise temp deg K", None, None),
    "txtNoise": (TX, (464, 368, 65, 31), "",
                 "Enter Approximate Rcvr Noise Temp for Degredation Calculations", None),
    "lblMaxDegradation": (LB, (568, 360, 113, 49), "Maximum dB Degradation", None, None),
    "txtMaxDegradation": (TX, (688, 368, 41, 33), "0",
                          "Enter 0 to obtain output for all values, or enter maximum "
                          "Degradation desired", None),
    "lblTimeDif": (LB, (776, 360, 153, 49), "Computer Clock  Hours minus UTC", None, None),
    "txtTimeDif": (TX, (936, 368, 33, 28), "0",
                   "Enter Hours Difference Between Local Time and UTC", None),

    "lblLines": (LB, (8, 416, None, None), "Lines per output page", None, None),
    "txtOutputLines": (TX, (200, 416, 33, 31), "22",
                       "Enter Number of Output Display Lines per Page (0 for simple visiual "
                       "scrolling, 63 for printed Notepad file)", None),
    "lblRegion": (LB, (248, 416, None, None), "Region", None, None),
    "cboRegion": (CB, (312, 416, 41, 32), "",
                  "Select IARU Region for Display of Activity Windows", [" 1", " 2", " 3"]),
    "lblUnits": (LB, (368, 416, None, None), "Units", None, None),
    "cboUnits": (CB, (416, 416, 57, 32), "", "Select units for Distances Displayed",
                 ["km", "mi"]),
    "lbBand": (LB, (480, 416, None, None), "Band", None, None),
    # Wide enough for the five digits of 10368 MHz.
    "cboBand": (CB, (522, 416, 78, 32), "50", "Select Band in MHz",
                ["50", "144", "220", "432", "1296", "2304", "3400", "5760", "10368"]),
    "lblTextEditor": (LB, (600, 416, 113, 25), "Text Editor",
                      "Press to Toggle Between Text Editor and Adobe Reader", None),
    "txtTextEditor": (TX, (720, 416, 249, 32), "%Systemroot%\\notepad.exe",
                      "Select Name and Path of Text Editor", None),
    "txtAdobeReader": (TX, (720, 416, 249, 29),
                       "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
                       "Select Path and Name of the PDF file reader", None),

    "cmdRUN": (PB, (104, 464, 153, 33), "RUN", "Press to Begin Calculation", None),
    "cmdStop": (PB, (104, 464, 153, 33), "STOP", "Press to Stop Calculations and Close Files",
                None),
    "cmdSET": (PB, (264, 464, 153, 33), "SET DEFAULTS", "Press to Save Default Values", None),
    "cmdRESTART": (PB, (424, 464, 153, 33), "RESTART", "Restart with Default Values", None),
    "cmdHELP": (PB, (584, 464, 153, 33), "HELP", "Display Help/User Manual", None),
    "cmdEXIT": (PB, (744, 464, 153, 33), "EXIT", " Exit Program", None),
    # Added at the right end of the command row, beside the five buttons in their places.
    "cmdWINDOWS": (PB, (904, 464, 81, 33), "WINDOWS",
                   "Chart of the Moon at Home and DX, and the mutual windows with every station "
                   "of CALL3.TXT", None),

    "txtSearch": (TX, None, "", None, None),
    "txtReplace": (TX, None, "", None, None),
    "txtDelete": (TX, None, "", None, None),
    "txtCancel": (TX, None, "", None, None),
}

# The two station rows: the same columns, Home at y = 120 and DX at y = 192; the check box
# and the station label 8 pixels lower.
LOOKUP_TIP = "Lookup Callsign and Import Data from CALL3.TXT File"
CALC_TIP = "Calculate Lat/Lon or Locator if it is blank"
ADD_TIP = "Add, Change or Delete Callsign Information in CALL3.TXT File"
ABOVE_TIP = "Enter Degrees Above Which Output Positions are to be Displayed"
BELOW_TIP = "Enter Degrees Below Which Output Positions are to be Displayed"
for s, y, extra in (
        ("Home", 120, {
            "chk": "Check Box to Display Positions from Home QTH ",
            "label": ("lblHome", "Home", 57),
            "call": "Enter Home Callsign and press ESC key or LOOKUP button to the right to "
                    "Lookup Info",
            "loc": "Enter Home Locator and press ESC key or GRID CALC button to the right",
            "lookup": "cmdHomeLookup", "londeg": "00"}),
        ("DX", 192, {
            "chk": "Check to Display Positions from DX QTH",
            "label": ("lblDXSTN", "DX Stn", 65),
            "call": "Enter DX Callsign and press ESC key or LOOKUP button to the right  to "
                    "Lookup Info",
            "loc": "Enter DX Locator and press ESC key or GRID CALC button to the right",
            "lookup": "cmdDXLookup", "londeg": "000"})):
    label_name, label_text, label_width = extra["label"]
    INPUT.update({
        "chkDisplay" + s: (CK, (24, y + 8, 17, None), None, extra["chk"], None),
        label_name: (LB, (56, y + 8, label_width, None), label_text, None, None),
        "txtCallsign" + s: (TX, (120, y, 129, None), "", extra["call"], None),
        extra["lookup"]: (PB, (248, y, 17, 17), "", LOOKUP_TIP, None),
        "txtLocator" + s: (TX, (280, y, 89, None), "", extra["loc"], None),
        "cmdLocator%sCalc" % s: (PB, (368, y, 17, 17), "", CALC_TIP, None),
        "cmdAdd" + s: (PB, (408, y, 17, 17), "", ADD_TIP, None),
        "txtLatDeg" + s: (TX, (440, y, 33, None), "00", None, None),
        "txtLatMin" + s: (TX, (488, y, 33, None), "00", None, None),
        "txtLatSec" + s: (TX, (536, y, 33, None), "00", None, None),
        "cboLatDir" + s: (CB, (584, y, 41, None), "", None, ["N", "S"]),
        "txtLonDeg" + s: (TX, (648, y, 41, None), extra["londeg"], None, None),
        "txtLonMin" + s: (TX, (704, y, 33, None), "00", None, None),
        "txtLonSec" + s: (TX, (752, y, 33, None), "00", None, None),
        "cboLonDir" + s: (CB, (800, y, 49, None), "", None, ["E", "W"]),
        "txtAbove" + s: (TX, (872, y, 33, None), "-2", ABOVE_TIP, None),
        "txtBelow" + s: (TX, (936, y, 33, None), "90", BELOW_TIP, None),
    })

STARTS_HIDDEN = {
    "txtDateCalc", "txtNotesHome", "txtNotesDX",
    "lblAzRange", "txtAZMAX", "txtAZMIN", "txtGMTMIN", "txtGMTMAX",
    "lblObjectRA", "lblObjectDeclination", "txtEnterObject", "txtCelestialRAhours",
    "lblObjectHours", "txtCelestialRAminutes", "lblObjectMin", "txtCelestialDec",
    "lblObjectDegrees", "txtAdobeReader", "cmdStop",
    "txtSearch", "txtReplace", "txtDelete", "txtCancel",
}

TAB_ORDER = """
cboMonthStart cboDayStart txtYearStart cboMonthEnd cboDayEnd txtYearEnd chkDisplayHome
txtCallsignHome txtLocatorHome txtAboveHome txtBelowHome chkDisplayDX txtCallsignDX
txtLocatorDX txtAboveDX txtBelowDX cboCelestial cboOperation txtIncrementMinutes txtNoise
txtTimeDif txtOutputLines cboRegion cboUnits cboBand txtAdobeReader txtEnterObject
txtCelestialRAhours txtCelestialRAminutes txtCelestialDec txtLatDegHome txtLatDegDX
txtLonDegHome txtLonDegDX txtLatMinHome txtLatSecHome txtLonMinHome txtLonSecHome
txtLatMinDX txtLatSecDX txtLonMinDX txtLonSecDX cmdRUN cmdSET cmdRESTART cmdHELP cmdEXIT
cboLatDirHome cboLatDirDX cboLonDirHome cboLonDirDX cmdHomeLookup cmdDXLookup
cmdLocatorHomeCalc cmdLocatorDXCalc cmdAddHome cmdAddDX cmdStop txtNotesHome txtNotesDX
txtAZMAX txtTextEditor txtDateCalc txtAZMIN cboEsc txtMaxDegradation txtGMTMIN txtGMTMAX
cmdWINDOWS
""".split()

TWO_LINE_LABELS = {"lblAzRange", "lblRCVRNoise", "lblMaxDegradation", "lblTimeDif"}
SMALL_FONT = {"txtDateCalc", "txtNotesHome", "txtNotesDX"}
SQUARE_BUTTONS = {"cmdHomeLookup", "cmdDXLookup", "cmdLocatorHomeCalc", "cmdLocatorDXCalc",
                  "cmdAddHome", "cmdAddDX"}

# --- the confirmation dialog ---------------------------------------------------------

UPDATE = {
    "lblUpdate": (LB, "Please make any desired changes here and confirm your chosen action by "
                      "pressing one of the colored buttons below.", None),
    "lblOldCallsign": (LB, "Callsign", None),
    "txtOldCallsign": (TX, "", "Callsign to be Modified"),
    "lblOldLocator": (LB, "Locator", None),
    "txtOldLocator": (TX, "", "Current Locator for Callsign"),
    "lblOldNotes": (LB, "Notes", None),
    "txtOldNotes": (TX, "", "Current Callsign Notes from CALL3.TXT"),
    "lblRecno": (LB, "Callsign #", None),
    "txtRecordNumber": (TX, "", "Callsign Order Number in CALL3.TEXT"),
    "cmdREPLACE": (PB, "REPLACE", "Press to Complete Modification"),
    "cmdDelete": (PB, "DELETE", "Press to Delete Callsign from CALL3.TXT"),
    "cmdCancel": (PB, "CANCEL", "Press to Cancel Modification"),
}

# --- the real-time window ------------------------------------------------------------
# The client area holds the header band's four rows and the map's 1277 x 640 at y 104.

RT_SIZE = (1277, 744)
SYSTEM, PURPLE, BLUE = "palette(button-text)", "rgb(192, 0, 192)", "rgb(0, 0, 192)"
HIDDEN, UNDERLINED, CENTRED, LARGE = "hidden", "underlined", "centred", "18pt"
# Right-aligned in its place.
RIGHT = "right"
RED = "rgb(255, 0, 0)"
# The third row's strip right of STOP up to the Doppler row, under the object's name: the clock
# check and the rotator's text share it (the view keeps their texts apart and clear of the name).
NOTES_STRIP = (344, 56, 537, 24)

# name: (geometry, caption, tooltip, text colour, marks)
RT = {
    "lblStation": ((16, 8, 57, 25), "Station", None, SYSTEM, {UNDERLINED}),
    "lblAz": ((136, 8, 73, 25), "Azimuth", None, SYSTEM, {UNDERLINED}),
    "lblEl": ((216, 8, 81, 25), "Elevation", None, SYSTEM, {UNDERLINED}),
    "Label2": ((312, 8, 41, 25), "UTC:", None, PURPLE, {CENTRED}),
    "lblTime": ((360, 8, 81, 25), "UTC Time", "Current UTC Time", PURPLE, set()),
    "lblDate": ((464, 8, 137, 25), "UTC Date", "Current UTC Date", PURPLE, set()),
    "lblDegredation": ((616, 8, 129, 25), "dB Degradation", None, SYSTEM, {UNDERLINED, HIDDEN}),
    "lblPol": ((784, 8, 97, 25), "Polarization", None, SYSTEM, {UNDERLINED, HIDDEN}),
    "lbComputerTime": ((888, 8, 121, 25), "Local. Time:", None, BLUE, {CENTRED}),
    "lblLocalTime": ((1016, 8, 73, 25), "Loc Time", None, BLUE, set()),
    "lblLocalDate": ((1104, 8, 129, 25), "Loc Date", None, BLUE, {CENTRED}),
    "lblCallsignHome": ((16, 32, 89, 25), "Callsign H", "Home Station Callsign", SYSTEM,
                        {HIDDEN}),
    "lblUAZ": ((152, 32, 49, 25), "UAZ", None, SYSTEM, {HIDDEN}),
    "lblUEL": ((232, 32, 41, 25), "UEL", None, SYSTEM, {HIDDEN}),
    "lblCelestial": ((344, 32, 225, 41), "Celestial", "Object Chosen for Position Tracking",
                     SYSTEM, {CENTRED, LARGE}),
    "lblPolDeg": ((808, 32, 49, 25), "Deg", "Spatial polarity offset between stations", SYSTEM,
                  {HIDDEN}),
    "lblTopocentric": ((904, 32, 97, 25), "Topocentric",
                       "Topocentric GHA and DEC for Home Station", BLUE, {HIDDEN}),
    "lblGHA": ((1016, 32, 41, 25), "GHA", None, BLUE, {HIDDEN}),
    "lblGHAT": ((1064, 32, 57, 25), "GHAT", None, SYSTEM, {HIDDEN}),
    "lblDEC": ((1128, 32, 41, 25), "DEC", None, BLUE, {HIDDEN}),
    "lblDECT": ((1176, 32, 57, 25), "DECT",
                "Moon Declination from Home Station - RED indicates declination is moving south "
                "(negative)", SYSTEM, {HIDDEN}),
    "lblCallsignDX": ((16, 56, 129, 25), "Callsign DX", "DX Station Callsign", SYSTEM, {HIDDEN}),
    "lblYAZ": ((152, 56, 49, 25), "YAZ", None, SYSTEM, {HIDDEN}),
    "lblYEL": ((232, 56, 41, 25), "YEL", None, SYSTEM, {HIDDEN}),
    "lblClockCheck": (NOTES_STRIP, "Clock Check",
                      "The clock offset typed in the main window against this computer's own",
                      RED, {HIDDEN, RIGHT}),
    "lblDoppler": ((888, 56, 81, 25), "Doppler",
                   "Doppler shift of the Moon path at the band's frequency, hertz", BLUE,
                   {HIDDEN}),
    "lblEcho": ((976, 56, 49, 25), "Echo", None, BLUE, {HIDDEN}),
    "lblEchoDoppler": ((1024, 56, 97, 25), "Echo Hz",
                       "Doppler shift of the Home station's own echo", SYSTEM, {HIDDEN}),
    "lblDopplerDX": ((1128, 56, 33, 25), "DX", None, BLUE, {HIDDEN}),
    "lblDXDoppler": ((1160, 56, 97, 25), "DX Hz",
                     "Doppler shift of the Home station's signal heard at DX", SYSTEM, {HIDDEN}),
    # The fourth row: the Moon echo's spreads, the Doppler's rate, the delay; the Sun-Moon angle.
    "lblSpread": ((16, 80, 65, 25), "Spread", "Libration spread of the Moon's echo at the band's frequency: how widely the Moon's apparent rocking smears a tone, hertz", BLUE, {HIDDEN}),
    "lblSpreadEcho": ((88, 80, 49, 25), "Echo", None, BLUE, {HIDDEN}),
    "lblEchoSpread": ((136, 80, 105, 25), "Echo Spread", "Spread of the Home station's own echo", SYSTEM, {HIDDEN}),
    "lblSpreadDX": ((248, 80, 33, 25), "DX", None, BLUE, {HIDDEN}),
    "lblDXSpread": ((280, 80, 105, 25), "DX Spread", 'Spread of the path from Home to DX', SYSTEM, {HIDDEN}),
    "lblRate": ((400, 80, 49, 25), "Rate", 'How fast the Doppler shift of the Home echo changes, hertz per minute', BLUE, {HIDDEN}),
    "lblDopplerRate": ((448, 80, 137, 25), "Rate Hz", None, SYSTEM, {HIDDEN}),
    "lblDelay": ((600, 80, 57, 25), "Delay", 'Echo delay: the time from Home to the Moon and back, seconds', BLUE, {HIDDEN}),
    "lblEchoDelay": ((664, 80, 97, 25), "Delay s", None, SYSTEM, {HIDDEN}),
    "lblSunMoon": ((784, 80, 97, 25), "Sun-Moon", "Angle between the Sun and the Moon seen from Home: the Sun's noise near the Moon", BLUE, {HIDDEN}),
    "lblSunMoonAngle": ((888, 80, 81, 25), "Angle", None, SYSTEM, {HIDDEN}),
}
# The rotator's and the radio's buttons beside the Home values and STOP below them, in the header
# band's free space: they must cover no label. The devices' position/frequency/reason labels
# share the notes strip.
RT_ROTATOR = {
    "cmdRotator": ("QPushButton", (278, 33, 62, 22), "Rotator"),
    "cmdRadio": ("QPushButton", (578, 33, 62, 22), "Radio"),
    "cmdStopRT": ("QPushButton", (278, 57, 62, 22), "STOP"),
    "lblRotator": (LB, NOTES_STRIP, ""),
    "lblRadio": (LB, NOTES_STRIP, ""),
    "lblWsjtx": (LB, NOTES_STRIP, ""),
}
SHARING_THE_STRIP = {"lblRotator", "lblRadio", "lblWsjtx", "lblClockCheck", "lblCelestial"}
DEGRADATION_TIP = "Approxiate Degredation From Lunar Distance and Background Sky Noise"


# --- reading a form ------------------------------------------------------------------

def value_of(prop):
    """The Python value of a <property> element (string, bool, number, enum/set text)."""
    child = list(prop)[0]
    if child.tag == "string":
        return child.text or ""
    if child.tag == "bool":
        return child.text == "true"
    if child.tag == "number":
        return int(child.text)
    if child.tag in ("enum", "set", "cstring"):
        return child.text
    if child.tag == "rect":
        return tuple(int(child.find(k).text) for k in ("x", "y", "width", "height"))
    if child.tag == "size":
        return tuple(int(child.find(k).text) for k in ("width", "height"))
    return child


def read_form(path):
    """(top widget, {name: widget info}, tab stops, names in document order)."""
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        fail("%s: %s" % (os.path.basename(path), error))
        return None
    top = root.find("widget")
    widgets = {}
    order = []

    def info(element):
        props = {p.get("name"): value_of(p) for p in element.findall("property")}
        items = [value_of(i.find("property")) for i in element.findall("item")]
        return {"class": element.get("class"), "props": props, "items": items}

    for element in top.iter("widget"):
        if element is top:
            continue
        name = element.get("name")
        order.append(name)
        if name in widgets:
            fail("%s: object name %s appears more than once" % (os.path.basename(path), name))
        widgets[name] = info(element)
    tabstops = [t.text for t in root.findall("tabstops/tabstop")]
    return info(top), top.get("name"), root.find("class").text, widgets, tabstops, order


def shown_text(w):
    """The caption or initial text a widget shows ("" when none is set)."""
    if w["class"] == CB:
        index = w["props"].get("currentIndex", -1)
        return w["items"][index] if 0 <= index < len(w["items"]) else ""
    return w["props"].get("text", "")


# --- checks -------------------------------------------------------------------------

def find_uic():
    candidates = [os.environ.get("UIC"), "/usr/lib/qt6/libexec/uic", shutil.which("uic")]
    for candidate in candidates:
        if not candidate or not os.path.exists(candidate):
            continue
        version = subprocess.run([candidate, "--version"], capture_output=True, text=True)
        if re.search(r"\b6\.", version.stdout + version.stderr):
            return candidate
    return None


def compile_headers(out, headers):
    """Compiles (syntax only) a file that sets up every form on a widget of its base class."""
    compiler = shutil.which("g++")
    pkg_config = shutil.which("pkg-config")
    if not compiler or not pkg_config:
        return "skipped (no g++ or pkg-config)"
    flags = subprocess.run([pkg_config, "--cflags", "Qt6Widgets"], capture_output=True,
                           text=True)
    if flags.returncode != 0:
        return "skipped (no Qt 6 Widgets headers)"
    source = os.path.join(out, "forms.cpp")
    with open(source, "w", encoding="utf-8") as f:
        f.write("#include <QDialog>\n#include <QWidget>\n")
        for header, klass, base in headers:
            f.write('#include "%s"\n' % os.path.basename(header))
        f.write("void SetUpForms() {\n")
        for header, klass, base in headers:
            f.write("    { %s w; Ui::%s ui; ui.setupUi(&w); }\n" % (base, klass))
        f.write("}\n")
    # The project's root resolves the headers of promoted widgets (ui/qt/...).
    run = subprocess.run([compiler, "-std=c++20", "-fPIC", "-fsyntax-only", "-I", out, "-I", ROOT]
                         + flags.stdout.split() + [source], capture_output=True, text=True)
    if run.returncode != 0:
        fail("the C++ of uic does not compile:\n" + run.stderr.strip())
    return "compiled"


def check_uic(forms):
    """forms: (path, form class, base class) of each .ui file."""
    uic = find_uic()
    if uic is None:
        fail("no Qt 6 uic found (install qt6-base-dev-tools or set UIC)")
        return "not run"
    with tempfile.TemporaryDirectory() as out:
        headers = []
        for path, klass, base in forms:
            header = os.path.join(out, "ui_" + os.path.basename(path)[:-3] + ".h")
            run = subprocess.run([uic, path, "-o", header], capture_output=True, text=True)
            if run.returncode != 0 or run.stderr.strip():
                fail("uic %s: exit %d %s" % (os.path.basename(path), run.returncode,
                                            run.stderr.strip()))
            elif os.path.getsize(header) == 0:
                fail("uic %s: empty output" % os.path.basename(path))
            else:
                headers.append((header, klass, base))
        if len(headers) != len(forms):
            return "not compiled"
        return compile_headers(out, headers)


def check_fixed_top(form, top, klass, title, size):
    props = top["props"]
    name = os.path.basename(form)
    if props.get("windowTitle") != title:
        fail("%s: window title %r" % (name, props.get("windowTitle")))
    for key in ("minimumSize", "maximumSize"):
        if props.get(key) != size:
            fail("%s: %s %r, want %r" % (name, key, props.get(key), size))
    if props.get("geometry", (0, 0, 0, 0))[2:] != size:
        fail("%s: size %r, want %r" % (name, props.get("geometry"), size))
    if top["class"] != klass:
        fail("%s: top widget class %s, want %s" % (name, top["class"], klass))
    sheet = props.get("styleSheet", "")
    if '13.5pt "MS Sans Serif"' not in sheet:
        fail("%s: the form's default font MS Sans Serif 13.5 pt is not set" % name)


def window_colour(top):
    palette = top["props"].get("palette")
    if palette is None:
        return None
    for role in palette.iter("colorrole"):
        if role.get("role") == "Window":
            colour = role.find("brush/color")
            return tuple(int(colour.find(c).text) for c in ("red", "green", "blue"))
    return None


def check_input():
    path = os.path.join(FORMS, "frmInput.ui")
    form = read_form(path)
    if form is None:
        return
    top, top_name, klass, widgets, tabstops, _ = form
    if top_name != "frmInput" or klass != "frmInput":
        fail("frmInput.ui: form class %s, top widget %s" % (klass, top_name))
    # The program appends the version number (from the build) to the title.
    check_fixed_top(path, top, "QWidget", "VELMORANT Version", (991, 501))
    if window_colour(top) != (224, 224, 224):
        fail("frmInput.ui: window background %r, want (224, 224, 224)" % (window_colour(top),))

    for name in sorted(set(widgets) - set(INPUT)):
        fail("frmInput.ui: unexpected widget %s" % name)
    for name, (klass, geometry, text, tip, items) in INPUT.items():
        w = widgets.get(name)
        if w is None:
            fail("frmInput.ui: %s is missing" % name)
            continue
        props = w["props"]
        if w["class"] != klass:
            fail("%s: class %s, want %s" % (name, w["class"], klass))
        got = props.get("geometry")
        if geometry is not None:
            if got is None or any(want is not None and g != want
                                  for g, want in zip(got, geometry)):
                fail("%s: geometry %r, want %r" % (name, got, geometry))
        if text is not None and shown_text(w) != text:
            fail("%s: shows %r, want %r" % (name, shown_text(w), text))
        if props.get("toolTip") != tip:
            fail("%s: tooltip %r, want %r" % (name, props.get("toolTip"), tip))
        if klass == CB:
            if w["items"] != items:
                fail("%s: items %r, want %r" % (name, w["items"], items))
            if props.get("editable") is not True:
                fail("%s: not editable" % name)
            if props.get("insertPolicy") != "QComboBox::NoInsert":
                fail("%s: insert policy %r" % (name, props.get("insertPolicy")))
        if klass == LB:
            if props.get("textFormat") != "Qt::PlainText":
                fail("%s: text format is not plain text" % name)
            wrap = props.get("wordWrap", False)
            if wrap != (name in TWO_LINE_LABELS):
                fail("%s: word wrap %r" % (name, wrap))
            align = props.get("alignment", "")
            want = "Qt::AlignRight" if name == "lblTextEditor" else "Qt::AlignLeft"
            if want not in align:
                fail("%s: alignment %r, want %s" % (name, align, want))
        if klass == CK and props.get("checked") is not True:
            fail("%s: not checked at start" % name)
        hidden = props.get("startsHidden", False)
        if hidden != (name in STARTS_HIDDEN):
            fail("%s: startsHidden %r" % (name, hidden))
        sheet = props.get("styleSheet", "")
        if name in SMALL_FONT and '8.25pt "MS Sans Serif"' not in sheet:
            fail("%s: font MS Sans Serif 8.25 pt not set" % name)
        if name in SQUARE_BUTTONS and "rgb(255, 255, 192)" not in sheet:
            fail("%s: not light yellow" % name)
        if name.startswith("Line") and ("rgb(192, 0, 192)" not in sheet
                                        or props.get("frameShape") != "QFrame::HLine"):
            fail("%s: not a magenta horizontal line" % name)

    title = widgets.get("lblTitle", {"props": {}})["props"].get("styleSheet", "")
    for part in ("bold", "italic", '15.75pt "Comic Sans MS"', "rgb(192, 0, 192)"):
        if part not in title:
            fail("lblTitle: style sheet lacks %s" % part)
    if "rgb(255, 0, 0)" not in widgets.get("cmdStop", {"props": {}})["props"].get("styleSheet", ""):
        fail("cmdStop: not red")
    run = widgets.get("cmdRUN", {"props": {}})["props"]
    if run.get("default") is not True or run.get("autoDefault") is not True:
        fail("cmdRUN: not the default button")
    for name, w in widgets.items():
        if w["class"] == PB and name != "cmdRUN" and w["props"].get("default"):
            fail("%s: a second default button" % name)

    if tabstops != TAB_ORDER:
        fail("frmInput.ui: tab order differs: %r" % tabstops)
    focusable = {n for n, w in widgets.items() if w["class"] in (TX, CB, CK, PB)}
    carriers = {"txtSearch", "txtReplace", "txtDelete", "txtCancel"}
    for name in sorted(focusable - carriers - set(tabstops)):
        fail("frmInput.ui: %s is not in the tab order" % name)

    if os.path.exists(MODEL_TABLE):
        with open(MODEL_TABLE, encoding="utf-8") as f:
            model = set(
                re.findall(r"^\s+VELMORANT_(?:CONTROL|HANDLED|DATE_LIST)\((\w+)[,)]", f.read(), re.M))
        lines = {"Line1", "Line2", "Line3", "Line4"}
        for name in sorted(model - set(widgets)):
            fail("frmInput.ui: the window model's control %s has no widget" % name)
        for name in sorted(set(widgets) - model - lines):
            fail("frmInput.ui: widget %s is not in the window model's control table" % name)


def check_update():
    path = os.path.join(FORMS, "frmUpdate.ui")
    form = read_form(path)
    if form is None:
        return
    top, top_name, klass, widgets, tabstops, _ = form
    if top_name != "frmUpdate" or klass != "frmUpdate":
        fail("frmUpdate.ui: form class %s, top widget %s" % (klass, top_name))
    size = top["props"].get("minimumSize")
    check_fixed_top(path, top, "QDialog", "CALL3.TXT Update Confirmation", size)
    if top["props"].get("modal") is not True:
        fail("frmUpdate.ui: not modal")
    if window_colour(top) is None:
        fail("frmUpdate.ui: no window background")
    for name in sorted(set(widgets) - set(UPDATE)):
        fail("frmUpdate.ui: unexpected widget %s" % name)
    for name, (klass, text, tip) in UPDATE.items():
        w = widgets.get(name)
        if w is None:
            fail("frmUpdate.ui: %s is missing" % name)
            continue
        if w["class"] != klass:
            fail("%s: class %s, want %s" % (name, w["class"], klass))
        if shown_text(w) != text:
            fail("%s: shows %r, want %r" % (name, shown_text(w), text))
        if w["props"].get("toolTip") != tip:
            fail("%s: tooltip %r, want %r" % (name, w["props"].get("toolTip"), tip))
    if not widgets.get("lblUpdate", {"props": {}})["props"].get("wordWrap"):
        fail("lblUpdate: no word wrap")
    for name in ("lblUpdate", "lblOldCallsign", "lblOldLocator", "lblOldNotes", "lblRecno"):
        if widgets.get(name, {"props": {}})["props"].get("textFormat") != "Qt::PlainText":
            fail("%s: text format is not plain text" % name)
    # Headings over their fields, fields left to right, buttons left to right under them.
    geo = {n: w["props"].get("geometry") for n, w in widgets.items()}
    if None not in geo.values() and set(UPDATE) <= set(geo):
        row = ["txtOldCallsign", "txtOldLocator", "txtOldNotes", "txtRecordNumber"]
        heads = ["lblOldCallsign", "lblOldLocator", "lblOldNotes", "lblRecno"]
        buttons = ["cmdREPLACE", "cmdDelete", "cmdCancel"]
        if [geo[n][0] for n in row] != sorted(geo[n][0] for n in row):
            fail("frmUpdate.ui: fields not in the order callsign, locator, notes, number")
        if max(geo[n][2] for n in row) != geo["txtOldNotes"][2]:
            fail("frmUpdate.ui: the notes field is not the widest")
        for head, field in zip(heads, row):
            if geo[head][0] != geo[field][0] or geo[head][1] >= geo[field][1]:
                fail("frmUpdate.ui: %s is not over %s" % (head, field))
        if [geo[n][0] for n in buttons] != sorted(geo[n][0] for n in buttons):
            fail("frmUpdate.ui: buttons not in the order REPLACE, DELETE, CANCEL")
        if min(geo[n][1] for n in buttons) < max(geo[n][1] + geo[n][3] for n in row):
            fail("frmUpdate.ui: buttons are not below the fields")
        if geo["lblUpdate"][1] + geo["lblUpdate"][3] > min(geo[n][1] for n in heads):
            fail("frmUpdate.ui: the explanation is not above the headings")
    focusable = {n for n, w in widgets.items() if w["class"] in (TX, PB)}
    if set(tabstops) != focusable:
        fail("frmUpdate.ui: tab order %r" % tabstops)


def check_realtime():
    path = os.path.join(FORMS, "frmRT.ui")
    form = read_form(path)
    if form is None:
        return
    top, top_name, klass, widgets, _, _ = form
    if top_name != "frmRT" or klass != "frmRT":
        fail("frmRT.ui: form class %s, top widget %s" % (klass, top_name))
    props = top["props"]
    if props.get("windowTitle") != "VELMORANT Real Time Data ":
        fail("frmRT.ui: window title %r" % props.get("windowTitle"))
    for key in ("minimumSize", "maximumSize"):
        if props.get(key) != RT_SIZE:
            fail("frmRT.ui: %s %r, want %r" % (key, props.get(key), RT_SIZE))
    if props.get("geometry", (0, 0, 0, 0))[2:] != RT_SIZE:
        fail("frmRT.ui: size %r, want %r" % (props.get("geometry"), RT_SIZE))
    if top["class"] != "QWidget":
        fail("frmRT.ui: top widget class %s" % top["class"])
    if window_colour(top) != (0, 255, 255):
        fail("frmRT.ui: window background %r, want (0, 255, 255)" % (window_colour(top),))
    if 'bold 12pt "MS Sans Serif"' not in props.get("styleSheet", ""):
        fail("frmRT.ui: the form's default font MS Sans Serif 12 pt bold is not set")

    expected = set(RT) | {"picdB", "PicMap"} | set(RT_ROTATOR)
    for name in sorted(set(widgets) - expected):
        fail("frmRT.ui: unexpected widget %s" % name)
    for name, (geometry, text, tip, colour, marks) in RT.items():
        w = widgets.get(name)
        if w is None:
            fail("frmRT.ui: %s is missing" % name)
            continue
        props = w["props"]
        if w["class"] != LB:
            fail("%s: class %s, want %s" % (name, w["class"], LB))
        if props.get("geometry") != geometry:
            fail("%s: geometry %r, want %r" % (name, props.get("geometry"), geometry))
        if shown_text(w) != text:
            fail("%s: shows %r, want %r" % (name, shown_text(w), text))
        if props.get("toolTip") != tip:
            fail("%s: tooltip %r, want %r" % (name, props.get("toolTip"), tip))
        if props.get("textFormat") != "Qt::PlainText":
            fail("%s: text format is not plain text" % name)
        if props.get("wordWrap", False):
            fail("%s: word wrap set" % name)
        want = ("Qt::AlignHCenter" if CENTRED in marks else
                "Qt::AlignRight" if RIGHT in marks else "Qt::AlignLeft")
        if want not in props.get("alignment", ""):
            fail("%s: alignment %r, want %s" % (name, props.get("alignment"), want))
        if props.get("startsHidden", False) != (HIDDEN in marks):
            fail("%s: startsHidden %r" % (name, props.get("startsHidden", False)))
        sheet = props.get("styleSheet", "")
        size = "18pt" if LARGE in marks else "12pt"
        font = 'bold %s "MS Sans Serif"' % size
        if font not in sheet:
            fail("%s: font %s not set" % (name, font))
        if ("text-decoration: underline" in sheet) != (UNDERLINED in marks):
            fail("%s: underlined %r, want %r" % (name, UNDERLINED not in marks,
                                                 UNDERLINED in marks))
        if "color: %s;" % colour not in sheet:
            fail("%s: text colour is not %s" % (name, colour))

    check_rotator_items(widgets)

    box = widgets.get("picdB")
    if box is None:
        fail("frmRT.ui: picdB is missing")
    else:
        props = box["props"]
        if props.get("geometry") != (648, 32, 60, 24):
            fail("picdB: geometry %r" % (props.get("geometry"),))
        if props.get("toolTip") != DEGRADATION_TIP:
            fail("picdB: tooltip %r" % props.get("toolTip"))
        if props.get("startsHidden") is not True:
            fail("picdB: does not start hidden")
        sheet = props.get("styleSheet", "")
        for part in ('bold 12pt "MS Sans Serif"', "background-color: rgb(0, 0, 0)"):
            if part not in sheet:
                fail("picdB: style sheet lacks %s" % part)
        if box["class"] == LB and "Qt::AlignTop" not in props.get("alignment", ""):
            fail("picdB: text not from the top-left corner")

    picture = widgets.get("PicMap")
    if picture is None:
        fail("frmRT.ui: PicMap is missing")
    else:
        props = picture["props"]
        if not picture["class"].endswith("WorldMapView"):
            fail("PicMap: class %s, want WorldMapView" % picture["class"])
        if props.get("geometry") != (0, 104, 1277, 640):
            fail("PicMap: geometry %r" % (props.get("geometry"),))
        if (props.get("frameShape"), props.get("frameShadow"), props.get("lineWidth")) != \
                ("QFrame::Panel", "QFrame::Sunken", 2):
            fail("PicMap: not a 2-pixel sunken panel")
        x, y, width, height = props.get("geometry", (0, 0, 0, 0))
        if x + width > RT_SIZE[0] or y + height > RT_SIZE[1]:
            fail("PicMap: does not fit in the window")


def overlaps(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def check_rotator_items(widgets):
    for name, (klass, geometry, text) in RT_ROTATOR.items():
        w = widgets.get(name)
        if w is None:
            fail("frmRT.ui: %s is missing" % name)
            continue
        if w["class"] != klass:
            fail("%s: class %s, want %s" % (name, w["class"], klass))
        if w["props"].get("geometry") != geometry:
            fail("%s: geometry %r, want %r" % (name, w["props"].get("geometry"), geometry))
        if shown_text(w) != text:
            fail("%s: shows %r, want %r" % (name, shown_text(w), text))
        for other, (other_geometry, _, _, _, _) in RT.items():
            if name in SHARING_THE_STRIP and other in SHARING_THE_STRIP:
                continue
            # The rows' 25-pixel labels, 24 pixels apart, share their last pixel row with the
            # next row's.
            x, y, width, height = other_geometry
            if overlaps(geometry, (x, y, width, height - 1)):
                fail("%s covers %s" % (name, other))
        if overlaps(geometry, (648, 32, 60, 24)) or overlaps(geometry, (0, 104, 1277, 640)):
            fail("%s covers the degradation box or the map" % name)


# The WINDOWS window: name -> (class, caption or None).
WINDOWS = {
    "tabWindows": ("QTabWidget", None),
    "tabChart": ("QWidget", None),
    "picChart": ("velmorant::ChartWidget", None),
    "lblChartReading": (LB, None),
    "cmdSavePng": (PB, "Save as PNG"),
    "cmdSaveSvg": (PB, "Save as SVG"),
    "tabMutual": ("QWidget", None),
    "tblWindows": ("QTableView", None),
    "prgWindows": ("QProgressBar", None),
    "lblWindowsStatus": (LB, None),
    "cmdComputeWindows": (PB, "COMPUTE"),
    "cmdCancelWindows": (PB, "CANCEL"),
    "cmdSaveWindowsCsv": (PB, "Save as CSV"),
    "tabCalendar": ("QWidget", None),
    "picCalendar": ("velmorant::CalendarWidget", None),
    "lblCalendarStatus": (LB, None),
    "cmdCalendarPng": (PB, "Save as PNG..."),
    "cmdCalendarSvg": (PB, "Save as SVG..."),
}


def check_windows():
    path = os.path.join(FORMS, "frmWindows.ui")
    form = read_form(path)
    if form is None:
        return
    top, top_name, klass, widgets, _, _ = form
    if top_name != "frmWindows" or klass != "frmWindows":
        fail("frmWindows.ui: form class %s, top widget %s" % (klass, top_name))
    if top["props"].get("windowTitle") != "VELMORANT Chart and Mutual Windows":
        fail("frmWindows.ui: window title %r" % top["props"].get("windowTitle"))
    for name, (klass, text) in WINDOWS.items():
        w = widgets.get(name)
        if w is None:
            fail("frmWindows.ui: %s is missing" % name)
            continue
        if w["class"] != klass:
            fail("%s: class %s, want %s" % (name, w["class"], klass))
        if text is not None and shown_text(w) != text:
            fail("%s: shows %r, want %r" % (name, shown_text(w), text))
    with open(path, encoding="utf-8") as f:
        titles = re.findall(r'<attribute name="title">\s*<string>([^<]*)</string>', f.read())
    if titles != ["Chart", "Windows", "Calendar"]:
        fail("frmWindows.ui: tabs %r, want Chart, Windows and Calendar" % titles)


def main():
    compiled = check_uic([(os.path.join(FORMS, "frmInput.ui"), "frmInput", "QWidget"),
                          (os.path.join(FORMS, "frmUpdate.ui"), "frmUpdate", "QDialog"),
                          (os.path.join(FORMS, "frmRT.ui"), "frmRT", "QWidget"),
                          (os.path.join(FORMS, "frmRotator.ui"), "frmRotator", "QDialog"),
                          (os.path.join(FORMS, "frmRadio.ui"), "frmRadio", "QDialog"),
                          (os.path.join(FORMS, "frmWindows.ui"), "frmWindows", "QWidget")])
    check_input()
    check_windows()
    check_update()
    check_realtime()
    for message in failures:
        print("FAIL " + message)
    if failures:
        print("forms: %d problem(s)" % len(failures))
        return 1
    print("forms: frmInput.ui (%d controls), frmUpdate.ui (%d controls), frmRT.ui "
          "(%d controls) and frmWindows.ui (%d controls) check out; uic output %s"
          % (len(INPUT), len(UPDATE), len(RT) + 2, len(WINDOWS), compiled))
    return 0


if __name__ == "__main__":
    sys.exit(main())
