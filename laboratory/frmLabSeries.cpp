// The Laborator's series of angles: its button, its range and its throws one after another.
#include "laboratory/frmLab.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"

namespace lopena {

namespace {

// Why a range box's text is no number, in the other boxes' words.
const char* unreadableAngle(const std::string& text) {
    if (tk::IsTooLarge(text))
        return "Numarul este prea mare: scrieti unul mai mic.";
    return tk::IsNumeric(text) ? nullptr : "Scrieti un numar.";
}

} // namespace

void frmLab::wireSeries() {
    cmdLabSerie.onClick = [this] { cmdLabSerie_Click(); };
    // The pupil's edit of the launch or of the range stops a series; its own writes do not.
    for (tk::TextBox* box :
         {&txtLabViteza, &txtLabUnghi, &txtLabInaltime, &txtLabGrav, &txtLabK, &txtLabMasa,
          &txtLabDiametru, &txtLabCd, &txtLabSerieDe, &txtLabSeriePana})
        box->onChange = [this] {
            if (!seriesLaunching_)
                stopSeries();
        };
}

void frmLab::cmdLabSerie_Click() {
    if (series_.active())
        return stopSeries();
    tk::TextBox* boxes[] = {&txtLabSerieDe, &txtLabSeriePana};
    double range[2];
    for (int i = 0; i < 2; ++i) {
        if (const char* why = unreadableAngle(boxes[i]->Text()))
            return refuse(*boxes[i], why);
        range[i] = tk::Val(boxes[i]->Text());
    }
    if (const auto refusal = LabSeries::check(range[0], range[1]))
        return refuse(*boxes[refusal->box], refusal->why);
    if (const auto read = readLaunch(false); !read)
        return refuse(*boxOf(read.refusal().field), read.refusal().message);
    series_.start(LabSeries::angles(range[0], range[1]));
    cmdLabSerie.setCaption("Opreste seria");
    if (recorder_)
        recorder_->labSeriesChanged(true);
    throwNextOfSeries();
}

void frmLab::throwNextOfSeries() {
    const std::optional<double> angle = series_.next();
    if (!angle)
        return stopSeries();
    seriesLaunching_ = true;
    txtLabUnghi.setText(tk::GeneralNumber(*angle, platform_.locale()));
    awaitPrediction(std::nullopt); // no prediction asked between the series' throws
    const auto read = readLaunch();
    const auto solved =
        read ? physics::solve(*read) : physics::Result<physics::Trajectory>(read.refusal());
    if (solved)
        launch(*solved, {});
    seriesLaunching_ = false;
    if (!solved) {
        stopSeries();
        refuse(*boxOf(solved.refusal().field), solved.refusal().message);
    }
}

void frmLab::stopSeries() {
    if (!series_.active())
        return;
    series_.stop();
    cmdLabSerie.setCaption("Serie de unghiuri");
    if (recorder_)
        recorder_->labSeriesChanged(false);
}

std::string frmLab::bodyNamed(const physics::Launch& l) const {
    if (l.medium != physics::Medium::QuadraticDrag)
        return "";
    for (const auto& [index, option] : optLabCorp) {
        const Body& body = bodies[static_cast<std::size_t>(index)];
        if (option->Value() && body.mass == l.mass && body.diameter == l.diameter &&
            body.cd == l.cd)
            return body.named;
    }
    return "";
}

} // namespace lopena
