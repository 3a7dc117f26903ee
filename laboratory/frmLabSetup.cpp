#include "laboratory/frmLab.h"
#include "laboratory/frmLabCod.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"
#include "toolkit/Settings.h"

#include <variant>

namespace lopena {

namespace {

constexpr const char* unwritable = "Codul nu se poate scrie: ";
constexpr const char* badTarget =
    "Tinta: distanta de la 0 in sus si latimea mai mare decat 0, in metri.";

// The box's number when the model could take it, else `otherwise`.
double usable(const tk::TextBox& box, physics::Range range, double otherwise) {
    const std::string& text = box.Text();
    if (!tk::IsNumeric(text) || tk::IsTooLarge(text))
        return otherwise;
    const double value = tk::Val(text);
    return range.holds(value) ? value : otherwise;
}

} // namespace

std::optional<LabSetup> frmLab::setup(std::string& why) {
    const auto read = readLaunch();
    if (!read) {
        why = read.refusal().message;
        return std::nullopt;
    }
    LabSetup s;
    s.launch = *read;
    for (const auto& [i, option] : optLabCorp)
        if (option->Value())
            s.body = i;
    // Boxes the medium leaves unread: any number the model could take, else the start's.
    const Body& body = bodies[static_cast<std::size_t>(s.body)];
    s.launch.k = usable(txtLabK, physics::linearDragRange, 0.1);
    s.launch.mass = usable(txtLabMasa, physics::massRange, body.mass);
    s.launch.diameter = usable(txtLabDiametru, physics::diameterRange, body.diameter);
    s.launch.cd = usable(txtLabCd, physics::dragCoefficientRange, body.cd);
    s.target = chkLabTinta.Value() == 1;
    s.targetCentre = usable(txtLabTintaD, targetCentreRange, -1);
    s.targetWidth = usable(txtLabTintaL, targetWidthRange, -1);
    if (s.target && (s.targetCentre < 0 || s.targetWidth < 0)) {
        why = badTarget;
        return std::nullopt;
    }
    s.targetCentre = s.targetCentre < 0 ? 30 : s.targetCentre;
    s.targetWidth = s.targetWidth < 0 ? 6 : s.targetWidth;
    s.vectors = chkLabVectori.Value() == 1;
    s.ghost = chkLabFantoma.Value() == 1;
    s.predict = chkLabPrezice.Value() == 1;
    s.energy = chkLabEnergie.Value() == 1;
    s.drop = chkLabCadere.Value() == 1;
    s.slow = optLabRitm(1).Value();
    if (auto refusal = checkSetup(s)) {
        why = *refusal;
        return std::nullopt;
    }
    return s;
}

void frmLab::applySetup(const LabSetup& s) {
    awaitPrediction(std::nullopt);
    // The ticks first: "Cadere libera alaturi" writes an angle and a height of its own.
    chkLabCadere.setValue(s.drop ? 1 : 0);
    chkLabVectori.setValue(s.vectors ? 1 : 0);
    chkLabFantoma.setValue(s.ghost ? 1 : 0);
    chkLabPrezice.setValue(s.predict ? 1 : 0);
    chkLabEnergie.setValue(s.energy ? 1 : 0);
    optLabMediu(static_cast<tk::Integer>(s.launch.medium)).setValue(true);
    optLabCorp(s.body).setValue(true);
    optLabRitm(s.slow ? 1 : 0).setValue(true);
    optLabRitm_Click(s.slow ? 1 : 0);
    const tk::Locale& locale = platform_.locale();
    const physics::Launch& l = s.launch;
    const std::pair<tk::TextBox*, double> boxes[] = {
        {&txtLabViteza, l.v0},    {&txtLabUnghi, l.angle},       {&txtLabInaltime, l.h0},
        {&txtLabGrav, l.g},       {&txtLabK, l.k},               {&txtLabMasa, l.mass},
        {&txtLabDiametru, l.diameter}, {&txtLabCd, l.cd},        {&txtLabTintaD, s.targetCentre},
        {&txtLabTintaL, s.targetWidth}};
    for (const auto& [box, value] : boxes)
        box->setText(tk::GeneralNumber(value, locale));
    enableBoxes();
    chkLabTinta.setValue(s.target ? 1 : 0);
    chkLabTinta_Click(); // the target where the set-up puts it, a new round
    keepSetup();
}

std::optional<std::string> frmLab::openCode(const std::string& code) {
    auto decoded = decodeSetup(code);
    if (auto* why = std::get_if<std::string>(&decoded))
        return *why;
    applySetup(std::get<LabSetup>(decoded));
    return std::nullopt;
}

void frmLab::cmdLabCod_Click() {
    std::string why;
    const auto now = setup(why);
    frmLabCod dialog(platform_, now ? encodeSetup(*now) : "", now ? "" : unwritable + why);
    platform_.showModal(dialog, *this);
    if (dialog.chosen())
        applySetup(*dialog.chosen());
}

void frmLab::watchSetup() {
    for (tk::TextBox* box : {&txtLabViteza, &txtLabUnghi, &txtLabInaltime, &txtLabGrav, &txtLabK,
                             &txtLabMasa, &txtLabDiametru, &txtLabCd, &txtLabTintaD, &txtLabTintaL})
        box->onChange = [this, then = std::move(box->onChange)] {
            if (then)
                then(); // a series stops first
            keepSetup();
        };
    for (tk::CheckBox* box : {&chkLabVectori, &chkLabFantoma, &chkLabPrezice, &chkLabEnergie,
                              &chkLabCadere, &chkLabTinta})
        box->onClick = [this, then = std::move(box->onClick)] {
            then();
            keepSetup();
        };
    for (auto* options : {&optLabMediu, &optLabCorp, &optLabRitm})
        for (const auto& [i, option] : *options)
            option->onClick = [this, then = std::move(option->onClick)](tk::Integer index) {
                then(index);
                keepSetup();
            };
}

void frmLab::keepSetup() {
    std::string why;
    if (!keeping_)
        return;
    if (const auto now = setup(why))
        platform_.settings().setValue(keptKey, encodeSetup(*now));
}

void frmLab::restoreSetup() {
    // A kept code that cannot be used (damaged, another version's) leaves the start's set-up.
    if (const auto kept = platform_.settings().value(keptKey))
        openCode(*kept);
    keeping_ = true;
}

} // namespace lopena
