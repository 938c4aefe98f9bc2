#!/usr/bin/env python3
"""Writes the SQL of the sample catalogue.

The product range is described here once, compactly; this script expands it into
the rows of the product database (product.sql) and of the three curve databases
(curves_servo.sql, curves_directdrive.sql, curves_stepper.sql) beside it. Run it
after every change and commit the SQL it writes: the build reads only the SQL.

Servo motor and amplifier data are checked against the sizing model's formulas
before anything is written, so every reachable motor/drive pair passes the
pretest at every switching frequency and draws a curve of the usual shape.
"""

import math
import os
import sys

DATA_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------------------
# SQL writing


class Table:
    def __init__(self, name, columns, indexes=()):
        self.name = name
        self.columns = columns  # (name, kind): kind is TEXT, INT, REAL or BOOL
        self.indexes = indexes  # tuples of column names
        self.rows = []

    def add(self, *values):
        assert len(values) == len(self.columns), (self.name, values)
        self.rows.append(values)

    def column_sql(self, name, kind):
        quoted = '"%s"' % name
        if kind == "TEXT":
            return quoted + " TEXT COLLATE NOCASE"
        if kind == "INT":
            return quoted + " INTEGER"
        if kind == "REAL":
            return quoted + " REAL"
        if kind == "BOOL":
            return "%s INTEGER CHECK (%s IN (0, 1))" % (quoted, quoted)
        raise ValueError(kind)

    def sql(self):
        out = ['CREATE TABLE "%s" (' % self.name]
        out.append(",\n".join("    " + self.column_sql(n, k) for n, k in self.columns))
        out.append(");")
        for number, cols in enumerate(self.indexes, 1):
            index_name = "%s_%d" % (self.name.replace(" ", "_"), number)
            out.append('CREATE INDEX "%s" ON "%s" (%s);'
                       % (index_name, self.name, ", ".join('"%s"' % c for c in cols)))
        names = ", ".join('"%s"' % n for n, _ in self.columns)
        for row in self.rows:
            out.append('INSERT INTO "%s" (%s) VALUES (%s);'
                       % (self.name, names, ", ".join(sql_value(v) for v in row)))
        return "\n".join(out) + "\n"


def sql_value(value):
    if value is None:
        return "NULL"
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return repr(round(value, 9))
    return "'" + str(value).replace("'", "''") + "'"


def write_sql(file_name, title, tables):
    path = os.path.join(DATA_DIR, file_name)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("-- %s\n" % title)
        f.write("-- Written by tools/make_catalogue.py; change the script, not this file.\n")
        f.write("BEGIN TRANSACTION;\n")
        for table in tables:
            f.write("\n" + table.sql())
        f.write("\nCOMMIT;\n")


def code(item):
    """The code of a code-and-description item ("K = Keyway" gives "K")."""
    return item.split(" = ")[0] if " = " in item else item


def description(item):
    return item.split(" = ", 1)[1] if " = " in item else ""


# ---------------------------------------------------------------------------
# Input voltages

VOLTAGES = ["24VDC", "48VDC", "75VDC", "120VAC", "230VAC", "460VAC"]
BUS = {"24VDC": 24.0, "48VDC": 48.0, "75VDC": 75.0, "120VAC": 170.0,
       "230VAC": 325.0, "400VAC": 565.0, "460VAC": 650.0}
VOLTAGE_COLUMNS = [v + "_Drive" for v in VOLTAGES] + [v + "_Drive_Parallel" for v in VOLTAGES]


def offered(value):
    return value is not None and value != "N/A"


# ---------------------------------------------------------------------------
# The range: technologies, drives, drive/controllers, controllers

SERVO, STEPPER, DIRECT = "Servo", "Stepper", "Direct Drive"

DRIVES = [("BSD-230", SERVO), ("BSD-460", SERVO), ("BSD-48", SERVO), ("ZU", SERVO),
          ("SMD-48", STEPPER), ("SMD-230", STEPPER),
          ("BDD-230", DIRECT), ("BDD-460", DIRECT)]
DRIVE_CONTROLLERS = [("BSC-230", SERVO), ("iQO", SERVO), ("SPC-48", STEPPER)]
CONTROLLERS = ["KEX200", "9Q10", "BMC300", "BMC100", "BMC1600"]

# Drive Construction: prefix and tail of the drive part number, around the drive code.
CONSTRUCTION = {
    "BSD-230": ("BSD23", "-A0"), "BSD-460": ("BSD46", "-A0"), "BSD-48": ("BSL", "-D0"),
    "ZU": ("ZU", "-DC"), "SMD-48": ("SMD48-", ""), "SMD-230": ("SMD23-", "-A"),
    "BDD-230": ("BDD230", "-00"), "BDD-460": ("BDD46-", ""),
    "BSC-230": ("BSC23", ""), "iQO": ("IQO", "-230"), "SPC-48": ("SPC48-", ""),
}
# DriveController Construction: prefix and whether the drive code comes before the option code.
DC_CONSTRUCTION = {"BSC-230": ("BSC23", 1), "iQO": ("IQO", 0), "SPC-48": ("SPC48-", 0)}


def drive_part_number(drive, drive_code):
    prefix, tail = CONSTRUCTION[drive]
    return prefix + drive_code + tail


def curve_drive_key(drive, drive_code):
    """Key of a drive in the curve databases (Drive Cross Ref target)."""
    prefix, _ = CONSTRUCTION[drive]
    if drive == "BDD-230":
        return "BDD230"
    return prefix + drive_code


# ---------------------------------------------------------------------------
# Servo amplifiers (BrevanServos_USA97.mDB, AmplifierDataTable)

# Feedback kinds in the order of the curve tables' flags.
FEEDBACK_KINDS = ("IncEncFeedback", "ResFeedback", "Rendat", "Endat", "SinCos", "HallOnly")

AMPLIFIERS = {
    # volts: voltage items the drive takes; sizes: (code, continuous A, peak A, cont W, peak W),
    # currents as peak of sine at the lowest switching frequency; derating: the share of those
    # currents left at each switching frequency (switching losses heat the output stage).
    "BSD-230": dict(volts=("120VAC", "230VAC"), units="VAC", vsmax=264, vsmin=85, vsdefault=230,
                    family="BSD", freqs=(4, 8, 16), derating=(1.0, 0.92, 0.72), feedback=(1, 1, 0, 1, 1, 0),
                    sizes=[("03", 4.2, 12.7, 750, 2200), ("06", 8.5, 25.5, 1500, 4500),
                           ("12", 17.0, 51.0, 3000, 9000), ("20", 28.3, 70.7, 5000, 14000)]),
    "BSD-460": dict(volts=("460VAC",), units="VAC", vsmax=528, vsmin=320, vsdefault=480,
                    family="BSD", freqs=(4, 8), derating=(1.0, 0.75), feedback=(1, 1, 0, 1, 1, 0),
                    sizes=[("04", 5.7, 17.0, 2000, 6000), ("08", 11.3, 34.0, 4000, 12000),
                           ("16", 22.6, 68.0, 8000, 24000)]),
    "BSD-48": dict(volts=("24VDC", "48VDC", "75VDC"), units="VDC", vsmax=90, vsmin=18, vsdefault=48,
                   family="BSL", freqs=(8, 16, 20), derating=(1.0, 0.9, 0.8), feedback=(1, 0, 0, 0, 0, 1),
                   sizes=[("10", 14.1, 28.3, 400, 1000), ("20", 28.3, 56.6, 800, 2000),
                          ("40", 56.6, 113.1, 1600, 4000)]),
    "ZU": dict(volts=("24VDC", "48VDC"), units="VDC", vsmax=60, vsmin=18, vsdefault=48,
               family="Teldun", freqs=(10, 20), derating=(1.0, 0.8), feedback=(1, 0, 0, 0, 0, 0),
               sizes=[("23", 20.0, 40.0, 500, 1200), ("34", 40.0, 80.0, 1000, 2400)]),
    "BSC-230": dict(volts=("120VAC", "230VAC"), units="VAC", vsmax=264, vsmin=85, vsdefault=230,
                    family="BSC", freqs=(4, 8, 16), derating=(1.0, 0.92, 0.72), feedback=(1, 0, 0, 1, 1, 0),
                    sizes=[("06", 8.5, 25.5, 1500, 4500), ("12", 17.0, 51.0, 3000, 9000),
                           ("20", 28.3, 70.7, 5000, 14000)]),
    "iQO": dict(volts=("120VAC", "230VAC"), units="VAC", vsmax=264, vsmin=85, vsdefault=230,
                family="IQO", freqs=(8, 16), derating=(1.0, 0.78), feedback=(0, 0, 0, 1, 0, 0),
                sizes=[("60", 8.5, 25.5, 1500, 4500)]),
}


def derated(drive, size):
    """The size's rows per switching frequency: (kHz, continuous A, peak A)."""
    amp = AMPLIFIERS[drive]
    return [(freq, round(size[1] * share, 1), round(size[2] * share, 1))
            for freq, share in zip(amp["freqs"], amp["derating"])]


