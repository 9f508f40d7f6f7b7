"""Turns the raw measurements that scripts/bench collects into one Markdown report.

    python3 bench/report.py <measurement folder>

The folder holds: clicks.txt (the cadence recorder's output), blocks.txt (one line per clicking
block: source, delay, clicks asked, first and last recorder line, how it was started, and for
Quorvel the CPU ticks of its process, the microseconds they were taken over and the executable
of the process they were read from), facts.txt ("name value" lines: machine, the 1 ms run's stop,
footprint with the executable of each process read, sizes), timer.txt (the timer
probe's output), answers.txt (the answer probe's milliseconds per message, or "timeout") and
launch-<program>.txt for quorvel, control-window and control-dialog (milliseconds per launch, or
"timeout"). The report is printed and written to report.md in the same folder.
"""

import math
import statistics
import sys
from dataclasses import dataclass
from pathlib import Path

WM_LBUTTONDOWN = 0x201
# The extra information that tells the click sources apart in the recorder. Quorvel-coarse is
# Quorvel on the path of Windows without a high-resolution timer; the floor is the bench's own
# clicker that only spins to each due time.
EXTRA_INFO = {"Quorvel": 786, "Quorvel-coarse": 786, "peer": 0, "floor": 787}

# Quorvel's p99 error may exceed the floor's by this much.
P99_OVER_FLOOR_GOAL_MS = 0.5
# As fast as it can (D = 0): faster than its own 1 ms runs, and at least this share of the
# floor's rate.
FASTEST_SHARE_OF_FLOOR = 0.25
# The mean period's distance from D: a fixed bound from MEAN_GOAL_FROM_DELAY_MS up, a share of D
# below.
MEAN_GOAL_MS = 0.05
MEAN_GOAL_FROM_DELAY_MS = 20
MEAN_GOAL_SHARE = 0.01
RUN_CPU_GOAL_PERCENT = 1.0
RUN_CPU_GOAL_DELAY_MS = 100
STOP_GOAL_MS = 2.0
ANSWER_GOAL_MS = 50.0
IDLE_CPU_GOAL_PERCENT = 0.1
RSS_GOAL_KB = 2048
# Resident memory moves by whole pages; a few pages of wine's own bookkeeping are not growth.
RSS_GROWTH_TOLERANCE_KB = 64
LAUNCH_GOAL_MS = 50.0
X86_SIZE_GOAL_BYTES = 600 * 1024

# The executable of each program whose CPU and memory the bench reads from /proc. A figure read
# from any other process, such as the start.exe that /usr/bin/wine may run a 64-bit program
# through, says nothing about the program and is refused.
EXECUTABLES = {"quorvel": "Quorvel.exe", "control_window": "control_window.exe",
               "control_dialog": "control_dialog.exe"}


def refusal(process, program):
    """Why a figure read from the process running `process` is not the program's; None if it is."""
    expected = EXECUTABLES[program]
    return None if process == expected else (
        f"refused: read from {process or 'no process'}, not {expected}")


@dataclass
class Block:
    source: str
    delay_ms: int
    asked: int
    first_line: int  # recorder lines after first_line and up to last_line belong to the block
    last_line: int
    started_by: str
    cpu_ticks: int | None = None  # Quorvel's, from the start press to the block's last click
    elapsed_us: int | None = None
    process: str | None = None  # the executable of the process the ticks were read from
    steal_percent: float | None = None  # of the machine's time, taken by the host's other guests


@dataclass
class BlockResult:
    block: Block
    received: int
    mean_period_ms: float | None
    error_p50_ms: float | None
    error_p99_ms: float | None
    error_max_ms: float | None
    drift_ms: float | None
    queue_wait_max_ms: int | None = None  # the longest a press waited in the input queue

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
    """Returns the counter frequency and (line number, counter, message, extra info, milliseconds
    in the input queue) rows."""
    frequency = None
    events = []
    for number, line in enumerate(Path(path).read_text().splitlines(), start=1):
        fields = line.split()
        if fields[:1] == ["frequency"]:
            frequency = int(fields[1])
        elif len(fields) == 4:
            events.append((number, *(int(field) for field in fields)))
    if frequency is None:
        raise ValueError(f"{path}: the recorder never reported its counter frequency")
    return frequency, events


