#pragma once

#include "laboratory/LabMath.h"
#include "laboratory/LabScene.h"
#include "laboratory/LabSeries.h"
#include "laboratory/LabSetup.h"
#include "laboratory/TargetGame.h"
#include "record/LabRecorder.h"
#include "physics/Trajectory.h"
#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Random.h"
#include "toolkit/Timer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tk {
class Platform;
}

namespace lopena {

// The Laborator: any launch of the chapter (height, angle down to -90 degrees, gravity of any
// body, vacuum or air), its results from the physics model, a scene fitted to the whole throw,
// the vectors, the vacuum ghost, slow motion, a target and predictions.
class frmLab : public tk::Form {
public:
    explicit frmLab(tk::Platform& platform);

    // The scene, drawn in this order: grid, ghost, platform, target, ground, trails, the dropped
    // ball's marks, the frozen arrows, apex, the dropped ball, ball, vectors, border, the arrows'
    // legend, the energy bars.
    tk::ControlArray<tk::Line> linLabGrid{"linLabGrid"};
    tk::ControlArray<tk::Line> linLabFantoma{"linLabFantoma"};
    tk::Shape shpLabPlatforma{"shpLabPlatforma", tk::ShapeCodes::Rectangle};
    tk::Shape shpLabTinta{"shpLabTinta", tk::ShapeCodes::Rectangle};
    tk::Line linLabSol{"linLabSol", 0, 0, 0, 0};
    tk::ControlArray<tk::Shape> shpLabUrma{"shpLabUrma"};
    // With "Cadere libera alaturi": where the dropped ball was at each mark (every second).
    tk::ControlArray<tk::Shape> shpLabCadereUrma{"shpLabCadereUrma"};
    // With "Vectori": the velocity's arrow left at each mark, three lines each as the arrows.
    tk::ControlArray<tk::Line> linLabInghetat{"linLabInghetat"};
    tk::Shape shpLabVarf{"shpLabVarf", tk::ShapeCodes::Square};
    tk::Shape shpLabCadere{"shpLabCadere", tk::ShapeCodes::Circle};
    tk::Shape shpLabBila{"shpLabBila", tk::ShapeCodes::Circle};
    // Arrow i (v, vx, vy, a, g) is lines 3i (shaft) and 3i + 1, 3i + 2 (head); a in air, g in
    // vacuum, where it is the whole acceleration.
    tk::ControlArray<tk::Line> linLabVector{"linLabVector"};
    tk::Shape shpLabCadru{"shpLabCadru", tk::ShapeCodes::Rectangle};
    // The arrows' colours, a stroke each, under the scale's caption.
    tk::ControlArray<tk::Line> linLabLegenda{"linLabLegenda"};
    // Kinetic, potential, mechanical and lost to the air, in the energy's frame.
    tk::ControlArray<tk::Shape> shpLabEnergie{"shpLabEnergie"};

    // Numbers of the axes, metres: x under the ground, y left of the launch point.
    tk::ControlArray<tk::Label> lblLabAxaX{"lblLabAxaX"};
    tk::ControlArray<tk::Label> lblLabAxaY{"lblLabAxaY"};
    tk::Label lblLabScara{"lblLabScara", ""};
    // v, vx, vy, a, g beside their strokes.
    tk::ControlArray<tk::Label> lblLabLegenda{"lblLabLegenda"};

    // The energies of the ball as it flies, with "Energie": a bar and a value each.
    tk::Frame fraLabEnergie{"fraLabEnergie", "Energie (J)"};
    tk::Label lblLabEnergieInfo{"lblLabEnergieInfo", ""};
    tk::ControlArray<tk::Label> lblLabEnergieNume{"lblLabEnergieNume"};
    tk::ControlArray<tk::Label> lblLabEnergie{"lblLabEnergie"};

    tk::Frame fraLabDate{"fraLabDate", "Aruncarea"};
    tk::Label lblLabViteza{"lblLabViteza", "Viteza (m/s)"};
    tk::TextBox txtLabViteza{"txtLabViteza", "20"};
    tk::Label lblLabUnghi{"lblLabUnghi", "Unghi (grade)"};
    tk::TextBox txtLabUnghi{"txtLabUnghi", "45"};
    // The angle of the longest throw for the other boxes, written into the angle's box and thrown.
    tk::CommandButton cmdLabOptim{"cmdLabOptim", "Unghi optim"};
    tk::Label lblLabInaltime{"lblLabInaltime", "Inaltime (m)"};
    tk::TextBox txtLabInaltime{"txtLabInaltime", "0"};
    tk::Label lblLabGrav{"lblLabGrav", "g (m/s2)"};
    tk::TextBox txtLabGrav{"txtLabGrav", "9.81"};
    // Ready gravities: Pamant, Luna, Marte, Jupiter.
    tk::ControlArray<tk::CommandButton> cmdLabGrav{"cmdLabGrav"};
    // The series of angles: from "de" to "pana la" degrees, every 5; the button stops it too.
    tk::CommandButton cmdLabSerie{"cmdLabSerie", "Serie de unghiuri"};
    tk::Label lblLabSerieDe{"lblLabSerieDe", "de"};
    tk::TextBox txtLabSerieDe{"txtLabSerieDe", "15"};
    tk::Label lblLabSeriePana{"lblLabSeriePana", "pana la"};
    tk::TextBox txtLabSeriePana{"txtLabSeriePana", "75"};

