#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Random.h"
#include "toolkit/Timer.h"
#include "toolkit/VirtualClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TextBoxTest, ChangeIsRaisedInsideTheWriteOnlyForARealChange) {
    tk::TextBox box("txt", "45");
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
    box.setText("45");
    EXPECT_TRUE(seen.empty());
    box.setText("46");
    EXPECT_EQ(seen, std::vector<std::string>{"46"});
}

TEST(TextBoxTest, NestedCorrectionsRunInsideTheOuterHandler) {
    tk::TextBox box("txt", "45");
    std::vector<std::string> log;
    int depth = 0;
    box.onChange = [&] {
        ++depth;
        log.push_back(std::to_string(depth) + ":" + box.Text());
        if (box.Text() == "x")
            box.setText("1");
        log.push_back(std::to_string(depth) + ":after " + box.Text());
        --depth;
    };
    box.setText("x");
    EXPECT_EQ(log, (std::vector<std::string>{"1:x", "2:1", "2:after 1", "1:after 1"}));
}

TEST(ControlTest, CaptionReadsBackExactlyAsWritten) {
    tk::Label label("lbl", "");
    const std::string odd = "  Coordonata X : 0,00 \t\xC8\x99";
    label.setCaption(odd);
    EXPECT_EQ(label.Caption(), odd);
}

TEST(ScrollBarTest, ClampsAndRaisesChangeOnlyWhenTheValueMoves) {
    tk::HScrollBar bar("hsb", 9, 20, 9);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.setValue(9);
    EXPECT_EQ(changes, 0);
    bar.setValue(25);
    EXPECT_EQ(bar.Value(), 20);
    bar.setValue(-4);
    EXPECT_EQ(bar.Value(), 9);
    EXPECT_EQ(changes, 2);
}

TEST(OptionButtonTest, OneSelectedPerGroupAndClickPassesTheIndex) {
    tk::ControlArray<tk::OptionButton> options("Option1");
    options.add(1, "Patrat", false);
    options.add(3, "Cerc", true);
    options.add(4, "Patrat rotunjit", false);
    tk::OptionButton::makeGroup({&options(1), &options(3), &options(4)});
    std::vector<tk::Integer> clicked;
    for (const auto& [index, button] : options)
        button->onClick = [&](tk::Integer i) { clicked.push_back(i); };
    options(4).click();
    EXPECT_TRUE(options(4).Value());
    EXPECT_FALSE(options(3).Value());
    EXPECT_FALSE(options(1).Value());
    EXPECT_EQ(clicked, std::vector<tk::Integer>{4});
}

TEST(ControlArrayTest, NonContiguousIndexesAndCount) {
    tk::ControlArray<tk::OptionButton> options("Option1");
    options.add(1, "a", false);
    options.add(4, "b", false);
    EXPECT_EQ(options.Count(), 2);
    EXPECT_TRUE(options.exists(4));
    EXPECT_FALSE(options.exists(2));
    EXPECT_THROW(options(2), std::out_of_range);
}

TEST(ControlArrayTest, NewElementIsAHiddenCopyOfElementZero) {
    tk::ControlArray<tk::Shape> trail("shpTrail");
    tk::Shape& pattern = trail.add(0, tk::ShapeCodes::Square);
    pattern.place(584, 184, 12, 12);
    pattern.setFillColor(tk::rgb(1, 2, 3));
    pattern.setFillStyle(1);
    pattern.setVisible(false);
    tk::Shape& dot = trail.Load(1);
    EXPECT_EQ(dot.index(), 1);
    EXPECT_FALSE(dot.Visible());
    EXPECT_EQ(dot.Width(), 12.0F);
    EXPECT_EQ(dot.Height(), 12.0F);
    EXPECT_EQ(dot.ShapeCode(), tk::ShapeCodes::Square);
    EXPECT_EQ(dot.FillColor(), tk::rgb(1, 2, 3));
    EXPECT_EQ(trail.Count(), 2);
    EXPECT_THROW(trail.Load(1), std::invalid_argument);
    trail.Unload(1);
    EXPECT_EQ(trail.Count(), 1);
    EXPECT_THROW(trail.Unload(0), std::invalid_argument);
    EXPECT_THROW(trail.Unload(5), std::out_of_range);
}

