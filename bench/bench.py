#!/usr/bin/env python3
"""Conversion speed benchmark of marlowen-cli.

Builds the programs, generates the corpora, converts each corpus with marlowen-cli, with the PDF
library's floor (marlowen-bench-floor: the same pages from lines broken in advance) and with the
layout as first written (marlowen-bench-layout literal), and prints seconds, MB/s, pages/s and peak
memory of each, with the ratios. Then converts each corpus protected by passwords with each
encryption method, against the unprotected conversion, and a batch of 8 files with --jobs 1 and
--jobs 2.

    python3 bench/bench.py [--build build] [--mb 4] [--repeat 3] [--literal-timeout 900] [--skip-literal]
                           [--skip-protection]

Then converts each corpus again with a header that shows the page count and every line numbered,
against the floor for the same pages.
"""
import argparse
import os
import random
import subprocess
import sys
import time

WORDS = ("the of and to in is that for it as was with be by on not he this are or his from at which but "
         "have an they you were her she there been one all we their has would when if so no will what can "
         "out up more about into them some could time these two may then do first any my now such like "
         "conversion document printer margin paragraph sentence window system library measure").split()


BANDED_HEADER = "{file}|{date}|page {page} of {pages}"


def words(rng, count):
    return " ".join(rng.choice(WORDS) if rng.random() < 0.9 else rng.choice(WORDS).capitalize() + ","
                    for _ in range(count))


def prose(rng, size):
    out, line = [], []
    width = rng.randint(72, 78)
    total = 0
    while total < size:
        word = rng.choice(WORDS)
        if sum(len(w) + 1 for w in line) + len(word) > width:
            text = " ".join(line)
            out.append(text)
            total += len(text) + 1
            line, width = [], rng.randint(72, 78)
            if rng.random() < 0.15:
                out.append("")
        line.append(word)
    return ("\n".join(out) + "\n").encode()


def paragraphs(rng, size):
    out, total = [], 0
    while total < size:
        text = words(rng, 400)[: rng.randint(1500, 3000)]
        out.append(text)
        total += len(text) + 2
    return ("\r\n".join(out) + "\r\n").encode()


def log(rng, size):
    levels = ["INFO", "DEBUG", "WARN", "ERROR"]
    out, total, t = [], 0, 0.0
    while total < size:
        t += rng.random()
        text = "2026-12-08 04:%02d:%06.3f %-5s [worker-%d] %s" % (
            int(t / 60) % 60, t % 60, rng.choice(levels), rng.randint(1, 16), words(rng, rng.randint(3, 12)))
        out.append(text)
        total += len(text) + 1
    return ("\n".join(out) + "\n").encode()


def source(rng, size):
    out, total, depth = [], 0, 0
    while total < size:
        r = rng.random()
        if r < 0.15 and depth < 6:
            text = "    " * depth + "if (%s_%d > %d) {" % (rng.choice(WORDS), rng.randint(0, 99), rng.randint(0, 999))
            depth += 1
        elif r < 0.3 and depth > 0:
            depth -= 1
            text = "    " * depth + "}"
        elif r < 0.35:
            text = ""
        else:
            text = "    " * depth + "%s = %s(%s, %d);\t// %s" % (
                rng.choice(WORDS), rng.choice(WORDS), rng.choice(WORDS), rng.randint(0, 9999), words(rng, 4))
        out.append(text)
        total += len(text) + 1
    return ("\n".join(out) + "\n").encode()


def base64_lines(rng, size):
    alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
    lines = size // 77
    return ("\n".join("".join(rng.choice(alphabet) for _ in range(76)) for _ in range(lines)) + "\n").encode()


def one_line(rng, size):
    text = ""
    while len(text) < size:
        text += words(rng, 1000) + " "
    return text[:size].encode()


