#pragma once
// A pair of pause bounds as the click timing dialog stores it: 0 <= minimum <= maximum.

namespace quorvel::ui {

struct PauseBounds {
    int minimum;
    int maximum;
    friend bool operator==(const PauseBounds&, const PauseBounds&) = default;
};

// Negative bounds become 0, then a maximum below the minimum is raised to it.
PauseBounds CorrectPauseBounds(PauseBounds bounds);

}  // namespace quorvel::ui