def read_blocks(path):
    blocks = []
    for line in Path(path).read_text().splitlines():
        source, delay, asked, first, last, started_by, steal, *cpu = line.split()
        ticks_and_time = (int(value) for value in cpu[:2])
        blocks.append(Block(source, int(delay), int(asked), int(first), int(last), started_by,
                            *ticks_and_time, *cpu[2:], steal_percent=float(steal)))
    return blocks


def read_facts(path):
    facts = {}
    for line in Path(path).read_text().splitlines():
        name, _, value = line.partition(" ")
        facts[name] = value.strip()
    return facts


def read_times(path):
    """Milliseconds per launch or message; None for one that timed out. A missing file, from a
    program that never ran, holds none."""
    path = Path(path)
    words = path.read_text().split() if path.exists() else []
    return [None if word == "timeout" else float(word) for word in words]


def block_presses(block, events, frequency):
    """(arrival in milliseconds, milliseconds in the input queue) of the block's button presses
    from its own source."""
    extra = EXTRA_INFO[block.source]
    return [
        (1000.0 * counter / frequency, wait)
        for number, counter, message, info, wait in events
        if block.first_line < number <= block.last_line
        and message == WM_LBUTTONDOWN
        and info == extra
    ]


def analyse_block(block, events, frequency):
    presses = block_presses(block, events, frequency)
    times = [time for time, _ in presses]
    if len(times) < 2:
        return BlockResult(block, len(times), None, None, None, None, None)
    periods = [later - earlier for earlier, later in zip(times, times[1:])]
    errors = [abs(period - block.delay_ms) for period in periods]
    # How far the last click lands from where the promised period would have put it.
    drift = (times[-1] - times[0]) - (len(times) - 1) * block.delay_ms
    return BlockResult(block, len(times), statistics.fmean(periods), percentile(errors, 0.50),
                       percentile(errors, 0.99), max(errors), drift,
                       max(wait for _, wait in presses))


def mean_goal_ms(delay_ms):
    return MEAN_GOAL_MS if delay_ms >= MEAN_GOAL_FROM_DELAY_MS else MEAN_GOAL_SHARE * delay_ms


def cadence_goals(results):
    """(goal, met, detail) rows for the cadence goals, judged at every D.

    A block without a cadence (fewer than two clicks) fails every goal it touches. Blocks at
    D = 0 have goals of their own."""
    quorvel = [r for r in results if r.block.source == "Quorvel" and r.block.delay_ms > 0]
    peer = [r for r in results if r.block.source == "peer"]
    floor = [r for r in results if r.block.source == "floor"]
    goals = []

    # Each block against its own bound; rounded, so that an offset exactly at the bound is not
    # lost to floating point.
    def share_of_bound(r):
        if r.mean_offset_ms is None:
            return math.inf
        return round(abs(r.mean_offset_ms), 6) / mean_goal_ms(r.block.delay_ms)

    worst = max(quorvel, key=share_of_bound, default=None)
    goals.append((f"Quorvel mean period within {MEAN_GOAL_SHARE * 100:g} % of D, and within "
                  f"{MEAN_GOAL_MS:g} ms from D = {MEAN_GOAL_FROM_DELAY_MS} ms up",
                  worst is not None and share_of_bound(worst) <= 1,
                  "no block" if worst is None else
                  f"worst block D={worst.block.delay_ms}: "
                  f"{format_offset_ms(worst.mean_offset_ms)} ms off "
                  f"(bound {mean_goal_ms(worst.block.delay_ms):g})"))

    over_floor = []
    for delay in sorted({r.block.delay_ms for r in quorvel}, reverse=True):
        ours = worst_p99([r for r in quorvel if r.block.delay_ms == delay])
        floors = [r for r in floor if r.block.delay_ms == delay]
        if not floors:
            over_floor.append(f"D={delay}: no floor block")
        elif round(ours - worst_p99(floors), 6) > P99_OVER_FLOOR_GOAL_MS:
            over_floor.append(f"D={delay}: {format_ms(ours)} against the floor's "
                              f"{format_ms(worst_p99(floors))} ms")
    goals.append((f"Quorvel p99 error at most the floor's + {P99_OVER_FLOOR_GOAL_MS:g} ms at "
                  "every D (worst block of each)", bool(quorvel) and not over_floor,
                  "; ".join(over_floor) or "within at every D"))

    lost = sum(r.lost for r in quorvel)
    extra = sum(r.surplus for r in quorvel)
    goals.append(("Quorvel loses no click and adds none", bool(quorvel) and lost == extra == 0,
                  f"{lost} lost, {extra} surplus"))

    behind = []
    for delay in sorted({r.block.delay_ms for r in quorvel}, reverse=True):
        ours = [r for r in quorvel if r.block.delay_ms == delay]
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
    goals.append(("Quorvel never worse than the peer at any D (worst block p99, losses, per D)",
                  bool(quorvel) and not behind,
                  "; ".join(behind) or "as good or better at every D"))
    return goals