    tk::Frame fraLabMediu{"fraLabMediu", "Mediu"};
    tk::ControlArray<tk::OptionButton> optLabMediu{"optLabMediu"};
    tk::Label lblLabK{"lblLabK", "k (1/s)"};
    tk::TextBox txtLabK{"txtLabK", "0.1"};
    tk::Frame fraLabCorp{"fraLabCorp", "Corp"};
    tk::ControlArray<tk::OptionButton> optLabCorp{"optLabCorp"};
    tk::Label lblLabMasa{"lblLabMasa", "m (kg)"};
    tk::TextBox txtLabMasa{"txtLabMasa", ""};
    tk::Label lblLabDiametru{"lblLabDiametru", "d (m)"};
    tk::TextBox txtLabDiametru{"txtLabDiametru", ""};
    tk::Label lblLabCd{"lblLabCd", "Cd"};
    tk::TextBox txtLabCd{"txtLabCd", ""};

    tk::Frame fraLabAfisare{"fraLabAfisare", "Afisare"};
    tk::CheckBox chkLabVectori{"chkLabVectori", "Vectori", 0};
    tk::CheckBox chkLabFantoma{"chkLabFantoma", "Fantoma (vid)", 0};
    tk::CheckBox chkLabPrezice{"chkLabPrezice", "Prezice", 0};
    tk::CheckBox chkLabEnergie{"chkLabEnergie", "Energie", 0};
    // A second ball let go from the launch's height at the launch.
    tk::CheckBox chkLabCadere{"chkLabCadere", "Cadere libera alaturi", 0};
    // The speed of showing: 1 s of flight in 1 s, or in 4 s.
    tk::ControlArray<tk::OptionButton> optLabRitm{"optLabRitm"};

    tk::CommandButton cmdLabStart{"cmdLabStart", "Start"};
    tk::CommandButton cmdLabPauza{"cmdLabPauza", "Pauza"};
    tk::CommandButton cmdLabPas{"cmdLabPas", "Pas"};
    tk::CommandButton cmdLabSterge{"cmdLabSterge", "Sterge"};

    tk::Frame fraLabPrezice{"fraLabPrezice", "Predictie"};
    tk::Label lblLabPrezD{"lblLabPrezD", "D (m)"};
    tk::TextBox txtLabPrezD{"txtLabPrezD", ""};
    tk::Label lblLabPrezH{"lblLabPrezH", "H (m)"};
    tk::TextBox txtLabPrezH{"txtLabPrezH", ""};
    tk::Label lblLabPrezT{"lblLabPrezT", "T (s)"};
    tk::TextBox txtLabPrezT{"txtLabPrezT", ""};
    tk::CommandButton cmdLabArunca{"cmdLabArunca", "Arunca"};
    // Beside each prediction, at the landing: the result and the difference in per cent.
    tk::ControlArray<tk::Label> lblLabPrez{"lblLabPrez"};

    tk::Frame fraLabRezultate{"fraLabRezultate", "Rezultate"};
    tk::Label lblLabT{"lblLabT", "T ="};
    tk::Label lblLabD{"lblLabD", "D ="};
    tk::Label lblLabH{"lblLabH", "H ="};
    tk::Label lblLabV{"lblLabV", "V ="};
    tk::Label lblLabImpact{"lblLabImpact", "unghi la impact ="};
    tk::Label lblLabUrcare{"lblLabUrcare", "t urcare ="};
    tk::Label lblLabVarf{"lblLabVarf", "varf ="};
    tk::Label lblLabVx0{"lblLabVx0", "vx0 ="};
    tk::Label lblLabVy0{"lblLabVy0", "vy0 ="};
    tk::Label lblLabOptim{"lblLabOptim", ""};
    // The same throw in vacuum, shown with air: T, D, H, V.
    tk::ControlArray<tk::Label> lblLabVid{"lblLabVid"};

    tk::Frame fraLabZbor{"fraLabZbor", "In zbor"};
    // t, x, y, vx, vy, v as the ball flies.
    tk::ControlArray<tk::Label> lblLabLive{"lblLabLive"};
    // The dropped ball's y; the top's velocity, from when the ball passes it.
    tk::Label lblLabLiveCadere{"lblLabLiveCadere", ""};
    tk::Label lblLabLiveVarf{"lblLabLiveVarf", ""};

