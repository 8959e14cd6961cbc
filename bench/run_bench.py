#!/usr/bin/env python3
"""Start-up, frame time and peak memory of the screensaver against the bare
baseline, natively and under Wine, on Xvfb with llvmpipe at two screen sizes.
Run through bench/run_bench.sh, which builds the programs first.

For each build and screen size:
- the real program (velmaris-sky /s, or VelmarisSkyScreensaver.scr /s under
  Wine) and the baseline are started by first_frame_watch, which times the
  launch to the first aurora frame on screen and reads the process's peak
  resident set; the runs of the two alternate;
- scene_startup_bench, the program's code with timestamps, splits the
  start-up into steps and times frames; the baseline does the same.
Every figure is the median of the runs, and the fastest first frame is shown
too: other work on the machine only ever makes a start slower."""
import argparse
import os
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIZES = [(1280, 720), (1920, 1080)]
STEPS = ["window_ms", "resources_ms", "textures_ms", "shaders_ms", "model_ms", "first_draw_ms"]
GOALS = {"first frame": 1.25, "frame time": 1.05, "peak memory": 1.25}


def figures(output):
    """The name=value fields of the "bench:" and "watch:" lines of a run."""
    values = {}
    for line in output.splitlines():
        if line.startswith(("bench:", "watch:")):
            values.update((name, float(value)) for name, value in
                          (field.split("=") for field in line.split()[1:]))
    return values


def run(command, env, wrapper=()):
    result = subprocess.run([*wrapper, *command], env=env, capture_output=True, text=True, timeout=300)
    values = figures(result.stdout)
    if result.returncode != 0 or "first_frame_ms" not in values:
        raise SystemExit(f"{' '.join(command)} failed ({result.returncode}):\n{result.stdout}\n{result.stderr}")
    return values


def medians(runs):
    return {name: statistics.median(run[name] for run in runs) for name in runs[0]}


def paired_ratio(programs, baselines, figure):
    """The median ratio of runs of the two made one after the other, so that
    a change in the machine's load between runs cancels out."""
    return statistics.median(program[figure] / baseline[figure] for program, baseline in zip(programs, baselines))


def fastest_ratio(programs, baselines, figure):
    """The ratio of the fastest runs: other work on the machine only ever
    makes a start slower."""
    return min(run[figure] for run in programs) / min(run[figure] for run in baselines)


def ratios(result):
    return {"first frame": fastest_ratio(result["program"], result["baseline"], "first_frame_ms"),
            "frame time": paired_ratio(result["program steps"], result["baseline steps"], "frame_median_ms"),
            "peak memory": paired_ratio(result["program"], result["baseline"], "peak_rss_kb")}


class Build:
    """How one build starts its three programs on a screen of a size."""

    def __init__(self, name, watch, program, baseline, bench, prefix=()):
        self.name, self.watch = name, watch
        self.program, self.baseline, self.bench = program, baseline, bench
        self.prefix = list(prefix)

    def watched(self, seconds, *command):
        return [self.watch, str(seconds), *self.prefix, *command]

    def measure(self, env, wrapper, runs, frames):
        # A first start of each warms the caches (and, under Wine, the
        # desktop's services) and is not counted.
        run(self.watched(3, self.program, "/s"), env, wrapper)
        run(self.watched(3, self.baseline), env, wrapper)
        started = {"program": [], "baseline": [], "program steps": [], "baseline steps": []}
        for _ in range(runs):
            started["program"].append(run(self.watched(3, self.program, "/s"), env, wrapper))
            started["baseline"].append(run(self.watched(3, self.baseline), env, wrapper))
            timed = ("@launch", str(frames))
            started["program steps"].append(run(self.watched(120, self.bench, *timed), env, wrapper))
            started["baseline steps"].append(run(self.watched(120, self.baseline, *timed), env, wrapper))
        return started


def native_results(build, size, runs, frames):
    env = dict(os.environ, VELMARIS_XVFB_GEOMETRY=f"{size[0]}x{size[1]}x24")
    return build.measure(env, [os.path.join(ROOT, "tests", "support", "with_xvfb.sh")], runs, frames)


def wine_results(build, size, runs, frames):
    import harness
    with harness.WineSession(*size) as session:
        return build.measure(session.env, [], runs, frames)