def clicks_per_second(result):
    """The rate of a block: its clicks after the first over the time they took."""
    if result.mean_period_ms is None or result.mean_period_ms <= 0:
        return None
    return 1000.0 / result.mean_period_ms


def fastest_rows_and_goals(results):
    """(source, started by, received, clicks per second, steal) rows of the D = 0 blocks, and
    their goals against Quorvel's own 1 ms runs and the floor."""
    fastest = [r for r in results if r.block.delay_ms == 0 and r.block.source != "Quorvel-coarse"]
    rows = [(r.block.source, r.block.started_by, r.received, clicks_per_second(r),
             format_steal(r.block)) for r in fastest]

    def rates(source, delay):
        """A block without a rate counts as clicking not at all."""
        return [clicks_per_second(r) or 0.0 for r in results
                if r.block.source == source and r.block.delay_ms == delay]

    ours = min(rates("Quorvel", 0), default=None)
    own_1ms = max(rates("Quorvel", 1), default=None)
    floor = max(rates("floor", 0), default=None)
    goals = [
        ("as fast as it can, Quorvel clicks faster than in its own 1 ms runs",
         ours is not None and own_1ms is not None and ours > own_1ms,
         f"slowest block {format_ms(ours)} against {format_ms(own_1ms)} clicks/s"),
        (f"as fast as it can, Quorvel reaches {FASTEST_SHARE_OF_FLOOR:g} of the floor's rate",
         ours is not None and bool(floor) and ours >= FASTEST_SHARE_OF_FLOOR * floor,
         f"{format_ms(ours)} against {format_ms(floor)} clicks/s"),
    ]
    return rows, goals


def worst_p99(results):
    """A block without periods counts as infinitely bad: it delivered no cadence at all."""
    return max((math.inf if r.error_p99_ms is None else r.error_p99_ms for r in results),
               default=math.inf)


def cpu_percent(ticks, seconds, ticks_per_second):
    return 100.0 * ticks / ticks_per_second / seconds


def block_refusal(block):
    """Why the block's CPU reading is refused; None for a sound reading or none at all."""
    # The floor reports its own CPU time, from inside its process.
    if block.cpu_ticks is None or block.source == "floor":
        return None
    return refusal(block.process, "quorvel")


def block_cpu_percent(block, ticks_per_second):
    """None for a block whose CPU was not read (the peer's), whose reading is refused, or that
    took no time."""
    if block.cpu_ticks is None or block_refusal(block) or not block.elapsed_us:
        return None
    return cpu_percent(block.cpu_ticks, block.elapsed_us / 1e6, ticks_per_second)