def amplifier_size(drive, current, fixed=None):
    sizes = AMPLIFIERS[drive]["sizes"]
    if fixed is not None:
        return next(s for s in sizes if s[0] == fixed)
    for s in sizes:
        if s[1] >= 0.9 * current:
            return s
    return sizes[-1]


# ---------------------------------------------------------------------------
# Servo motors

TWR = 155.0          # rated winding temperature, degrees C
HOT = 1 + 0.00393 * (TWR - 25)
WINDINGS = {
    # design bus voltage, no-load speed factor, motor rated bus voltage
    "A": (325.0, 1.0, 400.0),
    "C": (325.0, 0.6, 400.0),
    "B": (650.0, 1.0, 750.0),
    "D": (48.0, 0.75, 100.0),
}
FEEDBACK_FLAGS = {"E": (1, 0, 0, 0, 0, 0), "R": (0, 1, 0, 0, 0, 0),
                  "S": (0, 0, 0, 0, 1, 0), "A": (0, 0, 0, 1, 0, 0)}
FEEDBACK_RESOLUTION = {"E": 8192, "R": 4096, "S": 1048576, "A": 8388608}
ENCODER_MAX_SPEED = {"E": 150.0, "R": 200.0, "S": 150.0, "A": 120.0}

SERVO_SERIES = {
    # continuous torque (N-m) per frame and stack, no-load speed (rpm) per frame at winding A
    "KX": dict(poles=8, torque={"16": {"1": 0.32, "2": 0.55}, "23": {"1": 1.1, "2": 1.9, "3": 2.6},
                                "34": {"2": 4.5, "4": 8.0}},
               speed={"16": 6000, "23": 5000, "34": 4000}),
    "LM": dict(poles=10, torque={"60": {"2": 3.2, "3": 4.6}, "80": {"2": 7.5, "4": 13.0}},
               speed={"60": 4000, "80": 3000}),
    "QDM": dict(poles=8, torque={"092 = 92 mm": {"1": 2.2, "2": 3.8}, "130 = 130 mm": {"2": 8.5, "3": 12.0}},
                speed={"092 = 92 mm": 5000, "130 = 130 mm": 3500}),
    "ZU": dict(poles=8, torque={"23": {"1": 0.9, "2": 1.5}, "34": {"2": 3.0}},
               speed={"23": 5300, "34": 4700}),
    "iQO": dict(poles=8, torque={"60": {"1": 1.6, "2": 2.9}}, speed={"60": 4000}),
}


def servo_motor(series, frame, stack, winding, feedback):
    """Model data of one servo motor, in the units of the servo curve database."""
    series_data = SERVO_SERIES[series]
    tc = series_data["torque"][frame][stack]
    vd, factor, vm = WINDINGS[winding]
    n0 = series_data["speed"][frame] * factor            # no-load speed at the design bus, rpm
    kb = vd / (n0 * 2 * math.pi / 60)                     # V per rad/s
    i6 = tc / kb                                         # six-state current at rating
    pcu = 25.0 + 18.0 * tc                               # copper loss at rating, W
    rthwa = (TWR - 25) / pcu
    rm = pcu / (HOT * i6 * i6)
    i1 = 2 / math.sqrt(3) * i6                           # sine-peak thermal current
    tau = min(1.5 + 0.4 * tc, 8.0) / 1000                # electrical time constant, s
    # Enough inductance for the lowest switching frequency at the highest bus the winding sees.
    lm = max(tau * rm, 1.25 * (vd / i1 / 2.8 / 4000.0))
    fb = code(feedback)
    return dict(
        ProductKey=servo_curve_key(series, frame, stack, winding, feedback),
        MotorKb=kb, WindingResistance=rm,
        MaxInductance=lm * 1000 * 1.1, MinInductance=lm * 1000 * 0.9,
        WindingThermalResistance=0.25 * rthwa, MotorThermalResistance=0.75 * rthwa,
        MotorMaxBusVoltage=vm,
        WindingThermalTimeConstant=0.5 + 0.1 * tc, MotorThermalTimeConstant=15.0 + 3.0 * tc,
        Damping=tc * 141.6 * 0.005, Friction=tc * 141.6 * 0.01,
        RatedWindingTemp=TWR, MotorAmbientTemp=40.0, MotorMaxWindingTemp=TWR,
        MotorMaxCaseTemp=100.0, MotorMinCaseTemp=-20.0,
        MotorPoles=series_data["poles"], MaxSpeed=n0 / 60 * 1.05,
        FeedbackResolution=FEEDBACK_RESOLUTION[fb], EncoderMaxSpeed=ENCODER_MAX_SPEED[fb],
        MotorRptc=3.0, Inertia=2.5e-5 * tc ** 1.6, MotorSeriesName=series,
        flags=FEEDBACK_FLAGS[fb], FrameSize=code(frame), MotorStackNumber=stack,
        MotorWindingLetter=winding, FeedbackLetter=fb,
        continuous_torque=tc, thermal_current=i1, top_rpm=n0)


def servo_curve_key(series, frame, stack, winding, feedback):
    return series + code(frame) + stack + winding + code(feedback)


# ---------------------------------------------------------------------------
# The sizing model's limits, enough to prove the servo data (analog voltage limit,
# no saturation data, the pretest's dummy profile at standstill).


class ServoCheck:
    def __init__(self, m, amp, size, bus, row):
        self.kb = m["MotorKb"]
        self.rm = m["WindingResistance"]
        self.lm = (m["MaxInductance"] + m["MinInductance"]) / 1000 / 2
        self.vm = m["MotorMaxBusVoltage"]
        self.rthwc = m["WindingThermalResistance"]
        self.rthwa = m["WindingThermalResistance"] + m["MotorThermalResistance"]
        self.bm = m["Damping"]
        self.tfm = m["Friction"]
        self.np = float(m["MotorPoles"])
        self.rptc = m["MotorRptc"]
        self.wrmax = min(m["EncoderMaxSpeed"], m["MaxSpeed"]) * 60
        self.tamb = 25.0
        self.vs = bus
        scale = 1.0 if amp["units"] == "VDC" else 1.414
        self.vsmax = amp["vsmax"] * scale
        self.vsmin = amp["vsmin"] * scale
        freq, self.iclim, self.iplim = row
        self.sf = freq * 1000.0
        self.pcont, self.ppeak = size[3], size[4]
        self.kt_oz = self.kb * math.sqrt(3) * 141.6 / 2
        self.hot = HOT
        self.motor_feedback = m["flags"]
        self.amp_feedback = amp["feedback"]

    def pretest(self):
        if not any(a and b for a, b in zip(self.motor_feedback, self.amp_feedback)):
            return "feedback"
        if self.vm * 1.1 < self.vs:
            return "motor voltage"
        budget = (TWR - self.tamb) / self.rthwa
        i1 = math.sqrt(4 * budget / (3 * self.hot * self.rm))
        cc = min(self.kt_oz * i1, self.kt_oz * self.iclim)
        if 5.0 > cc:
            return "rms load"
        if self.vs / i1 / self.lm / 2.8 > self.sf:
            return "switching frequency"
        if self.vs > self.vsmax:
            return "bus too high"
        if self.vs < self.vsmin:
            return "bus too low"
        return None

    def _fric(self, w):
        return -(self.bm * 3 * w / 100 / math.pi + self.tfm)

    def _pml_thermal(self, w):
        return (self.bm * 30 * w / 1000 / math.pi + self.tfm) * 30 * w / 1352 / math.pi

    def _vl(self, w):
        x = self.np * self.lm * w / 4 / math.pi / self.rm / self.hot
        b = x * x + 1
        t = (self.kt_oz * ((self.vs - self.kb * w) / b) / self.rm / self.hot) + self._fric(w)
        return t

    def _thermal(self, w, ratio):
        rhot = self.rm * self.hot
        p = ((TWR - self.tamb) * ratio * ratio - (self.rthwa - self.rthwc) * self._pml_thermal(w)) / rhot / self.rthwa
        i6 = math.sqrt(max(p, 0.0))
        return self.kb * i6 * 141.6 + self._fric(w)

    def _power(self, t, w, limit):
        if limit < 1 or w == 0:
            return t
        return limit * 141.6 / w if t * w / 141.6 > limit else t

    def cont(self, w):
        if self.wrmax * 6.2831854 / 60 + 0.00001 < w:
            return 0.0
        vl, pl = self._vl(w), self._thermal(w, 1.0)
        t = vl if vl < pl else pl
        dl = self.kt_oz * self.iclim + self._fric(w)
        t = min(t, dl)
        return self._power(t, w, self.pcont)

    def peak(self, w):
        if self.wrmax * 6.2831854 / 60 + 0.00001 < w:
            return 0.0
        vl, cl = self._vl(w), self.kt_oz * self.iplim + self._fric(w)
        t = vl if vl < cl else cl
        t = min(t, self._thermal(w, self.rptc))
        return self._power(t, w, self.ppeak)


