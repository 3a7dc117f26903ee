#pragma once

namespace lopena {

// The target's game: where the target stands, the throws at it since it was placed, and which of
// them first hit it, and the round's score: every throw and star since it was placed. A target
// moved is a new game and a new round.
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
    int roundThrows() const { return roundThrows_; }
    int roundStars() const { return roundStars_; }

private:
    double centre_ = 0, width_ = 0; // m
    int throws_ = 0;
    int firstHit_ = 0;
    int roundThrows_ = 0, roundStars_ = 0;
};

} // namespace lopena