def run_cpu_goal(results, ticks_per_second):
    """The worst Quorvel block at RUN_CPU_GOAL_DELAY_MS; one without a sound reading fails."""
    blocks = [r.block for r in results
              if r.block.source == "Quorvel" and r.block.delay_ms == RUN_CPU_GOAL_DELAY_MS]
    readings = [block_cpu_percent(b, ticks_per_second) for b in blocks]
    worst = max((math.inf if c is None else c for c in readings), default=math.inf)
    refusals = [block_refusal(b) for b in blocks if block_refusal(b)]
    # Rounded, so that a reading exactly at the limit is not lost to floating point.
    return (f"Quorvel CPU during a run at D = {RUN_CPU_GOAL_DELAY_MS} ms within "
            f"{RUN_CPU_GOAL_PERCENT:g} % of a core", round(worst, 6) <= RUN_CPU_GOAL_PERCENT,
            f"{len(refusals)} of {len(blocks)} blocks {refusals[0]}" if refusals else
            f"worst block {format_ms(worst)} %")


@dataclass
class StopRun:
    """The 1 ms run until stopped: its cadence, its CPU and how its stop went."""
    cadence: BlockResult
    cpu_percent: float | None  # None when refused
    # A click is sent when it enters the input queue: its arrival less the time it waited there,
    # which the recorder knows to the millisecond. Clicks sent before the press may still arrive
    # after it. The last is None without a click after the press, both are None without a press
    # stamp.
    last_click_sent_after_press_ms: float | None
    clicks_sent_after_press: int | None
    last_click_arrived_after_press_ms: float | None = None
    clicks_arrived_after_press: int | None = None
    cpu_refusal: str | None = None


def analyse_stop_run(facts, events, frequency):
    first, last = (int(word) for word in facts["stop_run_lines"].split())
    block = Block("Quorvel", 1, 0, first, last, facts["stop_run_started_by"])
    presses = block_presses(block, events, frequency)
    pressed = facts["stop_pressed_at"]
    pressed_ms = 1000.0 * int(pressed) / frequency if pressed.isdigit() else None

    def after_press(times):
        if pressed_ms is None:
            return None, None
        later = [t - pressed_ms for t in times if t > pressed_ms]
        return max(later, default=None), len(later)

    cpu_refusal = refusal(facts.get("stop_run_process"), "quorvel")
    cpu = None if cpu_refusal else cpu_percent(
        int(facts["stop_run_cpu_ticks"]), int(facts["stop_run_elapsed_us"]) / 1e6,
        float(facts["clock_ticks_per_second"]))
    return StopRun(analyse_block(block, events, frequency), cpu,
                   *after_press([time - wait for time, wait in presses]),
                   *after_press([time for time, _ in presses]), cpu_refusal)


def stop_run_goals(stop, answers):
    answered = [t for t in answers if t is not None]
    timeouts = answers.count(None)
    slowest = max(answered, default=math.inf)
    # Rounded, so that a time exactly at the limit is not lost to floating point.
    after = stop.last_click_sent_after_press_ms or 0.0
    return [
        (f"a stop at D = 1 ms: no click sent later than {STOP_GOAL_MS:g} ms after the press",
         stop.clicks_sent_after_press is not None and round(after, 6) <= STOP_GOAL_MS,
         f"{format_count(stop.clicks_sent_after_press)} clicks sent after the press, the last "
         f"{format_offset_ms(stop.last_click_sent_after_press_ms)} ms from it"),
        (f"during a 1 ms run the window answers a message within {ANSWER_GOAL_MS:g} ms",
         bool(answered) and timeouts == 0 and round(slowest, 6) <= ANSWER_GOAL_MS,
         f"slowest answer {format_ms(slowest)} ms of {len(answers)}, {timeouts} timed out"),
    ]


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


