#include "support/Table.h"
#include "support/VirtualClock.h"
#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/MenuItem.h"
#include "toolkit/SceneTracker.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace lopena::testing;

TEST(TextBoxTest, ChangeRunsInsideEveryRealWriteAndACorrectionNestsInIt) {
    tk::TextBox box("txt", "45");
    std::vector<std::string> log;
    int depth = 0;
    box.onChange = [&] {
        log.push_back(std::to_string(++depth) + ":" + box.Text());
        if (box.Text() == "x")
            box.setText("1");
        log.push_back(std::to_string(depth--) + ":after " + box.Text());
    };
    box.setText("45");
    EXPECT_TRUE(log.empty());
    box.setText("x");
    EXPECT_EQ(log, (std::vector<std::string>{"1:x", "2:1", "2:after 1", "1:after 1"}));
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
    EXPECT_FALSE(options(3).Value() || options(1).Value());
    EXPECT_EQ(clicked, std::vector<tk::Integer>{4});
    EXPECT_EQ(options.Count(), 3);
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
    EXPECT_THROW(trail.Load(-1), std::invalid_argument);
    trail.Unload(1);
    EXPECT_EQ(trail.Count(), 1);
    EXPECT_THROW(trail.Unload(0), std::invalid_argument);
    EXPECT_THROW(trail.Unload(5), std::out_of_range);
}

// Two timers, A and B, on a virtual clock, and a script: a number advances the clock by that
// many milliseconds, "A+" / "A-" switch A on / off (and B the same), "A>B" makes every tick of A
// switch B off. Every tick is logged with its time.
struct Rhythm : Row {
    int intervalA, intervalB;
    const char *script, *ticks;
};

class TimerTest : public ::testing::TestWithParam<Rhythm> {};

