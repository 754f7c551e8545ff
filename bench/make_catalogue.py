#!/usr/bin/env python3
"""Writes a large, realistic pimlo catalogue for the benchmark.

  make_catalogue.py lessons DIR N M [B] N lessons of M entries, plus one lesson
                                        of B entries (1000 unless given: the
                                        lesson whose load is timed), and
                                        pimlo.conf, which lists them one by
                                        one; pimlo_range.conf names the same
                                        lessons as one range
  make_catalogue.py answers DIR         fills every history file of DIR (built by
                                        a first start of pimlo.x) with answers,
                                        and writes an answer journal of 100
                                        answers a lesson
                                        spread over the last two years
  make_catalogue.py touch DIR K         rewrites lesson K (one entry more each
                                        time) so that the next start rebuilds it

The lessons mix what users write: UTF-8 and CP1252 files, LF and CR LF line
ends, a text block, tags and count tokens, nameless entries, remarks,
continuation lines and references to entries of earlier lessons. Everything
is drawn from a seeded generator, so a catalogue is the same at every run.
"""

import datetime
import os
import random
import sys

WORDS = (
    "chat chien maison arbre école été hiver fenêtre porte jardin rivière "
    "pain café thé lait beurre fromage œuf cœur garçon français leçon "
    "bibliothèque château forêt île plage montagne neige soleil lune étoile "
    "voiture vélo train avion bateau route ville village église marché"
).split()
GLOSSES = (
    "cat dog house tree school summer winter window door garden river bread "
    "coffee tea milk butter cheese egg heart boy French lesson library castle "
    "forest island beach mountain snow sun moon star car bike train plane boat "
    "road town village church market"
).split()
TAGS = ["animal", "maison", "verbe", "nom", "adjectif", "été", "cuisine", "voyage",
        "école", "nature", "ville", "temps", "corps", "famille", "travail"] + \
       ["theme%02d" % i for i in range(60)]
BIG = 1000  # entries of the big lesson


def alias_of(k):
    return "l%05d" % k


def file_of(k):
    return "L%d.txt" % k  # no leading zeros: a range names the same files


def entry_name(k, i):
    rnd = random.Random(k * 100003 + i)
    return "%s %s %d-%d" % (rnd.choice(WORDS), rnd.choice(WORDS), k, i)


def lesson_text(k, m, extra=0):
    """The lines of lesson k (unicode), and its encoding and line end."""
    rnd = random.Random(k)
    lines = ["!# %s" % alias_of(k), "! lesson %d, written by hand" % k, "",
             "#######", "Vocabulaire de la leçon %d : été, hiver, œuf." % k,
             "<)start) nothing to play here", "#######", ""]
    for i in range(1, m + extra + 1):
        name = entry_name(k, i)
        gloss = "the %s and the %s" % (rnd.choice(GLOSSES), rnd.choice(GLOSSES))
        if rnd.random() < 0.05:
            lines.append("#")
            lines.append("Q> %s, %s" % (name, gloss))
        else:
            tags = " ".join(rnd.sample(TAGS, rnd.randint(0, 3)))
            count = "Q2 " if rnd.random() < 0.1 else ""
            lines.append("# %s * %s%s" % (name, count, tags))
            lines.append("Q> %s" % name)
        lines.append("R> %s" % gloss)
        if rnd.random() < 0.2:
            lines.append("   (continued: %s)" % rnd.choice(GLOSSES))
        if rnd.random() < 0.1:
            lines.append("! remark on %s" % name)
        if k > 1 and rnd.random() < 0.02:
            other = rnd.randint(1, k - 1)
            lines.append("##%s *%s" % (entry_name(other, rnd.randint(1, 20)), alias_of(other)))
        lines.append("")
    lines.append("END_OF_FILE")
    utf8 = k % 2 == 1
    crlf = k % 3 == 0
    return lines, utf8, crlf


def write_lesson(root, k, m, extra=0):
    lines, utf8, crlf = lesson_text(k, m, extra)
    end = "\r\n" if crlf else "\n"
    data = end.join(lines) + end
    with open(os.path.join(root, "lessons", file_of(k)), "wb") as f:
        f.write(data.encode("utf-8" if utf8 else "cp1252"))


def make_lessons(root, n, m, big=BIG):
    os.makedirs(os.path.join(root, "lessons"), exist_ok=True)
    for k in range(1, n + 1):
        write_lesson(root, k, m)
    write_lesson(root, n + 1, big)
    settings = ("Coef_Err :> 9 3 2 6 10 <:\n"
                "Horiz_pix_total :> 1100 <:\nVerti_pix_total :> 760 <:\n"
                "Width_pix_vocab :> 560 <:\nPath_idx1 :> ./IDX1 <:\n")
    listed = "".join("  lessons/%s\n" % file_of(k) for k in range(1, n + 2))
    for conf, names in (("pimlo.conf", listed),
                        ("pimlo_range.conf", "  lessons/L1->%d.txt\n" % (n + 1))):
        with open(os.path.join(root, conf), "w") as f:
            f.write(settings + "Which_lesson :>\n" + names + "<:\n")
    with open(os.path.join(root, "pimlo_list.txt"), "w") as f:
        f.write("!help\n")


