#pragma once

#include "problems/Problem.h"
#include "problems/ProblemProgress.h"
#include "problems/Verdict.h"
#include "problems/frmFisa.h"
#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"

#include <functional>
#include <optional>
#include <vector>

namespace tk {
class Platform;
}

namespace lopena {

class frmLab;

// "Probleme": the chapter's exercises with numbers of each pupil's own, drawn from the class
// code, the pupil's number and the exercise; the answers checked against the physics model, a
// hint, the worked solution, and the throw flown in the Laborator. The pupil's answers are kept
// between runs (ProblemProgress); the teacher prints worksheets and their key.
class frmProbleme : public tk::Form {
public:
    explicit frmProbleme(tk::Platform& platform);

    // The bank's exercises, one option button each ("1a Bila de pe masa"): the object model has
    // no list box, and a group of option buttons is one with the arrow keys.
    tk::Frame fraProbLista{"fraProbLista", "Exercitii"};
    tk::ControlArray<tk::OptionButton> lstProbleme{"lstProbleme"};

    tk::Label lblProbClasa{"lblProbClasa", "Clasa"};
    tk::TextBox txtProbClasa{"txtProbClasa", "9B"};
    tk::Label lblProbElev{"lblProbElev", "Elevul (1-40)"};
    tk::TextBox txtProbElev{"txtProbElev", "1"};
    tk::CommandButton cmdProbAlta{"cmdProbAlta", "Al&ta varianta"};
    tk::Label lblProbTitlu{"lblProbTitlu", ""};
    tk::Label lblProbEnunt{"lblProbEnunt", ""};

    // One row per asked quantity: the question, the box, the unit, the verdict.
    tk::ControlArray<tk::Label> lblProbIntrebare{"lblProbIntrebare"};
    tk::ControlArray<tk::TextBox> txtProbRaspuns{"txtProbRaspuns"};
    tk::ControlArray<tk::Label> lblProbUnitate{"lblProbUnitate"};
    tk::ControlArray<tk::Label> lblProbVerdict{"lblProbVerdict"};

    tk::CommandButton cmdProbVerifica{"cmdProbVerifica", "Ve&rifica"};
    tk::CommandButton cmdProbIndiciu{"cmdProbIndiciu", "&Indiciu"};
    tk::CommandButton cmdProbRezolvare{"cmdProbRezolvare", "Re&zolvare"};
    tk::CommandButton cmdProbLaborator{"cmdProbLaborator", "Vezi in &Laborator"};
    tk::Label lblProbIndiciu{"lblProbIndiciu", ""};

    // The teacher's: a worksheet for each pupil of a class, the key; and the progress forgotten.
    tk::CommandButton cmdProbFisa{"cmdProbFisa", "Fisa de l&ucru..."};
    tk::CommandButton cmdProbBarem{"cmdProbBarem", "&Barem..."};
    tk::CommandButton cmdProbSterge{"cmdProbSterge", "&Sterge progresul"};

    tk::Frame fraProbRezolvare{"fraProbRezolvare", "Rezolvare"};
    tk::ControlArray<tk::Label> lblProbRezolvare{"lblProbRezolvare"};

    static constexpr int mostAnswers = 5;
    static constexpr int solutionRows = 12;

    void Form_Load();
    void lstProbleme_Click(tk::Integer index);
    // The class code or the pupil's number changed: the pupil's numbers are drawn again.
    void txtProbElev_Change();
    void cmdProbAlta_Click();
    void cmdProbVerifica_Click();
    void cmdProbIndiciu_Click();
    void cmdProbRezolvare_Click();
    void cmdProbLaborator_Click();
    // An answer written: its verdict, of the text before, goes; the answers are kept.
    void txtProbRaspuns_Change(tk::Integer index);
    // Asks what to print (frmFisa), then prints the worksheet or the key.
    void printSheets(frmFisa::Purpose purpose);
    // After a question, forgets every pupil's answers and variants kept.
    void cmdProbSterge_Click();

    // Opens the Laborator and gives it to this window; set by the main window.
    std::function<frmLab&()> openLab;

    // The exercise shown, or nothing while the pupil's number cannot be used.
    const Problem* problem() const { return problem_ ? &*problem_ : nullptr; }
    const std::vector<Verdict>& verdicts() const { return verdicts_; }

    // Wide: the window's own, 900 x 664. Tall, for a room taller than wide (a phone upright): one
    // column in the tab order, the solution's lines wrapped.
    bool hasTallLayout() const override { return true; }

protected:
    std::pair<int, int> arrangeFor(tk::Layout layout, int roomWidth) override;

private:
    void buildControls();
    int arrangeTall(int width);

    void wireEvents();
    // Draws the exercise for the class, the pupil and the variant, and clears the answers.
    void showProblem();
    void clearAnswers();
    // The window as it was left: the class, the pupil, the exercise and the variants.
    void restore();
    // The answers kept for the exercise shown, judged again where they were judged.
    void restoreAnswers();
    void keepAnswers();
    ProblemProgress::Sheet sheet() const;

    tk::Platform& platform_;
    std::optional<Problem> problem_;
    std::vector<Verdict> verdicts_;
    std::size_t current_ = 0;
    std::vector<int> variants_; // "Alta varianta" presses, by exercise
    ProblemProgress progress_;
    bool restored_ = false;
    bool restoring_ = false; // the boxes are written from what was kept: nothing to keep
    int sheetPupils_ = 30;   // the pupils the teacher last printed for
};

} // namespace lopena