def check_servo_pair(motor, drive, size, voltage_item):
    """Fails the script when a reachable servo pair would not draw a proper curve."""
    amp = AMPLIFIERS[drive]
    bus = BUS[voltage_item]
    top = min(bus / (2 * 3.14159 * motor["MotorKb"]), motor["MaxSpeed"])
    step = top * 2 * 3.1415927 / 99
    # Each switching frequency carries its own currents and so draws its own curve.
    for row in derated(drive, size):
        label = "%s on %s at %s, %g kHz" % (motor["ProductKey"], drive, voltage_item, row[0])
        chk = ServoCheck(motor, amp, size, bus, row)
        problem = chk.pretest()
        if problem:
            sys.exit("servo data: %s fails the pretest (%s)" % (label, problem))
        c0, p0 = chk.cont(0), chk.peak(0)
        if c0 <= 0 or p0 < c0:
            sys.exit("servo data: %s has no proper torque at standstill" % label)
        points = 0
        for i in range(101):
            if chk.cont(i * step) <= 0:
                break
            points += 1
        if points < 30:
            sys.exit("servo data: %s gives only %d curve points" % (label, points))
        # The continuous curve is flat at low speed.
        if abs(chk.cont(step) - c0) > 0.1 * c0:
            sys.exit("servo data: %s continuous torque is not flat at low speed" % label)


# ---------------------------------------------------------------------------
# Motor series and their Drive to Motor rows

MOTORS = [
    # name, technology, with drives, with drive/controllers, part-number type
    ("KX", SERVO, 1, 1, "L7_Servo"),
    ("LM", SERVO, 1, 0, "L7_Servo"),
    ("QDM", SERVO, 1, 1, "QD_Servo"),
    ("ZU", SERVO, 1, 0, "L7_Servo"),
    ("iQO", SERVO, 0, 1, "L7_Servo"),
    ("SX", STEPPER, 1, 1, "Stepper"),
    ("ST", STEPPER, 1, 0, "Stepper"),
    ("CT", DIRECT, 1, 0, "Colbitum"),
    ("CR", DIRECT, 1, 0, "Colbitum"),
]

ENCODER, RESOLVER, SINCOS, ABSOLUTE = ("E = Encoder", "R = Resolver", "S = SinCos Encoder",
                                       "A = Absolute Encoder")
CONNECTORS, LEADS = "C = Connectors", "L = Flying Leads"

FEEDBACK_CABLES = {ENCODER: "FBC-E", RESOLVER: "FBC-R", SINCOS: "FBC-S", ABSOLUTE: "FBC-A"}

# Servo pairings: (drive, series, frames, windings per frame, feedbacks per frame, cable options per frame)
SERVO_PAIRINGS = [
    ("BSD-230", "KX", {"16": ["A"], "23": ["A", "C"], "34": ["A", "C"]},
     {"16": [ENCODER]}, [ENCODER, RESOLVER], {"16": [CONNECTORS]}, [CONNECTORS, LEADS]),
    ("BSD-460", "KX", {"23": ["B"], "34": ["B"]}, {}, [ENCODER, RESOLVER], {}, [CONNECTORS, LEADS]),
    ("BSD-48", "KX", {"16": ["D"], "23": ["D"]}, {}, [ENCODER], {}, [CONNECTORS]),
    ("BSC-230", "KX", {"16": ["A"], "23": ["A"], "34": ["A"]}, {}, [ENCODER], {"16": [CONNECTORS]},
     [CONNECTORS, LEADS]),
    ("BSD-230", "LM", {"60": ["A"], "80": ["A"]}, {}, [SINCOS, RESOLVER], {}, [CONNECTORS]),
    ("BSD-460", "LM", {"60": ["B"], "80": ["B"]}, {}, [SINCOS, RESOLVER], {}, [CONNECTORS]),
    ("BSD-230", "QDM", {"092 = 92 mm": ["A"], "130 = 130 mm": ["A"]}, {}, [ENCODER, ABSOLUTE], {}, [CONNECTORS]),
    ("BSD-460", "QDM", {"092 = 92 mm": ["B"], "130 = 130 mm": ["B"]}, {}, [ENCODER, ABSOLUTE], {}, [CONNECTORS]),
    ("BSC-230", "QDM", {"092 = 92 mm": ["A"], "130 = 130 mm": ["A"]}, {}, [ENCODER, ABSOLUTE], {}, [CONNECTORS]),
    ("ZU", "ZU", {"23": ["D"], "34": ["D"]}, {}, [ENCODER], {}, ["N/A"]),
    ("iQO", "iQO", {"60": ["A"]}, {}, [ABSOLUTE], {}, [CONNECTORS]),
]

SERVO_MOTOR_CABLE = {("KX", "16"): "MPC-S1", ("KX", "23"): "MPC-S1", ("KX", "34"): "MPC-S2",
                     ("LM", "60"): "MPC-S2", ("LM", "80"): "MPC-S3",
                     ("QDM", "092 = 92 mm"): "MPC-S2", ("QDM", "130 = 130 mm"): "MPC-S3",
                     ("ZU", "23"): "ZU-IO", ("ZU", "34"): "ZU-IO", ("iQO", "60"): "IQO-H"}

AMP_LABEL = {"BSD-230": "120/230 VAC single phase", "BSD-460": "400/460 VAC three phase",
             "BSD-48": "24-75 VDC", "ZU": "24-48 VDC integrated drive", "BSC-230": "120/230 VAC single phase",
             "iQO": "120/230 VAC integrated drive/controller"}


def servo_codes(drive, drive_code):
    """The twelve voltage columns of a servo row: code, N/A or Null as a real catalogue keeps them."""
    codes = {v: ("N/A", "N/A") for v in VOLTAGES}
    if drive in ("BSD-230", "BSC-230", "iQO"):
        codes.update({"120VAC": (drive_code, "N/A"), "230VAC": (drive_code, "N/A"),
                      "460VAC": (None, None)})
    elif drive == "BSD-460":
        codes.update({v: (None, None) for v in ("24VDC", "48VDC", "75VDC")})
        codes["460VAC"] = (drive_code, "N/A")
    elif drive == "BSD-48":
        codes.update({"24VDC": (drive_code, "N/A"), "48VDC": (drive_code, "N/A"),
                      "75VDC": (drive_code, None)})
    elif drive == "ZU":
        codes.update({"24VDC": (drive_code, "N/A"), "48VDC": (drive_code, "N/A")})
    return codes


# Stepper motors: holding torque (N-m) and parallel current (A) per frame and stack.
STEPPER_SERIES = {
    "SX": {"17": {"1": (0.28, 1.7), "2": (0.45, 2.0)},
           "23": {"1": (0.9, 2.8), "2": (1.5, 4.0), "3": (2.4, 5.6)},
           "34": {"2": (4.5, 5.0), "4": (8.5, 6.3)}},
    "ST": {"34": {"1": (3.0, 4.2), "2": (5.5, 5.0), "3": (8.0, 5.9)},
           "42": {"2": (12.0, 6.5), "4": (20.0, 7.0)}},
}
# winding: current factor, corner-speed factor, design voltage class (dc or ac)
STEPPER_WINDINGS = {"A": (1.0, 1.0), "B": (1.4, 1.7), "L": (1.0, 1.0), "H": (0.6, 0.35)}
STEPPER_CORNER = {"17": 6.0, "23": 4.0, "34": 2.5, "42": 1.8}  # rps, series wiring at 48 V, winding A
STEPPER_RESONANCE = {"17": 4.0, "23": 3.2, "34": 2.6, "42": 2.2}  # rps of the mid-band dip
STEPPER_DRIVE_SIZES = {"SMD-48": [("3", 3.0), ("6", 6.0)], "SMD-230": [("4", 4.0), ("8", 8.0)],
                       "SPC-48": [("3", 3.0), ("6", 6.0)]}
SINGLE, DOUBLE = "S = Single Shaft", "D = Double Shaft"
CONNECTOR = "C = Connector"

# (drive, series, frames, winding, voltages, shafts, cable options)
STEPPER_PAIRINGS = [
    ("SMD-48", "SX", ["17", "23"], ["A", "B"], ["24VDC", "48VDC", "75VDC"], [SINGLE, DOUBLE], [CONNECTOR, LEADS]),
    ("SMD-230", "SX", ["23", "34"], ["H"], ["120VAC", "230VAC"], [SINGLE, DOUBLE], [CONNECTOR, LEADS]),
    ("SPC-48", "SX", ["17", "23"], ["A"], ["24VDC", "48VDC"], [SINGLE, DOUBLE], [CONNECTOR]),
    ("SMD-48", "ST", ["34"], ["L"], ["24VDC", "48VDC"], [SINGLE], [CONNECTOR]),
    ("SMD-230", "ST", ["34", "42"], ["H"], ["120VAC", "230VAC"], [SINGLE], [CONNECTOR]),
]
STEPPER_MOTOR_CABLE = {"SX": "MPC-ST", "ST": "MPC-ST2"}


def stepper_drive_code(drive, current):
    for size, amps in STEPPER_DRIVE_SIZES[drive]:
        if amps >= current:
            return size
    return "N/A"


