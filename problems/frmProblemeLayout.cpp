#include "problems/frmProbleme.h"

namespace lopena {

frmProbleme::frmProbleme(tk::Platform& platform)
    : tk::Form("frmProbleme", "Probleme - exercitii de aruncare", 900, 664), platform_(platform) {
    variants_.assign(problemBank().size(), 0);
    buildControls();
    wireEvents();
}

void frmProbleme::buildControls() {
    int tab = 0;
    auto put = [&](Placement p) {
        p.tabIndex = tk::takesKeys(p.control.kind()) ? tab++ : -1;
        Form::put(p);
    };
    const Placement top[] = {
        {lblProbClasa, nullptr, 368, 13, 40, 13, ""},
        {txtProbClasa, nullptr, 410, 8, 60, 24, "Codul clasei"},
        {lblProbElev, nullptr, 482, 13, 76, 13, ""},
        {txtProbElev, nullptr, 560, 8, 40, 24, "Numarul elevului in catalog, de la 1 la 40"},
        {fraProbLista, nullptr, 8, 4, 352, 458, "Exercitiile, dupa tip"},
    };
    for (const Placement& p : top)
        put(p);
    const auto& bank = problemBank();
    const auto rows = static_cast<int>((bank.size() + 1) / 2);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const auto k = static_cast<tk::Integer>(i);
        tk::OptionButton& option =
            lstProbleme.add(k, std::string(bank[i].id) + " " + bank[i].title, i == 0);
        put({option, &fraProbLista, 8.0F + 172 * static_cast<float>(k / rows),
             18.0F + 24 * static_cast<float>(k % rows), 170, 24, "Exercitiul"});
    }
    put({cmdProbAlta, nullptr, 780, 7, 112, 26, "Alte numere pentru acelasi exercitiu"});
    put({lblProbTitlu, nullptr, 368, 42, 524, 13, ""});
    put({lblProbEnunt, nullptr, 368, 60, 524, 78, "Enuntul"});
    lblProbEnunt.WordWrap = true;
    static const char* const answerNames[] = {"Raspunsul 1", "Raspunsul 2", "Raspunsul 3",
                                              "Raspunsul 4", "Raspunsul 5"};
    for (tk::Integer i = 0; i < mostAnswers; ++i) {
        const float y = 144.0F + 28 * static_cast<float>(i);
        put({lblProbIntrebare.add(i, ""), nullptr, 368, y + 5, 230, 13, ""});
        put({txtProbRaspuns.add(i, ""), nullptr, 602, y, 80, 24, answerNames[i]});
        put({lblProbUnitate.add(i, ""), nullptr, 686, y + 5, 36, 13, ""});
        put({lblProbVerdict.add(i, ""), nullptr, 726, y + 5, 166, 13, ""});
        markLive(lblProbVerdict(i));
    }
    const Placement buttons[] = {
        {cmdProbVerifica, nullptr, 368, 290, 84, 26, "Verifica raspunsurile"},
        {cmdProbIndiciu, nullptr, 456, 290, 84, 26, "Legea sau formula de folosit"},
        {cmdProbRezolvare, nullptr, 544, 290, 84, 26, "Rezolvarea pas cu pas"},
        {cmdProbLaborator, nullptr, 632, 290, 132, 26, "Arunca exercitiul in Laborator"},
        {lblProbIndiciu, nullptr, 368, 326, 524, 132, "Indiciul"},
        {fraProbRezolvare, nullptr, 8, 468, 884, 190, "Rezolvarea"},
    };
    for (const Placement& p : buttons)
        put(p);
    lblProbIndiciu.WordWrap = true;
    for (tk::Integer i = 0; i < solutionRows; ++i)
        put({lblProbRezolvare.add(i, ""), &fraProbRezolvare, 8, 18.0F + 14 * static_cast<float>(i),
             868, 13, ""});
    cmdProbVerifica.Default = true;
    cmdProbIndiciu.setEnabled(false);
    std::vector<tk::OptionButton*> group;
    for (const auto& [index, option] : lstProbleme)
        group.push_back(option);
    tk::OptionButton::makeGroup(group);
}

} // namespace lopena
