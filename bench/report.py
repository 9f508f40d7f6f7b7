"""Turns the raw measurements that scripts/bench collects into one Markdown report.

    python3 bench/report.py <measurement folder>

The folder holds: clicks.txt (the cadence recorder's output), blocks.txt (one line per clicking
block: source, delay, clicks asked, first and last recorder line, how it was started), facts.txt
("name value" lines: machine, footprint, sizes), timer.txt (the timer probe's output) and
launch-quorvel.txt / launch-control.txt (milliseconds per launch, or "timeout"). The report is
printed and written to report.md in the same folder.
"""

import math
import statistics
import sys
from dataclasses import dataclass
from pathlib import Path

WM_LBUTTONDOWN = 0x201
# The extra information that tells the two click sources apart in the recorder.
EXTRA_INFO = {"Quorvel": 786, "peer": 0}

P99_GOAL_MS = 2.0
MEAN_GOAL_MS = 0.05
# Below this a window timer cannot keep the promise: its minimum is 10 ms and it fires late.
GOALS_FROM_DELAY_MS = 20
IDLE_CPU_GOAL_PERCENT = 0.1
RSS_GOAL_KB = 2048
# Resident memory moves by whole pages; a few pages of wine's own bookkeeping are not growth.
RSS_GROWTH_TOLERANCE_KB = 64
LAUNCH_GOAL_MS = 50.0
X86_SIZE_GOAL_BYTES = 600 * 1024


@dataclass
class Block:
    source: str
    delay_ms: int
    asked: int
    first_line: int  # recorder lines after first_line and up to last_line belong to the block
    last_line: int
    started_by: str


@dataclass
class BlockResult:
    block: Block
    received: int
    mean_period_ms: float | None
    error_p50_ms: float | None
    error_p99_ms: float | None
    error_max_ms: float | None
    drift_ms: float | None

    @property
    def lost(self):
        return max(0, self.block.asked - self.received)

    @property
    def surplus(self):
        return max(0, self.received - self.block.asked)

    @property
    def mean_offset_ms(self):
        """How far the mean period lies from the promised one."""
        return None if self.mean_period_ms is None else self.mean_period_ms - self.block.delay_ms


def percentile(values, fraction):
    """Nearest-rank percentile: the smallest value with at least that fraction at or below it."""
    ordered = sorted(values)
    rank = max(1, math.ceil(fraction * len(ordered)))
    return ordered[rank - 1]


def read_recorder(path):
    """Returns the counter frequency and (line number, counter, message, extra info) rows."""
    frequency = None
    events = []
    for number, line in enumerate(Path(path).read_text().splitlines(), start=1):
        fields = line.split()
        if fields[:1] == ["frequency"]:
            frequency = int(fields[1])
        elif len(fields) == 3:
            events.append((number, int(fields[0]), int(fields[1]), int(fields[2])))
    if frequency is None:
        raise ValueError(f"{path}: the recorder never reported its counter frequency")
    return frequency, events


def read_blocks(path):
    blocks = []
    for line in Path(path).read_text().splitlines():
        source, delay, asked, first, last, started_by = line.split()
        blocks.append(Block(source, int(delay), int(asked), int(first), int(last), started_by))
    return blocks


def read_facts(path):
    facts = {}
    for line in Path(path).read_text().splitlines():
        name, _, value = line.partition(" ")
        facts[name] = value.strip()
    return facts


def read_launches(path):
    """Milliseconds per launch; None for a launch whose window never showed."""
    return [None if word == "timeout" else float(word) for word in Path(path).read_text().split()]


def press_times_ms(block, events, frequency):
    """The times of the block's button presses from its own source, in milliseconds."""
    extra = EXTRA_INFO[block.source]
    return [
        1000.0 * counter / frequency
        for number, counter, message, info in events
        if block.first_line < number <= block.last_line
        and message == WM_LBUTTONDOWN
        and info == extra
    ]


def analyse_block(block, events, frequency):
    times = press_times_ms(block, events, frequency)
    if len(times) < 2:
        return BlockResult(block, len(times), None, None, None, None, None)
    periods = [later - earlier for earlier, later in zip(times, times[1:])]
    errors = [abs(period - block.delay_ms) for period in periods]
    # How far the last click lands from where the promised period would have put it.
    drift = (times[-1] - times[0]) - (len(times) - 1) * block.delay_ms
    return BlockResult(block, len(times), statistics.fmean(periods), percentile(errors, 0.50),
                       percentile(errors, 0.99), max(errors), drift)


