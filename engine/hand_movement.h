#pragma once
// Tells a hand on the mouse from the program's own cursor moves, and says when the hand has
// moved the cursor far enough to stop a run. The system may report the program's moves like a
// hand's (wine does), and later than they were made: a reported move that lands on a point the
// program set, and whose report has not come yet, is the program's own.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "engine/ports.h"

namespace quorvel {

class HandMovementWatch {
public:
    // More than this many pixels of a hand's movement stop a run.
    static constexpr double kStopDistance = 20.0;
    // Own moves remembered until their report comes; a platform that never reports them must not
    // make the list grow without end.
    static constexpr std::size_t kOwnMovesRemembered = 64;

    // Counting starts at a run's start, from where the cursor is.
    void Start(Point cursor);
    // The program moves the cursor: counting starts again from there.
    void OwnMove(Point to);
    // A move that was not injected, in the order the system reports them. True once the hand's
    // movement since the start or the program's last move adds up to more than kStopDistance.
    bool Moved(Point to);

private:
    Point last_;
    std::deque<Point> unreported_;
    double distance_ = 0.0;
};

}  // namespace quorvel
