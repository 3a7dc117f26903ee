#pragma once

#include "problems/ProblemSheets.h"
#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"

#include <optional>

namespace tk {
class Platform;
}

namespace lopena {

// The teacher's choice before a worksheet or a key is printed: the class code, how many pupils
// (sheets for pupils 1 to N) and the exercises, ticked in the bank's list (the one shown in
// "Probleme" at first). OK takes the choice once it can be used; Anuleaza or Esc takes none.
class frmFisa : public tk::Form {
public:
    enum class Purpose { Worksheet, Key };
    frmFisa(tk::Platform& platform, Purpose purpose, const std::string& classCode, int pupils,
            std::size_t exercise);

    tk::Label lblFisaClasa{"lblFisaClasa", "Clasa"};
    tk::TextBox txtFisaClasa{"txtFisaClasa", ""};
    tk::Label lblFisaElevi{"lblFisaElevi", "Elevii de la 1 la"};
    tk::TextBox txtFisaElevi{"txtFisaElevi", ""};
    tk::Frame fraFisaExercitii{"fraFisaExercitii", "Exercitiile"};
    tk::ControlArray<tk::CheckBox> chkFisaExercitiu{"chkFisaExercitiu"};
    tk::CommandButton cmdFisaToate{"cmdFisaToate", "&Toate"};
    tk::CommandButton cmdFisaNiciunul{"cmdFisaNiciunul", "&Niciunul"};
    tk::CommandButton cmdFisaOK{"cmdFisaOK", "OK"};
    tk::CommandButton cmdFisaAnuleaza{"cmdFisaAnuleaza", "Anuleaza"};

    // Ticks every exercise, or none.
    void tickAll(bool ticked);
    // Refuses a class code that is blank or a number of pupils outside 1 to 40; else keeps the
    // choice and closes.
    void cmdFisaOK_Click();

    // The choice OK took; nothing after Anuleaza or Esc.
    const std::optional<SheetRequest>& request() const { return request_; }

private:
    tk::Platform& platform_;
    std::optional<SheetRequest> request_;
};

} // namespace lopena