    tk::Frame fraLabTinta{"fraLabTinta", "Tinta"};
    tk::CheckBox chkLabTinta{"chkLabTinta", "Tinta", 0};
    tk::Label lblLabTintaD{"lblLabTintaD", "la (m)"};
    tk::TextBox txtLabTintaD{"txtLabTintaD", "30"};
    tk::Label lblLabTintaL{"lblLabTintaL", "latime (m)"};
    tk::TextBox txtLabTintaL{"txtLabTintaL", "6"};
    tk::Label lblLabTintaRez{"lblLabTintaRez", ""};

    // The round at the target: its throws and stars so far; "Runda noua" puts the target at a new
    // place within reach and starts another.
    tk::Label lblLabRunda{"lblLabRunda", ""};
    tk::CommandButton cmdLabRunda{"cmdLabRunda", "Runda noua"};
    // The set-up as a code to send, or a code received opened (frmLabCod).
    tk::CommandButton cmdLabCod{"cmdLabCod", "Cod..."};

    // The animation, every 100 ms, as the main window's.
    tk::Timer tmrLab{"tmrLab", 100, false};

    void Form_Load();
    // Checks the inputs; with "Prezice" asks for the prediction first, else throws.
    void cmdLabStart_Click();
    // Throws with the predictions written (none, some or all).
    void cmdLabArunca_Click();
    void tmrLab_Timer();
    void cmdLabPauza_Click();
    // While paused: one step of 0.1 s of flight.
    void cmdLabPas_Click();
    // Removes every trail.
    void cmdLabSterge_Click();
    void cmdLabOptim_Click();
    // Throws the boxes' launch at each angle of the series in turn, or stops the one under way.
    void cmdLabSerie_Click();
    bool seriesActive() const { return series_.active(); }
    void cmdLabGrav_Click(tk::Integer index);
    void optLabMediu_Click(tk::Integer index);
    // Writes the body's mass, diameter and drag coefficient into their boxes.
    void optLabCorp_Click(tk::Integer index);
    void optLabRitm_Click(tk::Integer index);
    void chkLabVectori_Click();
    void chkLabFantoma_Click();
    void chkLabTinta_Click();
    void chkLabEnergie_Click();
    // Ticked: a horizontal throw from a height, unless the boxes say another.
    void chkLabCadere_Click();

    // Flight time per tick at 1x, microseconds; a dot every 0.1 s of flight, larger every second.
    static constexpr std::int64_t tickMicros = 100000;
    static constexpr std::int64_t dotMicros = 100000;
    // The most frozen arrows, and dots of the dropped ball, of one throw.
    static constexpr int mostMarks = 31;

    struct Body {
        const char* name;
        double mass, diameter, cd; // kg, m, no unit
        const char* named;         // in a throw's name: "minge de tenis"
    };
    static const std::array<Body, 5> bodies;
    static const std::array<double, 4> gravities; // Pamant, Luna, Marte, Jupiter, m/s^2

    // The metres per grid square of the scene now.
    double scale() const { return scene_.scale(); }
    const LabScene& scene() const { return scene_; }
    // The throw flying or last flown.
    const LabThrow* current() const { return current_ ? &*current_ : nullptr; }
    bool flying() const { return tmrLab.Enabled() || paused_; }
    // Throws since the target was placed, and the one that first hit it (0 before a hit).
    int targetThrows() const { return target_.throws(); }
    int firstHit() const { return target_.firstHit(); }

    // The launch as the boxes hold it, or the refusal of the first box that cannot be used (the
    // angle's box not read when `withAngle` is false).
    physics::Result<physics::Launch> readLaunch(bool withAngle = true);

    // Wide: the window's own layout, 1016 x 630. Tall, for a room taller than wide (a phone
    // upright): the scene as wide as the room, then the results and the live values, then the
    // controls in their tab order, every target at least 24 px high.
    bool hasTallLayout() const override { return true; }

    // The set-up as the boxes hold it (a box the medium does not use, when it cannot be read,
    // as at the start), or nothing with `why` a box in use cannot be used.
    std::optional<LabSetup> setup(std::string& why);
    // Writes the set-up into the boxes, ticks and options, the target placed anew; no throw.
    void applySetup(const LabSetup& setup);
    // The code's set-up applied, or why the code is refused (and nothing changed).
    std::optional<std::string> openCode(const std::string& code);
    void cmdLabCod_Click();
    // The target between 30 % and 95 % of the longest throw of the boxes now (their best angle);
    // ticks "Tinta" and starts a new round.
    void cmdLabRunda_Click();
    // Where the rounds' targets fall; tests give a seed of their own.
    void seedRounds(std::uint64_t seed) { rounds_ = tk::Random(seed); }
    // The settings' key of the set-up kept between runs (as a code).
    static constexpr const char* keptKey = "laborator/asezare";

