#include "laboratory/LabScene.h"
#include "laboratory/TargetGame.h"

#include <gtest/gtest.h>

namespace lopena {
namespace {

// Hand-computed: the wide grid's launch point at (64, 416), 40 px a square; the tall one for a
// 388 px room 28 px a square, (388 - 80) / 11, its ground 52 + 7 x 28 = 248 px down.
TEST(LabScene, TurnsMetresIntoPixelsOnEitherGrid) {
    struct Case {
        LabScene::Grid grid;
        double across, up, scale; // m, m, m per square
        float px10, py5, frameRight, plotBottom;
    };
    for (const Case& c : {Case{LabScene::wide(), 70, 10, 5, 144, 376, 648, 422},
                          Case{LabScene::tall(388), 70, 10, 10, 84, 234, 384, 254},
                          Case{LabScene::tall(200), 110, 35, 10, 80, 208, 340, 226}}) {
        LabScene scene;
        scene.setGrid(c.grid);
        scene.setScale(scene.scaleFor(c.across, c.up));
        EXPECT_EQ(scene.scale(), c.scale);
        EXPECT_EQ(scene.px(10), c.px10);
        EXPECT_EQ(scene.py(5), c.py5);
        EXPECT_EQ(scene.grid().frame.right, c.frameRight);
        EXPECT_EQ(scene.grid().plot.bottom, c.plotBottom);
    }
}

TEST(LabScene, CutsArrowsToThePlotOrLeavesThemOut) {
    LabScene scene; // the plot: 48 to 647 across, 48 to 422 down
    struct Case {
        double x, y, dx, dy;
        bool drawn;
        double tipX, tipY;
    };
    for (const Case& c : {Case{100, 300, 70, 0, true, 170, 300},   // whole
                          Case{600, 300, 70, 0, true, 646, 300},   // shortened to the border
                          Case{100, 420, 0, -70, false, 0, 0},     // no room down
                          Case{30, 300, 70, 0, false, 0, 0}}) {    // starts outside
        const auto a = scene.arrow(c.x, c.y, c.dx, c.dy);
        ASSERT_EQ(a.has_value(), c.drawn) << c.x << ", " << c.y;
        if (a) {
            EXPECT_NEAR(a->tipX, c.tipX, 1) << c.x;
            EXPECT_EQ(a->tipY, c.tipY);
        }
    }
}

TEST(TargetGame, CountsThrowsToTheFirstHitAndStartsAgainWhenMoved) {
    TargetGame game;
    game.place(30, 6);
    struct Step {
        double centre, landing;
        int stars, throws, firstHit;
    };
    for (const Step& s : {Step{30, 20, 0, 1, 0}, Step{30, 31.5, 2, 2, 2}, Step{30, 30, 3, 2, 2},
                          Step{40, 30, 0, 1, 0}, Step{40, 42.9, 1, 2, 2}}) {
        game.thrown(s.centre, 6);
        EXPECT_EQ(game.landed(s.landing), s.stars) << s.landing;
        EXPECT_EQ(game.throws(), s.throws) << s.landing;
        EXPECT_EQ(game.firstHit(), s.firstHit) << s.landing;
    }
    game.place(-1, 6); // before the launch point: not shown
    EXPECT_FALSE(game.shown());
}

} // namespace
} // namespace lopena
