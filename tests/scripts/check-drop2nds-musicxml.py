#!/usr/bin/env python3
"""Runs Drop 2nds through "quavix-host invoke" on MusicXML scores and checks
every note of the output against an expectation computed here from the
MusicXML itself: in every four-note chord of the region, the second-highest
written note is an octave lower, and nothing else changed.

The output of a run over the whole score must validate against the schema, and
its canonical form (xmllint --c14n) must differ from the input's in octave
numbers only.

Usage: check-drop2nds-musicxml.py HOST PLUGIN SCHEMA SCORE-OR-FOLDER...
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

EDU_PER_QUARTER = 1024
STEPS = "CDEFGAB"


def notes_in_order(root):
    """Every <note> of the score as (measure, slot, layer, position, element), with the
    entry each belongs to: a list of entries, each a list of note elements."""
    entries = []
    first_slot = 1
    for part in root.findall("part"):
        staves = max([int(a.findtext("staves", "1")) for m in part.findall("measure")
                      for a in m.findall("attributes")] + [1])
        voices = {}  # staff -> voices in first-appearance order
        divisions = 1.0
        for number, measure in enumerate(part.findall("measure"), start=1):
            time = 0.0
            previous = None
            for child in measure:
                if child.tag == "attributes" and child.find("divisions") is not None:
                    divisions = float(child.findtext("divisions"))
                elif child.tag == "backup":
                    time = max(0.0, time - float(child.findtext("duration", "0")) * EDU_PER_QUARTER / divisions)
                elif child.tag == "forward":
                    time += float(child.findtext("duration", "0")) * EDU_PER_QUARTER / divisions
                elif child.tag == "note":
                    if child.find("chord") is not None and previous is not None:
                        previous["notes"].append(child)
                        continue
                    staff = int(child.findtext("staff", "1"))
                    voice = child.findtext("voice", "1") or "1"
                    order = voices.setdefault(staff, [])
                    if voice not in order:
                        order.append(voice)
                    previous = {"measure": number, "slot": first_slot + staff - 1, "layer": order.index(voice),
                                "position": int(round(time)), "notes": [child]}
                    entries.append(previous)
                    if child.find("grace") is None:
                        time += float(child.findtext("duration", "0")) * EDU_PER_QUARTER / divisions
        first_slot += staves
    return entries


def written(note):
    pitch = note.find("pitch")
    if pitch is None:
        return None
    return (pitch.findtext("step"), int(round(float(pitch.findtext("alter", "0")))), int(pitch.findtext("octave")))


def order_key(pitch):
    step, alter, octave = pitch
    return (octave * 7 + STEPS.index(step), alter)


def expected_after(entry, region):
    pitches = [written(n) for n in entry["notes"]]
    first_measure, last_measure, first_slot, last_slot, start, end, hidden = region
    inside = (first_measure <= entry["measure"] <= last_measure and first_slot <= entry["slot"] <= last_slot
              and entry["layer"] + 1 not in hidden
              and not (entry["measure"] == first_measure and entry["position"] < start)
              and not (entry["measure"] == last_measure and entry["position"] > end))
    notes = [n for n in entry["notes"] if n.find("rest") is None]
    if not inside or len(notes) != 4 or any(p is None for p in pitches):
        return pitches
    top = max(range(4), key=lambda i: (order_key(pitches[i]), -i))
    lower = [i for i in range(4) if order_key(pitches[i]) < order_key(pitches[top])]
    if not lower:
        return pitches
    second = max(lower, key=lambda i: (order_key(pitches[i]), -i))
    step, alter, octave = pitches[second]
    pitches[second] = (step, alter, octave - 1)
    return pitches


def check(host, plugin, score, args, region, work, schema):
    out = os.path.join(work, "out.musicxml")
    run = subprocess.run([host, "invoke", "--quiet", "--plugin", plugin, *args, score, "-o", out],
                         capture_output=True, text=True)
    if run.returncode != 0:
        return [f"{score} {args}: exit {run.returncode}: {run.stderr.strip()}"]
    if schema and not args:
        valid = subprocess.run(["xmllint", "--noout", "--nonet", "--schema", schema, out], capture_output=True, text=True)
        if valid.returncode != 0:
            return [f"{score}: the output does not validate: {valid.stderr.strip()[:300]}"]
        # In canonical form, input and output differ in octave numbers only.
        canonical = [subprocess.run(["xmllint", "--nonet", "--c14n", f], capture_output=True).stdout
                     for f in (score, out)]
        masked = [re.sub(rb"<octave>[0-9]+</octave>", b"<octave/>", c) for c in canonical]
        if not canonical[0] or masked[0] != masked[1]:
            return [f"{score}: the canonical forms differ outside the changed octaves"]
    before = notes_in_order(ET.parse(score).getroot())
    after = notes_in_order(ET.parse(out).getroot())
    problems = []
    if len(before) != len(after):
        return [f"{score} {args}: {len(before)} entries before, {len(after)} after"]
    for b, a in zip(before, after):
        expected = expected_after(b, region)
        actual = [written(n) for n in a["notes"]]
        if expected != actual:
            problems.append(f"{score} {args}: measure {b['measure']} slot {b['slot']} layer {b['layer'] + 1} "
                            f"position {b['position']}: expected {expected}, got {actual}")
    return problems


def main():
    host, plugin, schema = sys.argv[1], sys.argv[2], sys.argv[3]
    scores = []
    for item in sys.argv[4:]:
        if os.path.isdir(item):
            scores += sorted(glob.glob(os.path.join(item, "*.xml")) + glob.glob(os.path.join(item, "*.musicxml")))
        else:
            scores.append(item)
    problems = []
    changed = 0
    with tempfile.TemporaryDirectory() as work:
        for score in scores:
            root = ET.parse(score).getroot()
            entries = notes_in_order(root)
            measures = max(e["measure"] for e in entries)
            slots = max(e["slot"] for e in entries)
            regions = [([], (1, measures, 1, slots, 0, 2**31 - 1, set()))]
            if measures >= 3:
                regions.append((["--measures", f"2-{measures}", "--start-pos", "1024", "--end-pos", "2048"],
                                (2, measures, 1, slots, 1024, 2048, set())))
            if slots >= 2:
                regions.append((["--staves", "1-1", "--hidden-layers", "2"], (1, measures, 1, 1, 0, 2**31 - 1, {2})))
            for args, region in regions:
                problems += check(host, plugin, score, args, region, work, schema)
            changed += sum(1 for e in entries if expected_after(e, regions[0][1]) != [written(n) for n in e["notes"]])
    for problem in problems[:40]:
        print("FAIL:", problem)
    if problems:
        return 1
    print(f"drop 2nds on MusicXML: ok ({len(scores)} scores, {changed} chords changed over the whole scores)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
