#pragma once

#include "about/Version.h"
#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Types.h"

namespace lopena {

// The About window: title, version, description and terms of use, closed by OK, Enter or Esc.
class frmAbout : public tk::Form {
public:
    frmAbout();

    tk::PictureBox picIcon{"picIcon"};
    tk::Label lblTitle{"lblTitle", "Morvak Lopena- Aruncarea pe oblica"};
    tk::Label lblVersion{"lblVersion", "Version"};
    tk::Label lblDescription{"lblDescription", description};
    tk::ControlArray<tk::Line> Line1{"Line1"};
    tk::Label lblDisclaimer{"lblDisclaimer", disclaimer};
    tk::CommandButton cmdOK{"cmdOK", "OK"};

    // Writes the version text; runs at every opening.
    void Form_Load();
    // Closes the window; the modal show that opened it returns.
    void cmdOK_Click();

    static constexpr tk::Integer major = version::major;
    static constexpr tk::Integer minor = version::minor;
    static constexpr tk::Integer revision = version::revision;
    static const char* const description;
    static const char* const disclaimer;
};

} // namespace lopena
