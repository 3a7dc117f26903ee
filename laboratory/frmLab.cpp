#include "laboratory/frmLab.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"

#include <algorithm>
#include <cmath>

namespace lopena {

namespace {

// Trail colours of successive throws.
constexpr tk::Colour palette[] = {
    tk::rgb(220, 50, 47),  tk::rgb(38, 139, 210), tk::rgb(133, 153, 0), tk::rgb(211, 54, 130),
    tk::rgb(203, 75, 22),  tk::rgb(42, 161, 152), tk::rgb(108, 113, 196), tk::rgb(181, 137, 0),
};
// Arrows v, vx, vy, a, g.
constexpr tk::Colour arrowColours[] = {tk::rgb(0, 0, 0), tk::rgb(0, 90, 200), tk::rgb(200, 30, 30),
                                       tk::rgb(0, 140, 60), tk::rgb(140, 60, 180)};
constexpr double arrowPixels = 70;        // the longest speed of a throw, drawn
constexpr double accelerationPixels = 35; // g, drawn
constexpr const char* notANumber = "Scrieti un numar.";
constexpr const char* tooLarge = "Numarul este prea mare: scrieti unul mai mic.";
// A difference from a prediction beyond this, per cent, has too many digits to be read.
constexpr double largestError = 1e15;
constexpr const char* badTarget =
    "Tinta: distanta de la 0 in sus si latimea mai mare decat 0, in metri.";
constexpr const char* energyOff = "Bifati Energie, la Afisare: energia cinetica, potentiala si "
                                  "cea pierduta in aer, cat zboara corpul.";
constexpr const char* energyWaits = "Apasati Start: barele arata energia corpului in zbor.";
constexpr const char* energyNoMass =
    "Masa corpului nu se poate citi: scrieti-o la m (kg) si aruncati din nou.";

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Why a box's text is no number a throw can use, or nullptr when it is one.
const char* unreadable(const std::string& text) {
    if (tk::IsTooLarge(text))
        return tooLarge;
    return tk::IsNumeric(text) ? nullptr : notANumber;
}

} // namespace

void frmLab::wireEvents() {
    onLoad = [this] { Form_Load(); };
    cmdLabStart.onClick = [this] { cmdLabStart_Click(); };
    cmdLabArunca.onClick = [this] { cmdLabArunca_Click(); };
    tmrLab.onTimer = [this] { tmrLab_Timer(); };
    cmdLabPauza.onClick = [this] { cmdLabPauza_Click(); };
    cmdLabPas.onClick = [this] { cmdLabPas_Click(); };
    cmdLabSterge.onClick = [this] { cmdLabSterge_Click(); };
    cmdLabOptim.onClick = [this] { cmdLabOptim_Click(); };
    wireSeries();
    for (const auto& [index, button] : cmdLabGrav)
        button->onClick = [this, i = index] { cmdLabGrav_Click(i); };
    for (const auto& [index, option] : optLabMediu)
        option->onClick = [this](tk::Integer i) { optLabMediu_Click(i); };
    for (const auto& [index, option] : optLabCorp)
        option->onClick = [this](tk::Integer i) { optLabCorp_Click(i); };
    for (const auto& [index, option] : optLabRitm)
        option->onClick = [this](tk::Integer i) { optLabRitm_Click(i); };
    chkLabVectori.onClick = [this] { chkLabVectori_Click(); };
    chkLabFantoma.onClick = [this] { chkLabFantoma_Click(); };
    chkLabTinta.onClick = [this] { chkLabTinta_Click(); };
    chkLabEnergie.onClick = [this] { chkLabEnergie_Click(); };
    chkLabCadere.onClick = [this] { chkLabCadere_Click(); };
    cmdLabCod.onClick = [this] { cmdLabCod_Click(); };
    cmdLabRunda.onClick = [this] { cmdLabRunda_Click(); };
    chkLabPrezice.onClick = [this] {
        fraLabPrezice.setVisible(chkLabPrezice.Value() == 1);
        if (layout() == tk::Layout::Tall)
            rearrange(); // the prediction's room opens or closes in the column
        if (chkLabPrezice.Value() != 1)
            awaitPrediction(std::nullopt);
    };
    for (tk::Integer i = 0; i < 5; ++i) {
        for (tk::Integer stroke = 0; stroke < 3; ++stroke)
            linLabVector(static_cast<tk::Integer>(3 * i + stroke)).BorderColor = arrowColours[i];
        linLabLegenda(i).BorderColor = arrowColours[i];
    }
}

void frmLab::Form_Load() {
    if (loadedOnce_)
        return; // a window opened again keeps its throws and boxes
    loadedOnce_ = true;
    const tk::Locale& locale = platform_.locale();
    txtLabGrav.setText(tk::GeneralNumber(gravities[0], locale));
    txtLabK.setText(tk::GeneralNumber(0.1, locale));
    optLabRitm(1).setCaption("0" + locale.decimalSeparator + "25x");
    optLabCorp_Click(0);
    optLabMediu_Click(0);
    showEnergyPanel();
    fitScale(5);
    restoreSetup();
}

tk::TextBox* frmLab::boxOf(physics::Field field) {
    switch (field) {
    case physics::Field::Speed: return &txtLabViteza;
    case physics::Field::Angle: return &txtLabUnghi;
    case physics::Field::Height: return &txtLabInaltime;
    case physics::Field::Gravity: return &txtLabGrav;
    case physics::Field::LinearDrag: return &txtLabK;
    case physics::Field::Mass: return &txtLabMasa;
    case physics::Field::Diameter: return &txtLabDiametru;
    case physics::Field::DragCoefficient:
    case physics::Field::Density: return &txtLabCd;
    }
    return &txtLabViteza;
}

void frmLab::refuse(tk::TextBox& box, const std::string& why) {
    clearResults();
    platform_.refuseInput(box, why);
}

void frmLab::clearResults() {
    lblLabT.setCaption("T =");
    lblLabD.setCaption("D =");
    lblLabH.setCaption("H =");
    lblLabV.setCaption("V =");
    lblLabImpact.setCaption("unghi la impact =");
    lblLabUrcare.setCaption("t urcare =");
    lblLabVarf.setCaption("varf =");
    lblLabVx0.setCaption("vx0 =");
    lblLabVy0.setCaption("vy0 =");
    lblLabOptim.setCaption("");
    for (const auto& [index, label] : lblLabVid)
        label->setVisible(false);
    for (const auto& [index, label] : lblLabPrez)
        label->setCaption("");
    lblLabTintaRez.setCaption("");
}

void frmLab::awaitPrediction(std::optional<physics::Trajectory> flight) {
    pending_ = std::move(flight);
    // While the prediction is awaited Enter throws, as "Arunca" does.
    cmdLabArunca.Default = pending_.has_value();
    cmdLabStart.Default = !pending_;
    cmdLabArunca.setEnabled(pending_.has_value());
}

physics::Result<physics::Launch> frmLab::readLaunch(bool withAngle) {
    physics::Launch l;
    if (!withAngle)
        l.angle = 45; // any angle the model takes: the caller sets its own
    l.medium = optLabMediu(1).Value()   ? physics::Medium::LinearDrag
               : optLabMediu(2).Value() ? physics::Medium::QuadraticDrag
                                        : physics::Medium::Vacuum;
    struct Input {
        physics::Field field;
        double* value;
        bool used;
    };
    const bool quadratic = l.medium == physics::Medium::QuadraticDrag;
    // The energies need the body's mass in any medium.
    const bool mass = quadratic || chkLabEnergie.Value() == 1;
    const Input inputs[] = {
        {physics::Field::Speed, &l.v0, true},
        {physics::Field::Angle, &l.angle, withAngle},
        {physics::Field::Height, &l.h0, true},
        {physics::Field::Gravity, &l.g, true},
        {physics::Field::LinearDrag, &l.k, l.medium == physics::Medium::LinearDrag},
        {physics::Field::Mass, &l.mass, mass},
        {physics::Field::Diameter, &l.diameter, quadratic},
        {physics::Field::DragCoefficient, &l.cd, quadratic},
    };
    for (const Input& in : inputs) {
        if (!in.used)
            continue;
        const std::string& text = boxOf(in.field)->Text();
        if (const char* why = unreadable(text))
            return physics::Refusal{in.field, why};
        *in.value = tk::Val(text);
    }
    if (auto refusal = physics::check(l))
        return *refusal;
    if (mass && !quadratic) {
        // The model checks a mass only where it flies the body: asked as for a body in air.
        physics::Launch body = l;
        body.medium = physics::Medium::QuadraticDrag;
        if (auto refusal = physics::check(body); refusal && refusal->field == physics::Field::Mass)
            return *refusal;
    }
    return l;
}

void frmLab::cmdLabStart_Click() {
    const auto launchRead = readLaunch();
    if (!launchRead) {
        refuse(*boxOf(launchRead.refusal().field), launchRead.refusal().message);
        return;
    }
    const auto solved = physics::solve(*launchRead);
    if (!solved) {
        refuse(*boxOf(solved.refusal().field), solved.refusal().message);
        return;
    }
    if (chkLabTinta.Value() == 1) {
        for (tk::TextBox* box : {&txtLabTintaD, &txtLabTintaL}) {
            const double value = tk::Val(box->Text());
            if (!tk::IsNumeric(box->Text()) || value < 0 || (box == &txtLabTintaL && value <= 0) ||
                value > 1e9) {
                refuse(*box, badTarget);
                return;
            }
        }
    }
    if (chkLabPrezice.Value() == 1) {
        // The throw waits for the prediction: "Arunca" flies it.
        awaitPrediction(*solved);
        for (const auto& [index, label] : lblLabPrez)
            label->setCaption("");
        return;
    }
    launch(*solved, {});
}

void frmLab::cmdLabArunca_Click() {
    if (!pending_)
        return;
    const physics::Trajectory& r = *pending_;
    const double results[] = {r.D, r.H, r.T};
    std::array<std::optional<double>, 3> predicted;
    tk::TextBox* boxes[] = {&txtLabPrezD, &txtLabPrezH, &txtLabPrezT};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& text = boxes[i]->Text();
        if (blank(text))
            continue; // nothing predicted
        const char* why = unreadable(text);
        const auto error = why ? std::nullopt : errorPercent(tk::Val(text), results[i]);
        if (!why && error && !(std::fabs(*error) < largestError))
            why = tooLarge;
        if (why) {
            refuse(*boxes[i], why);
            return;
        }
        predicted[i] = tk::Val(text);
    }
    const physics::Trajectory flight = std::move(*pending_);
    awaitPrediction(std::nullopt);
    launch(flight, predicted);
}