# The footprint's controls, in the report's order; the goals are judged against the last one,
# which loads the system libraries that Quorvel loads.
CONTROLS = {"control_window": "empty window", "control_dialog": "dialog"}
JUDGED_CONTROL = "control_dialog"
PROGRAMS = ("quorvel", *CONTROLS)


def footprint_rows_and_goals(facts, launches):
    """Rows of (measure, Quorvel, each control, Quorvel minus each control) and the goals.
    launches maps each of PROGRAMS to its launch times."""
    ticks_per_second = float(facts["clock_ticks_per_second"])
    idle_seconds = float(facts["idle_seconds"])
    cpu = {p: cpu_percent(int(facts[f"{p}_idle_cpu_ticks"]), idle_seconds, ticks_per_second)
           for p in PROGRAMS}
    start_kb = {p: int(facts[f"{p}_rss_start_kb"]) for p in PROGRAMS}
    rss_after = resident_after_clicks(facts)
    warm, last = min(rss_after), max(rss_after)
    end_kb = {"quorvel": rss_after[last][0], **{c: int(facts[f"{c}_rss_end_kb"]) for c in CONTROLS}}
    unreached = [clicks for clicks, (_, received) in rss_after.items() if received < clicks]
    launch = {p: median_or_inf(launches[p]) for p in PROGRAMS}
    timeouts = {p: launches[p].count(None) for p in PROGRAMS}
    # CPU and memory come from /proc; the launch times from the launcher, which knows its child.
    refused = {p: refusal(facts.get(f"{p}_process"), p) for p in PROGRAMS}

    def row(measure, values, shown, difference, from_proc=True):
        def cell(p):
            return refused[p] if from_proc and refused[p] else shown(values[p])

        def versus(c):
            if from_proc and (refused["quorvel"] or refused[c]):
                return "refused"
            return difference(values["quorvel"] - values[c])

        return (measure, *(cell(p) for p in PROGRAMS), *(versus(c) for c in CONTROLS))

    def judged(met, detail, *programs):
        """A goal on figures from /proc: not met while a figure it rests on is refused."""
        refusals = [f"{p} {refused[p]}" for p in programs if refused[p]]
        return (met and not refusals, "; ".join(refusals) or detail)

    kb = (str, "{:+d}".format)
    rows = [row(f"idle CPU over {facts['idle_seconds']} s, % of a core", cpu, "{:.3f}".format,
                "{:+.3f}".format),
            row("resident memory after start, KB", start_kb, *kb)]
    for clicks, (reading, received) in sorted(rss_after.items()):
        ours = refused["quorvel"] or (str(reading) if received >= clicks else (
            f"{reading} (only {received:,} clicks received)"))
        measure = f"resident memory after {clicks:,} clicks, KB"
        if clicks == last:
            # The controls' readings at the end stand beside the last milestone's.
            _, _, *cells = row(measure, end_kb, *kb)
            rows.append((measure, ours, *cells))
        else:
            rows.append((measure, ours, *[""] * (2 * len(CONTROLS))))
    rows.append(row(f"launch to visible window, median of {len(launches['quorvel'])} each "
                    f"(timed out: {' / '.join(str(timeouts[p]) for p in PROGRAMS)}), ms", launch,
                    format_ms, format_offset_ms, from_proc=False))

    control = CONTROLS[JUDGED_CONTROL]
    # Rounded, so that a difference exactly at the limit is not lost to floating point.
    cpu_difference = round(cpu["quorvel"] - cpu[JUDGED_CONTROL], 6)
    start_difference = start_kb["quorvel"] - start_kb[JUDGED_CONTROL]
    end_difference = end_kb["quorvel"] - end_kb[JUDGED_CONTROL]
    growth = rss_after[last][0] - rss_after[warm][0]
    launch_difference = launch["quorvel"] - launch[JUDGED_CONTROL]
    launch_timeouts = timeouts["quorvel"] + timeouts[JUDGED_CONTROL]
    x86_size = int(facts["size_x86_Quorvel.exe"])
    goals = [
        (f"idle CPU within {IDLE_CPU_GOAL_PERCENT:g} % of a core of the {control}",
         *judged(cpu_difference <= IDLE_CPU_GOAL_PERCENT, f"difference {cpu_difference:+.3f} %",
                 "quorvel", JUDGED_CONTROL)),
        (f"resident memory within 2 MB of the {control}, after start and at the end",
         *judged(start_difference <= RSS_GOAL_KB and end_difference <= RSS_GOAL_KB,
                 f"{start_difference:+d} KB after start, {end_difference:+d} KB at the end",
                 "quorvel", JUDGED_CONTROL)),
        (f"no memory growth from {warm:,} to {last:,} clicks "
         f"(tolerance {RSS_GROWTH_TOLERANCE_KB} KB)",
         *judged(not unreached and growth <= RSS_GROWTH_TOLERANCE_KB,
                 f"{growth:+d} KB; clicks received {facts['footprint_clicks_received']}"
                 + (f"; not reached: {', '.join(f'{c:,}' for c in sorted(unreached))}"
                    if unreached else ""), "quorvel")),
        (f"launch within {LAUNCH_GOAL_MS:g} ms of the {control}, no launch of either timed out",
         launch_timeouts == 0 and launch_difference <= LAUNCH_GOAL_MS,
         f"difference {format_ms(launch_difference)} ms, {launch_timeouts} timed out"),
        ("Quorvel.exe x86 at most 600 KB", x86_size <= X86_SIZE_GOAL_BYTES,
         f"{x86_size / 1024:.0f} KB"),
    ]
    return rows, goals


