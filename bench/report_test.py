"""Checks the arithmetic and the verdicts of the bench report on made-up measurements."""

import tempfile
import unittest
from pathlib import Path

import report
from report import (Block, analyse_block, analyse_stop_run, cadence_goals,
                    footprint_rows_and_goals, percentile, run_cpu_goal, stop_run_goals)

FREQUENCY = 10_000_000  # counts per second, as wine's performance counter reports
UP = 0x202


def counter(ms):
    return int(ms * FREQUENCY / 1000)


def presses(times_ms, extra, first_line=2, queue_wait_ms=0):
    """Recorder rows for a press and a release at each time, numbered from first_line."""
    rows = []
    line = first_line
    for ms in times_ms:
        rows.append((line, counter(ms), report.WM_LBUTTONDOWN, extra, queue_wait_ms))
        rows.append((line + 1, counter(ms + 0.1), UP, extra, queue_wait_ms))
        line += 2
    return rows


def block(source, delay, asked, first=1, last=10_000, cpu_ticks=None, elapsed_us=None,
          process="Quorvel.exe"):
    return Block(source, delay, asked, first, last, "test", cpu_ticks, elapsed_us, process)


class ReadRecorderTest(unittest.TestCase):
    def read(self, text):
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / "clicks.txt"
            path.write_bytes(text.encode())
            return report.read_recorder(path)

    def test_rows_keep_their_file_line_numbers_whatever_the_line_ends(self):
        frequency, events = self.read("frequency 1000\r\n5 513 786 0\r\n7 514 786 1\n9 513 0 12\n")
        self.assertEqual(frequency, 1000)
        self.assertEqual(events, [(2, 5, 513, 786, 0), (3, 7, 514, 786, 1), (4, 9, 513, 0, 12)])

    def test_a_recorder_that_never_got_ready_is_an_error(self):
        with self.assertRaises(ValueError):
            self.read("")


class ReadBlocksTest(unittest.TestCase):
    def test_quorvel_blocks_carry_their_cpu_and_the_peer_blocks_none(self):
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / "blocks.txt"
            path.write_text("Quorvel 100 200 5 405 xdotool 0.4 20 20000000 Quorvel.exe\n"
                            "peer 100 200 405 805 xdotool-click 12.5\n"
                            "Quorvel 100 200 805 1205 xdotool 0.0 0 20000000 start.exe\n")
            ours, theirs, wrapper = report.read_blocks(path)
        self.assertEqual((ours.first_line, ours.last_line, ours.started_by), (5, 405, "xdotool"))
        self.assertEqual((ours.steal_percent, theirs.steal_percent), (0.4, 12.5))
        self.assertAlmostEqual(report.block_cpu_percent(ours, 100.0), 1.0)
        self.assertIsNone(report.block_cpu_percent(theirs, 100.0))
        self.assertIsNone(report.block_cpu_percent(wrapper, 100.0))
        self.assertEqual(report.block_refusal(wrapper),
                         "refused: read from start.exe, not Quorvel.exe")


class PercentileTest(unittest.TestCase):
    def test_nearest_rank(self):
        values = list(range(100, 0, -1))
        self.assertEqual(percentile(values, 0.50), 50)
        self.assertEqual(percentile(values, 0.99), 99)
        self.assertEqual(percentile(values, 1.0), 100)
        self.assertEqual(percentile([7.5], 0.99), 7.5)


class AnalyseBlockTest(unittest.TestCase):
    def test_periods_errors_and_drift_of_one_source(self):
        # Periods 20, 21, 19, 23 against 20 promised; releases and the other source are ignored.
        events = (presses([0, 20, 41], 786) + presses([60, 83], 786, 8, queue_wait_ms=3)
                  + presses([5, 6, 7], 0, first_line=20, queue_wait_ms=9))
        result = analyse_block(block("Quorvel", 20, 5), events, FREQUENCY)
        self.assertEqual(result.received, 5)
        self.assertEqual(result.lost, 0)
        self.assertAlmostEqual(result.mean_period_ms, 20.75, places=3)
        self.assertAlmostEqual(result.error_p50_ms, 1.0, places=3)
        self.assertAlmostEqual(result.error_max_ms, 3.0, places=3)
        self.assertAlmostEqual(result.drift_ms, 3.0, places=3)
        self.assertEqual(result.queue_wait_max_ms, 3)

    def test_only_lines_inside_the_block_count(self):
        events = presses([0, 10, 20, 30], 0)  # lines 2..9
        result = analyse_block(block("peer", 10, 4, first=3, last=7), events, FREQUENCY)
        self.assertEqual(result.received, 2)  # the presses on lines 4 and 6
        self.assertEqual(result.lost, 2)

    def test_a_block_with_fewer_than_two_presses_has_no_cadence(self):
        result = analyse_block(block("Quorvel", 50, 200), presses([0], 786), FREQUENCY)
        self.assertEqual((result.received, result.lost), (1, 199))
        self.assertIsNone(result.error_p99_ms)
        self.assertIsNone(result.drift_ms)


