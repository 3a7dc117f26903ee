// Random sequences of user events and clock advances on the headless main window. Every
// sequence is seeded, so a failure names the seed that replays it:
//   LOPENA_SEQUENCES=100000 LOPENA_FIRST_SEED=1 lopena_core_tests --gtest_filter='EventSequence*'
#include "mainwindow/frmmain.h"
#include "notebook/StepTable.h"
#include "support/HeadlessPlatform.h"
#include "toolkit/NumberParsing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace lopena::testing {
namespace {

// Texts a pupil might type or paste, between bars.
const std::string samples =
    "| |  \t|0|1|45|90|91|-|+|.|,|0.5|2,5|1e3|1E+15|1e-05|1e308|1e400|-1e400|1e-320|3D2|&H1F|"
    "&HFFFF|&O17|&H|9.806|-9.806|0,0|abc|12abc|\xC8\x99|\xE2\x82\xAC 5|1 2|99999999999999999999|"
    "1.7976931348623157e308|4.9e-324|NaN|inf|0x10";

// A result caption before any launch, the text around its number, and the rounding's half unit.
struct Result {
    const char *layout, *prefix, *suffix;
    double halfUnit;
};
const Result results[] = {{"Distanta parcursa", "Distanta parcursa : ", " m", 0.0005},
                          {"Inaltime maxima", "Inaltime maxima: ", " m", 0.0005},
                          {"Timp total", "Timp total: ", " s", 0.005},
                          {"Viteza la impact", "Viteza la impact ", "", 0}};

class Sequence {
public:
    explicit Sequence(std::uint64_t seed)
        : rng_(seed), romanian_(seed % 2),
          platform_(romanian_ ? tk::Locale::romanian() : tk::Locale::c()), w_(platform_) {
        w_.Load(platform_.clock);
        // Every accepted press of Start, whoever made it (the pupil, a repeat, a series).
        w_.cmdFire.onClick = [this, fire = w_.cmdFire.onClick] {
            const std::size_t refusals = platform_.refusals.size();
            fire();
            accepted_ += platform_.refusals.size() == refusals;
        };
        platform_.whileModal = [this](tk::Form& form) {
            platform_.clock.advance(pick(0, 3000));
            if (pick(0, 1))
                static_cast<frmAbout&>(form).cmdOK.click();
        };
    }