def cadence_goals(results):
    """(goal, met, detail) rows for the cadence goals, judged at D >= GOALS_FROM_DELAY_MS.

    A judged block without a cadence (fewer than two clicks) fails every goal it touches."""
    quorvel = [r for r in results if r.block.source == "Quorvel"]
    peer = [r for r in results if r.block.source == "peer"]
    judged = [r for r in quorvel if r.block.delay_ms >= GOALS_FROM_DELAY_MS]
    goals = []

    # Rounded, so that an offset exactly at the limit is not lost to floating point.
    offsets = [math.inf if r.mean_offset_ms is None else round(abs(r.mean_offset_ms), 6)
               for r in judged]
    goals.append((f"Quorvel mean period within {MEAN_GOAL_MS:g} ms of D at D >= "
                  f"{GOALS_FROM_DELAY_MS} ms", bool(judged) and max(offsets) <= MEAN_GOAL_MS,
                  f"worst block {format_offset_ms(max(offsets, default=None))} ms off"))

    worst = worst_p99(judged)
    goals.append((f"Quorvel p99 error <= {P99_GOAL_MS:g} ms at D >= {GOALS_FROM_DELAY_MS} ms",
                  bool(judged) and worst <= P99_GOAL_MS, f"worst block {format_ms(worst)} ms"))

    lost = sum(r.lost for r in quorvel)
    extra = sum(r.surplus for r in quorvel)
    goals.append(("Quorvel loses no click and adds none", bool(quorvel) and lost == extra == 0,
                  f"{lost} lost, {extra} surplus"))

    behind = []
    for delay in sorted({r.block.delay_ms for r in judged}, reverse=True):
        ours = [r for r in judged if r.block.delay_ms == delay]
        theirs = [r for r in peer if r.block.delay_ms == delay]
        if not theirs:
            behind.append(f"D={delay}: no peer block")
            continue
        if sum(r.lost for r in ours) > sum(r.lost for r in theirs):
            behind.append(f"D={delay}: more clicks lost")
        ours_p99 = worst_p99(ours)
        theirs_p99 = worst_p99(theirs)
        if ours_p99 > theirs_p99:
            behind.append(f"D={delay}: p99 {format_ms(ours_p99)} > {format_ms(theirs_p99)} ms")
    goals.append((f"Quorvel never worse than the peer at D >= {GOALS_FROM_DELAY_MS} ms (worst "
                  "block p99, losses, per D)", bool(judged) and not behind,
                  "; ".join(behind) or "as good or better at every D"))
    return goals


def below_timer_minimum(results):
    """One sentence per short delay, where no goal is set: what the blocks there delivered."""
    lines = []
    for delay in sorted({r.block.delay_ms for r in results
                         if r.block.delay_ms < GOALS_FROM_DELAY_MS}, reverse=True):
        parts = []
        for source in ("Quorvel", "peer"):
            blocks = [r for r in results if r.block.source == source and r.block.delay_ms == delay]
            means = ", ".join(format_ms(r.mean_period_ms) for r in blocks)
            parts.append(f"{source} mean period {means} ms, worst p99 error "
                         f"{format_ms(worst_p99(blocks))} ms")
        lines.append(f"At D = {delay} ms, below what a window timer can keep: "
                     + "; ".join(parts) + ".")
    return lines


def worst_p99(results):
    """A block without periods counts as infinitely bad: it delivered no cadence at all."""
    return max((math.inf if r.error_p99_ms is None else r.error_p99_ms for r in results),
               default=math.inf)


def cpu_percent(ticks, facts):
    return 100.0 * ticks / float(facts["clock_ticks_per_second"]) / float(facts["idle_seconds"])


