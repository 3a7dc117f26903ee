#include "about/frmAbout.h"

#include <string>

namespace lopena {

const char* const frmAbout::description =
    "Acest program este de un real folos elevilor in incercarea de a intelege mai bine aruncarea "
    "pe verticala. Programul calculeaza inaltimea maxima , distanta parcursa , timpul parcurs si "
    "viteza la impact a unui proiectil aruncat sub un unghi cunoscut cu o viteza cunoscuta.";

const char* const frmAbout::disclaimer =
    "Programul se ofera gratuit, pentru uz didactic, asa cum este, fara nicio garantie. "
    "Rezultatele sunt aproximative; autorul nu raspunde de folosirea lor.";

frmAbout::frmAbout() : tk::Form("frmAbout", "Despre...", 382, 237) {
    border = tk::BorderStyle::FixedDialog;

    tk::Line& grey = Line1.add(1, 6.0F, 163.0F, 377.0F, 163.0F);
    grey.BorderColor = tk::rgb(128, 128, 128);
    tk::Line& white = Line1.add(0, 7.0F, 164.0F, 377.0F, 164.0F);
    white.BorderColor = tk::rgb(255, 255, 255);
    white.BorderWidth = 2;
    addScene(&Line1);

    const Placement placements[] = {
        {picIcon, nullptr, 16, 16, 36, 36, "", 1},         {lblTitle, nullptr, 70, 16, 259, 32, "", 4},
        {lblVersion, nullptr, 70, 52, 259, 15, "", 5},     {lblDescription, nullptr, 70, 75, 259, 78, "", 2},
        {lblDisclaimer, nullptr, 17, 175, 258, 55, "", 3}, {cmdOK, nullptr, 288, 208, 84, 23, "", 0},
    };
    for (const Placement& p : placements)
        put(p);
    lblDescription.WordWrap = true;
    lblDisclaimer.WordWrap = true;
    lblTitle.WordWrap = true;
    cmdOK.Default = true;
    cmdOK.Cancel = true;
    describe(cmdOK, "Inchide fereastra Despre");

    onLoad = [this] { Form_Load(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmAbout::Form_Load() {
    lblVersion.setCaption("Versiunea " + std::to_string(major) + "." + std::to_string(minor) + "." +
                          std::to_string(revision));
}

void frmAbout::cmdOK_Click() {
    Unload();
}

} // namespace lopena