def machine():
    """The processor, the OpenGL renderer, the Wine version and how busy the machine is."""
    with open("/proc/cpuinfo") as info:
        model = next((line.split(":", 1)[1].strip() for line in info if line.startswith("model name")), "?")
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True, timeout=60).stdout.strip()
    renderer = subprocess.run([os.path.join(ROOT, "tests", "support", "with_xvfb.sh"), "glxinfo", "-B"],
                              capture_output=True, text=True, timeout=60).stdout
    renderer = next((line.split(":", 1)[1].strip() for line in renderer.splitlines()
                     if line.strip().startswith("OpenGL renderer string")), "?")
    return (f"{model}, {os.cpu_count()} cores; {renderer}; {wine}; "
            f"load average at the start: {os.getloadavg()[0]:.2f}")


def table(rows):
    lines = ["| build | screen | program | first frame (ms) | fastest | window | resources | textures | shaders "
             "| model | first draw | frame (ms) | peak memory (MiB) |",
             "|---|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"]
    ratio_lines = ["| build | screen | first frame | frame time | peak memory |", "|---|---|---:|---:|---:|"]
    for build, size, result in rows:
        screen = f"{size[0]} x {size[1]}"
        for kind in ("program", "baseline"):
            outside, steps = medians(result[kind]), medians(result[kind + " steps"])
            fastest = min(run["first_frame_ms"] for run in result[kind])
            cells = [f"{outside['first_frame_ms']:.0f}", f"{fastest:.0f}"] + [f"{steps[step]:.1f}" for step in STEPS]
            cells += [f"{steps['frame_median_ms']:.2f}", f"{outside['peak_rss_kb'] / 1024:.0f}"]
            lines.append(f"| {build} | {screen} | {kind} | " + " | ".join(cells) + " |")
        ratio_lines.append(f"| {build} | {screen} | " + " | ".join(
            f"{value:.2f}" + ("" if value <= GOALS[name] else " (over the goal)")
            for name, value in ratios(result).items()) + " |")
    goals = ", ".join(f"{name} {limit:.2f}" for name, limit in GOALS.items())
    return "\n".join(lines + ["", f"Program over baseline: first frame from the fastest starts, frame time and "
                                  f"memory as the median ratio of runs made one after the other (goals: at most "
                                  f"{goals}):", ""] + ratio_lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--native-dir", default=os.path.join(ROOT, "build", "native"))
    parser.add_argument("--windows-dir", default=os.path.join(ROOT, "build", "windows"))
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--frames", type=int, default=300)
    options = parser.parse_args()
    native_dir, windows_dir = os.path.abspath(options.native_dir), os.path.abspath(options.windows_dir)

    os.environ.update(VELMARIS_BUILD_DIR=windows_dir,
                      VELMARIS_PROBE=os.path.join(windows_dir, "tests", "wine", "winprobe.exe"))
    sys.path.insert(0, os.path.join(ROOT, "tests", "wine"))
    watch = os.path.join(native_dir, "bench", "first_frame_watch")
    native = Build("native", watch, os.path.join(native_dir, "velmaris-sky"),
                   os.path.join(native_dir, "bench", "aurora_baseline"),
                   os.path.join(native_dir, "bench", "scene_startup_bench"))
    wine = Build("Wine", watch, os.path.join(windows_dir, "VelmarisSkyScreensaver.scr"),
                 os.path.join(windows_dir, "bench", "aurora_baseline.exe"),
                 os.path.join(windows_dir, "bench", "scene_startup_bench.exe"), prefix=["wine"])

    print(machine())
    rows = []
    for size in SIZES:
        rows.append(("native", size, native_results(native, size, options.runs, options.frames)))
        rows.append(("Wine", size, wine_results(wine, size, options.runs, options.frames)))
    print(f"load average at the end: {os.getloadavg()[0]:.2f}")
    print(f"{options.runs} runs each, {options.frames} frames timed per run; medians.")
    print("First frame: launch to the band on screen, watched from outside (median and fastest run); the steps "
          "come from the instrumented copy (scene_startup_bench) and the baseline's own timestamps.\n")
    print(table(rows))


if __name__ == "__main__":
    main()
