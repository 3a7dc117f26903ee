#include "problems/frmFisa.h"

#include "problems/Draws.h"
#include "problems/Problem.h"
#include "toolkit/Platform.h"

namespace lopena {

namespace {
constexpr const char* noClass = "Scrieti codul clasei, de exemplu 9B.";
constexpr const char* badCount = "Numarul de elevi: un numar intreg de la 1 la 40.";
constexpr int rows = 12; // of the list, in three columns
} // namespace

frmFisa::frmFisa(tk::Platform& platform, Purpose purpose, const std::string& classCode, int pupils,
                 std::size_t exercise)
    : tk::Form("frmFisa", purpose == Purpose::Worksheet ? "Fisa de lucru" : "Barem", 600, 398),
      platform_(platform) {
    border = tk::BorderStyle::FixedDialog;
    const bool sheets = purpose == Purpose::Worksheet;
    txtFisaClasa.setText(classCode);
    txtFisaClasa.MaxLength = 20;
    txtFisaElevi.setText(std::to_string(pupils));
    txtFisaElevi.MaxLength = 2;
    const Placement top[] = {
        {lblFisaClasa, nullptr, 8, 13, 40, 13, ""},
        {txtFisaClasa, nullptr, 50, 8, 70, 24, "Codul clasei"},
        {lblFisaElevi, nullptr, 136, 13, 100, 13, ""},
        {txtFisaElevi, nullptr, 238, 8, 40, 24,
         sheets ? "Cate fise: pentru elevii de la 1 la acest numar, cel mult 40"
                : "Pentru elevii de la 1 la acest numar, cel mult 40"},
        {fraFisaExercitii, nullptr, 8, 40, 584, 314,
         sheets ? "Exercitiile de pe fisa" : "Exercitiile din barem"},
    };
    for (const Placement& p : top)
        putNext(p);
    const auto& bank = problemBank();
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const auto k = static_cast<tk::Integer>(i);
        tk::CheckBox& box = chkFisaExercitiu.add(k, std::string(bank[i].id) + " " + bank[i].title,
                                                 i == exercise ? 1 : 0);
        putNext({box, &fraFisaExercitii, 8.0F + 190 * static_cast<float>(k / rows),
             18.0F + 24 * static_cast<float>(k % rows), 186, 24, ""});
        box.onClick = [this] {
            bool any = false;
            for (const auto& [index, ticked] : chkFisaExercitiu)
                any = any || ticked->Value() != 0;
            cmdFisaOK.setEnabled(any);
        };
    }
    const Placement buttons[] = {
        {cmdFisaToate, nullptr, 8, 364, 84, 26, "Bifeaza toate exercitiile"},
        {cmdFisaNiciunul, nullptr, 96, 364, 84, 26, "Nu bifa niciun exercitiu"},
        {cmdFisaOK, nullptr, 416, 364, 84, 26,
         sheets ? "Tipareste fisele, sau salveaza-le ca PDF"
                : "Tipareste baremul, sau salveaza-l ca PDF"},
        {cmdFisaAnuleaza, nullptr, 508, 364, 84, 26, ""},
    };
    for (const Placement& p : buttons)
        putNext(p);
    cmdFisaOK.Default = true;
    cmdFisaAnuleaza.Cancel = true;
    cmdFisaToate.onClick = [this] { tickAll(true); };
    cmdFisaNiciunul.onClick = [this] { tickAll(false); };
    cmdFisaOK.onClick = [this] { cmdFisaOK_Click(); };
    cmdFisaAnuleaza.onClick = [this] { Unload(); };
}

void frmFisa::tickAll(bool ticked) {
    for (const auto& [index, box] : chkFisaExercitiu)
        box->setValue(ticked ? 1 : 0);
}

void frmFisa::cmdFisaOK_Click() {
    const std::string code = normalClassCode(txtFisaClasa.Text());
    if (code.empty()) {
        platform_.refuseInput(txtFisaClasa, noClass);
        return;
    }
    const int pupils = pupilNumber(txtFisaElevi.Text());
    if (pupils == 0) {
        platform_.refuseInput(txtFisaElevi, badCount);
        return;
    }
    SheetRequest request{code, pupils, {}};
    for (const auto& [index, box] : chkFisaExercitiu)
        if (box->Value())
            request.exercises.push_back(static_cast<std::size_t>(index));
    if (request.exercises.empty())
        return;
    request_ = std::move(request);
    Unload();
}

} // namespace lopena
