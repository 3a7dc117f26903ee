#include "laboratory/frmLab.h"

#include "toolkit/NumberConversion.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"

namespace lopena {

namespace {

// "1 stea", "2 stele", "20 de stele": Romanian counts.
std::string counted(int n, const char* one, const char* many) {
    if (n == 1)
        return std::string("1 ") + one;
    const bool de = n >= 20 && (n % 100 == 0 || n % 100 >= 20);
    return std::to_string(n) + (de ? " de " : " ") + many;
}

} // namespace

void frmLab::cmdLabRunda_Click() {
    const auto read = readLaunch(false);
    const auto best = read ? physics::bestAngle(*read) : physics::Result<physics::BestAngle>(read.refusal());
    if (!best) {
        refuse(*boxOf(best.refusal().field), best.refusal().message);
        return;
    }
    // Within 31 % to 94 %, so that three digits keep it within 30 % to 95 % of the longest throw.
    const double part = 0.31 + 0.63 * static_cast<double>(rounds_.next());
    const double centre = tk::ReadDecimal(tk::WriteScientific(part * best->D, 2));
    txtLabTintaD.setText(tk::GeneralNumber(centre, platform_.locale()));
    if (chkLabTinta.Value() != 1)
        chkLabTinta.setValue(1);
    else
        chkLabTinta_Click();
}

void frmLab::showRound() {
    const bool shown = chkLabTinta.Value() == 1;
    lblLabRunda.setVisible(shown);
    if (shown)
        lblLabRunda.setCaption("Runda: " + counted(target_.roundThrows(), "aruncare", "aruncari") +
                               ", " + counted(target_.roundStars(), "stea", "stele"));
}

} // namespace lopena
