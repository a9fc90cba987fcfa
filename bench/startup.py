#!/usr/bin/env python3
"""Start-up benchmark of the desktop program.

Starts marlowen-bench-startup (the desktop program, which reports when its main window is first on the
screen and then ends) in an X server of its own (Xvfb), with -Embedding (no splash window, no tip of the
day), first without files and then with 1,000 text files as arguments, and prints the median, fastest and
slowest time from the start of the process to the window on the screen, and the CPU time the process used
(start-up and end; it does not grow when other programs compete for the processor).

    python3 bench/startup.py [--build build] [--runs 15]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_x_server(folder):
    display_file = os.path.join(folder, "display")
    with open(display_file, "w") as out:
        server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                  stdout=out, stderr=subprocess.DEVNULL)
    for _ in range(100):
        with open(display_file) as text:
            number = text.read().strip()
        if number:
            return server, ":" + number
        time.sleep(0.05)
    server.kill()
    sys.exit("Xvfb did not start")


def timed_start(program, arguments, environment):
    """Milliseconds to the window on the screen, the files in its list, and the CPU milliseconds of the
    whole process (start-up and end)."""
    environment = dict(environment, MARLOWEN_BENCH_T0=str(time.clock_gettime_ns(time.CLOCK_MONOTONIC)))
    child = subprocess.Popen([program, "-Embedding"] + arguments, env=environment, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
    output = child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0 or " ms, " not in output:
        sys.exit(f"{program} failed (status {status}): {output}")
    milliseconds, files = output.split(" ms, ")
    return float(milliseconds), int(files.split()[0]), (usage.ru_utime + usage.ru_stime) * 1000


def report(label, results):
    times = [shown for shown, _, _ in results]
    cpu = [used for _, _, used in results]
    print(f"{label:<26} to the window: median {statistics.median(times):6.1f} ms, fastest {min(times):6.1f}, "
          f"slowest {max(times):6.1f}; CPU of the process: median {statistics.median(cpu):6.1f} ms "
          f"({len(results)} runs, {results[0][1]} files in the list)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=15)
    options = parser.parse_args()
    subprocess.run(["cmake", "--build", options.build, "--target", "marlowen-bench-startup", "-j2"], check=True,
                   stdout=subprocess.DEVNULL)

    with tempfile.TemporaryDirectory() as folder:
        # A copy of its own: no Settings.ini beside it, a lock of its own name.
        program = os.path.join(folder, "marlowen-bench-startup")
        shutil.copy(os.path.join(options.build, "bench", "marlowen-bench-startup"), program)
        texts = os.path.join(folder, "texts")
        os.mkdir(texts)
        files = []
        for number in range(1000):
            path = os.path.join(texts, f"file-{number:04}.txt")
            with open(path, "w") as out:
                out.write(f"Text file number {number}.\n")
            files.append(path)
        runtime = os.path.join(folder, "runtime")
        os.mkdir(runtime, 0o700)
        server, display = start_x_server(folder)
        try:
            environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                               XDG_CONFIG_HOME=os.path.join(folder, "config"))
            timed_start(program, [], environment)  # warms the disk cache
            for label, arguments in (("no files", []), ("1,000 files as arguments", files)):
                report(label, [timed_start(program, arguments, environment) for _ in range(options.runs)])
        finally:
            server.kill()


if __name__ == "__main__":
    main()