def stepper_codes(drive, series, frame, stack, winding, voltages):
    torque, i_par = STEPPER_SERIES[series][frame][stack]
    i_par *= STEPPER_WINDINGS[winding][0]
    series_code = stepper_drive_code(drive, i_par / 2)
    parallel_code = stepper_drive_code(drive, i_par)
    codes = {v: ("N/A", "N/A") for v in VOLTAGES}
    if drive == "SMD-230":
        codes["460VAC"] = (None, None)
    for v in voltages:
        codes[v] = (series_code, parallel_code)
    if frame == "17" and "75VDC" in voltages:
        # Size-17 motors are not rated for 75 V.
        codes["75VDC"] = ("N/A", None if stack == "1" else "N/A")
    if (series, frame, stack, winding) == ("SX", "23", "3", "A") and "75VDC" in voltages:
        codes["75VDC"] = ("N/A", parallel_code)   # series wiring overheats at 75 V
    return codes


# Direct-drive motors: continuous torque (N-m) per frame and motor diameter, top speed (rps) at 230 V.
DD_SERIES = {
    "CT": {"06": {"150 = 150 mm": 6.0}, "15": {"150 = 150 mm": 15.0, "210 = 210 mm": 17.0},
           "40": {"210 = 210 mm": 40.0}},
    "CR": {"02": {"100 = 100 mm": 2.0}, "04": {"100 = 100 mm": 4.0}},
}
DD_TOP = {"06": 8.0, "15": 6.0, "40": 4.0, "02": 10.0, "04": 8.0}
DD_PAIRINGS = [
    # drive, series, frames, winding (the "Voltage" list), feedbacks (the "Misc" list)
    ("BDD-230", "CT", ["06", "15", "40"], "230VAC", ["E = 20-bit Encoder", ABSOLUTE]),
    ("BDD-460", "CT", ["15", "40"], "460VAC", ["E = 20-bit Encoder", ABSOLUTE]),
    ("BDD-230", "CR", ["02", "04"], "230VAC", ["E = 20-bit Encoder"]),
]


def dd_codes(drive, torque):
    codes = {v: ("N/A", "N/A") for v in VOLTAGES}
    if drive == "BDD-230":
        # One size covers the range: the part number carries no drive code.
        codes.update({"120VAC": ("", "N/A"), "230VAC": ("", "N/A"), "460VAC": (None, None)})
    else:
        codes.update({v: (None, None) for v in ("24VDC", "48VDC", "75VDC", "120VAC")})
        codes["460VAC"] = ("10" if torque <= 20 else "20", None)
    return codes


def dd_curve_key(series, frame, diameter, winding):
    return "%s%s%s-%s" % (series, frame, code(diameter), winding[:3])


# ---------------------------------------------------------------------------
# Shaft options, motor options, gearheads

def shaft_options(series, frame):
    if series == "KX":
        return ["K", "S = Smooth Shaft"] if frame == "16" else ["K = Keyway", "S = Smooth Shaft"]
    if series in ("LM", "iQO"):
        return ["K = Keyway", "S = Smooth Shaft"]
    if series == "QDM":   # the mounting of a QD motor
        return ["M1 = IEC Flange"] if frame.startswith("092") else ["M1 = IEC Flange", "M2 = NEMA Face"]
    if series == "ZU":
        return ["S = Smooth Shaft"]
    if series == "SX":
        return ["F = Flatted Shaft", "R = Round Shaft"]
    if series == "ST":
        return ["K = Keyway", "R = Round Shaft"] if frame == "42" else ["F = Flatted Shaft", "R = Round Shaft"]
    if series == "CT":
        return ["H = Hollow Shaft", "S = Solid Shaft"]
    if series == "CR":
        return ["H = Hollow Shaft"]
    raise KeyError(series)


GEARHEAD_PLACEHOLDER = "GXX = Gearhead"


def motor_options(series, frame, stack):
    """(winding, feedback, cable option, option) rows; "Any" matches every value."""
    rows = []
    if series in ("KX", "LM", "QDM", "iQO"):
        rows += [("Any", "Any", "Any", "0 = Standard"), ("Any", "Any", "Any", "B = Holding Brake")]
    if series == "KX" and frame in ("16", "23"):
        rows.append(("Any", "Any", "Any", GEARHEAD_PLACEHOLDER))
    if series == "KX" and frame == "23":
        rows.append(("Any", "Any", CONNECTORS, "P = IP67 Sealing"))
    if series == "KX" and frame == "34" and stack == "4":
        rows.append(("B", "Any", "Any", "F = Fan Cooling"))
    if series == "LM":
        rows.append(("Any", SINCOS, "Any", "H = Hall Sensors"))
    if series == "QDM":
        # A QD motor's mounting stands in the Feedback column of its options.
        rows.append(("Any", "M1 = IEC Flange", "Any", "W = Washdown Seal"))
    if series == "ZU":
        rows.append(("Any", "Any", "Any", "0 = Standard"))
    if series in ("SX", "ST"):
        rows.append(("Any", "Any", "Any", "None"))
    if series == "SX":
        rows.append(("Any", "Any", "Any", "E = Rear Encoder"))
    if series == "ST" and frame == "42":
        rows.append(("Any", "Any", "Any", GEARHEAD_PLACEHOLDER))
    if series in ("CT", "CR"):
        rows.append(("Any", "Any", "Any", "N/A"))
    if series == "CT" and frame == "40":
        rows.append(("Any", "Any", "Any", "W = Water Cooling"))
    return rows


GEARHEADS = {
    ("KX", "16"): [("GP16-005", "5:1 planetary, 12 arc-min backlash, 3 N-m rated output"),
                   ("GP16-010", "10:1 planetary, 12 arc-min backlash, 4 N-m rated output")],
    ("KX", "23"): [("GP23-005", "5:1 planetary, 8 arc-min backlash, 11 N-m rated output"),
                   ("GP23-010", "10:1 planetary, 8 arc-min backlash, 18 N-m rated output"),
                   ("GR23-020", "20:1 right-angle, 10 arc-min backlash, 25 N-m rated output")],
    ("ST", "42"): [("GP42-010", "10:1 planetary, 15 arc-min backlash, 90 N-m rated output"),
                   ("GP42-025", "25:1 planetary, 15 arc-min backlash, 150 N-m rated output")],
}

# ---------------------------------------------------------------------------
# Cables

MOTOR_LENGTHS = ["3", "5", "10", "15", "25"]
CABLES = {
    # name: (lengths, notes)
    "MPC-S1": (MOTOR_LENGTHS, "Motor power, 4 x 0.75 mm2 shielded, high-flex"),
    "MPC-S2": (MOTOR_LENGTHS, "Motor power, 4 x 1.5 mm2 shielded, high-flex"),
    "MPC-S3": (MOTOR_LENGTHS, "Motor power, 4 x 2.5 mm2 + brake pair, shielded, high-flex"),
    "MPC-LV": (["3", "5", "10"], "Low-voltage motor power, 4 x 2.5 mm2, high-flex"),
    "FBC-E": (MOTOR_LENGTHS, "Incremental encoder feedback, 6 twisted pairs, shielded"),
    "FBC-R": (MOTOR_LENGTHS, "Resolver feedback, 3 twisted pairs, shielded"),
    "FBC-S": (MOTOR_LENGTHS, "SinCos encoder feedback, 5 twisted pairs, shielded"),
    "FBC-A": (MOTOR_LENGTHS, "Absolute encoder feedback, 2 twisted pairs, shielded"),
    "ZU-IO": (["1", "3", "5"], "Power, enable and network, 12-pin M16"),
    "IQO-H": (["3", "5", "10", "15"], "Hybrid power and network, single cable"),
    "MPC-ST": (["3", "5", "10"], "Stepper power, 4 x 0.5 mm2, shielded"),
    "MPC-ST2": (["3", "5", "10"], "Stepper power, 4 x 1.0 mm2, shielded"),
    "MPC-DD": (["3", "5", "10", "15"], "Direct-drive power, 4 x 2.5 mm2 shielded"),
    "FBC-DD": (["3", "5", "10", "15"], "Direct-drive encoder feedback, 4 twisted pairs, shielded"),
    "CDC-SV": (["1", "3", "5"], "Controller to servo drive: +/-10 V command, encoder return, enable and fault"),
    "CDC-ST": (["1", "3", "5"], "Controller to stepper drive: step, direction, enable and fault"),
    "CDC-DD": (["3"], "Controller to direct-drive amplifier: network command, 3 m only"),
}
NO_CABLE = "No Cable Required"
BREAKOUT_LENGTHS = ["1", "2", "3"]


def cable_part_number(cable, length):
    return "%s-%03d" % (cable, int(length))


# ---------------------------------------------------------------------------
# Accessories, options and expansion I/O