void frmLab::repeat(const physics::Launch& l) {
    const tk::Locale& locale = platform_.locale();
    txtLabViteza.setText(tk::GeneralNumber(l.v0, locale));
    txtLabUnghi.setText(tk::GeneralNumber(l.angle, locale));
    txtLabInaltime.setText(tk::GeneralNumber(l.h0, locale));
    txtLabGrav.setText(tk::GeneralNumber(l.g, locale));
    optLabMediu(static_cast<tk::Integer>(l.medium)).click();
    txtLabK.setText(tk::GeneralNumber(l.k, locale));
    txtLabMasa.setText(tk::GeneralNumber(l.mass, locale));
    txtLabDiametru.setText(tk::GeneralNumber(l.diameter, locale));
    txtLabCd.setText(tk::GeneralNumber(l.cd, locale));
    awaitPrediction(std::nullopt);
    if (const auto solved = physics::solve(l))
        launch(*solved, {});
}

void frmLab::launch(const physics::Trajectory& flight,
                    const std::array<std::optional<double>, 3>& predicted) {
    tmrLab.setEnabled(false);
    if (!seriesLaunching_)
        stopSeries(); // a throw of the pupil's own
    LabThrow th;
    th.flight = flight;
    th.predicted = predicted;
    th.colour = series_.active() ? LabSeries::colour(series_.thrown())
                                 : palette[throws_ % std::size(palette)];
    th.body = bodyNamed(flight.launch);
    ++throws_;
    if (flight.launch.medium != physics::Medium::Vacuum) {
        physics::Launch vacuum = flight.launch;
        vacuum.medium = physics::Medium::Vacuum;
        if (auto solved = physics::solve(vacuum))
            th.vacuum = *solved;
    }
    current_ = std::move(th);

    // The scale that holds the whole throw, its vacuum ghost and the target.
    double across = flight.D, up = flight.H;
    if (current_->vacuum) {
        across = std::max(across, current_->vacuum->D);
        up = std::max(up, current_->vacuum->H);
    }
    if (chkLabTinta.Value() == 1) {
        target_.thrown(tk::Val(txtLabTintaD.Text()), tk::Val(txtLabTintaL.Text()));
        across = std::max(across, target_.centre() + target_.width() / 2);
        showRound();
    }
    fitScale(scene_.scaleFor(across, up));
    placeTarget();
    placePlatform();

    showResults(flight);
    for (const auto& [index, label] : lblLabPrez)
        label->setCaption("");
    lblLabTintaRez.setCaption("");

    double fastest = std::max(flight.launch.v0, flight.V);
    if (current_->vacuum)
        fastest = std::max(fastest, current_->vacuum->V);
    vectorScale_ = arrowPixels / fastest;
    accelerationScale_ = accelerationPixels / flight.launch.g;
    drawGhost();
    shpLabVarf.setVisible(true);
    // The acceleration's arrow: a in air, g in vacuum; the other one stays hidden.
    for (tk::Integer stroke = 0; stroke < 3; ++stroke)
        linLabVector(static_cast<tk::Integer>(current_->vacuum ? 12 + stroke : 9 + stroke)).setVisible(false);

    drop_.emplace(flight.launch);
    markStep_ = std::max(1.0, lab::roundScale(std::max(flight.T, drop_->landing()) / (mostMarks - 1)));
    hideMarks(true, true);
    apexShown_ = false;
    lblLabLiveVarf.setCaption("");
    // The mass the throw was read with for the energies.
    energyMass_.reset();
    if (chkLabEnergie.Value() == 1) {
        setEnergyMass(flight.launch.mass);
        showEnergyPanel();
    }

    shpLabUrma(0).setFillColor(current_->colour);
    shpLabBila.setFillColor(current_->colour);
    shpLabBila.setVisible(true);
    elapsed_ = 0;
    nextDot_ = 0;
    setPaused(false);
    cmdLabPauza.setEnabled(true);
    if (recorder_)
        recorder_->labLaunched(*current_);
    if (layout() == tk::Layout::Tall) {
        // Start is under the scene in the column: the throw comes into view.
        const LabScene::Area& f = scene_.grid().frame;
        reveal(0, 0, clientWidth(), static_cast<int>(f.bottom));
    }
    tmrLab.setEnabled(true);
    advance(0);
}