def field(number):
    digits = str(number)
    lead = (12 - len(digits)) // 2
    return (" " * lead + digits).ljust(12)


def stat_line(rnd, today, asked):
    if not asked:  # as the program writes a sense never answered
        return (field(0) + ";") * 4
    nb = rnd.randint(0, 15)
    nok = rnd.randint(0, 8) if rnd.random() < 0.6 else 0
    if nb + nok == 0:
        nb = 1
    day_ok = today - rnd.randint(0, 730) if nb else 0
    day_nok = today - rnd.randint(0, 730) if nok else 0
    return "".join(field(v) + ";" for v in (nb, nok, day_ok, day_nok))


def fill_answers(root):
    today = (datetime.date.today() - datetime.date(2001, 1, 1)).days
    idx1 = os.path.join(root, "IDX1")
    for name in sorted(os.listdir(idx1)):
        if not name.startswith("idx1_"):
            continue
        path = os.path.join(idx1, name)
        rnd = random.Random(name)
        drilled = rnd.random() < 0.85
        with open(path, "rb") as f:
            lines = f.read().split(b"\r\n")
        seen_marker = False
        i = 0
        while i < len(lines):
            line = lines[i]
            if not seen_marker:
                seen_marker = line.startswith(b"#") and b"#######" in line
            elif b"END_OF_FILE" in line:
                break
            elif line.startswith(b"#") and not line.startswith(b"##"):
                for sense in (1, 2):
                    asked = drilled and rnd.random() < (0.9 if sense == 1 else 0.6)
                    lines[i + sense] = stat_line(rnd, today, asked).encode()
                i += 2
            i += 1
        with open(path, "wb") as f:
            f.write(b"\r\n".join(lines))
    write_journal(root, sum(1 for name in os.listdir(idx1) if name.startswith("idx1_")))


def journal_line(text):
    h = 2166136261
    for c in text.encode("cp1252"):
        h = ((h ^ c) * 16777619) & 0xFFFFFFFF
    return "%s ~%08x\n" % (text, h)


def write_journal(root, lessons, per_lesson=100, per_day=274):
    """pimlo_journal: per_lesson answers a lesson, in one drill a day of
    per_day answers (a year of them for 1000 lessons), the last one today."""
    today = (datetime.date.today() - datetime.date(2001, 1, 1)).days
    total = lessons * per_lesson
    days = (total + per_day - 1) // per_day
    rnd = random.Random(total)
    out = []
    for d in range(days):
        day = today - days + 1 + d
        k = rnd.randint(1, lessons)
        out.append(journal_line("start %d 08:00:00 %d %s 4096 1700000000" % (day, k, alias_of(k))))
        for i in range(min(per_day, total - d * per_day)):
            verdict = ("right", "right", "wrong", "skip")[rnd.randint(0, 3)]
            out.append(journal_line("answer %d 08:%02d:%02d 1 %s 100 %s %s " % (
                day, i // 60 % 60, i % 60, verdict, alias_of(k), entry_name(k, i % 100 + 1))))
        out.append(journal_line("end %d 09:00:00 recorded" % day))
    with open(os.path.join(root, "pimlo_journal"), "w", encoding="cp1252", newline="") as f:
        f.write("".join(out))


def touch_lesson(root, k):
    """Lesson k gains one entry more than it holds now."""
    path = os.path.join(root, "lessons", file_of(k))
    with open(path, "rb") as f:
        held = f.read().count(b"\nR> ")
    write_lesson(root, k, held + 1)
    # Times count in whole seconds: the copy and the history are dated back,
    # so that the next start sees the lesson newer than both.
    back = os.stat(path).st_mtime - 10
    for derived in (os.path.join(root, "CPY", file_of(k)),
                    os.path.join(root, "IDX1", "idx1_" + file_of(k))):
        if os.path.exists(derived):
            os.utime(derived, (back, back))


def main(argv):
    if len(argv) in (5, 6) and argv[1] == "lessons":
        make_lessons(argv[2], int(argv[3]), int(argv[4]), *[int(a) for a in argv[5:]])
    elif len(argv) == 3 and argv[1] == "answers":
        fill_answers(argv[2])
    elif len(argv) == 4 and argv[1] == "touch":
        touch_lesson(argv[2], int(argv[3]))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