DRIVE_ONLY_ACCESSORIES = {
    "BSD-230": ["BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC", "PRG-USB = USB Programming Cable", "None"],
    "BSD-460": ["BRK-R100 = 100 Ohm Braking Resistor", "FLT-460 = Line Filter, 460 VAC", "PRG-USB = USB Programming Cable", "N/A"],
    "BSD-48": ["PS-48-10 = 48 VDC 10 A Power Supply", "PRG-USB = USB Programming Cable", ""],
    "ZU": ["ZU-MNT = Mounting Bracket", "None"],
    "SMD-48": ["PS-48-05 = 48 VDC 5 A Power Supply", "N/A"],
    "SMD-230": ["FLT-230 = Line Filter, 230 VAC"],
    "BDD-230": ["BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC"],
    "BDD-460": ["BRK-R100 = 100 Ohm Braking Resistor", "FLT-460 = Line Filter, 460 VAC", ""],
}
DRIVE_ACCESSORIES = {
    "BSD-230": ["CTB-26 = Command Terminal Block", "BRK-R50 = 50 Ohm Braking Resistor", "N/A"],
    "BSD-460": ["CTB-26 = Command Terminal Block", "BRK-R100 = 100 Ohm Braking Resistor", "None"],
    "BSD-48": ["CTB-26 = Command Terminal Block", "PS-48-10 = 48 VDC 10 A Power Supply"],
    "ZU": ["ZU-TRM = Network Terminator", ""],
    "SMD-48": ["CTB-12 = Step/Direction Terminal Block", "PS-48-05 = 48 VDC 5 A Power Supply", "None"],
    "SMD-230": ["CTB-12 = Step/Direction Terminal Block"],
    "BDD-230": ["CTB-26 = Command Terminal Block", "N/A"],
    "BDD-460": ["CTB-26 = Command Terminal Block"],
}
DRIVE_CONTROLLER_ACCESSORIES = {
    "BSC-230": ["BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC", "HMI-4 = 4 in Operator Panel", "", "N/A"],
    "iQO": ["IQO-MNT = Mounting Kit", "IQO-TRM = Network Terminator"],
    "SPC-48": ["PS-48-10 = 48 VDC 10 A Power Supply", "HMI-4 = 4 in Operator Panel", "N/A"],
}
CONTROLLER_ACCESSORIES = {
    "KEX200": ["HX25-08 = 25-pin Breakout Module", "PS-24-10 = 24 VDC 10 A Power Supply", "ETH-SW5 = 5-Port Ethernet Switch"],
    "9Q10": ["HX25-04 = 25-pin Breakout Module", "PS-24-05 = 24 VDC 5 A Power Supply"],
    "BMC300": ["PS-24-05 = 24 VDC 5 A Power Supply", "HMI-7 = 7 in Touch Panel"],
    "BMC100": ["PS-24-05 = 24 VDC 5 A Power Supply"],
    "BMC1600": ["PS-24-10 = 24 VDC 10 A Power Supply", "ETH-SW5 = 5-Port Ethernet Switch",
                "HMI-7 = 7 in Touch Panel"],
}

JTR_NOTE = "4 TUQ Cards per JTR32 port; 2 ports on this model"
DUW_NOTE = "Up to 4 DUW cards on the expansion bus"
LUMIO_NOTE = "LUMIO needs one bus coupler and one end cap per station; up to 16 cards"

EXP_IO = {
    "JTR": [("TUQ8-IN", "8 Digital Inputs (Sinking and Sourcing)"), ("TUQ8-OUT-NPN", "8 Digital Sinking Outputs"),
            ("TUQ8-OUT-PNP", "8 Digital Sourcing Outputs"), ("TUQ8-OUT-SSR", "8 Digital High Voltage Low Current Relay Outputs"),
            ("TUQ8-OUT-HCR", "8 Digital Low Voltage High Current Relay Outputs"), ("TUQ8-AN-IN", "8 Analog Inputs"),
            ("TUQ4-AN-OUT", "4 Analog Outputs"), ("TUQ16-IN", "16 Digital Inputs"), ("TUQ16-OUT", "16 Digital Sourcing Outputs"),
            ("TUQ-CNT2", "2 High Speed Counter Inputs")],
    "DUW": [("DUW-16DI", "16 Digital Inputs, 24 VDC"), ("DUW-16DO", "16 Digital Outputs, 24 VDC 0.5 A"),
            ("DUW-8AI", "8 Analog Inputs, +/-10 V")],
    "LUMIO": [("LUM-BC01", "Bus Coupler"), ("LUM-DI08", "8 Digital Inputs"), ("LUM-DI16", "16 Digital Inputs"),
              ("LUM-DO08", "8 Digital Outputs"), ("LUM-DO16", "16 Digital Outputs"), ("LUM-RO04", "4 Relay Outputs"),
              ("LUM-AI04", "4 Analog Inputs"), ("LUM-AI08", "8 Analog Inputs"), ("LUM-AO04", "4 Analog Outputs"),
              ("LUM-TC04", "4 Thermocouple Inputs"), ("LUM-RT04", "4 RTD Inputs"), ("LUM-CNT2", "2 Counter Inputs"),
              ("LUM-SSI1", "1 SSI Encoder Input"), ("LUM-PS24", "24 VDC Field Supply"), ("LUM-SH08", "8-Channel Shield Clamp"),
              ("LUM-EC00", "End Cap")],
}
EXP_IO_REQUIRED = {"LUM-BC01": "1", "LUM-EC00": "1"}

DC_OPTION_NAMES = {
    "BSC-230": ("Communication", "Encoder Output", "I/O", "Safety"),
    "iQO": ("Mounting", "Command", "Encoder Output", "Safety"),
    "SPC-48": ("Command", "Encoder Output", "I/O", "Safety"),
}


def drive_controller_variants():
    """(name, option1..4, part-number code, JTR ready, DUW ready, notes)"""
    rows = []
    for comm in ("E = Ethernet", "C = CAN Bus", "S = Serial RS-485"):
        for io in ("1 = 8 DI / 4 DO", "2 = 16 DI / 8 DO"):
            for safety in ("0 = No Safe Torque Off", "S = Safe Torque Off"):
                jtr = io.startswith("2")
                duw = comm.startswith("C")
                note = JTR_NOTE if jtr else (DUW_NOTE if duw else "No expansion I/O on this model")
                rows.append(("BSC-230", comm, "N/A", io, safety,
                             "-%s%s%s" % (code(comm), code(io), code(safety)), jtr, duw, note))
    for command in ("A = Analog Command", "E = Ethernet"):
        rows.append(("iQO", "N/A", command, "N/A", "N/A", None, False, False, "Integrated unit, no expansion I/O"))
    for command in ("S = Step/Direction", "N = Network"):
        for io in ("08 = 8 I/O", "16 = 16 I/O"):
            duw = io.startswith("16")
            rows.append(("SPC-48", command, "N/A", io, "N/A", "%s%s-" % (code(command), code(io)), False, duw,
                         DUW_NOTE if duw else "No expansion I/O on this model"))
    return rows


CONTROLLER_OPTION_NAMES = {
    "KEX200": ("Mounting", "Logic Supply", "Axes", "Network", "Memory", "Display"),
    "9Q10": ("Housing", "Axes", "I/O", "Memory", "Network", "Display"),
    "BMC300": ("Axes", "Feedback", "I/O", "Network", "Memory", "Display"),
    "BMC100": ("Axes", "Feedback", "I/O", "Network", "Memory", "Display"),
    "BMC1600": ("Axes", "Feedback", "I/O", "Network", "Memory", "Display"),
}


def controller_variants():
    """Rows of All Controllers."""
    rows = []
    for mount in ("D = DIN Rail", "P = Panel Mount"):
        for axes in ("2 = 2 Axes", "4 = 4 Axes", "6 = 6 Axes", "8 = 8 Axes"):
            for net in ("E = Ethernet", "M = Modbus TCP"):
                for display in ("0 = No Display", "1 = Front Display"):
                    n = int(code(axes))
                    lumio = net.startswith("E")
                    part = "KEX2%s-%d%s%s" % (code(mount), n, code(net), code(display))
                    rows.append(("KEX200", mount, "24 = 24 VDC Logic Supply", axes, net, "N/A", display, part,
                                 n, n, n // 2, True, False, lumio,
                                 LUMIO_NOTE if lumio else JTR_NOTE, "TNL-BKn", n))
    for axes in ("2 = 2 Axes", "4 = 4 Axes", "8 = 8 Axes"):
        for io in ("16 = 16 I/O", "32 = 32 I/O"):
            for net in ("C = CAN Bus", "E = Ethernet"):
                n = int(code(axes))
                part = "9Q10-%d-%s%s" % (n, code(io), code(net))
                rows.append(("9Q10", "S = Standard", axes, io, "N/A", net, "N/A", part,
                             n, n, n, False, True, False, DUW_NOTE, "TNL-BK8", 8 if n == 8 else 0))
    for fb in ("E = Encoder", "R = Resolver"):
        for io in ("0 = No I/O", "1 = 16 I/O"):
            for net in ("E = Ethernet", "S = Serial RS-485"):
                jtr = io.startswith("1")
                part = "BMC3-%s%s%s" % (code(fb), code(io), code(net))
                rows.append(("BMC300", "3 = 3 Axes", fb, io, net, "N/A", "N/A", part,
                             3, 3, 0, jtr, False, False, JTR_NOTE if jtr else "No expansion I/O on this model",
                             "BRK-300", 0))
    rows.append(("BMC100", "1 = 1 Axis", "N/A", "N/A", "S = Serial RS-485", "N/A", "N/A", "BMC1-S",
                 1, 0, 1, False, False, False, "No expansion I/O on this model", "None", 0))
    # Twelve or sixteen axes, so that every axis of the controller form can be used; the TNL
    # breakout takes as many ports as the controller has axes.
    for axes in ("12 = 12 Axes", "16 = 16 Axes"):
        for fb in ("E = Encoder", "R = Resolver"):
            for io in ("0 = No I/O", "1 = 32 I/O"):
                n = int(code(axes))
                jtr = io.startswith("1")
                part = "BMC16-%d%s%s-E" % (n, code(fb), code(io))
                rows.append(("BMC1600", axes, fb, io, "E = Ethernet", "N/A", "N/A", part,
                             n, n, n // 2, jtr, False, False, JTR_NOTE if jtr else "No expansion I/O on this model",
                             "TNL-BKn", n))
    return rows


