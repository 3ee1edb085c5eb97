#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz harnesses from the demo school.

Usage: fuzz/korpus_aus_demo.py DEMO_FOLDER   (e.g. build/demo)
The seeds are kept in the repository; run this only when the file formats
or the demo school change.
"""
import os
import sys

demo = sys.argv[1]
ziel = os.path.join(os.path.dirname(os.path.abspath(__file__)), "korpus")
plan = open(os.path.join(demo, "Beispielschule.orb"), "rb").read()
kartei = open(os.path.join(demo, "adresslehrdat.int"), "rb").read()
karten = [kartei[i:i + 1300] for i in range(0, len(kartei), 1300)]
# Card fields: offset and capacity of each string used below.
FELD = {"nachname": (113, 60), "strasse": (174, 60), "ort": (246, 60), "geburtsdatum": (307, 20),
        "telefon": (339, 60), "bemerkung": (583, 250), "funktion": (834, 100),
        "klassenlehrer1": (936, 10), "pflichtstunden": (958, 10), "unterrichtsstunden": (969, 10),
        "faecher": (980, 60), "kuerzel": (1041, 10), "kuerzel4": (1106, 6)}


def text(karte, name):
    anfang, kapazitaet = FELD[name]
    return karte[anfang + 1:anfang + 1 + min(karte[anfang], kapazitaet)]


def feld(wert, spanne):
    wert = wert[:spanne - 1]
    return bytes([len(wert)]) + wert + bytes(spanne - 1 - len(wert))


def lehrdat(karte):
    satz = (feld(text(karte, "nachname"), 61) + feld(text(karte, "funktion"), 61)
            + feld(text(karte, "faecher"), 61) + feld(text(karte, "bemerkung"), 151)
            + feld(text(karte, "pflichtstunden"), 4) + feld(text(karte, "unterrichtsstunden"), 4)
            + feld(text(karte, "kuerzel4"), 7) + feld(text(karte, "kuerzel"), 3) + karte[1052:1106])
    assert len(satz) == 406
    return satz


def lehrer(karte):
    satz = (feld(text(karte, "nachname"), 61) + feld(text(karte, "strasse"), 61)
            + feld(text(karte, "ort"), 61) + feld(text(karte, "telefon"), 61)
            + feld(text(karte, "geburtsdatum"), 13) + feld(text(karte, "funktion"), 23)
            + feld(text(karte, "bemerkung"), 151) + karte[935:936]
            + feld(text(karte, "klassenlehrer1"), 9) + feld(text(karte, "pflichtstunden"), 4)
            + feld(text(karte, "kuerzel4"), 7) + feld(text(karte, "faecher"), 41))
    assert len(satz) == 493
    return satz


def listeneintrag(karte):
    return feld(text(karte, "kuerzel")[:4], 5) + feld(text(karte, "unterrichtsstunden")[:4], 5) + karte[1052:1106]


def schreibe(harness, name, inhalt):
    ordner = os.path.join(ziel, harness)
    os.makedirs(ordner, exist_ok=True)
    with open(os.path.join(ordner, name), "wb") as f:
        f.write(inhalt)


schreibe("plan_datei", "beispielschule", plan)
schreibe("plan_datei", "zu_kurz", plan[:100])
schreibe("kartei", "karten", b"\x00" + b"".join(karten[:5]))
schreibe("kartei", "lehrdat", b"\x01" + b"".join(lehrdat(k) for k in karten[:5]))
schreibe("kartei", "lehrer", b"\x02" + b"".join(lehrer(k) for k in karten[:5]) + b"rest")
schreibe("uvd_export", "beispielschule", plan + kartei)
# Options all on, three cells (day, lesson, class), the plan, the teacher list.
schreibe("zeichnen", "beispielschule",
         bytes([0x3F, 1, 2, 3, 3, 0, 5, 5, 4, 0]) + plan + b"".join(listeneintrag(k) for k in karten))


def vertretung(kuerzel):
    return bytes(3) * 3 + feld(kuerzel, 3)


# A substitution file for "Ba" (a substitute, "##" and "XX"), the plan and
# four teachers of the list.
vtp = b"".join(vertretung({0: b"Ho", 10: b"##", 19: b"XX"}.get(i, b"")) for i in range(54))
vtp += bytes(9) + feld(b"Ba", 3)
assert len(vtp) == 660
lehrer_karten = [k for k in karten if text(k, "kuerzel")][:4]
schreibe("vertretung", "beispielschule", vtp + plan + b"".join(listeneintrag(k) for k in lehrer_karten))
schreibe("vertretung", "zu_kurz", vtp[:659])
schreibe("namenstabelle", "faecher", open(os.path.join(demo, "faecherkrz.int"), "rb").read())
schreibe("namenstabelle", "raeume", open(os.path.join(demo, "raumkrz.int"), "rb").read())
# Print options all on, Thursday, class column 3, teacher "Fi", the plan.
schreibe("ausdrucke", "beispielschule", bytes([0x0F, 3, 2]) + b"Fi" + plan)