TEST(ControlArrayTest, HoldsAtMost32767Elements) {
    tk::ControlArray<tk::Shape> trail("shpTrail");
    trail.add(0, tk::ShapeCodes::Square);
    for (int i = 1; i < 32767; ++i)
        trail.Load(static_cast<tk::Integer>(i));
    EXPECT_EQ(trail.Count(), 32767);
    EXPECT_THROW(trail.Load(-1), std::invalid_argument);
    trail.Unload(32766);
    EXPECT_NO_THROW(trail.Load(32766));
    EXPECT_THROW(trail.Load(1), std::invalid_argument);
}

struct Recorder {
    std::vector<std::string> log;
    tk::VirtualClock clock;
    void watch(tk::Timer& timer) {
        timer.onTimer = [this, &timer] {
            log.push_back(timer.name() + "@" + std::to_string(clock.now()));
        };
        timer.attach(&clock);
    }
};

TEST(TimerTest, TicksEveryIntervalWhileEnabled) {
    Recorder r;
    tk::Timer t("T", 100, true);
    r.watch(t);
    r.clock.advance(350);
    EXPECT_EQ(r.log, (std::vector<std::string>{"T@100", "T@200", "T@300"}));
    t.setEnabled(false);
    r.clock.advance(500);
    EXPECT_EQ(r.log.size(), 3U);
}

TEST(TimerTest, EnablingARunningTimerKeepsItsRhythm) {
    Recorder r;
    tk::Timer t("T", 100, true);
    r.watch(t);
    r.clock.advance(50);
    t.setEnabled(true);
    r.clock.advance(60);
    EXPECT_EQ(r.log, std::vector<std::string>{"T@100"});
}

TEST(TimerTest, OffAndOnStartsANewInterval) {
    Recorder r;
    tk::Timer t("T", 100, true);
    r.watch(t);
    r.clock.advance(50);
    t.setEnabled(false);
    t.setEnabled(true);
    r.clock.advance(60);
    EXPECT_TRUE(r.log.empty());
    r.clock.advance(40);
    EXPECT_EQ(r.log, std::vector<std::string>{"T@150"});
}

TEST(TimerTest, SameTimeTicksRunInStartOrder) {
    Recorder r;
    tk::Timer a("A", 200, false), b("B", 100, false);
    r.watch(a);
    r.watch(b);
    a.setEnabled(true);
    b.setEnabled(true);
    r.clock.advance(200);
    EXPECT_EQ(r.log, (std::vector<std::string>{"B@100", "A@200", "B@200"}));
}

TEST(TimerTest, ATimerStoppedByAnotherTickDoesNotTick) {
    Recorder r;
    tk::Timer a("A", 100, true), b("B", 100, true);
    r.watch(a);
    r.watch(b);
    a.onTimer = [&] {
        r.log.push_back("A");
        b.setEnabled(false);
    };
    r.clock.advance(100);
    EXPECT_EQ(r.log, std::vector<std::string>{"A"});
}

TEST(TimerTest, ZeroIntervalNeverTicks) {
    Recorder r;
    tk::Timer t("T", 0, true);
    r.watch(t);
    r.clock.advance(1000);
    EXPECT_TRUE(r.log.empty());
}

TEST(MenuItemTest, DisabledItemIgnoresClicksAndTheMarkIsTheProgramsOwn) {
    tk::MenuItem item("mnu", "&Grid", "Ctrl+G");
    int clicks = 0;
    item.onClick = [&] { ++clicks; };
    item.click();
    EXPECT_FALSE(item.Checked());
    item.setEnabled(false);
    item.click();
    EXPECT_EQ(clicks, 1);
}

TEST(RandomTest, SameSequenceEveryRunWithinZeroAndOne) {
    tk::Random a, b;
    for (int i = 0; i < 10000; ++i) {
        float x = a.next();
        EXPECT_EQ(x, b.next());
        ASSERT_GE(x, 0.0F);
        ASSERT_LT(x, 1.0F);
    }
}

} // namespace