CONTROLLER_TO_DRIVE = [
    # controller, drive, cable, required accessory of the pair
    ("KEX200", "BSD-230", "CDC-SV", "N/A"), ("KEX200", "BSD-460", "CDC-SV", "N/A"),
    ("KEX200", "BSD-48", "CDC-SV", "N/A"), ("KEX200", "ZU", NO_CABLE, "None"),
    ("KEX200", "SMD-48", "CDC-ST", "IFX-STP"), ("KEX200", "SMD-230", "CDC-ST", "IFX-STP"),
    ("KEX200", "BDD-230", "CDC-DD", "N/A"), ("KEX200", "BDD-460", "CDC-DD", "N/A"),
    ("9Q10", "BSD-230", "CDC-SV", "N/A"), ("9Q10", "BSD-460", "CDC-SV", "N/A"),
    ("9Q10", "SMD-48", "CDC-ST", "None"), ("9Q10", "SMD-230", "CDC-ST", "None"),
    ("BMC300", "BSD-230", "CDC-SV", "N/A"), ("BMC300", "BSD-48", "CDC-SV", "N/A"),
    ("BMC300", "BDD-230", "CDC-DD", "N/A"),
    ("BMC100", "SMD-48", "CDC-ST", "N/A"),
    ("BMC1600", "BSD-230", "CDC-SV", "N/A"), ("BMC1600", "BSD-460", "CDC-SV", "N/A"),
    ("BMC1600", "SMD-48", "CDC-ST", "IFX-STP"), ("BMC1600", "SMD-230", "CDC-ST", "IFX-STP"),
    ("BMC1600", "BDD-230", "CDC-DD", "N/A"), ("BMC1600", "BDD-460", "CDC-DD", "N/A"),
]

# ---------------------------------------------------------------------------
# Curve keys deliberately missing from the curve databases (listed in README.md).

CURVE_GAPS = {"LM804BR", "SX172B__(PAR,48VDC)"}

# ---------------------------------------------------------------------------
# Building the rows


