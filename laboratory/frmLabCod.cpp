#include "laboratory/frmLabCod.h"

#include "toolkit/Platform.h"

#include <variant>

namespace lopena {

namespace {
constexpr float linkRoom = 34; // the link's row, px, in the page only
} // namespace

frmLabCod::frmLabCod(tk::Platform& platform, const std::string& code, const std::string& why)
    : tk::Form("frmLabCod", "Codul Laboratorului", 460,
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
    const Placement places[] = {
        {lblLabCodInfo, nullptr, 8, 8, 444, 28, ""},
        {txtLabCod, nullptr, 8, 40, 346, 24, "Codul Laboratorului: copiati-l sau lipiti aici un cod"},
        {cmdLabCodCopiaza, nullptr, 362, 39, 90, 26, "Copiaza codul"},
        {lblLabCodLegatura, nullptr, 8, 79, 60, 13, ""},
        {txtLabCodLegatura, nullptr, 70, 74, 284, 24, "Legatura care deschide pagina cu acest Laborator"},
        {cmdLabCodLegatura, nullptr, 362, 73, 90, 26, "Copiaza legatura"},
        {lblLabCodMesaj, nullptr, 8, 74 + link, 444, 42, ""},
        {cmdLabCodDeschide, nullptr, 270, bottom, 90, 26, "Aseaza Laboratorul dupa codul din caseta"},
        {cmdLabCodInchide, nullptr, 362, bottom, 90, 26, ""},
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
        lblLabCodMesaj.setCaption(*why);
        platform_.refuseInput(txtLabCod, *why);
        return;
    }
    chosen_ = std::get<LabSetup>(decoded);
    Unload();
}

} // namespace lopena
