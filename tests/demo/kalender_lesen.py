#!/usr/bin/python3
"""Reads calendar files with Debian's python3-icalendar, as a calendar program would.

kalender_lesen.py ORDNER DATEI VON BIS

Parses every .ics file of ORDNER (any that fails to parse fails the run), then
expands the weekly events of DATEI between the dates VON and BIS (inclusive,
YYYY-MM-DD) in the time zone Europe/Berlin and prints one line per lesson:
"YYYY-MM-DD HH:MM HH:MM +HHMM SUMMARY", sorted.
"""

import datetime
import pathlib
import sys

import icalendar
import pytz
from dateutil import rrule

BERLIN = pytz.timezone("Europe/Berlin")


def pruefe(bedingung, text):
    if not bedingung:
        sys.exit("kalender_lesen: " + text)


def lesen(pfad):
    return icalendar.Calendar.from_ical(pfad.read_bytes())


def main():
    ordner, datei, von, bis = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    for pfad in sorted(ordner.glob("*.ics")):
        kalender = lesen(pfad)
        zonen = [z["TZID"] for z in kalender.walk("VTIMEZONE")]
        pruefe(zonen == ["Europe/Berlin"], f"{pfad.name}: VTIMEZONE {zonen}")
        uids = [str(e["UID"]) for e in kalender.walk("VEVENT")]
        pruefe(len(uids) == len(set(uids)), f"{pfad.name}: UIDs not unique")

    anfang = datetime.datetime.fromisoformat(von)
    ende = datetime.datetime.fromisoformat(bis) + datetime.timedelta(days=1)
    zeilen = []
    for ereignis in lesen(ordner / datei).walk("VEVENT"):
        pruefe(ereignis["DTSTART"].params.get("TZID") == "Europe/Berlin", "DTSTART without TZID")
        beginn = ereignis.decoded("DTSTART").replace(tzinfo=None)
        dauer = ereignis.decoded("DTEND").replace(tzinfo=None) - beginn
        regel = ereignis["RRULE"]
        pruefe(regel["FREQ"] == ["WEEKLY"], "not weekly")
        bis_utc = regel["UNTIL"][0]
        pruefe(bis_utc.utcoffset() == datetime.timedelta(0), "UNTIL not in UTC")
        bis_ort = bis_utc.astimezone(BERLIN).replace(tzinfo=None)
        for tag in rrule.rrule(rrule.WEEKLY, dtstart=beginn, until=bis_ort):
            if anfang <= tag < ende:
                versatz = BERLIN.localize(tag).strftime("%z")
                zeilen.append(f"{tag:%Y-%m-%d %H:%M} {tag + dauer:%H:%M} {versatz} {ereignis['SUMMARY']}")
    print("\n".join(sorted(zeilen)))


main()