def resident_after_clicks(facts):
    """{clicks: (KB, clicks received when it was read)} from the "quorvel_rss_after_<clicks>_kb"
    and "quorvel_clicks_at_<clicks>" facts; a missing count counts as none received."""
    prefix, suffix = "quorvel_rss_after_", "_kb"
    readings = {}
    for name, value in facts.items():
        if name.startswith(prefix) and name.endswith(suffix):
            clicks = int(name[len(prefix):-len(suffix)])
            readings[clicks] = (int(value), int(facts.get(f"quorvel_clicks_at_{clicks}", 0)))
    return readings


def median_or_inf(launches):
    times = [t for t in launches if t is not None]
    return statistics.median(times) if times else math.inf


def footprint_rows_and_goals(facts, launch_quorvel, launch_control):
    quorvel_cpu = cpu_percent(int(facts["quorvel_idle_cpu_ticks"]), facts)
    control_cpu = cpu_percent(int(facts["control_idle_cpu_ticks"]), facts)
    rss_start = int(facts["quorvel_rss_start_kb"])
    control_rss_start = int(facts["control_rss_start_kb"])
    control_rss_end = int(facts["control_rss_end_kb"])
    rss_after = resident_after_clicks(facts)
    warm, last = min(rss_after), max(rss_after)
    unreached = [clicks for clicks, (_, received) in rss_after.items() if received < clicks]
    quorvel_launch = median_or_inf(launch_quorvel)
    control_launch = median_or_inf(launch_control)
    timeouts = launch_quorvel.count(None) + launch_control.count(None)

    rows = [(f"idle CPU over {facts['idle_seconds']} s, % of a core", f"{quorvel_cpu:.3f}",
             f"{control_cpu:.3f}"),
            ("resident memory after start, KB", str(rss_start), str(control_rss_start))]
    for clicks, (kb, received) in sorted(rss_after.items()):
        ours = str(kb) if received >= clicks else f"{kb} (only {received:,} clicks received)"
        rows.append((f"resident memory after {clicks:,} clicks, KB", ours,
                     str(control_rss_end) if clicks == last else ""))
    rows.append((f"launch to visible window, median of {len(launch_quorvel)} / "
                 f"{len(launch_control)} ({timeouts} timed out), ms", format_ms(quorvel_launch),
                 format_ms(control_launch)))

    # Rounded, so that a difference exactly at the limit is not lost to floating point.
    cpu_difference = round(quorvel_cpu - control_cpu, 6)
    growth = rss_after[last][0] - rss_after[warm][0]
    launch_difference = quorvel_launch - control_launch
    x86_size = int(facts["size_x86_Quorvel.exe"])
    goals = [
        (f"idle CPU within {IDLE_CPU_GOAL_PERCENT:g} % of a core of the control",
         cpu_difference <= IDLE_CPU_GOAL_PERCENT, f"difference {cpu_difference:+.3f} %"),
        ("resident memory within 2 MB of the control, after start and at the end",
         rss_start - control_rss_start <= RSS_GOAL_KB
         and rss_after[last][0] - control_rss_end <= RSS_GOAL_KB,
         f"{rss_start - control_rss_start:+d} KB after start, "
         f"{rss_after[last][0] - control_rss_end:+d} KB at the end"),
        (f"no memory growth from {warm:,} to {last:,} clicks "
         f"(tolerance {RSS_GROWTH_TOLERANCE_KB} KB)",
         not unreached and growth <= RSS_GROWTH_TOLERANCE_KB,
         f"{growth:+d} KB; clicks received {facts['footprint_clicks_received']}"
         + (f"; not reached: {', '.join(f'{c:,}' for c in sorted(unreached))}"
            if unreached else "")),
        (f"launch within {LAUNCH_GOAL_MS:g} ms of the control, no launch timed out",
         timeouts == 0 and launch_difference <= LAUNCH_GOAL_MS,
         f"difference {format_ms(launch_difference)} ms, {timeouts} timed out"),
        ("Quorvel.exe x86 at most 600 KB", x86_size <= X86_SIZE_GOAL_BYTES,
         f"{x86_size / 1024:.0f} KB"),
    ]
    return rows, goals


def format_ms(value):
    return "n/a" if value is None or math.isinf(value) else f"{value:.2f}"


def format_offset_ms(value):
    return "n/a" if value is None or math.isinf(value) else f"{value:+.3f}"


def goal_table(goals):
    lines = ["| goal | met | measured |", "|---|---|---|"]
    lines += [f"| {goal} | {'yes' if met else '**no**'} | {detail} |" for goal, met, detail in goals]
    return lines


