#include "problems/frmProbleme.h"

#include "toolkit/Platform.h"

#include <algorithm>

namespace lopena {

frmProbleme::frmProbleme(tk::Platform& platform)
    : tk::Form("frmProbleme", "Probleme - exercitii de aruncare", 900, 664), platform_(platform),
      progress_(platform.settings()) {
    variants_.assign(problemBank().size(), 0);
    buildControls();
    wireEvents();
}

std::pair<int, int> frmProbleme::arrangeFor(tk::Layout layout, int roomWidth) {
    if (layout == tk::Layout::Tall) {
        const int width = std::max(roomWidth, 360);
        return {width, arrangeTall(width)};
    }
    return wideSize();
}

int frmProbleme::arrangeTall(int width) {
    const auto w = static_cast<tk::Single>(width - 16); // a full row's width
    lblProbClasa.setBounds(8, 13, 40, 13);
    txtProbClasa.setBounds(50, 8, 70, 24);
    lblProbElev.setBounds(132, 13, 76, 13);
    txtProbElev.setBounds(210, 8, 44, 24);
    const auto rows = static_cast<tk::Single>((lstProbleme.Count() + 1) / 2);
    fraProbLista.setBounds(8, 40, w, 26 + 24 * rows);
    const tk::Single column = (w - 16) / 2;
    for (const auto& [k, option] : lstProbleme)
        option->setBounds(8 + column * static_cast<tk::Single>(k / static_cast<int>(rows)),
                          18 + 24 * static_cast<tk::Single>(k % static_cast<int>(rows)), column - 2, 24);
    tk::Single y = fraProbLista.Top() + fraProbLista.Height() + 8;
    cmdProbAlta.setBounds(8, y, 140, 28);
    lblProbTitlu.setBounds(8, y += 36, w, 13);
    lblProbEnunt.setBounds(8, y += 18, w, 120);
    y += 126;
    // A question on its line with its box and unit, the verdict under them.
    for (tk::Integer i = 0; i < mostAnswers; ++i, y += 48) {
        lblProbIntrebare(i).setBounds(8, y + 5, w - 130, 13);
        txtProbRaspuns(i).setBounds(w - 116, y, 80, 24);
        lblProbUnitate(i).setBounds(w - 32, y + 5, 40, 13);
        lblProbVerdict(i).setBounds(8, y + 28, w, 13);
    }
    const tk::Single button = (w - 12) / 3;
    tk::CommandButton* buttons[] = {&cmdProbVerifica, &cmdProbIndiciu, &cmdProbRezolvare};
    for (int i = 0; i < 3; ++i)
        buttons[i]->setBounds(8 + static_cast<tk::Single>(i) * (button + 6), y, button, 32);
    cmdProbLaborator.setBounds(8, y += 38, w, 32);
    tk::CommandButton* teacher[] = {&cmdProbFisa, &cmdProbBarem, &cmdProbSterge};
    y += 38;
    for (int i = 0; i < 3; ++i)
        teacher[i]->setBounds(8 + static_cast<tk::Single>(i) * (button + 6), y, button, 32);
    lblProbIndiciu.setBounds(8, y += 40, w, 80);
    // Two lines for each of the solution's, wrapped.
    const auto lines = static_cast<tk::Single>(solutionRows);
    fraProbRezolvare.setBounds(8, y += 86, w, 26 + 28 * lines);
    for (const auto& [i, line] : lblProbRezolvare)
        line->setBounds(8, 18 + 28 * static_cast<tk::Single>(i), w - 16, 26);
    return static_cast<int>(y + fraProbRezolvare.Height() + 8);
}

void frmProbleme::buildControls() {
    const Placement top[] = {
        {lblProbClasa, nullptr, 368, 13, 40, 13, ""},
        {txtProbClasa, nullptr, 410, 8, 60, 24, "Codul clasei"},
        {lblProbElev, nullptr, 482, 13, 76, 13, ""},
        {txtProbElev, nullptr, 560, 8, 40, 24, "Numarul elevului in catalog, de la 1 la 40"},
        {fraProbLista, nullptr, 8, 4, 352, 458, "Exercitiile, dupa tip"},
    };
    for (const Placement& p : top)
        putNext(p);
    const auto& bank = problemBank();
    const auto rows = static_cast<int>((bank.size() + 1) / 2);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const auto k = static_cast<tk::Integer>(i);
        tk::OptionButton& option =
            lstProbleme.add(k, std::string(bank[i].id) + " " + bank[i].title, i == 0);
        putNext({option, &fraProbLista, 8.0F + 172 * static_cast<float>(k / rows),
             18.0F + 24 * static_cast<float>(k % rows), 170, 24, "Exercitiul"});
    }
    putNext({cmdProbAlta, nullptr, 780, 7, 112, 26, "Alte numere pentru acelasi exercitiu"});
    putNext({lblProbTitlu, nullptr, 368, 42, 524, 13, ""});
    putNext({lblProbEnunt, nullptr, 368, 60, 524, 78, "Enuntul"});
    lblProbEnunt.WordWrap = true;
    static const char* const answerNames[] = {"Raspunsul 1", "Raspunsul 2", "Raspunsul 3",
                                              "Raspunsul 4", "Raspunsul 5"};
    for (tk::Integer i = 0; i < mostAnswers; ++i) {
        const float y = 144.0F + 28 * static_cast<float>(i);
        putNext({lblProbIntrebare.add(i, ""), nullptr, 368, y + 5, 230, 13, ""});
        putNext({txtProbRaspuns.add(i, ""), nullptr, 602, y, 80, 24, answerNames[i]});
        txtProbRaspuns(i).MaxLength = 20;
        putNext({lblProbUnitate.add(i, ""), nullptr, 686, y + 5, 36, 13, ""});
        putNext({lblProbVerdict.add(i, ""), nullptr, 726, y + 5, 166, 13, ""});
        markLive(lblProbVerdict(i));
    }
    const Placement buttons[] = {
        {cmdProbVerifica, nullptr, 368, 290, 84, 26, "Verifica raspunsurile"},
        {cmdProbIndiciu, nullptr, 456, 290, 84, 26, "Legea sau formula de folosit"},
        {cmdProbRezolvare, nullptr, 544, 290, 84, 26, "Rezolvarea pas cu pas"},
        {cmdProbLaborator, nullptr, 632, 290, 132, 26, "Arunca exercitiul in Laborator"},
        {lblProbIndiciu, nullptr, 368, 326, 524, 96, "Indiciul"},
        {cmdProbFisa, nullptr, 368, 432, 120, 26,
         "Fisele de lucru ale elevilor unei clase, de tiparit"},
        {cmdProbBarem, nullptr, 492, 432, 84, 26,
         "Raspunsurile si rezolvarile pentru profesor, de tiparit"},
        {cmdProbSterge, nullptr, 772, 432, 120, 26,
         "Sterge raspunsurile pastrate, dupa o intrebare"},
        {fraProbRezolvare, nullptr, 8, 468, 884, 190, "Rezolvarea"},
    };
    for (const Placement& p : buttons)
        putNext(p);
    lblProbIndiciu.WordWrap = true;
    // Wrapped where the tall layout gives a line two rows; one row is room enough here.
    for (tk::Integer i = 0; i < solutionRows; ++i) {
        tk::Label& line = lblProbRezolvare.add(i, "");
        line.WordWrap = true;
        putNext({line, &fraProbRezolvare, 8, 18.0F + 14 * static_cast<float>(i), 868, 13, ""});
    }
    txtProbClasa.MaxLength = 20;
    cmdProbVerifica.Default = true;
    cmdProbIndiciu.setEnabled(false);
    std::vector<tk::OptionButton*> group;
    for (const auto& [index, option] : lstProbleme)
        group.push_back(option);
    tk::OptionButton::makeGroup(group);
}

} // namespace lopena