TEST_P(TimerTest, TicksAsScripted) {
    tk::VirtualClock clock;
    tk::Timer a("A", GetParam().intervalA, false), b("B", GetParam().intervalB, false);
    std::string log;
    bool aStopsB = false;
    for (tk::Timer* t : {&a, &b}) {
        t->onTimer = [&, t] {
            log += t->name() + "@" + std::to_string(clock.now()) + " ";
            if (t == &a && aStopsB)
                b.setEnabled(false);
        };
        t->attach(&clock);
    }
    std::istringstream script(GetParam().script);
    for (std::string step; script >> step;)
        if (step == "A>B")
            aStopsB = true;
        else if (step[1] == '+' || step[1] == '-')
            (step[0] == 'A' ? a : b).setEnabled(step[1] == '+');
        else
            clock.advance(std::stoi(step));
    EXPECT_EQ(log, GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(
    Rhythm, TimerTest,
    ::testing::Values(
        Rhythm{"every_interval_while_enabled", 100, 0, "A+ 350 A- 500", "A@100 A@200 A@300 "},
        Rhythm{"enabling_a_running_timer_keeps_its_rhythm", 100, 0, "A+ 50 A+ 60", "A@100 "},
        Rhythm{"off_and_on_starts_a_new_interval", 100, 0, "A+ 50 A- A+ 60 40", "A@150 "},
        Rhythm{"same_time_ticks_run_in_start_order", 200, 100, "A+ B+ 200", "B@100 A@200 B@200 "},
        Rhythm{"stopped_by_another_tick_does_not_tick", 100, 100, "A>B A+ B+ 100", "A@100 "},
        Rhythm{"zero_interval_never_ticks", 0, 0, "A+ 1000", ""}),
    rowName);

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

} // namespace

namespace scene {

// A form with a ball, a line and two shape arrays, its trail dots 4 pixels wide.
struct SceneForm : tk::Form {
    SceneForm() : tk::Form("frm", "", 400, 300) {
        for (auto* array : {&trail, &other})
            array->add(0, tk::ShapeCodes::Circle).setVisible(false);
        addScene(&line);
        addScene(&ball);
        addScene(&trail);
        addScene(&other);
    }
    std::string toolTipOf(const tk::Control& c) const override {
        return std::string(c.name()) + std::to_string(c.index());
    }
    tk::Shape ball{"shpBall", tk::ShapeCodes::Circle};
    tk::Line line{"lin", 0, 100, 50, 100};
    tk::ControlArray<tk::Shape> trail{"shpTrail"}, other{"shpOther"};
};

// Puts a visible element at (x, 10) and tells the tracker.
void dot(tk::SceneTracker& tracker, tk::ControlArray<tk::Shape>& array, tk::Integer i, float x) {
    tk::Shape& s = array.exists(i) ? array(i) : array.Load(i);
    s.setLeft(x), s.setTop(10), s.setWidth(4), s.setHeight(4), s.setVisible(true);
    tracker.changed(s, tk::Prop::Visible);
}

// Places in whole pixels: halves away from zero either side, far values at the clamp, and a value
// that is not a number at 0 rather than undefined.
TEST(SceneTrackerTest, PixelsRoundHalvesAwayFromZeroWithinTheClamp) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, int> cases[] = {
        {0.0F, 0},       {0.49F, 0},          {0.5F, 1},         {-0.49F, 0},     {-0.5F, -1},
        {1.5F, 2},       {-1.5F, -2},         {2.4999F, 2},      {-2.5001F, -3},  {999999.5F, 1000000},
        {1e7F, 1000000}, {-1e7F, -1000000},   {inf, 1000000},    {-inf, -1000000},
        {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [value, whole] : cases)
        EXPECT_EQ(tk::pixel(value), whole) << value;
}

TEST(SceneTrackerTest, DamageLayersAndTipsFollowTheScene) {
    SceneForm form;
    std::vector<tk::PixelRect> damaged;
    tk::SceneTracker tracker(form, [&](const tk::PixelRect& r) { damaged.push_back(r); });
    form.ball.setLeft(10), form.ball.setTop(10), form.ball.setWidth(20), form.ball.setHeight(10);
    form.ball.setVisible(true);
    tracker.changed(form.ball, tk::Prop::Visible);
    form.ball.setLeft(40);
    tracker.changed(form.ball, tk::Prop::Geometry);
    // Old place then new, with the border's pixel around each: from where the empty ball stood.
    EXPECT_EQ(damaged, (std::vector<tk::PixelRect>{
                           {-1, -1, 3, 3}, {9, 9, 22, 12}, {9, 9, 22, 12}, {39, 9, 22, 12}}));
    EXPECT_EQ(tk::shapeBox(form.ball), (tk::PixelRect{45, 10, 10, 10})); // a circle is square

    std::string log;
    auto refresh = [&](tk::SceneTracker::Layers layers) {
        log.clear();
        tracker.refreshLayers([&](const auto& a) { log += "clear " + std::string(a.name()) + ";"; },
                              [&](const tk::Shape& s) { log += std::to_string(s.index()) + ";"; },
                              layers);
        return log;
    };
    using L = tk::SceneTracker::Layers;
    for (int i = 1; i <= 3; ++i)
        dot(tracker, form.trail, i, 10.0F * i);
    dot(tracker, form.other, 1, 200);
    dot(tracker, form.other, 2, 210);
    // Both layers drawn whole at first (the order of arrays is the tracker's); the newest live.
    EXPECT_EQ(refresh(L::PerArray).size(), std::string("clear shpTrail;1;2;clear shpOther;1;").size());
    dot(tracker, form.trail, 4, 40);
    EXPECT_EQ(refresh(L::PerArray), "3;");  // only what settled since
    dot(tracker, form.trail, 2, 22);        // an older dot moved: its layer again
    EXPECT_EQ(refresh(L::PerArray), "clear shpTrail;1;2;3;");
    dot(tracker, form.trail, 1, 11);        // with one layer for all, everything again, one clear
    const std::string shared = refresh(L::Shared);
    EXPECT_EQ(shared.find("clear", 1), std::string::npos) << shared;
    EXPECT_EQ(std::count(shared.begin(), shared.end(), ';'), 1 + 3 + 1) << shared;

    std::string painted;
    tracker.paint({0, 0, 60, 50}, [](const tk::PixelRect&) { return true; },
                  [&](const tk::Control& c) { painted += std::string(c.name()) + std::to_string(c.index()) + " "; },
                  [&](const auto& a) { painted += "[" + std::string(a.name()) + "] "; });
    EXPECT_EQ(painted, "shpBall-1 [shpTrail] shpTrail4 [shpOther] ");
    EXPECT_EQ(tracker.tipAt(42, 12), "shpTrail4"); // on the ball and the dot: the later one
    EXPECT_EQ(tracker.tipAt(300, 290), "");
}

// A line array is painted from the places its elements were told at: those crossing the place
// in index order, whether placed before the tracker, loaded and shown since, moved in or out,
// hidden or unloaded.
TEST(SceneTrackerTest, LineArrayElementsPaintedWhereTheyWereLastTold) {
    struct Lines : tk::Form {
        Lines() : tk::Form("frm", "", 400, 300) {
            lines.add(0, 10, 10, 50, 10);
            lines.add(1, 200, 200, 250, 200); // outside the place
            lines.add(2, 20, 20, 20, 40);     // inside, hidden later
            addScene(&lines);
        }
        tk::ControlArray<tk::Line> lines{"linArray"};
    } form;
    tk::SceneTracker tracker(form, [](const tk::PixelRect&) {});
    auto tell = [&](tk::Integer i) { tracker.changed(form.lines(i), tk::Prop::Geometry); };
    form.lines.Load(3);                          // a copy of 0, hidden: never shown
    form.lines.Load(4).setPoints(30, 30, 40, 35); // loaded, moved in and shown
    form.lines(4).setVisible(true), tell(4);
    form.lines(2).setVisible(false), tell(2);
    form.lines(1).setPoints(5, 50, 15, 55), tell(1); // moved into the place
    form.lines(0).setPoints(300, 10, 350, 10), tell(0); // moved out of it
    form.lines.Load(5).setVisible(true), tell(5);
    tracker.changed(form.lines(5), tk::Prop::Destroyed);
    form.lines.Unload(5);

    std::string painted;
    tracker.paint({0, 0, 100, 100}, [](const tk::PixelRect&) { return true; },
                  [&](const tk::Control& c) { painted += std::to_string(c.index()) + " "; },
                  [](const auto&) {});
    EXPECT_EQ(painted, "1 4 ");
}

// Tab order by index, ties in the order added; labels take no focus; a disabled or hidden button
// is neither the first focus nor the one Enter or Esc presses.
TEST(FormRulesTest, TabOrderFirstFocusAndMarkedButtons) {
    struct Keys : tk::Form {
        Keys() : tk::Form("frm", "", 100, 100) {
            for (tk::Control* c : std::initializer_list<tk::Control*>{&text, &label, &off, &ok, &no})
                add(*c);
            text.setTabIndex(2), label.setTabIndex(0), off.setTabIndex(1), ok.setTabIndex(1);
            no.setTabIndex(3);
            off.Default = ok.Default = true, no.Cancel = true;
            off.setEnabled(false);
        }
        tk::TextBox text{"txt", ""};
        tk::Label label{"lbl", ""};
        tk::CommandButton off{"cmdOff", ""}, ok{"cmdOk", ""}, no{"cmdNo", ""};
    } form;
    std::string order;
    for (const tk::Control* c : form.tabOrder())
        order += std::string(c->name()) + " ";
    EXPECT_EQ(order, "cmdOff cmdOk txt cmdNo ");
    EXPECT_EQ(form.firstFocus(), &form.ok);
    EXPECT_EQ(form.markedButton(false), &form.ok);
    EXPECT_EQ(form.markedButton(true), &form.no);
    form.no.setVisible(false);
    EXPECT_EQ(form.markedButton(true), nullptr);
}

} // namespace scene
