#!/usr/bin/env python3
"""Combining many small files into one PDF against one PDF per file.

Writes FILES seeded text files of about 4 KB each into build/bench-combine/texts (sub-folders of 500),
then times marlowen-cli --jobs 1 making one PDF per file (--output-dir) and one PDF of all of them
(--combine), and prints seconds, peak resident memory and the ratios: combined time / per-file time,
and combined peak memory / the text's size.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

WORDS = ("the of and to in is that for it as with was on be by this are from at or an which have not had "
         "but were his all they one their there been has when more will would who so no into than its out "
         "conversion document margin folder outline bookmark label paragraph").split()


def write_texts(folder, files, size):
    rng = random.Random(22)
    total = 0
    for i in range(files):
        sub = os.path.join(folder, "part%03d" % (i // 500))
        os.makedirs(sub, exist_ok=True)
        lines, length = [], 0
        while length < size:
            line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(8, 13)))
            lines.append(line)
            length += len(line) + 1
        text = "\n".join(lines) + "\n"
        with open(os.path.join(sub, "file%05d.txt" % i), "w") as out:
            out.write(text)
        total += len(text)
    return total


def timed(args):
    with tempfile.NamedTemporaryFile("r") as report:
        subprocess.run(["/usr/bin/time", "-f", "%e %U %S %M", "-o", report.name] + args, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wall, user, system, peak_kb = report.read().split()[-4:]
    return float(wall), float(user) + float(system), int(peak_kb) / 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--files", type=int, default=10000)
    parser.add_argument("--size", type=int, default=4000, help="bytes of text per file")
    parser.add_argument("--repeat", type=int, default=2)
    parser.add_argument("--cli", help="the marlowen-cli to time, as built; by default it is built first")
    options = parser.parse_args()

    cli = options.cli
    if not cli:
        subprocess.run(["cmake", "--build", options.build, "--target", "marlowen-cli"], check=True,
                       stdout=subprocess.DEVNULL)
        cli = os.path.join(options.build, "cli", "marlowen-cli")
    work = os.path.join(options.build, "bench-combine")
    texts = os.path.join(work, "texts")
    shutil.rmtree(work, ignore_errors=True)
    text_mb = write_texts(texts, options.files, options.size) / 1e6
    settings = os.path.join(work, "Settings.ini")
    open(settings, "w").close()
    base = [cli, "--settings", settings, "--jobs", "1", "-q"]

    def best(args):
        runs = [timed(args) for _ in range(options.repeat)]
        return min(r[0] for r in runs), min(r[1] for r in runs), max(r[2] for r in runs)

    each = best(base + ["--output-dir", os.path.join(work, "each"), texts])
    combined = best(base + ["--combine", os.path.join(work, "all.pdf"), texts])
    print("files %d, text %.1f MB" % (options.files, text_mb))
    print("%-10s %8s %8s %8s" % ("", "wall s", "cpu s", "peak MB"))
    print("%-10s %8.2f %8.2f %8.1f" % ("each", *each))
    print("%-10s %8.2f %8.2f %8.1f" % ("combined", *combined))
    print("combined/each: wall %.2f, cpu %.2f; combined peak / text size %.2f"
          % (combined[0] / each[0], combined[1] / each[1], combined[2] / text_mb))
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