void frmLab::setEnergyMass(double mass) {
    energyMass_ = mass;
    const physics::Trajectory& flight = current_->flight;
    launchEnergy_ = lab::energies(flight.at(0), mass, flight.launch.g, 0).mechanical;
}

double frmLab::endTime() const {
    const double T = current_->flight.T;
    return chkLabCadere.Value() == 1 && drop_ ? std::max(T, drop_->landing()) : T;
}

void frmLab::tmrLab_Timer() {
    advance(tickStep_);
}

void frmLab::advance(std::int64_t micros) {
    if (!current_)
        return;
    const physics::Trajectory& flight = current_->flight;
    const double T = flight.T, end = endTime();
    elapsed_ += micros;
    const bool down = static_cast<double>(elapsed_) >= end * 1e6;
    // Every 0.1 s of flight up to the landing leaves a dot where the model puts the body.
    while (static_cast<double>(nextDot_) <= std::min(static_cast<double>(elapsed_), T * 1e6)) {
        if (shpLabUrma.Count() >= shpLabUrma.MaxCount)
            break; // a full trail leaves no more dots
        const physics::State s = flight.at(static_cast<double>(nextDot_) * 1e-6);
        const bool big = nextDot_ % 1000000 == 0;
        tk::Shape& dot = shpLabUrma.Load(shpLabUrma.Count());
        dots_.push_back({s.x, s.y, big});
        placeDot(dot, s.x, s.y, big);
        if (recorder_)
            recorder_->labStep(s);
        nextDot_ += dotMicros;
    }
    if (static_cast<double>(nextDot_) <= T * 1e6 && shpLabUrma.Count() >= shpLabUrma.MaxCount)
        nextDot_ = static_cast<std::int64_t>(T * 1e6) + 1;
    showAt(down ? end : static_cast<double>(elapsed_) * 1e-6);
    if (down)
        land();
}

