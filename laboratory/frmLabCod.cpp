#include "laboratory/frmLabCod.h"

#include "toolkit/Platform.h"

#include <variant>

namespace lopena {

namespace {
constexpr float linkRoom = 34; // the link's row, px, in the page only
} // namespace

frmLabCod::frmLabCod(tk::Platform& platform, const std::string& code, const std::string& why)
    : tk::Form("frmLabCod", "Codul Laboratorului", 360,
               platform.pageAddress().empty() ? 160 : static_cast<int>(160 + linkRoom)),
      platform_(platform) {
    border = tk::BorderStyle::FixedDialog;
    const std::string address = platform.pageAddress();
    const float link = address.empty() ? 0 : linkRoom, bottom = 124 + link;
    txtLabCod.setText(code);
    txtLabCodLegatura.setText(code.empty() || address.empty() ? "" : address + "#" + code);
    txtLabCodLegatura.Locked = true;
    lblLabCodInfo.WordWrap = true;
    lblLabCodMesaj.WordWrap = true;
    lblLabCodMesaj.setCaption(why);
    markLive(lblLabCodMesaj); // a refusal is heard as it is written
    // 360 px wide: whole on a phone upright.
    const Placement places[] = {
        {lblLabCodInfo, nullptr, 8, 8, 344, 28, ""},
        {txtLabCod, nullptr, 8, 40, 266, 24, "Codul Laboratorului: copiati-l sau lipiti aici un cod"},
        {cmdLabCodCopiaza, nullptr, 280, 39, 72, 26, "Copiaza codul"},
        {lblLabCodLegatura, nullptr, 8, 79, 56, 13, ""},
        {txtLabCodLegatura, nullptr, 66, 74, 208, 24, "Legatura care deschide pagina cu acest Laborator"},
        {cmdLabCodLegatura, nullptr, 280, 73, 72, 26, "Copiaza legatura"},
        {lblLabCodMesaj, nullptr, 8, 74 + link, 344, 42, ""},
        {cmdLabCodDeschide, nullptr, 184, bottom, 82, 26, "Aseaza Laboratorul dupa codul din caseta"},
        {cmdLabCodInchide, nullptr, 270, bottom, 82, 26, ""},
    };
    for (const Placement& p : places)
        putNext(p);
    for (tk::Control* c : {static_cast<tk::Control*>(&lblLabCodLegatura),
                           static_cast<tk::Control*>(&txtLabCodLegatura),
                           static_cast<tk::Control*>(&cmdLabCodLegatura)})
        if (address.empty())
            c->quietHide();
    cmdLabCodDeschide.Default = true;
    cmdLabCodInchide.Cancel = true;
    cmdLabCodCopiaza.onClick = [this] { platform_.copyText(txtLabCod); };
    cmdLabCodLegatura.onClick = [this] { platform_.copyText(txtLabCodLegatura); };
    cmdLabCodDeschide.onClick = [this] { cmdLabCodDeschide_Click(); };
    cmdLabCodInchide.onClick = [this] { Unload(); };
}

void frmLabCod::cmdLabCodDeschide_Click() {
    auto decoded = decodeSetup(txtLabCod.Text());
    if (auto* why = std::get_if<std::string>(&decoded)) {
        // Told under the box, where no tip would cover the buttons beside it.
        lblLabCodMesaj.setCaption(*why);
        return;
    }
    chosen_ = std::get<LabSetup>(decoded);
    Unload();
}

} // namespace lopena