class Catalogue:
    def __init__(self):
        t = "TEXT"
        # The last indexes of Drives, DriveControllers and Motors cover the technology lists of the
        # drive and drive/controller forms, which grow with the catalogue.
        self.drives = Table("Drives", [("Drive Type", t), ("Drive Name", t)],
                            [("Drive Type",), ("Drive Name",), ("Drive Type", "Drive Name")])
        self.dcs = Table("DriveControllers", [("DriveController Type", t), ("DriveController Name", t)],
                         [("DriveController Type",), ("DriveController Type", "DriveController Name")])
        self.controllers = Table("Controllers", [("Controller Name", t)])
        self.motors = Table("Motors", [("Motor Name", t), ("Motor Type", t), ("Include with Drives", "BOOL"),
                                       ("Include with DriveControllers", "BOOL"), ("PartNumber Type", t)],
                            [("Motor Name",), ("Motor Type",), ("Motor Type", "Motor Name", "Include with Drives"),
                             ("Motor Type", "Motor Name", "Include with DriveControllers")])
        keys = ["Drive Name", "Motor Name", "Frame_Size", "Stack_Length", "Winding", "Feedback", "Cable_Option"]
        self.d2m = Table("Drive to Motor",
                         [(k, t) for k in keys]
                         + [("Motor_Cable", t), ("Feedback_Cable", t), ("Notes", t), ("Drive_Notes", t),
                            ("Curve Database Motor Part Number", t)]
                         + [(c, t) for c in VOLTAGE_COLUMNS],
                         [tuple(keys), ("Motor Name", "Drive Name")])
        self.shafts = Table("Shaft Options", [("Motor Name", t), ("Frame_Size", t), ("Stack_Length", t),
                                              ("Shaft_Options", t)], [("Motor Name", "Frame_Size", "Stack_Length")])
        self.options = Table("Options", [("Motor Name", t), ("Frame_Size", t), ("Stack_Length", t), ("Winding", t),
                                         ("Feedback", t), ("Cable_Option", t), ("Options", t)],
                             [("Motor Name", "Frame_Size", "Stack_Length")])
        self.gearheads = Table("Gearhead", [("Motor Name", t), ("Frame_Size", t), ("Stack_Length", t), ("GXX", t),
                                            ("Notes", t)], [("Motor Name", "Frame_Size", "Stack_Length", "GXX")])
        self.cables = Table("Cables", [("Cable", t), ("Length", t), ("Cable Part Number", t), ("Notes", t)],
                            [("Cable", "Length")])
        self.cross_ref = Table("Drive Cross Ref", [("Drive Part Number", t), ("Database Part Number", t)],
                               [("Drive Part Number",)])
        self.construction = Table("Drive Construction", [("Drive Name", t), ("Prefix", t),
                                                         ("DriveOnly_Controller_Portion", t)], [("Drive Name",)])
        self.dc_construction = Table("DriveController Construction", [("DriveController Name", t), ("Prefix", t),
                                                                      ("Power Level First", "BOOL")],
                                     [("DriveController Name",)])
        self.drive_only_acc = Table("Drive Only Accessories", [("Drive Name", t), ("Drive Only Accessory", t)],
                                    [("Drive Name",)])
        self.drive_acc = Table("Drive Accessories", [("Drive Name", t), ("Drive Accessory", t)], [("Drive Name",)])
        self.dc_acc = Table("DriveController Accessories", [("DriveController Name", t),
                                                            ("DriveController Accessory", t)],
                            [("DriveController Name",)])
        self.all_dcs = Table("All DriveControllers",
                             [("DriveController Name", t)] + [("Option%d" % i, t) for i in range(1, 5)]
                             + [("PartNumber", t), ("JTR Ready", "BOOL"), ("DUW Ready", "BOOL"),
                                ("Expansion IO Notes", t)],
                             [("DriveController Name", "Option1", "Option2", "Option3", "Option4")])
        self.dc_option_names = Table("DriveController Option Names",
                                     [("DriveController Name", t)]
                                     + [("Drivecontroller Option%d Name" % i, t) for i in range(1, 5)],
                                     [("DriveController Name",)])
        self.all_controllers = Table("All Controllers",
                                     [("Controller Name", t)] + [("Option%d" % i, t) for i in range(1, 7)]
                                     + [("Part Number", t), ("TotalAxes", "INT"), ("TotalServos", "INT"),
                                        ("TotalSteppers", "INT"), ("JTR Ready", "BOOL"), ("DUW Ready", "BOOL"),
                                        ("LUMIO Ready", "BOOL"), ("Expansion IO Notes", t),
                                        ("Required Accessory", t), ("TNL Axes", "INT")],
                                     [("Controller Name", "Option1", "Option2", "Option3"), ("Part Number",)])
        self.controller_option_names = Table("Controller Option Names",
                                             [("Controller Name", t)]
                                             + [("Option%d Name" % i, t) for i in range(1, 7)],
                                             [("Controller Name",)])
        self.controller_acc = Table("Controller Accessories", [("Controller Name", t), ("Controller Accessory", t)],
                                    [("Controller Name",)])
        self.controller_to_drive = Table("Controller to Drive",
                                         [("Controller Name", t), ("Drive Name", t), ("Tech", t), ("Cable", t),
                                          ("ControllerDriveRequired_Accessory", t)],
                                         [("Controller Name", "Drive Name"), ("Drive Name",)])
        self.exp_io = Table("ExpIO", [("Expansion IO Type", t), ("DUW Number", t), ("DUW Description", t),
                                      ("Required Quantity", t)], [("Expansion IO Type", "DUW Number")])

        # Curve databases
        servo_motor_cols = ([("ProductKey", t)] +
                            [(c, "REAL") for c in ("MotorKb", "WindingResistance", "MaxInductance", "MinInductance",
                                                   "WindingThermalResistance", "MotorThermalResistance",
                                                   "MotorMaxBusVoltage", "WindingThermalTimeConstant",
                                                   "MotorThermalTimeConstant", "Damping", "Friction",
                                                   "RatedWindingTemp", "MotorAmbientTemp", "MotorMaxWindingTemp",
                                                   "MotorMaxCaseTemp", "MotorMinCaseTemp")]
                            + [("MotorPoles", "INT"), ("MaxSpeed", "REAL"), ("FeedbackResolution", "INT"),
                               ("EncoderMaxSpeed", "REAL"), ("MotorRptc", "REAL"), ("Inertia", "REAL"),
                               ("MotorSeriesName", t)]
                            + [(f, "BOOL") for f in FEEDBACK_KINDS]
                            + [("FrameSize", t), ("MotorStackNumber", t), ("MotorWindingLetter", t),
                               ("FeedbackLetter", t)])
        self.servo_motors = Table("MotorData", servo_motor_cols, [("ProductKey",)])
        self.amplifiers = Table("AmplifierDataTable",
                                [("Dname", t), ("PartNumber", t), ("AmpFamily", t), ("UnitsofVoltage", t),
                                 ("VsDefault", "REAL"), ("VsMaxAmplifier", "REAL"), ("VsMinAmplifier", "REAL"),
                                 ("IrDrivePeakSine", "REAL"), ("IpDrivePeakSine", "REAL"), ("SwitchFreq", "REAL"),
                                 ("SwitchFreqEnable", "BOOL")]
                                + [(f, "BOOL") for f in FEEDBACK_KINDS]
                                + [("MaxContPower", "REAL"), ("MaxPeakPower", "REAL")],
                                [("PartNumber", "SwitchFreq")])
        self.dd_motors = Table("MotorData", [("ID", "INT"), ("ProductKey", t), ("MotorSeriesName", t),
                                             ("FrameSize", t), ("Voltage", t)], [("ProductKey",)])
        self.dd_drives = Table("Drives", [("ID", "INT"), ("Name", t), ("MotorID", "INT"), ("AmpFamily", t)],
                               [("Name", "MotorID")])
        self.dd_points = Table("MotorPerformance", [("MotorID", "INT"), ("Speed", "REAL"), ("SpeedUnitID", "INT"),
                                                    ("Torque", "REAL"), ("TorqueUnitID", "INT"),
                                                    ("PeakCurve", "BOOL")], [("MotorID", "Speed")])
        self.step_motors = Table("MotorData", [("ID", "INT"), ("ProductKey", t), ("MotorSeriesName", t),
                                               ("FrameSize", t), ("MotorStackNumber", t), ("MotorWindingLetter", t),
                                               ("MotorWiringType", t), ("MotorPartNumber", t), ("Voltage", t)],
                                 [("ProductKey",)])
        self.step_drives = Table("Drives", [("ID", "INT"), ("AmpFamily", t), ("Name", t), ("MotorID", "INT")],
                                 [("Name", "MotorID")])
        self.step_points = Table("MotorPerformance", [("MotorID", "INT"), ("DriveID", "INT"), ("Speed", "REAL"),
                                                      ("SpeedUnitID", "INT"), ("Torque", "REAL"),
                                                      ("TorqueUnitID", "INT")], [("MotorID", "DriveID", "Speed")])

        self.cross_refs = {}           # drive part number -> curve key
        self.servo_keys = {}           # motor key -> motor data
        self.amp_sizes = {}            # amp key -> (drive, size)
        self.shaft_rows = set()
        self.option_rows = set()
        self.step_keys = {}            # stepper key -> (motor id, facts)
        self.step_drive_ids = {}
        self.dd_keys = {}
        self.dd_drive_ids = {}

    # -- helpers ------------------------------------------------------------

    def add_cross_ref(self, drive, drive_code):
        part = drive_part_number(drive, drive_code)
        key = curve_drive_key(drive, drive_code)
        assert self.cross_refs.get(part, key) == key
        self.cross_refs[part] = key
        return key

    def add_motor_details(self, series, frame, stack):
        if (series, frame, stack) in self.shaft_rows:
            return
        self.shaft_rows.add((series, frame, stack))
        for shaft in shaft_options(series, frame):
            self.shafts.add(series, frame, stack, shaft)
        for winding, feedback, cable, option in motor_options(series, frame, stack):
            self.options.add(series, frame, stack, winding, feedback, cable, option)
        for gxx, notes in GEARHEADS.get((series, frame), []):
            self.gearheads.add(series, frame, stack, gxx, notes)

    def add_row(self, drive, series, frame, stack, winding, feedback, cable_option, motor_cable, feedback_cable,
                notes, drive_notes, curve_key, codes):
        voltages = [codes[v][0] for v in VOLTAGES] + [codes[v][1] for v in VOLTAGES]
        self.d2m.add(drive, series, frame, stack, winding, feedback, cable_option, motor_cable, feedback_cable,
                     notes, drive_notes, curve_key, *voltages)
        self.add_motor_details(series, frame, stack)

    # -- servo ----------------------------------------------------------------

    def build_servo(self):
        for (drive, series, windings, feedbacks_by_frame, feedbacks, cables_by_frame,
             cable_options) in SERVO_PAIRINGS:
            amp = AMPLIFIERS[drive]
            for frame, frame_windings in windings.items():
                for stack in SERVO_SERIES[series]["torque"][frame]:
                    for winding in frame_windings:
                        for feedback in feedbacks_by_frame.get(frame, feedbacks):
                            motor = servo_motor(series, frame, stack, winding, feedback)
                            fixed = code(frame) if drive in ("ZU", "iQO") else None
                            size = amplifier_size(drive, motor["thermal_current"], fixed)
                            amp_key = self.add_cross_ref(drive, size[0])
                            self.amp_sizes[amp_key] = (drive, size)
                            for item in amp["volts"]:
                                for v in (["400VAC", "460VAC"] if item == "460VAC" else [item]):
                                    check_servo_pair(motor, drive, size, v)
                            key = motor["ProductKey"]
                            self.servo_keys[key] = motor
                            notes = "%.2f N-m continuous, %d rpm max, %s" % (
                                motor["continuous_torque"], round(motor["top_rpm"], -1), description(feedback))
                            drive_notes = "%.1f A continuous, %.1f A peak (rms), %s" % (
                                size[1] / math.sqrt(2), size[2] / math.sqrt(2), AMP_LABEL[drive])
                            for cable_option in cables_by_frame.get(frame, cable_options):
                                if cable_option == LEADS:
                                    motor_cable = feedback_cable = "N/A"
                                else:
                                    motor_cable = "MPC-LV" if winding == "D" and series == "KX" \
                                        else SERVO_MOTOR_CABLE[(series, frame)]
                                    feedback_cable = "N/A" if series in ("ZU", "iQO") else FEEDBACK_CABLES[feedback]
                                self.add_row(drive, series, frame, stack, winding, feedback, cable_option,
                                             motor_cable, feedback_cable, notes, drive_notes, key,
                                             servo_codes(drive, size[0]))

    # -- steppers ---------------------------------------------------------------

    def build_steppers(self):
        for drive, series, frames, windings, voltages, shafts, cable_options in STEPPER_PAIRINGS:
            for frame in frames:
                for stack, (torque, i_par) in STEPPER_SERIES[series][frame].items():
                    for winding in windings:
                        codes = stepper_codes(drive, series, frame, stack, winding, voltages)
                        ckey = "%s%s%s%s" % (series, frame, stack, winding)
                        current = i_par * STEPPER_WINDINGS[winding][0]
                        notes = "%.2f N-m holding, %.1f A parallel / %.1f A series, 1.8 deg" % (
                            torque, current, current / 2)
                        drive_notes = "Microstepping drive, %s" % (
                            "24-75 VDC" if drive != "SMD-230" else "120/230 VAC")
                        for v in VOLTAGES:
                            for wiring, drive_code in (("SERIES", codes[v][0]), ("PARALLEL", codes[v][1])):
                                if offered(drive_code):
                                    dkey = self.add_cross_ref(drive, drive_code)
                                    self.add_stepper_curve(ckey, series, frame, stack, winding, wiring, v,
                                                           dkey, torque, current)
                        for shaft in shafts:
                            for cable_option in cable_options:
                                motor_cable = "N/A" if cable_option == LEADS else STEPPER_MOTOR_CABLE[series]
                                self.add_row(drive, series, frame, stack, winding, shaft, cable_option, motor_cable,
                                             "N/A", notes, drive_notes, ckey, codes)

    def add_stepper_curve(self, ckey, series, frame, stack, winding, wiring, voltage, dkey, torque, current):
        key = "%s__(%s,%s)" % (ckey, wiring[:3], voltage)
        if key in CURVE_GAPS:
            return
        if key not in self.step_keys:
            motor_id = len(self.step_keys) + 1
            self.step_keys[key] = motor_id
            self.step_motors.add(motor_id, key, series, frame, stack, winding, wiring, ckey, voltage)
        motor_id = self.step_keys[key]
        if (dkey, motor_id) in self.step_drive_ids:
            return
        drive_id = len(self.step_drive_ids) + 1
        self.step_drive_ids[(dkey, motor_id)] = drive_id
        self.step_drives.add(drive_id, "Microstepping", dkey, motor_id)
        # Pull-out torque: flat at low speed, a mid-band dip, then falling with the
        # winding's electrical corner; parallel wiring doubles the corner speed.
        bus = BUS[voltage]
        corner = STEPPER_CORNER[frame] * STEPPER_WINDINGS[winding][1] * bus / 48.0
        if wiring == "PARALLEL":
            corner *= 2
        low = torque * (0.85 if wiring == "PARALLEL" else 0.80)
        resonance = STEPPER_RESONANCE[frame]
        for speed in (0, 1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 18, 21, 25, 30, 35, 40, 45):
            t = low / math.sqrt(1 + (speed / corner) ** 2)
            t *= 1 - 0.12 * math.exp(-((speed - resonance) / 1.2) ** 2)
            if t < 0.02 * torque:
                break
            self.step_points.add(motor_id, drive_id, float(speed), 2, round(t, 3), 1)

    # -- direct drive -----------------------------------------------------------

    def build_direct_drive(self):
        for drive, series, frames, winding, feedbacks in DD_PAIRINGS:
            for frame in frames:
                for diameter, torque in DD_SERIES[series][frame].items():
                    codes = dd_codes(drive, torque)
                    drive_code = codes["460VAC"][0] if drive == "BDD-460" else ""
                    dkey = self.add_cross_ref(drive, drive_code)
                    ckey = dd_curve_key(series, frame, diameter, winding)
                    top = DD_TOP[frame] * (1.8 if winding == "460VAC" else 1.0)
                    self.add_dd_curve(ckey, series, frame, winding, dkey, torque, top)
                    notes = "%.0f N-m continuous, %.0f N-m peak, %d rpm max" % (torque, 3 * torque, top * 60)
                    drive_notes = "Direct-drive amplifier, %s" % ("120/230 VAC" if drive == "BDD-230" else "400/460 VAC")
                    for feedback in feedbacks:
                        self.add_row(drive, series, frame, diameter, winding, feedback, CONNECTORS, "MPC-DD",
                                     "FBC-DD", notes, drive_notes, ckey, codes)

    def add_dd_curve(self, key, series, frame, winding, dkey, torque, top):
        if key not in self.dd_keys:
            motor_id = len(self.dd_keys) + 1
            self.dd_keys[key] = motor_id
            self.dd_motors.add(motor_id, key, series, frame, winding)
            # Continuous torque flat to 60 % of top speed, peak (3x) to 35 %, both
            # falling towards the voltage limit at top speed.
            for i in range(13):
                speed = round(top * i / 12, 1)
                x = speed / top
                cont = torque * (1.0 if x <= 0.6 else 1.0 - 0.75 * ((x - 0.6) / 0.4) ** 1.5)
                peak = 3 * torque * (1.0 if x <= 0.35 else 1.0 - 0.85 * ((x - 0.35) / 0.65) ** 1.3)
                self.dd_points.add(motor_id, speed, 2, round(cont, 3), 1, False)
                self.dd_points.add(motor_id, speed, 2, round(max(peak, cont), 3), 1, True)
        motor_id = self.dd_keys[key]
        if (dkey, motor_id) not in self.dd_drive_ids:
            drive_id = len(self.dd_drive_ids) + 1
            self.dd_drive_ids[(dkey, motor_id)] = drive_id
            self.dd_drives.add(drive_id, dkey, motor_id, "BDD")

    # -- everything else --------------------------------------------------------

    def build(self):
        for name, kind in DRIVES:
            self.drives.add(kind, name)
        for name, kind in DRIVE_CONTROLLERS:
            self.dcs.add(kind, name)
        for name in CONTROLLERS:
            self.controllers.add(name)
        for row in MOTORS:
            self.motors.add(*row)
        self.build_servo()
        self.build_steppers()
        self.build_direct_drive()

        for name, (prefix, tail) in CONSTRUCTION.items():
            self.construction.add(name, prefix, tail)
        for name, (prefix, first) in DC_CONSTRUCTION.items():
            self.dc_construction.add(name, prefix, first)
        for part, key in sorted(self.cross_refs.items()):
            self.cross_ref.add(part, key)

        for name, rows in DRIVE_ONLY_ACCESSORIES.items():
            for row in rows:
                self.drive_only_acc.add(name, row)
        for name, rows in DRIVE_ACCESSORIES.items():
            for row in rows:
                self.drive_acc.add(name, row)
        for name, rows in DRIVE_CONTROLLER_ACCESSORIES.items():
            for row in rows:
                self.dc_acc.add(name, row)
        for name, rows in CONTROLLER_ACCESSORIES.items():
            for row in rows:
                self.controller_acc.add(name, row)

        for row in drive_controller_variants():
            self.all_dcs.add(*row)
        for name, captions in DC_OPTION_NAMES.items():
            self.dc_option_names.add(name, *captions)
        for row in controller_variants():
            self.all_controllers.add(*row)
        for name, captions in CONTROLLER_OPTION_NAMES.items():
            self.controller_option_names.add(name, *captions)
        techs = dict(DRIVES)
        for controller, drive, cable, accessory in CONTROLLER_TO_DRIVE:
            self.controller_to_drive.add(controller, drive, techs[drive], cable, accessory)
        for kind, cards in EXP_IO.items():
            for number, text in cards:
                self.exp_io.add(kind, number, text, EXP_IO_REQUIRED.get(number, "0"))

        self.build_cables()
        self.build_servo_curves()

    def build_cables(self):
        for name, (lengths, notes) in CABLES.items():
            for length in lengths:
                self.cables.add(name, length, cable_part_number(name, length), notes)
        self.cables.add(NO_CABLE, "N/A", "", "Drive connects over the controller's network; no command cable")
        for row in controller_variants():
            base, ports = row[-2], row[-1]
            if base.startswith("TNL") and ports:
                name = (base[:6] + str(ports) if base[6] == "n" else base[:7]) + "-XX"
                if any(r[0] == name for r in self.cables.rows):
                    continue
                for length in BREAKOUT_LENGTHS:
                    self.cables.add(name, length, "%s-%02d" % (name[:-3], int(length)),
                                    "Breakout cable, controller to TNL terminal board")

    def build_servo_curves(self):
        for key, m in sorted(self.servo_keys.items()):
            if key in CURVE_GAPS:
                continue
            self.servo_motors.add(
                key, *(m[c] for c in ("MotorKb", "WindingResistance", "MaxInductance", "MinInductance",
                                      "WindingThermalResistance", "MotorThermalResistance", "MotorMaxBusVoltage",
                                      "WindingThermalTimeConstant", "MotorThermalTimeConstant", "Damping",
                                      "Friction", "RatedWindingTemp", "MotorAmbientTemp", "MotorMaxWindingTemp",
                                      "MotorMaxCaseTemp", "MotorMinCaseTemp", "MotorPoles", "MaxSpeed",
                                      "FeedbackResolution", "EncoderMaxSpeed", "MotorRptc", "Inertia",
                                      "MotorSeriesName")),
                *m["flags"], m["FrameSize"], m["MotorStackNumber"], m["MotorWindingLetter"], m["FeedbackLetter"])
        for key, (drive, size) in sorted(self.amp_sizes.items()):
            amp = AMPLIFIERS[drive]
            pcont, ppeak = size[3], size[4]
            for freq, cont, peak in derated(drive, size):
                self.amplifiers.add("%s %s" % (drive, size[0]), key, amp["family"], amp["units"],
                                    float(amp["vsdefault"]), float(amp["vsmax"]), float(amp["vsmin"]),
                                    cont, peak, float(freq), True, *amp["feedback"], float(pcont), float(ppeak))


