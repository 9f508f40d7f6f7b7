"""Checks the arithmetic and the verdicts of the bench report on made-up measurements."""

import tempfile
import unittest
from pathlib import Path

import report
from report import Block, analyse_block, cadence_goals, footprint_rows_and_goals, percentile

FREQUENCY = 10_000_000  # counts per second, as wine's performance counter reports
UP = 0x202


def counter(ms):
    return int(ms * FREQUENCY / 1000)


def presses(times_ms, extra, first_line=2):
    """Recorder rows for a press and a release at each time, numbered from first_line."""
    rows = []
    line = first_line
    for ms in times_ms:
        rows.append((line, counter(ms), report.WM_LBUTTONDOWN, extra))
        rows.append((line + 1, counter(ms + 0.1), UP, extra))
        line += 2
    return rows


def block(source, delay, asked, first=1, last=10_000):
    return Block(source, delay, asked, first, last, "test")


class ReadRecorderTest(unittest.TestCase):
    def read(self, text):
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / "clicks.txt"
            path.write_bytes(text.encode())
            return report.read_recorder(path)

    def test_rows_keep_their_file_line_numbers_whatever_the_line_ends(self):
        frequency, events = self.read("frequency 1000\r\n5 513 786\r\n7 514 786\n9 513 0\n")
        self.assertEqual(frequency, 1000)
        self.assertEqual(events, [(2, 5, 513, 786), (3, 7, 514, 786), (4, 9, 513, 0)])

    def test_a_recorder_that_never_got_ready_is_an_error(self):
        with self.assertRaises(ValueError):
            self.read("")


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
        events = presses([0, 20, 41, 60, 83], 786) + presses([5, 6, 7], 0, first_line=20)
        result = analyse_block(block("Quorvel", 20, 5), events, FREQUENCY)
        self.assertEqual(result.received, 5)
        self.assertEqual(result.lost, 0)
        self.assertAlmostEqual(result.mean_period_ms, 20.75, places=3)
        self.assertAlmostEqual(result.error_p50_ms, 1.0, places=3)
        self.assertAlmostEqual(result.error_max_ms, 3.0, places=3)
        self.assertAlmostEqual(result.drift_ms, 3.0, places=3)

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
        results = [result("Quorvel", 20, 1.5), result("peer", 20, 1.6),
                   result("Quorvel", 10, 5.0), result("peer", 10, 6.0)]
        self.assertEqual(verdicts(results),
                         {"mean": True, "p99": True, "loses": True, "never": True})

    def test_the_goals_ignore_delays_below_20_ms_and_fail_just_past_their_limits(self):
        results = [result("Quorvel", 20, 2.0, mean_offset=-0.05), result("peer", 20, 2.0),
                   result("Quorvel", 10, 9.0, mean_offset=3.0), result("peer", 10, 1.0)]
        self.assertEqual(verdicts(results),
                         {"mean": True, "p99": True, "loses": True, "never": True})
        self.assertFalse(verdicts([result("Quorvel", 20, 2.01)])["p99"])
        self.assertFalse(verdicts([result("Quorvel", 20, 1.0, mean_offset=0.051)])["mean"])

    def test_a_lost_or_surplus_click_fails_and_a_worse_block_than_the_peer_fails(self):
        results = [result("Quorvel", 50, 1.0, received=199), result("peer", 50, 3.0),
                   result("Quorvel", 20, 4.0), result("peer", 20, 3.0)]
        got = verdicts(results)
        self.assertFalse(got["loses"])
        self.assertFalse(got["never"])
        self.assertFalse(verdicts([result("Quorvel", 50, 1.0, received=201)])["loses"])

    def test_a_block_without_periods_fails_every_goal(self):
        silent = report.BlockResult(block("Quorvel", 20, 200), 0, None, None, None, None, None)
        self.assertEqual(verdicts([silent, result("peer", 20, 40.0)]),
                         {"mean": False, "p99": False, "loses": False, "never": False})


class FootprintGoalsTest(unittest.TestCase):
    FACTS = {
        "clock_ticks_per_second": "100", "idle_seconds": "60",
        "quorvel_idle_cpu_ticks": "9", "control_idle_cpu_ticks": "3",
        "quorvel_rss_start_kb": "25000", "control_rss_start_kb": "23500",
        "quorvel_rss_after_1000_kb": "25100", "quorvel_rss_after_10000_kb": "25164",
        "quorvel_clicks_at_1000": "1000", "quorvel_clicks_at_10000": "10000",
        "control_rss_end_kb": "23500", "footprint_clicks_received": "10000",
        "size_x86_Quorvel.exe": str(600 * 1024),
    }

    def goals(self, facts=None, quorvel_launch=(300.0,), control_launch=(260.0,)):
        _, goals = footprint_rows_and_goals(facts or self.FACTS, list(quorvel_launch),
                                            list(control_launch))
        return [met for _, met, _ in goals]

    def test_all_met_at_the_limits(self):
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

    def test_memory_at_the_end_is_judged_against_the_control_at_the_end(self):
        facts = dict(self.FACTS, control_rss_end_kb="23000", quorvel_rss_after_1000_kb="25164")
        self.assertFalse(self.goals(facts)[1])


if __name__ == "__main__":
    unittest.main()