def format_ms(value):
    return "n/a" if value is None or not math.isfinite(value) else f"{value:.2f}"


def format_count(value):
    return "n/a" if value is None else str(value)


def format_steal(block):
    return "n/a" if block.steal_percent is None else f"{block.steal_percent:.1f}"


def format_offset_ms(value):
    return "n/a" if value is None or not math.isfinite(value) else f"{value:+.3f}"


def goal_table(goals):
    lines = ["| goal | met | measured |", "|---|---|---|"]
    lines += [f"| {goal} | {'yes' if met else '**no**'} | {detail} |" for goal, met, detail in goals]
    return lines


def cadence_section(results, facts):
    ticks_per_second = float(facts["clock_ticks_per_second"])
    lines = [
        "## Cadence",
        "",
        "Left clicks in a 1x1 rectangle at the centre of a recorder window, where the peer "
        "clicks too; hold and double-click pauses 0, so the promised period is D. The peer is `xdotool click --repeat N --delay D 1`. Error = |period "
        "- D| per period (nearest-rank percentiles); mean - D = the mean period's distance from "
        "the promise; drift = where the last click lands against the first click plus (n - 1) x "
        "D. Each Quorvel block is started with its real shortcut "
        "key (F8, a global hot key) and ends at its count limit; \"started by\" names the press "
        "that started it: `xdotool key F8` or SendInput keyboard events from a wine program (the "
        "other one is tried only when the first brings no click within 5 s). CPU = the CPU time "
        "of Quorvel's own wine process (/proc, without the wineserver's share) from just before "
        "the start press to the block's last click, over that time; a reading from another "
        "process is refused. Queue wait = the longest a press "
        "spent between going into the input queue (its message time) and reaching the recorder, "
        "to the millisecond: times of arrival are the clicks' times only while it stays small. "
        "Steal = the share of the machine's time that its host gave to other guests during the "
        "block (/proc/stat): a block with much of it measures the host more than the clicker. "
        "Key presses that failed to reach "
        f"the system: {facts.get('key_press_failures', 'not counted')}.",
        "",
        "The floor is a clicker of the bench's own that spins on the performance counter to each "
        "due time and sends the press and release in one SendInput call, nothing else: what "
        "wine's input path allows. It reports its own CPU time. Quorvel-coarse is Quorvel on the "
        "path of Windows without a high-resolution waitable timer (whole-millisecond sleeps at "
        "1 ms timer resolution).",
        "",
        "![Cadence error per D](cadence.png)",
        "",
        "| block | D ms | started by | asked | received | mean period ms | mean - D ms | "
        "p50 err ms | p99 err ms | max err ms | drift ms | queue wait ms | CPU % of a core | "
        "steal % |",
        "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|",
    ]
    for r in results:
        if r.block.delay_ms == 0:
            continue
        b = r.block
        cpu = block_cpu_percent(b, ticks_per_second)
        lines.append(
            f"| {b.source} | {b.delay_ms} | {b.started_by} | {b.asked} | {r.received} | "
            f"{format_ms(r.mean_period_ms)} | {format_offset_ms(r.mean_offset_ms)} | "
            f"{format_ms(r.error_p50_ms)} | {format_ms(r.error_p99_ms)} | "
            f"{format_ms(r.error_max_ms)} | {format_ms(r.drift_ms)} | "
            f"{'n/a' if r.queue_wait_max_ms is None else r.queue_wait_max_ms} | "
            f"{'' if b.cpu_ticks is None else block_refusal(b) or format_ms(cpu)} | "
            f"{format_steal(b)} |")
    goals = [*cadence_goals(results), run_cpu_goal(results, ticks_per_second)]
    rows, fastest_goals = fastest_rows_and_goals(results)
    fastest = [
        "### As fast as each can (D = 0)",
        "",
        "| block | started by | received | clicks per second | steal % |",
        "|---|---|---|---|---|",
        *(f"| {source} | {started_by} | {received} | {format_ms(rate)} | {steal} |"
          for source, started_by, received, rate, steal in rows),
    ]
    return [*lines, "", *goal_table(goals), "", *fastest, "", *goal_table(fastest_goals), ""]