def main():
    cat = Catalogue()
    cat.build()
    write_sql("product.sql", "Product database: System Databases97.mdb", [
        cat.drives, cat.dcs, cat.controllers, cat.motors, cat.d2m, cat.shafts, cat.options, cat.gearheads,
        cat.cables, cat.cross_ref, cat.construction, cat.dc_construction, cat.drive_only_acc, cat.drive_acc,
        cat.dc_acc, cat.all_dcs, cat.dc_option_names, cat.all_controllers, cat.controller_option_names,
        cat.controller_acc, cat.controller_to_drive, cat.exp_io])
    write_sql("curves_servo.sql", "Servo curve database: BrevanServos_USA97.mDB",
              [cat.servo_motors, cat.amplifiers])
    write_sql("curves_directdrive.sql", "Direct-drive curve database: BrevanDirectDrive97.mDB",
              [cat.dd_motors, cat.dd_drives, cat.dd_points])
    write_sql("curves_stepper.sql", "Stepper curve database: BrevanSteppers97.mDB",
              [cat.step_motors, cat.step_drives, cat.step_points])
    print("product: %d Drive to Motor rows, %d cables, %d cross references" % (
        len(cat.d2m.rows), len(cat.cables.rows), len(cat.cross_ref.rows)))
    print("curves: %d servo motors, %d amplifier rows, %d direct-drive motors, %d stepper keys" % (
        len(cat.servo_motors.rows), len(cat.amplifiers.rows), len(cat.dd_motors.rows), len(cat.step_motors.rows)))


if __name__ == "__main__":
    main()