void frmLab::showAt(double t) {
    const physics::Trajectory& flight = current_->flight;
    // After its landing the ball rests while the dropped one still falls.
    const physics::State s = flight.at(t);
    shpLabBila.Move(px(s.x) - 6, py(s.y) - 6);
    const tk::Locale& locale = platform_.locale();
    const double values[] = {t, s.x, s.y, s.vx, s.vy, std::hypot(s.vx, s.vy)};
    static const char* const names[] = {"t = ", "x = ", "y = ", "vx = ", "vy = ", "v = "};
    static const char* const units[] = {" s", " m", " m", " m/s", " m/s", " m/s"};
    for (tk::Integer i = 0; i < 6; ++i)
        lblLabLive(i).setCaption(names[i] + tk::FixedNumber(values[i], 3, locale) + units[i]);
    // The top, where vy is 0, marked once the ball passes it; a throw downwards has none.
    if (!apexShown_ && flight.launch.angle >= 0 && t >= flight.apexTime) {
        apexShown_ = true;
        lblLabLiveVarf.setCaption("varf: vy = 0, v = vx = " +
                                  tk::FixedNumber(flight.at(flight.apexTime).vx, 3, locale) + " m/s");
    }
    drawVectors(s);
    // A frozen arrow when the flight reaches the next mark.
    if (chkLabVectori.Value() == 1 && frozen_ < mostMarks && t >= (frozen_ - 1e-9) * markStep_)
        placeMarks(t, false);
    if (chkLabCadere.Value() == 1)
        showDrop(t);
    if (chkLabEnergie.Value() == 1)
        showEnergy(s);
}

