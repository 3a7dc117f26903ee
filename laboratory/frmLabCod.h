#pragma once

#include "laboratory/LabSetup.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <optional>
#include <string>

namespace tk {
class Platform;
}

namespace lopena {

// The Laborator's code: the set-up as a short text to copy and send (in the page also as a whole
// link), and a box where a code received is pasted and opened. Deschide takes a code only once
// it is whole and every value in it can be used; Inchide or Esc takes none.
class frmLabCod : public tk::Form {
public:
    // `code`: the set-up's code, or empty with `why` it cannot be written now.
    frmLabCod(tk::Platform& platform, const std::string& code, const std::string& why);

    tk::Label lblLabCodInfo{"lblLabCodInfo", "Codul Laboratorului asa cum este acum. Lipiti aici "
                                             "un cod primit si apasati Deschide."};
    tk::TextBox txtLabCod{"txtLabCod", ""};
    tk::CommandButton cmdLabCodCopiaza{"cmdLabCodCopiaza", "Copiaza"};
    tk::Label lblLabCodLegatura{"lblLabCodLegatura", "Legatura:"};
    tk::TextBox txtLabCodLegatura{"txtLabCodLegatura", ""};
    tk::CommandButton cmdLabCodLegatura{"cmdLabCodLegatura", "Copiaza"};
    tk::Label lblLabCodMesaj{"lblLabCodMesaj", ""};
    tk::CommandButton cmdLabCodDeschide{"cmdLabCodDeschide", "Deschide"};
    tk::CommandButton cmdLabCodInchide{"cmdLabCodInchide", "Inchide"};

    // Refuses a code that cannot be used, saying why; else keeps its set-up and closes.
    void cmdLabCodDeschide_Click();

    // The set-up Deschide took; nothing after Inchide or Esc.
    const std::optional<LabSetup>& chosen() const { return chosen_; }

private:
    tk::Platform& platform_;
    std::optional<LabSetup> chosen_;
};

} // namespace lopena
