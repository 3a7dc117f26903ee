// Random sequences of user events and clock advances on the headless main window. Every
// sequence is seeded, so a failure names the seed that replays it:
//   LOPENA_SEQUENCES=100000 LOPENA_FIRST_SEED=1 lopena_core_tests --gtest_filter='EventSequence*'
#include "mainwindow/frmmain.h"
#include "simulation/FinalResults.h"
#include "support/HeadlessPlatform.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace lopena::testing {
namespace {

const char* const layoutCaptions[] = {"Distanta parcursa", "Inaltime maxima", "Timp total",
                                      "Viteza la impact"};

class Sequence {
public:
    explicit Sequence(std::uint64_t seed)
        : rng_(seed), platform_(seed % 2 ? tk::Locale::romanian() : tk::Locale::c()),
          w_(std::make_unique<frmmain>(platform_)) {
        w_->Load(platform_.clock);
        platform_.whileModal = [this](tk::Form& form) {
            advance(pick(0, 3000));
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
        static const char* const samples[] = {"",
                                              " ",
                                              "  \t",
                                              "0",
                                              "1",
                                              "45",
                                              "90",
                                              "91",
                                              "-",
                                              "+",
                                              ".",
                                              ",",
                                              "0.5",
                                              "2,5",
                                              "1e3",
                                              "1E+15",
                                              "1e-05",
                                              "1e308",
                                              "1e400",
                                              "-1e400",
                                              "1e-320",
                                              "3D2",
                                              "&H1F",
                                              "&HFFFF",
                                              "&O17",
                                              "&H",
                                              "9.806",
                                              "-9.806",
                                              "0,0",
                                              "abc",
                                              "12abc",
                                              "\xC8\x99",
                                              "\xE2\x82\xAC 5",
                                              "1 2",
                                              "99999999999999999999",
                                              "1.7976931348623157e308",
                                              "4.9e-324",
                                              "NaN",
                                              "inf",
                                              "0x10"};
        switch (pick(0, 3)) {
        case 0:
            return samples[pick(0, std::size(samples) - 1)];
        case 1: {
            std::string garbage;
            for (int n = pick(0, 8); n > 0; --n)
                garbage += static_cast<char>(pick(1, 255));
            return garbage;
        }
        case 2:
            return std::to_string(pick(-200, 2000));
        default: {
            std::ostringstream number;
            number << std::exp(std::uniform_real_distribution<double>(-700, 700)(rng_)) *
                          (pick(0, 1) ? 1 : -1);
            return number.str();
        }
        }
    }

    void type(tk::TextBox& box, std::string text) {
        if (box.MaxLength > 0 && static_cast<int>(text.size()) > box.MaxLength)
            text.resize(static_cast<std::size_t>(box.MaxLength));
        if (pick(0, 1)) {
            box.setText(text); // pasted over the whole box
            return;
        }
        for (std::size_t n = 0; n <= text.size(); ++n) // typed a character at a time
            box.setText(text.substr(0, n));
    }

    void advance(int ms) { platform_.clock.advance(ms); }

    void launch() {
        const std::size_t refusals = platform_.refusals.size();
        const std::string gravity = w_->txtgrav.Text();
        w_->cmdFire.click();
        if (platform_.refusals.size() != refusals)
            return;
        const auto r =
            computeFinalResults(w_->dblVelocity[1], w_->dblVelocity[2], tk::Val(gravity));
        const tk::Locale& l = platform_.locale();
        expected_ = {"Distanta parcursa : " + tk::GeneralNumber(r->distance, l) + " m",
                     "Inaltime maxima: " + tk::GeneralNumber(r->maxHeight, l) + " m",
                     "Timp total: " + tk::GeneralNumber(r->totalTime, l) + " s",
                     "Viteza la impact " + tk::GeneralNumber(r->impactSpeed, l)};
        launched_ = true;
    }

    void step() {
        const int event = pick(0, 16);
        log_ << event << ' ';
        switch (event) {
        case 0:
            launch();
            break;
        case 1:
            w_->Command1.click();
            break;
        case 2:
            w_->cmdClear.click();
            break;
        case 3:
            w_->mnugrid.click();
            break;
        case 4:
            w_->mnutraiect.click();
            break;
        case 5:
            w_->Option1(std::array<tk::Integer, 3>{1, 3, 4}[static_cast<std::size_t>(pick(0, 2))])
                .click();
            break;
        case 6:
            type(w_->txtViteza, randomText());
            break;
        case 7:
            type(w_->txtUnghi, randomText());
            break;
        case 8:
            type(w_->txtgrav, randomText());
            break;
        case 9:
            w_->hsbViteza.setValue(static_cast<tk::Integer>(pick(-5, 105)));
            break;
        case 10:
            w_->hsbUnghi.setValue(static_cast<tk::Integer>(pick(-5, 95)));
            break;
        case 11:
            w_->HSBRaza.setValue(static_cast<tk::Integer>(pick(5, 25)));
            break;
        case 12:
            advance(pick(0, 9) == 0 ? pick(0, 120000) : pick(0, 4000));
            break;
        case 13:
            platform_.saveAnswer =
                pick(0, 2) ? std::optional<std::string>("raport.txt") : std::nullopt;
            if (pick(0, 3) == 0)
                platform_.failingPaths["raport.txt"] = "No space left on device";
            else
                platform_.failingPaths.clear();
            w_->mnusave.click();
            break;
        case 14:
            w_->mnuabout.click();
            break;
        case 15:
            w_->txtRaza.setText(randomText()); // only the program writes the radius box
            break;
        default:
            if (pick(0, 9) == 0) {
                w_->mnuexit.click();
                closed_ = true;
            }
            break;
        }
    }

    std::string invariants() {
        frmmain& w = *w_;
        const tk::Integer count = w.shpTrail.Count();
        if (count < 1) // a 16-bit count holds no more than 32,767
            return "trail count " + std::to_string(count);
        int seen = 0;
        for (const auto& [index, dot] : w.shpTrail) {
            if (index != seen)
                return "trail index gap at " + std::to_string(seen);
            ++seen;
            if (!std::isfinite(dot->Left()) || !std::isfinite(dot->Top()) ||
                !std::isfinite(dot->Width()))
                return "dot " + std::to_string(index) + " has an undefined place";
        }
        if (seen != count)
            return "trail holds " + std::to_string(seen) + " dots, count says " +
                   std::to_string(count);
        for (const tk::Control* c : w.controls())
            if (!std::isfinite(c->Left()) || !std::isfinite(c->Top()) ||
                !std::isfinite(c->Width()) || !std::isfinite(c->Height()))
                return std::string(c->name()) + " has an undefined geometry";
        for (const tk::Shape* s : {&w.shpBall, &w.shpBorder})
            if (!std::isfinite(s->Left()) || !std::isfinite(s->Top()) || !std::isfinite(s->Width()))
                return std::string(s->name()) + " has an undefined geometry";
        for (const tk::Label* l :
             {&w.Label3, &w.Label4, &w.Label5, &w.Label6, &w.Label7, &w.Label8, &w.Label11})
            if (l->Caption().find("NaN") != std::string::npos ||
                l->Caption().find("Inf") != std::string::npos)
                return std::string(l->name()) + " shows " + l->Caption();

        const double speed = tk::Val(w.txtViteza.Text());
        if (!(speed >= 1))
            return "speed box reads " + w.txtViteza.Text();
        const double angle = tk::Val(w.txtUnghi.Text());
        if (!(angle >= 1 && angle <= 90))
            return "angle box reads " + w.txtUnghi.Text();

        const bool t1 = w.Timer1.Enabled(), t2 = w.Timer2.Enabled(), c1 = w.Command1.Enabled();
        const std::string& caption = w.Command1.Caption();
        const bool ready = !t1 && !t2 && !c1 && caption == "Stop"; // also Landed
        const bool flying = t1 && t2 && c1 && caption == "Stop";
        const bool paused = !t1 && t2 && c1 && caption == "Reia";
        if (!ready && !flying && !paused)
            return "timers and Stop button agree with no state";

        const std::array<const tk::Label*, 4> results{&w.Label3, &w.Label4, &w.Label5, &w.Label6};
        for (std::size_t i = 0; i < results.size(); ++i) {
            const std::string& shown = results[i]->Caption();
            const std::string& wanted = launched_ ? expected_[i] : std::string(layoutCaptions[i]);
            if (shown != wanted)
                return std::string(results[i]->name()) + " shows \"" + shown + "\", not \"" +
                       wanted + "\"";
        }
        return {};
    }

    std::mt19937_64 rng_;
    HeadlessPlatform platform_;
    std::unique_ptr<frmmain> w_;
    std::array<std::string, 4> expected_;
    bool launched_ = false;
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
        Sequence sequence(seed);
        const std::string broken = sequence.run(60);
        ASSERT_TRUE(broken.empty()) << "seed " << seed << ": " << broken;
    }
}

} // namespace
} // namespace lopena::testing
