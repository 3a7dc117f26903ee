#include "problems/frmProbleme.h"

#include "laboratory/frmLab.h"
#include "problems/ProblemSolution.h"
#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"

namespace lopena {

namespace {
constexpr const char* notANumber = "Scrieti un numar.";
constexpr const char* tooLarge = "Numarul este prea mare: scrieti unul mai mic.";
constexpr const char* badPupil = "Numarul elevului: un numar intreg de la 1 la 40.";
constexpr const char* clearTitle = "Sterge progresul";
constexpr const char* clearQuestion =
    "Se sterg raspunsurile pastrate ale tuturor elevilor, la toate exercitiile, si variantele "
    "alese. Continuati?";
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
    for (const auto& [index, box] : txtProbRaspuns)
        box->onChange = [this, i = index] { txtProbRaspuns_Change(i); };
    cmdProbFisa.onClick = [this] { printSheets(frmFisa::Purpose::Worksheet); };
    cmdProbBarem.onClick = [this] { printSheets(frmFisa::Purpose::Key); };
    cmdProbSterge.onClick = [this] { cmdProbSterge_Click(); };
}

void frmProbleme::Form_Load() {
    if (restored_)
        return;
    restored_ = true;
    restore();
    showProblem();
}

void frmProbleme::restore() {
    restoring_ = true;
    if (const auto code = progress_.classCode())
        txtProbClasa.setText(*code);
    if (const auto pupil = progress_.pupil())
        txtProbElev.setText(*pupil);
    if (const auto exercise = progress_.exercise()) {
        current_ = *exercise;
        lstProbleme(static_cast<tk::Integer>(current_)).setValue(true);
    }
    for (std::size_t i = 0; i < variants_.size(); ++i)
        variants_[i] = progress_.variant(i);
    restoring_ = false;
}

void frmProbleme::lstProbleme_Click(tk::Integer index) {
    current_ = static_cast<std::size_t>(index);
    progress_.keepExercise(current_);
    showProblem();
}

void frmProbleme::txtProbElev_Change() {
    if (restoring_)
        return;
    progress_.keepClassCode(txtProbClasa.Text());
    progress_.keepPupil(txtProbElev.Text());
    showProblem();
}

void frmProbleme::cmdProbAlta_Click() {
    variants_[current_] = (variants_[current_] + 1) % ProblemProgress::mostVariants;
    progress_.keepVariant(current_, variants_[current_]);
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
    restoreAnswers();
}

void frmProbleme::clearAnswers() {
    verdicts_.assign(problem_ ? problem_->answers.size() : 0, Verdict{});
    restoring_ = true;
    for (tk::Integer i = 0; i < mostAnswers; ++i) {
        txtProbRaspuns(i).setText("");
        lblProbVerdict(i).setCaption("");
    }
    restoring_ = false;
    cmdProbIndiciu.setEnabled(false);
    lblProbIndiciu.setCaption("");
    for (const auto& [index, line] : lblProbRezolvare)
        line->setCaption("");
}

ProblemProgress::Sheet frmProbleme::sheet() const {
    return {txtProbClasa.Text(), pupilNumber(txtProbElev.Text()), problem_->from->id,
            variants_[current_]};
}

void frmProbleme::restoreAnswers() {
    if (!problem_)
        return;
    const auto kept = progress_.answers(sheet(), verdicts_.size());
    if (!kept)
        return;
    restoring_ = true;
    bool missed = false;
    for (std::size_t k = 0; k < verdicts_.size(); ++k) {
        const auto i = static_cast<tk::Integer>(k);
        txtProbRaspuns(i).setText(kept->texts[k]);
        if (!kept->judged[k])
            continue;
        verdicts_[k] = judge(kept->texts[k], problem_->answers[k].value);
        lblProbVerdict(i).setCaption(verdicts_[k].text(platform_.locale()));
        missed = missed || verdicts_[k].mark == Verdict::Mark::Close ||
                 verdicts_[k].mark == Verdict::Mark::Wrong;
    }
    cmdProbIndiciu.setEnabled(missed);
    restoring_ = false;
}

void frmProbleme::keepAnswers() {
    ProblemProgress::Answers answers;
    for (std::size_t k = 0; k < verdicts_.size(); ++k) {
        answers.texts.push_back(txtProbRaspuns(static_cast<tk::Integer>(k)).Text());
        answers.judged.push_back(verdicts_[k].mark != Verdict::Mark::None);
    }
    progress_.keepAnswers(sheet(), answers);
}

void frmProbleme::txtProbRaspuns_Change(tk::Integer index) {
    const auto k = static_cast<std::size_t>(index);
    if (restoring_ || !problem_ || k >= verdicts_.size())
        return;
    verdicts_[k] = {};
    lblProbVerdict(index).setCaption("");
    keepAnswers();
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
    keepAnswers();
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

void frmProbleme::printSheets(frmFisa::Purpose purpose) {
    frmFisa choice(platform_, purpose, txtProbClasa.Text(), sheetPupils_, current_);
    platform_.showModal(choice, *this);
    const auto& request = choice.request();
    if (!request)
        return;
    sheetPupils_ = request->pupils;
    const tk::Locale& locale = platform_.locale();
    platform_.print(*this, purpose == frmFisa::Purpose::Worksheet ? worksheet(*request, locale)
                                                                  : answerKey(*request, locale));
}

void frmProbleme::cmdProbSterge_Click() {
    if (!platform_.askYesNo(*this, clearTitle, clearQuestion))
        return;
    progress_.clear();
    variants_.assign(variants_.size(), 0);
    showProblem();
}

} // namespace lopena