void frmLab::placeMarks(double t, bool again) {
    const physics::Trajectory& flight = current_->flight;
    // The marks at 0, markStep_, 2 markStep_... up to t (its last tick's rounding forgiven).
    auto upTo = [&](double end) {
        const double count = std::floor(std::min(t, end) / markStep_ + 1e-9) + 1;
        return static_cast<int>(std::min<double>(mostMarks, std::max(0.0, count)));
    };
    if (again)
        frozen_ = dropMarks_ = 0;
    if (chkLabVectori.Value() == 1)
        for (const int wanted = upTo(flight.T); frozen_ < wanted; ++frozen_) {
            const physics::State s = flight.at(frozen_ * markStep_);
            drawArrow(linLabInghetat, frozen_, px(s.x), py(s.y), s.vx * vectorScale_,
                      s.vy * vectorScale_);
        }
    if (chkLabCadere.Value() == 1 && drop_)
        for (const int wanted = upTo(drop_->landing()); dropMarks_ < wanted; ++dropMarks_)
            placeDot(shpLabCadereUrma(static_cast<tk::Integer>(dropMarks_)), 0,
                     drop_->y(dropMarks_ * markStep_), true);
}

void frmLab::hideMarks(bool arrows, bool drop) {
    if (arrows)
        for (; frozen_ > 0; --frozen_)
            for (tk::Integer stroke = 0; stroke < 3; ++stroke)
                linLabInghetat(static_cast<tk::Integer>(3 * (frozen_ - 1) + stroke)).setVisible(false);
    if (drop) {
        for (; dropMarks_ > 0; --dropMarks_)
            shpLabCadereUrma(static_cast<tk::Integer>(dropMarks_ - 1)).setVisible(false);
        shpLabCadere.setVisible(false);
        lblLabLiveCadere.setCaption("");
    }
}

void frmLab::showDrop(double t) {
    const double y = drop_->y(t);
    shpLabCadere.Move(px(0) - 6, py(y) - 6);
    shpLabCadere.setVisible(true);
    lblLabLiveCadere.setCaption("y cadere = " + tk::FixedNumber(y, 3, platform_.locale()) + " m");
    if (dropMarks_ < mostMarks && t >= (dropMarks_ - 1e-9) * markStep_)
        placeMarks(t, false);
}

void frmLab::showEnergyPanel() {
    const bool on = chkLabEnergie.Value() == 1, bars = on && current_ && energyMass_;
    lblLabEnergieInfo.setCaption(!on ? energyOff : current_ ? energyNoMass : energyWaits);
    lblLabEnergieInfo.setVisible(!bars);
    const bool air = current_ && current_->vacuum;
    for (tk::Integer i = 0; i < 4; ++i) {
        const bool shown = bars && (i < 3 || air);
        shpLabEnergie(i).setVisible(shown);
        lblLabEnergieNume(i).setVisible(shown);
        lblLabEnergie(i).setVisible(shown);
    }
    if (bars)
        showEnergy(current_->flight.at(std::min(static_cast<double>(elapsed_) * 1e-6, current_->flight.T)));
}

void frmLab::showEnergy(const physics::State& s) {
    if (!energyMass_ || !(launchEnergy_ > 0))
        return;
    const lab::Energies e = lab::energies(s, *energyMass_, current_->flight.launch.g, launchEnergy_);
    const double values[] = {e.kinetic, e.potential, e.mechanical, e.lost};
    static const char* const names[] = {"Ec = ", "Ep = ", "E = ", "aer = "};
    const tk::Locale& locale = platform_.locale();
    const tk::Single top = fraLabEnergie.Top() + 24, bottom = fraLabEnergie.Top() + energyBottom_;
    for (tk::Integer i = 0; i < (current_->vacuum ? 4 : 3); ++i) {
        const double part = std::clamp(values[i] / launchEnergy_, 0.0, 1.0);
        const auto height = static_cast<tk::Single>(part * (bottom - top));
        tk::Shape& bar = shpLabEnergie(i);
        bar.setBounds(bar.Left(), bottom - height, bar.Width(), height);
        lblLabEnergie(i).setCaption(names[i] + tk::FixedNumber(lab::settled(values[i]), 3, locale) + " J");
    }
}

void frmLab::placeEnergyBars(tk::Single bottom) {
    energyBottom_ = bottom;
    for (const auto& [i, bar] : shpLabEnergie)
        bar->setBounds(fraLabEnergie.Left() + 9 + 24 * static_cast<tk::Single>(i),
                       fraLabEnergie.Top() + bottom, 18, 0);
    if (current_ && chkLabEnergie.Value() == 1)
        showEnergyPanel();
}