def draw_cadence(results, path):
    """The p50 and p99 error per D of each source, as a PNG; False where matplotlib is missing."""
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return False
    figure, axes = plt.subplots(figsize=(7, 4), dpi=100)
    for source, colour in (("Quorvel", "tab:blue"), ("floor", "tab:green"), ("peer", "tab:red"),
                           ("Quorvel-coarse", "tab:purple")):
        ours = [r for r in results if r.block.source == source and r.block.delay_ms > 0
                and r.error_p99_ms is not None]
        if not ours:
            continue
        delays = sorted({r.block.delay_ms for r in ours})
        for fraction, style in ((0.99, "-"), (0.50, ":")):
            values = [max(r.error_p99_ms if fraction == 0.99 else r.error_p50_ms
                          for r in ours if r.block.delay_ms == d) for d in delays]
            axes.plot(delays, values, style, marker="o", color=colour,
                      label=f"{source} p{int(fraction * 100)}")
    axes.set_xscale("log")
    axes.set_xlabel("D, ms")
    axes.set_ylabel("error of a period, ms (worst block)")
    axes.set_title("Cadence under wine: Quorvel, the floor and the peer")
    axes.grid(True, which="both", alpha=0.3)
    axes.legend(fontsize="small", ncol=2)
    figure.tight_layout()
    figure.savefig(path)
    plt.close(figure)
    return True