    // Runs `events` random events; returns an empty text, or what broke and after which events.
    std::string run(int events) {
        for (int i = 0; i < events && !closed_; ++i) {
            step();
            if (std::string broken = invariants(); !broken.empty())
                return broken + "\n  events: " + log_.str();
        }
        return {};
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    std::string randomText() {
        std::string text;
        switch (pick(0, 3)) {
        case 0: { // the n-th sample
            std::size_t begin = 0;
            for (auto n = pick(0, std::count(samples.begin(), samples.end(), '|')); n > 0; --n)
                begin = samples.find('|', begin) + 1;
            return samples.substr(begin, samples.find('|', begin) - begin);
        }
        case 1:
            for (int n = pick(0, 8); n > 0; --n)
                text += static_cast<char>(pick(1, 255)); // any byte but the end of a C text
            return text;
        case 2:
            return std::to_string(pick(-200, 2000));
        default:
            std::ostringstream number;
            number << std::exp(std::uniform_real_distribution<double>(-700, 700)(rng_)) *
                          (pick(0, 1) ? 1 : -1);
            return number.str();
        }
    }

    // The results of the last accepted launch by the textbook formulas, from the texts it was
    // launched with, the angle kept in single precision as the window keeps it.
    std::array<double, 4> expected() const {
        const LaunchTexts& in = *w_.launchedTexts;
        const double v0 = tk::Val(in.speed), g = tk::Val(in.gravity);
        const double angle = static_cast<float>(90 - tk::Val(in.angle));
        const double vx = std::sin(angle * std::numbers::pi / 180) * v0;
        const double vy = std::cos(angle * std::numbers::pi / 180) * v0;
        return {2 * vy / g * vx, vy * vy / (2 * g), 2 * vy / g, v0};
    }

    // One event of the user or the clock, picked at random and logged by its number.
    void step() {
        frmmain& w = w_;
        const std::function<void()> events[] = {
            [&] { w.cmdFire.click(); },
            [&] { w.notebook.toggleSeries(); },
            [&] {
                if (!w.notebook.history().empty())
                    w.notebook.repeat(pick(0, static_cast<int>(w.notebook.history().size()) - 1));
            },
            [&] { w.Command1.click(); },
            [&] { w.cmdClear.click(); },
            [&] {
                std::array{&w.mnugrid, &w.mnutraiect, &w.mnuabout}[pick(0, 2)]->click();
            },
            [&] {
                w.Option1(std::array<tk::Integer, 3>{1, 3, 4}[pick(0, 2)]).click();
            },
            [&] { // pasted over the whole box, or typed a character at a time
                tk::TextBox& box = *std::array{&w.txtViteza, &w.txtUnghi, &w.txtgrav}[pick(0, 2)];
                std::string text = randomText();
                if (box.MaxLength > 0) // the box takes no more
                    text = text.substr(0, static_cast<std::size_t>(box.MaxLength));
                for (std::size_t n = pick(0, 1) ? text.size() : 0; n <= text.size(); ++n)
                    box.setText(text.substr(0, n));
            },
            [&] { // a little beyond either end as well
                tk::HScrollBar& bar =
                    *std::array{&w.hsbViteza, &w.hsbUnghi, &w.HSBRaza}[pick(0, 2)];
                bar.setValue(static_cast<tk::Integer>(pick(bar.Min() - 5, bar.Max() + 5)));
            },
            [&] { w.txtRaza.setText(randomText()); }, // only the program writes the radius
            [&] { platform_.clock.advance(pick(0, 400)); },
            [&] { platform_.clock.advance(pick(0, 4000)); },
            [&] { platform_.clock.advance(pick(0, 120000)); },
            [&] {
                platform_.saveAnswer = pick(0, 2) ? std::optional("r.txt") : std::nullopt;
                platform_.failingPaths.clear();
                if (pick(0, 3) == 0)
                    platform_.failingPaths["r.txt"] = "No space left on device";
                w.mnusave.click();
            },
            [&] {
                if ((closed_ = pick(0, 9) == 0))
                    w.mnuexit.click();
            },
        };
        const int event = pick(0, static_cast<int>(std::size(events)) - 1);
        log_ << event << ' ';
        events[event]();
    }

    // The number of a result caption written in the locale's style, or nothing.
    std::optional<double> number(const std::string& caption, const Result& r) const {
        std::string text = caption.substr(std::min(caption.size(), std::strlen(r.prefix)));
        if (!caption.starts_with(r.prefix) || !text.ends_with(r.suffix) ||
            text.find(romanian_ ? '.' : ',') != std::string::npos)
            return std::nullopt;
        text.resize(text.size() - std::strlen(r.suffix));
        std::replace(text.begin(), text.end(), ',', '.');
        char* rest = nullptr;
        const double value = std::strtod(text.c_str(), &rest);
        return !text.empty() && *rest == 0 ? std::optional(value) : std::nullopt;
    }

    std::string invariants() const {
        const frmmain& w = w_;
        int seen = 0;
        for (const auto& [index, dot] : w.shpTrail)
            if (index != seen++)
                return "trail index gap at " + std::to_string(seen - 1);
        if (seen < 1 || seen != w.shpTrail.Count())
            return "trail holds " + std::to_string(seen) + " dots, count says " +
                   std::to_string(w.shpTrail.Count());
        std::vector<const tk::Control*> placed(w.controls().begin(), w.controls().end());
        for (const auto& [index, dot] : w.shpTrail)
            placed.push_back(dot);
        placed.insert(placed.end(), {&w.shpBall, &w.shpBorder});
        for (const tk::Control* c : placed)
            if (!std::isfinite(double(c->Left()) + c->Top() + c->Width() + c->Height()))
                return std::string(c->name()) + " has an undefined geometry";
        for (const tk::Label* l : {&w.Label7, &w.Label8, &w.Label11})
            if (l->Caption().find("Inf") != std::string::npos ||
                l->Caption().find("NaN") != std::string::npos)
                return std::string(l->name()) + " shows " + l->Caption();
        if (!(tk::Val(w.txtViteza.Text()) >= 1))
            return "speed box reads " + w.txtViteza.Text();
        if (const double angle = tk::Val(w.txtUnghi.Text()); !(angle >= 1 && angle <= 90))
            return "angle box reads " + w.txtUnghi.Text();

        // Ready (or landed), flying, or paused.
        const bool t1 = w.Timer1.Enabled(), t2 = w.Timer2.Enabled(), c1 = w.Command1.Enabled();
        const bool stop = w.Command1.Caption() == "Stop";
        if (!(stop && t1 == t2 && t1 == c1) && !(!stop && !t1 && t2 && c1))
            return "timers and Stop button agree with no state";

        // The notebook: a row per accepted launch, a table row per logged step (and the
        // landing), a CSV line per row and the header.
        if (w.notebook.history().size() != accepted_)
            return "history holds " + std::to_string(w.notebook.history().size()) + " throws";
        if (const Throw* now = w.notebook.current()) {
            const std::size_t rows = now->log.size() + (now->log.ended() ? 1 : 0);
            const std::string csv = StepTable::csv(*now, platform_.locale());
            if (StepTable::rowCount(*now) != rows ||
                std::count(csv.begin(), csv.end(), '\n') != static_cast<long>(rows) + 1)
                return "the step table disagrees with the log";
        }

        const tk::Label* const shown[] = {&w.Label3, &w.Label4, &w.Label5, &w.Label6};
        const bool launched = w.launchedTexts.has_value();
        const auto exact = launched ? expected() : std::array<double, 4>{};
        for (std::size_t i = 0; i < std::size(results); ++i) {
            const std::string& caption = shown[i]->Caption();
            const auto value = number(caption, results[i]);
            const double tolerance = results[i].halfUnit + 1e-9 * std::fabs(exact[i]);
            if (launched ? !value || !(std::fabs(*value - exact[i]) <= tolerance)
                         : caption != results[i].layout)
                return std::string(shown[i]->name()) + " shows \"" + caption + "\"";
        }
        return {};
    }

    std::mt19937_64 rng_;
    bool romanian_;
    HeadlessPlatform platform_;
    frmmain w_;
    std::size_t accepted_ = 0;
    bool closed_ = false;
    std::ostringstream log_;
};

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(EventSequenceTest, NoSequenceBreaksTheWindow) {
    const std::uint64_t first = fromEnvironment("LOPENA_FIRST_SEED", 1);
    const std::uint64_t sequences = fromEnvironment("LOPENA_SEQUENCES", 300);
    for (std::uint64_t seed = first; seed < first + sequences; ++seed) {
        const std::string broken = Sequence(seed).run(60);
        ASSERT_TRUE(broken.empty()) << "seed " << seed << ": " << broken;
    }
}

} // namespace
} // namespace lopena::testing