    void setRecorder(LabRecorder* recorder) { recorder_ = recorder; }
    // Writes a launch of the history into the boxes and throws it (no prediction asked).
    void repeat(const physics::Launch& launch);

protected:
    std::pair<int, int> arrangeFor(tk::Layout layout, int roomWidth) override;

private:
    void buildScene();
    // The grid's lines, numbers, border and caption where the scene's grid puts them; what was
    // drawn of the throw drawn again there.
    void placeGrid();
    void redrawThrow();
    int arrangeTall(int width);
    void buildControls();
    void wireEvents();
    // The series' button, and the boxes whose edit stops a series.
    void wireSeries();
    // Throws the series' next angle, or ends it after the last.
    void throwNextOfSeries();
    void stopSeries();
    // The body of the option chosen when the boxes hold its numbers: its name, else "".
    std::string bodyNamed(const physics::Launch& launch) const;
    void launch(const physics::Trajectory& flight,
                const std::array<std::optional<double>, 3>& predicted);
    // Advances the flight shown by `micros` of flight time; lands at T.
    void advance(std::int64_t micros);
    void showAt(double t);
    void land();
    void fitScale(double needed);
    void placeDots();
    void placeDot(tk::Shape& dot, double x, double y, bool big);
    void drawGhost();
    void drawVectors(const physics::State& s);
    // The frozen arrows and the dropped ball's marks up to the flight time t; all again when
    // `again` (a new scale or layout).
    void placeMarks(double t, bool again);
    void hideMarks(bool arrows, bool drop);
    void showDrop(double t);
    // The energy's frame: its bars and values, or why there are none.
    void showEnergyPanel();
    void showEnergy(const physics::State& s);
    // The bars' places in the energy's frame: their bottom `bottom` px down in it.
    void placeEnergyBars(tk::Single bottom);
    void enableBoxes();
    // The body's mass for the energies of the throw shown, kg.
    void setEnergyMass(double mass);
    // The flight shown ends when the ball and, shown beside it, the dropped one are down.
    double endTime() const;
    // Arrow `arrow` of `lines`: its lines 3 arrow (shaft) and 3 arrow + 1, 3 arrow + 2 (head).
    void drawArrow(tk::ControlArray<tk::Line>& lines, int arrow, double x, double y, double dx,
                   double dy);
    void placePlatform();
    void placeTarget();
    void showResults(const physics::Trajectory& r);
    void showPredictions();
    // Tells why the box cannot be used; the results of the throw before go with it.
    void refuse(tk::TextBox& box, const std::string& why);
    void clearResults();
    // The throw accepted and solved, waiting for the prediction; nothing to wait no more.
    void awaitPrediction(std::optional<physics::Trajectory> flight);
    tk::TextBox* boxOf(physics::Field field);
    tk::Single px(double x) const { return scene_.px(x); }
    tk::Single py(double y) const { return scene_.py(y); }
    void setPaused(bool paused);
    // The set-up kept at every change once the kept one is read back at the first opening.
    void watchSetup();
    void keepSetup();
    void restoreSetup();
    void showRound();

    tk::Platform& platform_;
    tk::Random rounds_;
    bool keeping_ = false;
    LabRecorder* recorder_ = nullptr;
    std::optional<LabThrow> current_;
    std::optional<physics::Trajectory> pending_; // accepted, waiting for the prediction
    // The trail dots' places, m, by dot index - 1: redrawn when the scale changes.
    struct DotPlace {
        double x, y;
        bool big;
    };
    std::vector<DotPlace> dots_;
    LabScene scene_;
    TargetGame target_;
    // Every control's place in the wide layout, taken as it is built: the layout to go back to.

    // The ball let go beside the throw, and the seconds between two marks (frozen arrows, its
    // dots): 1, or more for a long flight.
    std::optional<lab::Drop> drop_;
    double markStep_ = 1;
    int frozen_ = 0, dropMarks_ = 0; // drawn so far
    bool apexShown_ = false;
    // The body's mass for the energies, kg, read at the launch; none when its box had no mass.
    std::optional<double> energyMass_;
    double launchEnergy_ = 0; // J
    tk::Single energyBottom_ = 0;

    std::int64_t elapsed_ = 0;  // flight time shown, microseconds
    std::int64_t nextDot_ = 0;  // the flight time of the next dot, microseconds
    std::int64_t tickStep_ = tickMicros;
    double vectorScale_ = 1;    // pixels per m/s
    double accelerationScale_ = 1; // pixels per m/s^2
    int throws_ = 0;
    bool paused_ = false;
    bool loadedOnce_ = false;
    LabSeries series_;
    bool seriesLaunching_ = false; // the series writes the angle's box and throws
};

} // namespace lopena
