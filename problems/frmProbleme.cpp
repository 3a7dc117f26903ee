#include "problems/frmProbleme.h"

#include "laboratory/frmLab.h"
#include "problems/ProblemSolution.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"

#include <cmath>

namespace lopena {

namespace {
constexpr const char* notANumber = "Scrieti un numar.";
constexpr const char* tooLarge = "Numarul este prea mare: scrieti unul mai mic.";
constexpr const char* badPupil = "Numarul elevului: un numar intreg de la 1 la 40.";

// The pupil's number in the class list, 1 to 40, or 0 for a text that is none.
int pupilNumber(const std::string& text) {
    if (!tk::IsNumeric(text) || tk::IsTooLarge(text))
        return 0;
    const double n = tk::Val(text);
    return n >= 1 && n <= 40 && n == std::floor(n) ? static_cast<int>(n) : 0;
}
} // namespace

void frmProbleme::wireEvents() {
    onLoad = [this] { Form_Load(); };
    for (const auto& [index, option] : lstProbleme)
        option->onClick = [this](tk::Integer i) { lstProbleme_Click(i); };
    txtProbClasa.onChange = [this] { txtProbElev_Change(); };
    txtProbElev.onChange = [this] { txtProbElev_Change(); };
    cmdProbAlta.onClick = [this] { cmdProbAlta_Click(); };
    cmdProbVerifica.onClick = [this] { cmdProbVerifica_Click(); };
    cmdProbIndiciu.onClick = [this] { cmdProbIndiciu_Click(); };
    cmdProbRezolvare.onClick = [this] { cmdProbRezolvare_Click(); };
    cmdProbLaborator.onClick = [this] { cmdProbLaborator_Click(); };
}

void frmProbleme::Form_Load() {
    if (!problem_)
        showProblem();
}

void frmProbleme::lstProbleme_Click(tk::Integer index) {
    current_ = static_cast<std::size_t>(index);
    showProblem();
}

void frmProbleme::txtProbElev_Change() {
    showProblem();
}

void frmProbleme::cmdProbAlta_Click() {
    ++variants_[current_];
    showProblem();
}

void frmProbleme::showProblem() {
    const ProblemTemplate& from = problemBank()[current_];
    const int pupil = pupilNumber(txtProbElev.Text());
    problem_.reset();
    if (pupil > 0) {
        Draws draws(txtProbClasa.Text(), pupil, from.id, variants_[current_]);
        problem_ = makeProblem(from, draws, platform_.locale());
    }
    const int variant = variants_[current_] + 1;
    lblProbTitlu.setCaption("Exercitiul " + std::string(from.id) + ": " + from.title +
                            (variant > 1 ? ", varianta " + std::to_string(variant) : ""));
    lblProbEnunt.setCaption(problem_ ? problem_->statement
                                     : "Scrieti numarul elevului in catalog, de la 1 la 40.");
    const std::size_t asked = problem_ ? problem_->answers.size() : 0;
    for (tk::Integer i = 0; i < mostAnswers; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool shown = k < asked;
        lblProbIntrebare(i).setCaption(shown ? problem_->answers[k].question : "");
        lblProbUnitate(i).setCaption(shown ? problem_->answers[k].unit : "");
        tk::Control* row[] = {&lblProbIntrebare(i), &txtProbRaspuns(i), &lblProbUnitate(i),
                              &lblProbVerdict(i)};
        for (tk::Control* c : row)
            c->setVisible(shown);
    }
    // Verifica stays: pressed, it tells why there is no exercise.
    cmdProbRezolvare.setEnabled(problem_.has_value());
    cmdProbLaborator.setEnabled(problem_.has_value());
    clearAnswers();
}

void frmProbleme::clearAnswers() {
    verdicts_.assign(problem_ ? problem_->answers.size() : 0, Verdict{});
    for (tk::Integer i = 0; i < mostAnswers; ++i) {
        txtProbRaspuns(i).setText("");
        lblProbVerdict(i).setCaption("");
    }
    cmdProbIndiciu.setEnabled(false);
    lblProbIndiciu.setCaption("");
    for (const auto& [index, line] : lblProbRezolvare)
        line->setCaption("");
}

void frmProbleme::cmdProbVerifica_Click() {
    if (!problem_) {
        platform_.refuseInput(txtProbElev, badPupil);
        return;
    }
    tk::TextBox* refused = nullptr;
    bool missed = false;
    for (std::size_t k = 0; k < verdicts_.size(); ++k) {
        const auto i = static_cast<tk::Integer>(k);
        verdicts_[k] = judge(txtProbRaspuns(i).Text(), problem_->answers[k].value);
        lblProbVerdict(i).setCaption(verdicts_[k].text(platform_.locale()));
        const Verdict::Mark mark = verdicts_[k].mark;
        missed = missed || mark == Verdict::Mark::Close || mark == Verdict::Mark::Wrong;
        if (mark == Verdict::Mark::Refused && !refused)
            refused = &txtProbRaspuns(i);
    }
    // After a wrong answer the hint names the law to use.
    cmdProbIndiciu.setEnabled(missed);
    if (refused)
        platform_.refuseInput(*refused, tk::IsTooLarge(refused->Text()) ? tooLarge : notANumber);
}

void frmProbleme::cmdProbIndiciu_Click() {
    if (!problem_)
        return;
    std::string hints;
    for (std::size_t k = 0; k < verdicts_.size(); ++k) {
        if (verdicts_[k].mark == Verdict::Mark::Correct)
            continue;
        const Answer& a = problem_->answers[k];
        hints += (hints.empty() ? "" : " \u2014 ") + std::string(a.question) + ": " + a.hint;
    }
    lblProbIndiciu.setCaption(hints);
}

void frmProbleme::cmdProbRezolvare_Click() {
    if (!problem_)
        return;
    std::vector<std::string> written;
    for (std::size_t k = 0; k < problem_->answers.size(); ++k)
        written.push_back(txtProbRaspuns(static_cast<tk::Integer>(k)).Text());
    const auto lines = lopena::solutionLines(*problem_, written, platform_.locale());
    for (const auto& [index, line] : lblProbRezolvare) {
        const auto k = static_cast<std::size_t>(index);
        line->setCaption(k < lines.size() ? lines[k] : "");
    }
}

void frmProbleme::cmdProbLaborator_Click() {
    if (!problem_ || !openLab)
        return;
    frmLab& lab = openLab();
    const tk::Locale& locale = platform_.locale();
    if (problem_->target) {
        // The target a tenth of the distance wide, centred where the exercise lands.
        lab.txtLabTintaD.setText(tk::GeneralNumber(*problem_->target, locale));
        lab.txtLabTintaL.setText(tk::GeneralNumber(*problem_->target / 10, locale));
    }
    lab.chkLabTinta.setValue(problem_->target ? 1 : 0);
    lab.repeat(problem_->launch);
}

} // namespace lopena