void frmLab::land() {
    tmrLab.setEnabled(false);
    setPaused(false);
    cmdLabPauza.setEnabled(false);
    const physics::Trajectory& flight = current_->flight;
    if (chkLabTinta.Value() == 1) {
        const tk::Locale& locale = platform_.locale();
        const int count = target_.landed(flight.D);
        if (count > 0) {
            lblLabTintaRez.setCaption("Lovit! " + std::string(static_cast<std::size_t>(count), '*') +
                                      "\nPrima lovitura la aruncarea " +
                                      std::to_string(target_.firstHit()));
        } else {
            const double off = flight.D - target_.centre();
            lblLabTintaRez.setCaption("Pe langa: cu " + tk::FixedNumber(std::fabs(off), 3, locale) +
                                      " m prea " + (off > 0 ? "departe" : "aproape"));
        }
        showRound();
    }
    showPredictions();
    if (recorder_)
        recorder_->labLanded(*current_);
    if (series_.active())
        throwNextOfSeries();
}

void frmLab::showPredictions() {
    const physics::Trajectory& r = current_->flight;
    const double results[] = {r.D, r.H, r.T};
    const tk::Locale& locale = platform_.locale();
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& predicted = current_->predicted[i];
        std::string text;
        if (predicted) {
            text = "rezultat " + tk::FixedNumber(results[i], 3, locale);
            if (const auto error = current_->error(i))
                text += ", " + std::string(*error > 0 ? "+" : "") + tk::FixedNumber(*error, 1, locale) +
                        " %";
        }
        lblLabPrez(static_cast<tk::Integer>(i)).setCaption(text);
    }
}

void frmLab::showResults(const physics::Trajectory& r) {
    const tk::Locale& locale = platform_.locale();
    auto metres = [&](double v) { return tk::FixedNumber(v, 3, locale) + " m"; };
    const physics::State start = r.at(0), top = r.at(r.apexTime);
    lblLabUrcare.setCaption("t urcare = " + tk::FixedNumber(r.apexTime, 3, locale) + " s");
    lblLabVarf.setCaption("varf: x = " + metres(top.x) + ", H = " + metres(r.H));
    lblLabVx0.setCaption("vx0 = " + tk::FixedNumber(start.vx, 3, locale) + " m/s");
    lblLabVy0.setCaption("vy0 = " + tk::FixedNumber(start.vy, 3, locale) + " m/s");
    auto results = [&](const physics::Trajectory& t, const std::string& prefix) {
        return std::array<std::string, 4>{prefix + "T = " + tk::FixedNumber(t.T, 3, locale) + " s",
                                          prefix + "D = " + tk::FixedNumber(t.D, 3, locale) + " m",
                                          prefix + "H = " + tk::FixedNumber(t.H, 3, locale) + " m",
                                          prefix + "V = " + tk::FixedNumber(t.V, 3, locale) + " m/s"};
    };
    const auto shown = results(r, "");
    lblLabT.setCaption(shown[0]);
    lblLabD.setCaption(shown[1]);
    lblLabH.setCaption(shown[2]);
    lblLabV.setCaption(shown[3]);
    lblLabImpact.setCaption("unghi la impact = " + tk::FixedNumber(r.impactAngle, 2, locale) + "\xC2\xB0");
    const bool air = current_->vacuum.has_value();
    const auto vacuum = air ? results(*current_->vacuum, "in vid: ") : std::array<std::string, 4>{};
    for (tk::Integer i = 0; i < 4; ++i) {
        lblLabVid(i).setCaption(vacuum[static_cast<std::size_t>(i)]);
        lblLabVid(i).setVisible(air);
    }
}

void frmLab::fitScale(double scale) {
    if (scale == scene_.scale())
        return;
    scene_.setScale(scale);
    const tk::Locale& locale = platform_.locale();
    for (const auto& [k, label] : lblLabAxaX)
        label->setCaption(tk::GeneralNumber(k * scale, locale));
    for (const auto& [j, label] : lblLabAxaY)
        label->setCaption(tk::GeneralNumber(j * scale, locale));
    lblLabScara.setCaption("x si y in metri; un patrat = " + tk::GeneralNumber(scale, locale) +
                           " m");
    placeDots();
}

void frmLab::placeDots() {
    // Earlier trails keep their places in metres.
    for (const auto& [index, dot] : shpLabUrma)
        if (index > 0 && static_cast<std::size_t>(index) <= dots_.size()) {
            const DotPlace& place = dots_[static_cast<std::size_t>(index - 1)];
            placeDot(*dot, place.x, place.y, place.big);
        }
}