def result(source, delay, p99, received=200, asked=200, mean_offset=0.0):
    return report.BlockResult(block(source, delay, asked), received, delay + mean_offset, p99, p99,
                              p99, 0.0)


def verdicts(results):
    return {goal.split(" ")[1]: met for goal, met, _ in cadence_goals(results)}


class CadenceGoalsTest(unittest.TestCase):
    def test_met_when_precise_complete_and_ahead_of_the_peer(self):
        results = [result("Quorvel", 20, 0.5), result("peer", 20, 0.6), result("floor", 20, 0.0),
                   result("Quorvel", 1, 0.9), result("peer", 1, 0.9), result("floor", 1, 0.4)]
        self.assertEqual(verdicts(results),
                         {"mean": True, "p99": True, "loses": True, "never": True})

    def test_every_delay_is_judged_at_its_own_bound(self):
        # 0.05 ms from 20 ms up, 1 % of D below; p99 0.5 ms above the floor's at each D.
        at_limits = [result("Quorvel", 50, 1.0, mean_offset=-0.05), result("floor", 50, 0.5),
                     result("Quorvel", 10, 1.0, mean_offset=0.1), result("floor", 10, 0.5),
                     result("Quorvel", 1, 1.0, mean_offset=-0.01), result("floor", 1, 0.5)]
        self.assertEqual(verdicts(at_limits)["mean"], True)
        self.assertEqual(verdicts(at_limits)["p99"], True)
        for delay, offset in ((20, 0.051), (10, 0.101), (1, 0.011)):
            self.assertFalse(verdicts([result("Quorvel", delay, 0.5, mean_offset=offset)])["mean"])
        self.assertFalse(verdicts([result("Quorvel", 1, 1.01), result("floor", 1, 0.5)])["p99"])
        self.assertFalse(verdicts([result("Quorvel", 1, 0.1)])["p99"], "no floor to judge by")

    def test_a_lost_or_surplus_click_fails_and_a_worse_block_than_the_peer_fails(self):
        results = [result("Quorvel", 50, 0.5, received=199), result("peer", 50, 0.9),
                   result("Quorvel", 2, 0.8), result("peer", 2, 0.7)]
        got = verdicts(results)
        self.assertFalse(got["loses"])
        self.assertFalse(got["never"])
        self.assertFalse(verdicts([result("Quorvel", 50, 1.0, received=201)])["loses"])

    def test_a_block_without_periods_fails_every_goal(self):
        silent = report.BlockResult(block("Quorvel", 5, 200), 0, None, None, None, None, None)
        self.assertEqual(verdicts([silent, result("peer", 5, 40.0)]),
                         {"mean": False, "p99": False, "loses": False, "never": False})


class FastestGoalsTest(unittest.TestCase):
    def rate(self, source, delay, per_second):
        return result(source, delay, 0.0, mean_offset=1000.0 / per_second - delay)

    def test_faster_than_its_own_1_ms_runs_and_a_quarter_of_the_floor(self):
        def verdicts(ours_at_0, ours_at_1, floor_at_0):
            _, goals = report.fastest_rows_and_goals(
                [self.rate("Quorvel", 0, ours_at_0), self.rate("Quorvel", 1, ours_at_1),
                 self.rate("floor", 0, floor_at_0)])
            return [met for _, met, _ in goals]

        self.assertEqual(verdicts(2500, 990, 10000), [True, True])
        self.assertEqual(verdicts(900, 990, 1000), [False, True])
        self.assertEqual(verdicts(2400, 990, 10000), [True, False])


class RunCpuGoalTest(unittest.TestCase):
    def met(self, *ticks, process="Quorvel.exe"):
        # 20 s per block at 100 ticks a second: 20 ticks are 1 % of a core.
        blocks = [block("Quorvel", 100, 200, cpu_ticks=t, elapsed_us=20_000_000, process=process)
                  for t in ticks]
        results = [report.BlockResult(b, 200, 100.0, 0.5, 0.5, 0.5, 0.0) for b in blocks]
        results.append(result("Quorvel", 1, 0.5))  # busier at 1 ms, and not judged
        return run_cpu_goal(results, 100.0)[1]

    def test_the_worst_block_at_100_ms_is_judged_at_one_percent_of_a_core(self):
        self.assertTrue(self.met(20, 3))
        self.assertFalse(self.met(21, 3))
        self.assertFalse(self.met())
        self.assertFalse(self.met(0, 0, process="start.exe"))


