#pragma once

namespace lopena {

// The target's game: where the target stands, the throws at it since it was placed, and which of
// them first hit it. A target moved is a new game.
class TargetGame {
public:
    // The target as shown; an unusable place (not a number, before 0) shows nothing until a throw
    // accepts one.
    void place(double centre, double width);
    // A throw at the target as its boxes hold it now (counted until the first hit).
    void thrown(double centre, double width);
    // The stars of a landing at `distance` m (0 to 3); a first hit is remembered.
    int landed(double distance);

    double centre() const { return centre_; }
    double width() const { return width_; }
    bool shown() const { return width_ > 0; }
    int throws() const { return throws_; }
    // The throw that first hit it, counted from its placing; 0 before a hit.
    int firstHit() const { return firstHit_; }

private:
    double centre_ = 0, width_ = 0; // m
    int throws_ = 0;
    int firstHit_ = 0;
};

} // namespace lopena