void frmLab::placeDot(tk::Shape& dot, double x, double y, bool big) {
    const tk::Single size = big ? 8 : 5;
    const tk::Single left = px(x) - size / 2, top = py(y) - size / 2;
    // Outside the plot (an earlier throw beyond a smaller scale) a dot is not drawn.
    const bool inside = scene_.holds(left, top, size, size);
    if (dot.Width() != size) {
        dot.setWidth(size);
        dot.setHeight(size);
    }
    dot.Move(left, top);
    dot.setVisible(inside);
}

void frmLab::drawGhost() {
    const bool shown = current_ && current_->vacuum && chkLabFantoma.Value() == 1;
    if (!shown) {
        for (const auto& [index, segment] : linLabFantoma)
            segment->setVisible(false);
        return;
    }
    const physics::Trajectory& vacuum = *current_->vacuum;
    const auto count = static_cast<double>(linLabFantoma.Count());
    for (const auto& [index, segment] : linLabFantoma) {
        const physics::State a = vacuum.at(vacuum.T * index / count);
        const physics::State b = vacuum.at(vacuum.T * (index + 1) / count);
        segment->setPoints(px(a.x), py(a.y), px(b.x), py(b.y));
        segment->setVisible(true);
    }
}

void frmLab::drawVectors(const physics::State& s) {
    const bool shown = chkLabVectori.Value() == 1 && current_;
    const bool air = current_ && current_->flight.launch.medium != physics::Medium::Vacuum;
    if (!shown) {
        for (const auto& [index, stroke] : linLabVector)
            stroke->setVisible(false);
        return;
    }
    const double x = px(s.x), y = py(s.y);
    drawArrow(linLabVector, 0, x, y, s.vx * vectorScale_, s.vy * vectorScale_);
    drawArrow(linLabVector, 1, x, y, s.vx * vectorScale_, 0);
    drawArrow(linLabVector, 2, x, y, 0, s.vy * vectorScale_);
    if (air)
        drawArrow(linLabVector, 3, x, y, s.ax * accelerationScale_, s.ay * accelerationScale_);
    else
        drawArrow(linLabVector, 4, x, y, 0, s.ay * accelerationScale_);
}

void frmLab::drawArrow(tk::ControlArray<tk::Line>& lines, int arrow, double x, double y, double dx,
                       double dy) {
    tk::Line* strokes[] = {&lines(static_cast<tk::Integer>(3 * arrow)),
                           &lines(static_cast<tk::Integer>(3 * arrow + 1)),
                           &lines(static_cast<tk::Integer>(3 * arrow + 2))};
    const auto a = scene_.arrow(x, y, dx, dy);
    auto f = [](double v) { return static_cast<tk::Single>(v); };
    if (a) {
        strokes[0]->setPoints(f(x), f(y), f(a->tipX), f(a->tipY));
        strokes[1]->setPoints(f(a->tipX), f(a->tipY), f(a->leftX), f(a->leftY));
        strokes[2]->setPoints(f(a->tipX), f(a->tipY), f(a->rightX), f(a->rightY));
    }
    for (tk::Line* line : strokes)
        line->setVisible(a.has_value());
}

void frmLab::placePlatform() {
    const double h0 = current_ ? current_->flight.launch.h0 : 0;
    shpLabPlatforma.setVisible(false);
    if (h0 > 0) {
        const tk::Single left = scene_.grid().originX - 16, ground = scene_.grid().groundY;
        shpLabPlatforma.setBounds(left, py(h0), 16, std::max<tk::Single>(1, ground - py(h0)));
        shpLabPlatforma.setVisible(true);
    }
    if (current_) {
        const physics::State apex = current_->flight.at(current_->flight.apexTime);
        shpLabVarf.Move(px(apex.x) - 5.5F, py(apex.y) - 5.5F);
    }
}

void frmLab::placeTarget() {
    if (chkLabTinta.Value() != 1 || !target_.shown()) {
        shpLabTinta.setVisible(false);
        return;
    }
    const auto [left, right] =
        scene_.span(target_.centre() - target_.width() / 2, target_.centre() + target_.width() / 2);
    shpLabTinta.setBounds(left, scene_.grid().groundY - 6, std::max<tk::Single>(2, right - left), 6);
    shpLabTinta.setVisible(right > left);
}

void frmLab::setPaused(bool paused) {
    paused_ = paused;
    cmdLabPauza.setCaption(paused ? "Reia" : "Pauza");
    cmdLabPas.setEnabled(paused);
}

void frmLab::cmdLabPauza_Click() {
    if (!current_ || !cmdLabPauza.Enabled())
        return;
    const bool pause = !paused_;
    setPaused(pause);
    tmrLab.setEnabled(!pause);
}