def render(folder):
    folder = Path(folder)
    facts = read_facts(folder / "facts.txt")
    timer = read_facts(folder / "timer.txt")
    frequency, events = read_recorder(folder / "clicks.txt")
    results = [analyse_block(b, events, frequency) for b in read_blocks(folder / "blocks.txt")]
    rows, footprint_goals = footprint_rows_and_goals(
        facts, read_launches(folder / "launch-quorvel.txt"),
        read_launches(folder / "launch-control.txt"))

    lines = [
        "# Quorvel bench",
        "",
        f"Machine: {facts['nproc']} cores ({facts['cpu_model']}), {facts['wine_version']}, "
        f"Xvfb; load average {facts['load_start']} at the start, {facts['load_end']} at the end "
        f"(the machine is shared). Run of {facts['date']}.",
        "",
        "## Timers under wine",
        "",
        f"Performance counter {int(timer['counter_hz']):,} Hz. A window timer (the kind Quorvel "
        f"uses, on a window of its own) asked for 1 ms fires every "
        f"{timer['timer_1ms_period_p50']} ms (p50; p99 {timer.get('timer_1ms_period_p99', 'n/a')}), "
        f"one asked for 20 ms every {timer['timer_20ms_period_p50']} ms (p99 "
        f"{timer.get('timer_20ms_period_p99', 'n/a')}); Sleep(1) takes {timer['sleep_1ms_p50']} ms "
        "(p50).",
        "",
        "## Cadence",
        "",
        "Left clicks in rectangle mode on a recorder window, hold and double-click pauses 0, so the "
        "promised period is D. The peer is `xdotool click --repeat N --delay D 1`. Error = |period "
        "- D| per period (nearest-rank percentiles); mean - D = the mean period's distance from "
        "the promise; drift = where the last click lands against the first click plus (n - 1) x "
        "D. Each Quorvel block is started with its real shortcut "
        "key (F8, a global hot key) and ends at its count limit; \"started by\" names the press "
        "that started it: `xdotool key F8` or SendInput keyboard events from a wine program (the "
        f"other one is tried only when the first brings no click within 5 s). Key presses that "
        f"failed to reach the system: {facts.get('key_press_failures', 'not counted')}.",
        "",
        "| block | D ms | started by | asked | received | mean period ms | mean - D ms | "
        "p50 err ms | p99 err ms | max err ms | drift ms |",
        "|---|---|---|---|---|---|---|---|---|---|---|",
    ]
    for r in results:
        b = r.block
        lines.append(
            f"| {b.source} | {b.delay_ms} | {b.started_by} | {b.asked} | {r.received} | "
            f"{format_ms(r.mean_period_ms)} | {format_offset_ms(r.mean_offset_ms)} | "
            f"{format_ms(r.error_p50_ms)} | {format_ms(r.error_p99_ms)} | "
            f"{format_ms(r.error_max_ms)} | {format_ms(r.drift_ms)} |")
    lines += ["", *goal_table(cadence_goals(results)), "", *below_timer_minimum(results), "",
              "## Footprint", "",
              "Against an empty Win32 window built with the same toolchain, both running at once. "
              "CPU and resident memory (VmRSS) are read from /proc for the wine process of each "
              "program; the wineserver's share is not included.", "",
              "| measure | Quorvel | control |", "|---|---|---|"]
    lines += [f"| {name} | {ours} | {theirs} |" for name, ours, theirs in rows]
    lines += ["", "| executable | x64 bytes | x86 bytes | x86 stripped bytes |", "|---|---|---|---|"]
    for exe in ("Quorvel.exe", "Areapick.exe"):
        lines.append(f"| {exe} | {int(facts['size_x64_' + exe]):,} | "
                     f"{int(facts['size_x86_' + exe]):,} | "
                     f"{int(facts['stripped_size_x86_' + exe]):,} |")
    lines += ["", *goal_table(footprint_goals), ""]
    return "\n".join(lines)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: report.py <measurement folder>")
    report = render(sys.argv[1])
    (Path(sys.argv[1]) / "report.md").write_text(report)
    print(report)


if __name__ == "__main__":
    main()
