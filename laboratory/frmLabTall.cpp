#include "laboratory/frmLab.h"

#include <algorithm>

namespace lopena {

namespace {
constexpr int narrowest = 360; // the tall layout's least width, pixels
} // namespace

std::pair<int, int> frmLab::arrangeFor(tk::Layout layout, int roomWidth) {
    std::pair<int, int> size = wideSize();
    if (layout == tk::Layout::Tall) {
        const int width = std::max(roomWidth, narrowest);
        scene_.setGrid(LabScene::tall(width));
        size = {width, arrangeTall(width)};
    } else {
        scene_.setGrid(LabScene::wide());
        fraLabEnergie.setVisible(true); // its room is kept beside the scene
        placeEnergyBars(340);
    }
    placeGrid();
    redrawThrow();
    return size;
}

void frmLab::redrawThrow() {
    placeDots();
    placeTarget();
    placePlatform();
    drawGhost();
    if (current_) {
        const double t = std::min(static_cast<double>(elapsed_) * 1e-6, endTime());
        placeMarks(t, true);
        showAt(t);
    }
}

// One column under the scene, as wide as the room: the results, the live values, then the
// controls in their tab order. Boxes, buttons, check and option boxes are 24 px high or more.
int frmLab::arrangeTall(int width) {
    const auto w = static_cast<tk::Single>(width - 16); // a frame's width
    const tk::Single half = w / 2;
    tk::Single y = scene_.grid().frame.bottom + 8;
    // A frame at the next place down, `height` high; the next goes 6 px under it.
    auto frame = [&](tk::Control& f, tk::Single height) {
        f.setBounds(8, y, w, height);
        y += height + 6;
    };

    frame(fraLabRezultate, 166);
    tk::Label* results[] = {&lblLabT,  &lblLabD,      &lblLabH,  &lblLabV,
                            &lblLabImpact, &lblLabUrcare, &lblLabVx0, &lblLabVy0};
    for (int i = 0; i < 8; ++i)
        results[i]->setBounds(i < 6 ? 8 : half + 4, 20.0F + 18 * static_cast<tk::Single>(i % 6), half - 12, 13);
    for (const auto& [i, label] : lblLabVid)
        label->setBounds(half + 4, 56.0F + 18 * static_cast<tk::Single>(i), half - 12, 13);
    lblLabVarf.setBounds(8, 128, w - 16, 13);
    lblLabOptim.setBounds(8, 146, w - 16, 13);
    frame(fraLabZbor, 116);
    for (const auto& [i, label] : lblLabLive)
        label->setBounds(8 + static_cast<tk::Single>(i / 3) * half, 20.0F + 18 * static_cast<tk::Single>(i % 3),
                         half - 12, 13);
    lblLabLiveVarf.setBounds(8, 74, w - 16, 13);
    lblLabLiveCadere.setBounds(8, 92, w - 16, 13);

    // The energy's frame only while it is asked for, its values beside the bars.
    const bool energy = chkLabEnergie.Value() == 1;
    fraLabEnergie.setVisible(energy);
    fraLabEnergie.setBounds(8, y, w, 150);
    if (energy)
        y += 156;
    lblLabEnergieInfo.setBounds(8, 22, w - 16, 52);
    for (const auto& [i, label] : lblLabEnergie) {
        const auto n = static_cast<tk::Single>(i);
        lblLabEnergieNume(i).setBounds(6 + 24 * n, 124, 24, 13);
        label->setBounds(112, 24 + 18 * n, w - 120, 13);
    }
    placeEnergyBars(120);

    frame(fraLabDate, 206);
    const std::pair<tk::Control*, tk::Control*> rows[] = {{&lblLabViteza, &txtLabViteza},
                                                          {&lblLabUnghi, &txtLabUnghi},
                                                          {&lblLabInaltime, &txtLabInaltime},
                                                          {&lblLabGrav, &txtLabGrav}};
    for (int i = 0; i < 4; ++i) {
        rows[i].first->setBounds(8, 21.0F + 30 * i, 100, 13);
        rows[i].second->setBounds(112, 16.0F + 30 * i, 96, 24);
    }
    cmdLabCod.setBounds(216, 14, 110, 28);
    cmdLabOptim.setBounds(216, 44, 110, 28);
    const tk::Single planet = (w - 28) / 4;
    for (const auto& [i, button] : cmdLabGrav)
        button->setBounds(8 + static_cast<tk::Single>(i) * (planet + 4), 136, planet, 28);
    lblLabSerieDe.setBounds(8, 177, 20, 13);
    txtLabSerieDe.setBounds(30, 172, 48, 24);
    lblLabSeriePana.setBounds(84, 177, 48, 13);
    txtLabSeriePana.setBounds(134, 172, 48, 24);
    cmdLabSerie.setBounds(190, 170, 140, 28);

    frame(fraLabMediu, 258);
    for (const auto& [i, option] : optLabMediu)
        option->setBounds(8, 16.0F + 28 * static_cast<tk::Single>(i), 130, 24);
    lblLabK.setBounds(144, 49, 40, 13);
    txtLabK.setBounds(188, 44, 80, 24);
    fraLabCorp.setBounds(8, 100, w - 16, 150);
    for (const auto& [i, option] : optLabCorp)
        option->setBounds(8.0F + 150 * static_cast<tk::Single>(i % 2), 16.0F + 28 * static_cast<tk::Single>(i / 2),
                          146, 24);
    const tk::Single column = (w - 44) / 3;
    const std::pair<tk::Control*, tk::Control*> figures[] = {
        {&lblLabMasa, &txtLabMasa}, {&lblLabDiametru, &txtLabDiametru}, {&lblLabCd, &txtLabCd}};
    for (int i = 0; i < 3; ++i) {
        figures[i].first->setBounds(8 + i * (column + 6), 104, column, 13);
        figures[i].second->setBounds(8 + i * (column + 6), 118, column, 24);
    }

    frame(fraLabAfisare, 104);
    chkLabVectori.setBounds(8, 16, 110, 24);
    chkLabFantoma.setBounds(130, 16, 150, 24);
    chkLabPrezice.setBounds(8, 44, 110, 24);
    for (const auto& [i, option] : optLabRitm)
        option->setBounds(130 + 70 * static_cast<tk::Single>(i), 44, 64, 24);
    chkLabEnergie.setBounds(8, 72, 110, 24);
    chkLabCadere.setBounds(130, 72, 190, 24);

    const tk::Single button = (w - 18) / 4;
    tk::CommandButton* buttons[] = {&cmdLabStart, &cmdLabPauza, &cmdLabPas, &cmdLabSterge};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setBounds(8 + i * (button + 6), y, button, 32);
    y += 38;

    fraLabPrezice.setBounds(8, y, w, 148);
    if (fraLabPrezice.Visible())
        y += 154; // its room only while it shows
    const std::pair<tk::Control*, tk::Control*> guesses[] = {
        {&lblLabPrezD, &txtLabPrezD}, {&lblLabPrezH, &txtLabPrezH}, {&lblLabPrezT, &txtLabPrezT}};
    for (int i = 0; i < 3; ++i) {
        guesses[i].first->setBounds(8, 21.0F + 30 * i, 40, 13);
        guesses[i].second->setBounds(50, 16.0F + 30 * i, 80, 24);
        lblLabPrez(i).setBounds(138, 21.0F + 30 * i, w - 146, 13);
    }
    cmdLabArunca.setBounds(8, 106, 122, 32);

    frame(fraLabTinta, 178);
    chkLabTinta.setBounds(8, 16, 120, 24);
    cmdLabRunda.setBounds(w - 128, 14, 120, 28);
    lblLabTintaD.setBounds(8, 53, 90, 13);
    txtLabTintaD.setBounds(100, 48, 96, 24);
    lblLabTintaL.setBounds(8, 83, 90, 13);
    txtLabTintaL.setBounds(100, 78, 96, 24);
    lblLabRunda.setBounds(8, 110, w - 16, 13);
    lblLabTintaRez.setBounds(8, 128, w - 16, 44);
    return static_cast<int>(y) + 2;
}

} // namespace lopena