void frmLab::cmdLabPas_Click() {
    if (paused_)
        advance(dotMicros);
}

void frmLab::cmdLabSterge_Click() {
    const auto last = static_cast<tk::Integer>(shpLabUrma.Count() - 1);
    for (tk::Integer i = 1; i <= last; ++i)
        shpLabUrma.Unload(i);
    dots_.clear();
}

void frmLab::cmdLabOptim_Click() {
    const auto read = readLaunch(false);
    const auto best = read ? physics::bestAngle(*read) : physics::Result<physics::BestAngle>(read.refusal());
    if (!best) {
        refuse(*boxOf(best.refusal().field), best.refusal().message);
        return;
    }
    const tk::Locale& locale = platform_.locale();
    const std::string angle = tk::FixedNumber(best->angle, 2, locale);
    txtLabUnghi.setText(angle);
    lblLabOptim.setCaption("unghi optim = " + angle + "\xC2\xB0, D = " +
                           tk::FixedNumber(best->D, 3, locale) + " m");
    cmdLabStart_Click();
}

void frmLab::cmdLabGrav_Click(tk::Integer index) {
    txtLabGrav.setText(tk::GeneralNumber(gravities[static_cast<std::size_t>(index)],
                                         platform_.locale()));
}

void frmLab::optLabMediu_Click(tk::Integer) {
    stopSeries();
    enableBoxes();
}

void frmLab::enableBoxes() {
    const bool linear = optLabMediu(1).Value(), quadratic = optLabMediu(2).Value();
    txtLabK.setEnabled(linear);
    for (const auto& [i, option] : optLabCorp)
        option->setEnabled(quadratic);
    txtLabMasa.setEnabled(quadratic || chkLabEnergie.Value() == 1);
    for (tk::TextBox* box : {&txtLabDiametru, &txtLabCd})
        box->setEnabled(quadratic);
}

void frmLab::optLabCorp_Click(tk::Integer index) {
    const Body& body = bodies[static_cast<std::size_t>(index)];
    const tk::Locale& locale = platform_.locale();
    txtLabMasa.setText(tk::GeneralNumber(body.mass, locale));
    txtLabDiametru.setText(tk::GeneralNumber(body.diameter, locale));
    txtLabCd.setText(tk::GeneralNumber(body.cd, locale));
}

void frmLab::optLabRitm_Click(tk::Integer index) {
    tickStep_ = index == 0 ? tickMicros : tickMicros / 4;
}

void frmLab::chkLabVectori_Click() {
    const bool shown = chkLabVectori.Value() == 1;
    for (const auto& [i, sample] : linLabLegenda) {
        sample->setVisible(shown);
        lblLabLegenda(i).setVisible(shown);
    }
    if (!current_)
        return;
    const double t = std::min(static_cast<double>(elapsed_) * 1e-6, endTime());
    drawVectors(current_->flight.at(t));
    if (shown)
        placeMarks(t, false);
    else
        hideMarks(true, false);
}

void frmLab::chkLabEnergie_Click() {
    enableBoxes();
    if (current_ && !energyMass_) {
        // Ticked after the launch: the body's in air, else the mass in the box now, in the model's
        // range of a mass.
        const physics::Launch& l = current_->flight.launch;
        const double mass = l.medium == physics::Medium::QuadraticDrag ? l.mass
                            : unreadable(txtLabMasa.Text())         ? 0
                                                                    : tk::Val(txtLabMasa.Text());
        if (mass >= 1e-9 && mass <= 1e9)
            setEnergyMass(mass);
    }
    showEnergyPanel();
    if (layout() == tk::Layout::Tall)
        rearrange(); // the energy's frame opens or closes in the column
}

void frmLab::chkLabCadere_Click() {
    if (chkLabCadere.Value() != 1) {
        hideMarks(false, true);
        return;
    }
    // Beside a horizontal throw the two balls fall alike: the angle 0, from a height.
    txtLabUnghi.setText("0");
    if (unreadable(txtLabInaltime.Text()) || !(tk::Val(txtLabInaltime.Text()) > 0))
        txtLabInaltime.setText("20");
    if (current_) {
        const double t = std::min(static_cast<double>(elapsed_) * 1e-6, endTime());
        showDrop(t);
    }
}

void frmLab::chkLabFantoma_Click() {
    drawGhost();
}

void frmLab::chkLabTinta_Click() {
    if (chkLabTinta.Value() == 1)
        target_.place(tk::Val(txtLabTintaD.Text()), tk::Val(txtLabTintaL.Text()));
    lblLabTintaRez.setCaption("");
    placeTarget();
    showRound();
}

} // namespace lopena
