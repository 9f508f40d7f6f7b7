#include "ui/pause_bounds.h"

namespace quorvel::ui {

PauseBounds CorrectPauseBounds(PauseBounds bounds) {
    if (bounds.minimum < 0) bounds.minimum = 0;
    if (bounds.maximum < 0) bounds.maximum = 0;
    if (bounds.maximum < bounds.minimum) bounds.maximum = bounds.minimum;
    return bounds;
}

}  // namespace quorvel::ui