def stop_run_section(stop, answers):
    answered = [t for t in answers if t is not None]
    cadence = stop.cadence

    def summary(fraction):
        return format_ms(percentile(answered, fraction)) if answered else "n/a"

    lines = [
        "## A 1 ms run until stopped",
        "",
        "Quorvel clicks every 1 ms until stopped, started as above "
        f"({cadence.block.started_by}). Meanwhile `answer_probe` sends its main window WM_NULL "
        "with SendMessageTimeoutA (a second's time-out) every 15 ms for 10 s; then the run is "
        "stopped with the shortcut key, pressed through SendInput by a wine program that reads "
        "the performance counter just before the press (one clock for every wine process, the "
        "recorder's too). CPU as in the cadence table, from just before the start press to "
        "just after the stop press.",
        "",
        "| measure | value |",
        "|---|---|",
        f"| clicks received | {cadence.received} |",
        f"| mean period / p99 error, ms | {format_ms(cadence.mean_period_ms)} / "
        f"{format_ms(cadence.error_p99_ms)} |",
        f"| CPU, % of a core | {stop.cpu_refusal or f'{stop.cpu_percent:.2f}'} |",
        f"| answers: p50 / p99 / max, ms | {summary(0.50)} / {summary(0.99)} / {summary(1.0)} |",
        f"| messages sent / timed out | {len(answers)} / {answers.count(None)} |",
        f"| clicks sent after the stop press / the last, ms from it | "
        f"{format_count(stop.clicks_sent_after_press)} / "
        f"{format_offset_ms(stop.last_click_sent_after_press_ms)} |",
        f"| clicks that arrived after the stop press / the last, ms from it | "
        f"{format_count(stop.clicks_arrived_after_press)} / "
        f"{format_offset_ms(stop.last_click_arrived_after_press_ms)} |",
    ]
    return [*lines, "", *goal_table(stop_run_goals(stop, answers)), ""]


def footprint_section(facts, launches):
    rows, goals = footprint_rows_and_goals(facts, launches)
    names = list(CONTROLS.values())
    lines = [
        "## Footprint",
        "",
        "Against two controls built with the same toolchain, all three running at once: an empty "
        "Win32 window, and a dialog from a template that loads what Quorvel loads from the "
        "system (common controls 6 through its manifest, the DLLs that Quorvel.exe imports, winmm "
        "from the system folder). The goals are judged against the dialog. CPU and resident "
        "memory (VmRSS) are read from /proc for the wine process of each program, found by its "
        "executable's name among the prefix's processes (a figure from another process is "
        "refused); the wineserver's share is not included.",
        "",
        f"| measure | Quorvel | {' | '.join(names)} | "
        f"{' | '.join(f'Quorvel - {name}' for name in names)} |",
        "|---|---|" + "---|" * (2 * len(names)),
        *(f"| {' | '.join(row)} |" for row in rows),
        "",
        "| executable | x64 bytes | x86 bytes | x86 stripped bytes |",
        "|---|---|---|---|",
    ]
    for exe in ("Quorvel.exe", "Areapick.exe"):
        lines.append(f"| {exe} | {int(facts['size_x64_' + exe]):,} | "
                     f"{int(facts['size_x86_' + exe]):,} | "
                     f"{int(facts['stripped_size_x86_' + exe]):,} |")
    return [*lines, "", *goal_table(goals), ""]


def render(folder):
    folder = Path(folder)
    facts = read_facts(folder / "facts.txt")
    timer = read_facts(folder / "timer.txt")
    frequency, events = read_recorder(folder / "clicks.txt")
    results = [analyse_block(b, events, frequency) for b in read_blocks(folder / "blocks.txt")]
    if not draw_cadence(results, folder / "cadence.png"):
        print("report: no matplotlib, so no picture of the cadence", file=sys.stderr)
    stop = analyse_stop_run(facts, events, frequency)
    launches = {p: read_times(folder / f"launch-{p.replace('_', '-')}.txt") for p in PROGRAMS}

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
        "(p50); a high-resolution waitable timer asked for 0.5 ms wakes "
        f"{timer.get('high_resolution_timer_500us_overshoot_p50', 'n/a')} ms late (p50; p99 "
        f"{timer.get('high_resolution_timer_500us_overshoot_p99', 'n/a')}).",
        "",
        *cadence_section(results, facts),
        *stop_run_section(stop, read_times(folder / "answers.txt")),
        *footprint_section(facts, launches),
    ]
    return "\n".join(lines)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: report.py <measurement folder>")
    report = render(sys.argv[1])
    (Path(sys.argv[1]) / "report.md").write_text(report)
    print(report)


if __name__ == "__main__":
    main()