class StopRunTest(unittest.TestCase):
    FACTS = {"stop_run_lines": "1 100", "stop_run_started_by": "xdotool",
             "stop_pressed_at": str(counter(10.5)), "stop_run_cpu_ticks": "50",
             "stop_run_elapsed_us": "10000000", "clock_ticks_per_second": "100",
             "stop_run_process": "Quorvel.exe"}

    def test_the_last_click_is_timed_from_the_press_stamp(self):
        # Presses at 0..12 ms on lines 2..27, the last sent at 10 ms; the one on line 102 is past
        # the run. The press is at 10.5 ms.
        events = (presses(range(12), 786) + presses([12], 786, 26, queue_wait_ms=2)
                  + presses([40], 786, first_line=102))
        stop = analyse_stop_run(self.FACTS, events, FREQUENCY)
        self.assertAlmostEqual(stop.last_click_sent_after_press_ms, 0.5, places=3)
        self.assertEqual(stop.clicks_sent_after_press, 1)
        self.assertAlmostEqual(stop.last_click_arrived_after_press_ms, 1.5, places=3)
        self.assertEqual(stop.clicks_arrived_after_press, 2)
        self.assertEqual(stop.cadence.received, 13)
        self.assertAlmostEqual(stop.cpu_percent, 5.0)
        unstamped = analyse_stop_run(dict(self.FACTS, stop_pressed_at="none"), events, FREQUENCY)
        self.assertIsNone(unstamped.clicks_sent_after_press)

    def met(self, after_ms, answers, sent=1):
        stop = report.StopRun(None, 0.0, after_ms, sent)
        return [met for _, met, _ in stop_run_goals(stop, answers)]

    def test_limits_of_the_stop_and_of_the_answers(self):
        self.assertEqual(self.met(2.0, [0.1, 50.0]), [True, True])
        self.assertEqual(self.met(None, [0.1], sent=0), [True, True])
        self.assertEqual(self.met(2.01, [0.1, 50.01]), [False, False])
        self.assertEqual(self.met(None, [0.1, None], sent=None), [False, False])
        self.assertFalse(self.met(-1.0, [])[1])


class FootprintGoalsTest(unittest.TestCase):
    # The empty window is far leaner than the dialog: were it the one judged, every goal but the
    # growth and the size would fail.
    FACTS = {
        "clock_ticks_per_second": "100", "idle_seconds": "60",
        "quorvel_idle_cpu_ticks": "9", "control_dialog_idle_cpu_ticks": "3",
        "control_window_idle_cpu_ticks": "0",
        "quorvel_rss_start_kb": "25000", "control_dialog_rss_start_kb": "23500",
        "control_window_rss_start_kb": "19000",
        "quorvel_rss_after_1000_kb": "25100", "quorvel_rss_after_10000_kb": "25164",
        "quorvel_clicks_at_1000": "1000", "quorvel_clicks_at_10000": "10000",
        "control_dialog_rss_end_kb": "23500", "control_window_rss_end_kb": "19000",
        "footprint_clicks_received": "10000", "size_x86_Quorvel.exe": str(600 * 1024),
        "quorvel_process": "Quorvel.exe", "control_dialog_process": "control_dialog.exe",
        "control_window_process": "control_window.exe",
    }

    def rows_and_goals(self, facts=None, quorvel_launch=(300.0,), dialog_launch=(260.0,)):
        launches = {"quorvel": list(quorvel_launch), "control_dialog": list(dialog_launch),
                    "control_window": [80.0]}
        return footprint_rows_and_goals(facts or self.FACTS, launches)

    def goals(self, facts=None, **launches):
        _, goals = self.rows_and_goals(facts, **launches)
        return [met for _, met, _ in goals]

    def test_all_met_at_the_limits_against_the_dialog(self):
        # 0.1 % of a core, 1.5 MB, 64 KB growth from the first milestone, 40 ms, 600 KB.
        self.assertEqual(self.goals(), [True] * 5)

    def test_each_limit_crossed(self):
        facts = dict(self.FACTS, quorvel_idle_cpu_ticks="10", quorvel_rss_after_10000_kb="25165",
                     **{"size_x86_Quorvel.exe": str(600 * 1024 + 1)})
        self.assertEqual(self.goals(facts, quorvel_launch=(400.0, 311.0, 200.0)),
                         [False, True, False, False, False])

    def test_clicks_that_never_came_and_a_launch_that_timed_out_fail(self):
        facts = dict(self.FACTS, quorvel_clicks_at_10000="9999")
        self.assertFalse(self.goals(facts)[2])
        self.assertFalse(self.goals(quorvel_launch=(300.0, None, 300.0))[3])
        self.assertFalse(self.goals(dialog_launch=(260.0, None, 260.0))[3])

    def test_figures_read_from_another_process_than_the_program_are_refused(self):
        # The same sound figures, read from the 32-bit start.exe that ran the dialog.
        facts = dict(self.FACTS, control_dialog_process="start.exe")
        rows, goals = self.rows_and_goals(facts)
        self.assertEqual([met for _, met, _ in goals], [False, False, True, True, True])
        idle_cpu = rows[0]
        self.assertEqual(idle_cpu[3], "refused: read from start.exe, not control_dialog.exe")
        self.assertEqual(idle_cpu[5], "refused")
        self.assertEqual(self.goals(dict(self.FACTS, quorvel_process=""))[:3], [False] * 3)

    def test_memory_at_the_end_is_judged_against_the_control_at_the_end(self):
        facts = dict(self.FACTS, control_dialog_rss_end_kb="23000",
                     quorvel_rss_after_1000_kb="25164")
        self.assertFalse(self.goals(facts)[1])


if __name__ == "__main__":
    unittest.main()
