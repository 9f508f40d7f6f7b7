#include "engine/hand_movement.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

double Distance(Point from, Point to) {
    // In 64 bits: points from the system may lie anywhere on the virtual screen.
    const double dx = static_cast<double>(std::int64_t{to.x} - from.x);
    const double dy = static_cast<double>(std::int64_t{to.y} - from.y);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void HandMovementWatch::Start(Point cursor) {
    last_ = cursor;
    unreported_.clear();
    distance_ = 0.0;
}

void HandMovementWatch::OwnMove(Point to) {
    unreported_.push_back(to);
    if (unreported_.size() > kOwnMovesRemembered) unreported_.pop_front();
    distance_ = 0.0;
}

bool HandMovementWatch::Moved(Point to) {
    const auto own = std::find(unreported_.begin(), unreported_.end(), to);
    if (own != unreported_.end()) {
        // Reports come in order: the own moves before this one will not be reported any more.
        unreported_.erase(unreported_.begin(), own + 1);
        last_ = to;
        return false;
    }
    // The hand moved from wherever the cursor last was: the last reported point, or a point the
    // program set whose report is still to come (or never comes).
    double moved = Distance(last_, to);
    for (const Point& set : unreported_) moved = std::min(moved, Distance(set, to));
    distance_ += moved;
    last_ = to;
    return distance_ > kStopDistance;
}

}  // namespace quorvel