def run(command, timeout=None, repeat=1):
    """Runs a command repeat times; returns the fastest (wall seconds, CPU seconds, peak resident MB),
    or None when it ran out of time.

    The peak comes from GNU time, whose child is forked from a small process: a child forked from
    Python would count Python's own pages as its peak."""
    report = os.path.join(os.environ.get("TMPDIR", "/tmp"), "marlowen-bench-time.txt")
    best = None
    for _ in range(repeat):
        start = time.perf_counter()
        try:
            subprocess.run(["/usr/bin/time", "-f", "%M %U %S", "-o", report] + command, stdout=subprocess.DEVNULL,
                           stderr=subprocess.PIPE, check=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        except subprocess.CalledProcessError as failure:
            sys.exit("failed: %s\n%s" % (" ".join(command), failure.stderr.decode(errors="replace")))
        seconds = time.perf_counter() - start
        with open(report) as f:
            peak, user, system = f.read().split()[-3:]
        measured = (seconds, float(user) + float(system), int(peak) / 1024.0)
        best = measured if best is None or measured[0] < best[0] else best
    return best


METHODS = ("aes256", "aes128", "rc4")


def protection(cli, settings, paths, repeat):
    """Each corpus converted unprotected and with an owner and a user password by each encryption
    method (RC4 with the default 48-bit key). The runs alternate, so that a moment of load on a shared
    machine falls on all of them alike, and the least wall-clock and CPU seconds and peak memory of
    each count."""
    print()
    print("Protected (--owner-password, --user-password; RC4 at its default 48 bits) against unprotected, runs"
          " alternating, the least of %d runs each:" % repeat)
    print("corpus     |  plain s  cpu s peakMB | " + " | ".join("%6s s  cpu s peakMB" % m for m in METHODS) + " | "
          + " | ".join("%s/plain wall  cpu  mem" % m for m in METHODS))
    base = [cli, "--settings", settings, "-q", "--jobs", "1"]
    commands = [base] + [base + ["--owner-password", "owner", "--user-password", "user", "--encryption", method]
                         for method in METHODS]
    for name, path in paths:
        least = [None] * len(commands)
        for _ in range(repeat):
            for i, command in enumerate(commands):
                measured = run(command + [path])
                least[i] = measured if least[i] is None else tuple(map(min, least[i], measured))
        plain = least[0]
        print("%-10s | " % name + " | ".join("%8.2f %6.2f %6.1f" % m for m in least) + " | "
              + " | ".join("%17.2f %4.2f %4.2f" % (m[0] / plain[0], m[1] / plain[1], m[2] / plain[2])
                           for m in least[1:]))
        sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--mb", type=float, default=4, help="size of each corpus in MB (the long line is 1 MB)")
    parser.add_argument("--literal-timeout", type=float, default=900)
    parser.add_argument("--skip-literal", action="store_true")
    parser.add_argument("--skip-protection", action="store_true")
    parser.add_argument("--repeat", type=int, default=3, help="runs of cli and floor; the fastest counts")
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build, "--target", "marlowen-cli", "marlowen-bench-floor",
                    "marlowen-bench-layout"], check=True, stdout=subprocess.DEVNULL)
    cli = os.path.join(args.build, "cli", "marlowen-cli")
    floor = os.path.join(args.build, "bench", "marlowen-bench-floor")
    layout = os.path.join(args.build, "bench", "marlowen-bench-layout")
    work = os.path.join(args.build, "bench-corpora")
    os.makedirs(os.path.join(work, "batch"), exist_ok=True)
    settings = os.path.join(work, "empty-settings.ini")  # no keys: the default options
    open(settings, "w").close()

    size = int(args.mb * 1e6)
    rng = random.Random(6)
    corpora = [("prose", prose, size), ("paragraphs", paragraphs, size), ("log", log, size),
               ("source", source, size), ("base64", base64_lines, size), ("one-line", one_line, 1000000),
               # Four times the size, to show how each program's time grows with it.
               ("base64-x4", base64_lines, 4 * size), ("one-line-x4", one_line, 4000000)]
    paths = []
    for name, make, length in corpora:
        path = os.path.join(work, name + ".txt")
        with open(path, "wb") as f:
            f.write(make(rng, length))
        paths.append((name, path))
    batch = []
    for i in range(8):
        path = os.path.join(work, "batch", "file%d.txt" % i)
        with open(path, "wb") as f:
            f.write((prose if i % 2 else log)(rng, size // 2))
        batch.append(path)

    different = []
    plain_floors = []
    print("Seconds are wall-clock (CPU = user + system); each of cli and floor is the fastest of %d runs." % args.repeat)
    print("corpus       MB  pages |  cli s  cpu s   MB/s pages/s peakMB | floor s  cpu s peakMB |"
          " literal s  cpu s peakMB | cli/floor wall  cpu  mem | literal/cli wall  cpu")
    for name, path in paths:
        mb = os.path.getsize(path) / 1e6
        lines = path + ".lines"
        subprocess.run([layout, "lines", path, lines], check=True)
        with open(lines, "rb") as f:
            pages = f.read().count(b"\n\f\n") + 1
        cli_s, cli_cpu, cli_mem = run([cli, "--settings", settings, "-q", "--jobs", "1", path], repeat=args.repeat)
        floor_s, floor_cpu, floor_mem = run([floor, lines, path + ".floor.pdf"], repeat=args.repeat)
        literal = None if args.skip_literal else run(
            [layout, "literal", path, path + ".literal.pdf", path + ".literal.lines"], args.literal_timeout)
        if literal:
            with open(lines, "rb") as ours, open(path + ".literal.lines", "rb") as theirs:
                same = ours.read() == theirs.read()
            if not same:
                different.append(name)
        if literal:
            literal_text = "%9.2f %6.2f %6.1f" % literal
            ratio = "%16.0f %4.0f" % (literal[0] / cli_s, literal[1] / cli_cpu)
        else:
            literal_text = "%23s" % ("skipped" if args.skip_literal else "> %d s" % args.literal_timeout)
            ratio = "%21s" % "-"
        plain_floors.append((floor_s, floor_cpu))
        print("%-10s %5.2f %6d | %6.2f %6.2f %6.1f %7.0f %6.1f | %7.2f %6.2f %6.1f | %s | %14.2f %4.2f %4.2f | %s" % (
            name, mb, pages, cli_s, cli_cpu, mb / cli_s, pages / cli_s, cli_mem, floor_s, floor_cpu, floor_mem,
            literal_text, cli_s / floor_s, cli_cpu / floor_cpu, cli_mem / floor_mem, ratio))
        sys.stdout.flush()

    if not args.skip_literal:
        print("The literal layout drew the same lines on the same pages: %s" %
              ("yes, on every corpus" if not different else "NO, on " + ", ".join(different)))

    # A header showing the page count, which takes a second layout pass, and every line numbered: the
    # floor draws the same header, rule and numbers from the converter's lines.
    date = time.strftime("%x")
    print("With --header '%s' --line-numbers 1:" % BANDED_HEADER)
    print("corpus       MB  pages |  cli s  cpu s | floor s  cpu s | cli/floor wall  cpu | cli/plain floor wall  cpu")
    for (name, path), plain in zip(paths, plain_floors):
        lines = path + ".numbered"
        subprocess.run([layout, "numbered", path, lines], check=True)
        with open(lines, "rb") as f:
            pages = f.read().count(b"\n\f\n") + 1
        header = BANDED_HEADER.replace("{file}", os.path.basename(path)).replace("{date}", date)
        cli_s, cli_cpu, _ = run([cli, "--settings", settings, "-q", "--jobs", "1", "--header", BANDED_HEADER,
                                 "--line-numbers", "1", path], repeat=args.repeat)
        floor_s, floor_cpu, _ = run([floor, "--numbered", "--header", header, lines, path + ".floor.pdf"],
                                    repeat=args.repeat)
        print("%-10s %5.2f %6d | %6.2f %6.2f | %7.2f %6.2f | %14.2f %4.2f | %20.2f %4.2f" % (
            name, os.path.getsize(path) / 1e6, pages, cli_s, cli_cpu, floor_s, floor_cpu, cli_s / floor_s,
            cli_cpu / floor_cpu, cli_s / plain[0], cli_cpu / plain[1]))
        sys.stdout.flush()
    if not args.skip_protection:
        protection(cli, settings, paths, args.repeat)

    batch_mb = sum(os.path.getsize(p) for p in batch) / 1e6
    one = run([cli, "--settings", settings, "-q", "--jobs", "1"] + batch, repeat=args.repeat)
    two = run([cli, "--settings", settings, "-q", "--jobs", "2"] + batch, repeat=args.repeat)
    print("batch of 8 files, %.1f MB: --jobs 1 %.2f s (cpu %.2f s), --jobs 2 %.2f s (cpu %.2f s); "
          "wall-clock ratio %.2f" % (batch_mb, one[0], one[1], two[0], two[1], two[0] / one[0]))


if __name__ == "__main__":
    main()
