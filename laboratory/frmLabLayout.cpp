#include "laboratory/frmLab.h"

#include <random>

namespace lopena {

namespace {
constexpr tk::Colour gridColour = tk::rgb(215, 215, 215);
constexpr tk::Colour ghostColour = tk::rgb(165, 165, 165);
constexpr tk::Colour groundColour = tk::rgb(96, 72, 40);
constexpr tk::Colour dropColour = tk::rgb(150, 150, 150);
// Kinetic, potential, mechanical, lost to the air.
constexpr tk::Colour energyColours[] = {tk::rgb(214, 96, 32), tk::rgb(38, 120, 200),
                                        tk::rgb(90, 90, 90), tk::rgb(175, 175, 175)};
} // namespace

// Mass, diameter and drag coefficient of each ball; docs/using.md names the sources.
const std::array<frmLab::Body, 5> frmLab::bodies = {{
    {"Tenis", 0.057, 0.067, 0.55, "minge de tenis"},
    {"Fotbal", 0.43, 0.22, 0.25, "minge de fotbal"},
    {"Ping-pong", 0.0027, 0.04, 0.47, "minge de ping-pong"},
    {"Baschet", 0.6, 0.24, 0.47, "minge de baschet"},
    {"Greutate", 7.26, 0.12, 0.47, "greutate"},
}};

const std::array<double, 4> frmLab::gravities = {9.81, 1.62, 3.71, 24.79};

frmLab::frmLab(tk::Platform& platform)
    : tk::Form("frmLab", "Laborator - aruncarea corpurilor", 1016, 630), platform_(platform),
      rounds_(std::random_device{}()) {
    buildScene();
    buildControls();
    addTimer(tmrLab);
    wireEvents();
    watchSetup();
    placeGrid();
    placeEnergyBars(340);
}

void frmLab::buildScene() {
    // Lines 0 to mostAcross stand up at x = 0, 1, 2... squares; the next lie at y = 1, 2...
    for (tk::Integer k = 0; k <= LabScene::mostAcross + LabScene::mostUp; ++k)
        linLabGrid.add(k, 0.0F, 0.0F, 0.0F, 0.0F).BorderColor = gridColour;
    for (tk::Integer i = 0; i < 48; ++i) {
        tk::Line& segment = linLabFantoma.add(i, 0.0F, 0.0F, 0.0F, 0.0F);
        segment.BorderColor = ghostColour;
        segment.BorderWidth = 2;
        segment.quietHide();
    }
    shpLabPlatforma.setFillStyle(0);
    shpLabPlatforma.setFillColor(tk::rgb(170, 150, 120));
    shpLabPlatforma.quietHide();
    shpLabTinta.setFillStyle(0);
    shpLabTinta.setFillColor(tk::rgb(220, 40, 40));
    shpLabTinta.quietHide();
    linLabSol.BorderColor = groundColour;
    linLabSol.BorderWidth = 2;
    tk::Shape& pattern = shpLabUrma.add(0, tk::ShapeCodes::Circle);
    pattern.setFillStyle(0);
    pattern.quietHide();
    for (tk::Integer i = 0; i < mostMarks; ++i) {
        tk::Shape& mark = shpLabCadereUrma.add(i, tk::ShapeCodes::Circle);
        mark.place(0, 0, 8, 8);
        mark.setFillStyle(0);
        mark.setFillColor(dropColour);
        mark.quietHide();
        for (tk::Integer stroke = 0; stroke < 3; ++stroke) {
            tk::Line& line = linLabInghetat.add(3 * i + stroke, 0.0F, 0.0F, 0.0F, 0.0F);
            line.BorderColor = tk::rgb(90, 90, 90);
            line.BorderWidth = 2;
            line.quietHide();
        }
    }
    shpLabVarf.place(0, 0, 11, 11);
    shpLabVarf.quietHide();
    shpLabCadere.place(0, 0, 12, 12);
    shpLabCadere.setFillStyle(0);
    shpLabCadere.setFillColor(dropColour);
    shpLabCadere.quietHide();
    shpLabBila.place(0, 0, 12, 12);
    shpLabBila.setFillStyle(0);
    shpLabBila.quietHide();
    for (tk::Integer i = 0; i < 15; ++i) {
        tk::Line& stroke = linLabVector.add(i, 0.0F, 0.0F, 0.0F, 0.0F);
        stroke.BorderWidth = 2;
        stroke.quietHide();
    }
    for (tk::Integer i = 0; i < 5; ++i) {
        tk::Line& sample = linLabLegenda.add(i, 0.0F, 0.0F, 0.0F, 0.0F);
        sample.BorderWidth = 2;
        sample.quietHide();
    }
    for (tk::Integer i = 0; i < 4; ++i) {
        tk::Shape& bar = shpLabEnergie.add(i, tk::ShapeCodes::Rectangle);
        bar.setFillStyle(0);
        bar.setFillColor(energyColours[i]);
        bar.quietHide();
    }

    addScene(&linLabGrid);
    addScene(&linLabFantoma);
    addScene(&shpLabPlatforma);
    addScene(&shpLabTinta);
    addScene(&linLabSol);
    addScene(&shpLabUrma);
    addScene(&shpLabCadereUrma);
    addScene(&linLabInghetat);
    addScene(&shpLabVarf);
    addScene(&shpLabCadere);
    addScene(&shpLabBila);
    addScene(&linLabVector);
    addScene(&shpLabCadru);
    addScene(&linLabLegenda);
    addScene(&shpLabEnergie);
}

void frmLab::buildControls() {
    int tab = 0;
    // In the order of the keys.
    auto put = [&](Placement p) {
        p.tabIndex = tab++;
        Form::put(p);
    };

    // Placed with the grid (placeGrid).
    for (tk::Integer k = 0; k <= LabScene::mostAcross; ++k)
        put({lblLabAxaX.add(k, ""), nullptr, 0, 0, 0, 0, ""});
    for (tk::Integer j = 1; j <= LabScene::mostUp; ++j)
        put({lblLabAxaY.add(j, ""), nullptr, 0, 0, 0, 0, ""});
    for (auto* axis : {&lblLabAxaX, &lblLabAxaY})
        for (const auto& [i, number] : *axis)
            number->Centred = true;
    put({lblLabScara, nullptr, 0, 0, 0, 0, ""});
    static const char* const arrows[] = {"v", "vx", "vy", "a", "g"};
    for (tk::Integer i = 0; i < 5; ++i) {
        tk::Label& name = lblLabLegenda.add(i, arrows[i]);
        name.quietHide();
        put({name, nullptr, 0, 0, 0, 0, ""});
    }

    // Beside the scene: its bars placed with the frame (placeEnergyBars).
    put({fraLabEnergie, nullptr, 656, 8, 108, 440, "Energia corpului in zbor, in jouli"});
    put({lblLabEnergieInfo, &fraLabEnergie, 6, 22, 96, 160, ""});
    lblLabEnergieInfo.WordWrap = true;
    static const char* const energies[] = {"Ec", "Ep", "E", "aer"};
    for (tk::Integer i = 0; i < 4; ++i) {
        tk::Label& name = lblLabEnergieNume.add(i, energies[i]);
        name.Centred = true;
        name.quietHide();
        put({name, &fraLabEnergie, 6.0F + 24 * i, 344, 24, 13, ""});
        tk::Label& value = lblLabEnergie.add(i, "");
        value.quietHide();
        put({value, &fraLabEnergie, 4, 364.0F + 18 * i, 100, 13, ""});
    }

    const Placement data[] = {
        {fraLabDate, nullptr, 772, 4, 236, 170, "Datele aruncarii"},
        {lblLabViteza, &fraLabDate, 8, 19, 90, 13, ""},
        {txtLabViteza, &fraLabDate, 100, 16, 60, 19, "Viteza de lansare, m/s"},
        {lblLabUnghi, &fraLabDate, 8, 43, 90, 13, ""},
        {txtLabUnghi, &fraLabDate, 100, 40, 60, 19, "Unghiul de lansare, grade, de la -90 la 90"},
        {cmdLabOptim, &fraLabDate, 164, 38, 66, 23, "Unghiul celei mai lungi aruncari, apoi aruncarea"},
        {lblLabInaltime, &fraLabDate, 8, 67, 90, 13, ""},
        {txtLabInaltime, &fraLabDate, 100, 64, 60, 19, "Inaltimea de lansare, m"},
        {lblLabGrav, &fraLabDate, 8, 91, 90, 13, ""},
        {txtLabGrav, &fraLabDate, 100, 88, 60, 19, "Acceleratia gravitationala, m/s patrat"},
    };
    for (const Placement& p : data)
        put(p);
    static const char* const places[] = {"Pamant", "Luna", "Marte", "Jupiter"};
    for (tk::Integer i = 0; i < 4; ++i) {
        tk::CommandButton& button = cmdLabGrav.add(i, places[i]);
        put({button, &fraLabDate, 8.0F + 55 * i, 114, 53, 23, "Acceleratia gravitationala de aici"});
    }
    const Placement series[] = {
        {lblLabSerieDe, &fraLabDate, 8, 146, 14, 13, ""},
        {txtLabSerieDe, &fraLabDate, 24, 143, 30, 19, "Primul unghi al seriei, grade"},
        {lblLabSeriePana, &fraLabDate, 58, 146, 36, 13, ""},
        {txtLabSeriePana, &fraLabDate, 96, 143, 30, 19, "Ultimul unghi al seriei, grade"},
        {cmdLabSerie, &fraLabDate, 130, 141, 100, 23,
         "Arunca pe rand din 5 in 5 grade, de la primul la ultimul unghi"},
    };
    for (const Placement& p : series)
        put(p);

    put({fraLabMediu, nullptr, 772, 178, 236, 196, "Mediul in care zboara corpul"});
    static const char* const media[] = {"Vid", "Aer (liniar)", "Aer (patratic)"};
    static const float mediumTops[] = {16, 36, 56};
    for (tk::Integer i = 0; i < 3; ++i) {
        tk::OptionButton& option = optLabMediu.add(i, media[i], i == 0);
        put({option, &fraLabMediu, 8, mediumTops[i], 104, 17, "Mediul"});
    }
    put({lblLabK, &fraLabMediu, 112, 39, 40, 13, ""});
    put({txtLabK, &fraLabMediu, 156, 36, 64, 19, "Coeficientul rezistentei liniare k, pe secunda"});
    put({fraLabCorp, &fraLabMediu, 8, 78, 220, 112, "Corpul aruncat in aer"});
    for (tk::Integer i = 0; i < 5; ++i) {
        tk::OptionButton& option = optLabCorp.add(i, bodies[static_cast<std::size_t>(i)].name, i == 0);
        put({option, &fraLabCorp, 8.0F + 106 * (i % 2), 16.0F + 20 * (i / 2), 104, 17, "Corpul"});
    }
    const Placement body[] = {
        {lblLabMasa, &fraLabCorp, 8, 76, 64, 13, ""},
        {txtLabMasa, &fraLabCorp, 8, 88, 64, 19, "Masa corpului, kg"},
        {lblLabDiametru, &fraLabCorp, 78, 76, 64, 13, ""},
        {txtLabDiametru, &fraLabCorp, 78, 88, 64, 19, "Diametrul corpului, m"},
        {lblLabCd, &fraLabCorp, 148, 76, 64, 13, ""},
        {txtLabCd, &fraLabCorp, 148, 88, 64, 19, "Coeficientul de rezistenta Cd"},
        {fraLabAfisare, nullptr, 772, 378, 236, 86, "Afisare"},
        {chkLabVectori, &fraLabAfisare, 8, 16, 70, 17, "Sagetile vitezei si ale acceleratiei"},
        {chkLabFantoma, &fraLabAfisare, 96, 16, 120, 17, "Traiectoria in vid, cu aer"},
        {chkLabPrezice, &fraLabAfisare, 8, 38, 70, 17, "Cere o predictie inainte de aruncare"},
    };
    for (const Placement& p : body)
        put(p);
    static const char* const rhythms[] = {"1x", "0.25x"};
    for (tk::Integer i = 0; i < 2; ++i) {
        tk::OptionButton& option = optLabRitm.add(i, rhythms[i], i == 0);
        put({option, &fraLabAfisare, 96.0F + 56 * i, 38, 54, 17,
             i == 0 ? "Timpul real" : "Cu incetinitorul, de patru ori"});
    }
    put({chkLabEnergie, &fraLabAfisare, 8, 60, 80, 17,
         "Energia cinetica, potentiala si cea pierduta in aer, in bare"});
    put({chkLabCadere, &fraLabAfisare, 90, 60, 140, 17,
         "O a doua bila, lasata sa cada de la aceeasi inaltime in acelasi moment"});

    const Placement rest[] = {
        {cmdLabStart, nullptr, 772, 470, 56, 25, "Calculeaza si arunca"},
        {cmdLabPauza, nullptr, 832, 470, 56, 25, "Opreste sau reia zborul"},
        {cmdLabPas, nullptr, 892, 470, 56, 25, "Un pas, cu zborul oprit"},
        {cmdLabSterge, nullptr, 952, 470, 56, 25, "Sterge traiectoriile"},
        {fraLabPrezice, nullptr, 772, 502, 236, 124, "Predictia inainte de aruncare"},
        {lblLabPrezD, &fraLabPrezice, 8, 19, 36, 13, ""},
        {txtLabPrezD, &fraLabPrezice, 46, 16, 54, 19, "Distanta prezisa, m"},
        {lblLabPrezH, &fraLabPrezice, 8, 43, 36, 13, ""},
        {txtLabPrezH, &fraLabPrezice, 46, 40, 54, 19, "Inaltimea maxima prezisa, m"},
        {lblLabPrezT, &fraLabPrezice, 8, 67, 36, 13, ""},
        {txtLabPrezT, &fraLabPrezice, 46, 64, 54, 19, "Timpul de zbor prezis, s"},
        {cmdLabArunca, &fraLabPrezice, 8, 88, 92, 25, "Arunca cu aceasta predictie"},
    };
    for (const Placement& p : rest)
        put(p);
    for (tk::Integer i = 0; i < 3; ++i) {
        tk::Label& compared = lblLabPrez.add(i, "");
        put({compared, &fraLabPrezice, 106, 19.0F + 24 * i, 126, 13, ""});
    }

    const Placement results[] = {
        {fraLabRezultate, nullptr, 8, 452, 364, 174, "Rezultate"},
        {lblLabT, &fraLabRezultate, 8, 20, 172, 13, ""},
        {lblLabD, &fraLabRezultate, 8, 38, 172, 13, ""},
        {lblLabH, &fraLabRezultate, 8, 56, 172, 13, ""},
        {lblLabV, &fraLabRezultate, 8, 74, 172, 13, ""},
        {lblLabImpact, &fraLabRezultate, 8, 92, 172, 13, ""},
        {lblLabUrcare, &fraLabRezultate, 8, 110, 172, 13, ""},
        {lblLabVx0, &fraLabRezultate, 186, 20, 170, 13, ""},
        {lblLabVy0, &fraLabRezultate, 186, 38, 170, 13, ""},
        {lblLabVarf, &fraLabRezultate, 8, 128, 348, 13, ""},
        {lblLabOptim, &fraLabRezultate, 8, 146, 348, 13, ""},
    };
    for (const Placement& p : results)
        put(p);
    for (tk::Integer i = 0; i < 4; ++i) {
        tk::Label& vacuum = lblLabVid.add(i, "");
        vacuum.quietHide();
        put({vacuum, &fraLabRezultate, 186, 56.0F + 18 * i, 170, 13, ""});
    }
    put({fraLabZbor, nullptr, 380, 452, 216, 174, "In zbor"});
    static const char* const live[] = {"t", "x", "y", "vx", "vy", "v"};
    for (tk::Integer i = 0; i < 6; ++i) {
        tk::Label& value = lblLabLive.add(i, std::string(live[i]) + " =");
        put({value, &fraLabZbor, 8, 20.0F + 18 * i, 200, 13, ""});
        markLive(value);
    }
    for (tk::Label* value : {&lblLabLiveCadere, &lblLabLiveVarf}) {
        put({*value, &fraLabZbor, 8, value == &lblLabLiveVarf ? 128.0F : 146.0F, 200, 13, ""});
        markLive(*value);
    }
    const Placement target[] = {
        {fraLabTinta, nullptr, 604, 452, 160, 174, "Tinta"},
        {chkLabTinta, &fraLabTinta, 8, 16, 62, 17, "Arata tinta"},
        {cmdLabRunda, &fraLabTinta, 72, 12, 80, 23, "Tinta intr-un loc nou, in bataia aruncarii, si scorul de la zero"},
        {lblLabTintaD, &fraLabTinta, 8, 42, 70, 13, ""},
        {txtLabTintaD, &fraLabTinta, 80, 40, 70, 19, "Distanta pana la mijlocul tintei, m"},
        {lblLabTintaL, &fraLabTinta, 8, 66, 70, 13, ""},
        {txtLabTintaL, &fraLabTinta, 80, 64, 70, 19, "Latimea tintei, m"},
        {lblLabRunda, &fraLabTinta, 8, 88, 144, 26, ""},
        {lblLabTintaRez, &fraLabTinta, 8, 116, 144, 54, ""},
    };
    for (const Placement& p : target)
        put(p);
    lblLabRunda.WordWrap = true;
    lblLabRunda.quietHide();
    put({cmdLabCod, &fraLabDate, 164, 14, 66, 23, "Codul Laboratorului: de trimis, sau un cod primit de deschis"});
    lblLabTintaRez.WordWrap = true;
    cmdLabStart.Default = true;
    fraLabPrezice.quietHide();
    for (tk::Control* c : {static_cast<tk::Control*>(&cmdLabPauza), static_cast<tk::Control*>(&cmdLabPas),
                           static_cast<tk::Control*>(&cmdLabArunca)})
        c->setEnabled(false);

    tk::OptionButton::makeGroup({&optLabMediu(0), &optLabMediu(1), &optLabMediu(2)});
    tk::OptionButton::makeGroup(
        {&optLabCorp(0), &optLabCorp(1), &optLabCorp(2), &optLabCorp(3), &optLabCorp(4)});
    tk::OptionButton::makeGroup({&optLabRitm(0), &optLabRitm(1)});
}

void frmLab::placeGrid() {
    const LabScene::Grid& g = scene_.grid();
    const auto sq = static_cast<tk::Single>(g.squarePixels);
    for (const auto& [k, line] : linLabGrid) {
        const bool across = k > LabScene::mostAcross; // a line along the ground
        const auto n = static_cast<tk::Single>(across ? k - LabScene::mostAcross : k);
        if (across)
            line->setPoints(g.originX, g.groundY - n * sq, g.right(), g.groundY - n * sq);
        else
            line->setPoints(g.originX + n * sq, g.top(), g.originX + n * sq, g.groundY);
        line->setVisible(across ? n <= g.squaresUp : n <= g.squaresAcross);
    }
    linLabSol.setPoints(g.plot.left, g.groundY, g.plot.right, g.groundY);
    const LabScene::Area& f = g.frame;
    shpLabCadru.setBounds(f.left, f.top, f.right - f.left, f.bottom - f.top);
    lblLabScara.setBounds(f.left + 8, f.top + 8, f.right - f.left - 16, 13);
    // The legend between the caption and the plot: a stroke, then its name.
    for (const auto& [i, sample] : linLabLegenda) {
        const tk::Single left = f.left + 8 + 44 * static_cast<tk::Single>(i);
        sample->setPoints(left, f.top + 31, left + 16, f.top + 31);
        lblLabLegenda(i).setBounds(left + 20, f.top + 24, 22, 13);
    }
    // The numbers centred under their lines; the y numbers left of the plot, where the platform
    // of a high launch stands between them and the grid.
    for (const auto& [k, number] : lblLabAxaX) {
        number->setBounds(g.originX + (static_cast<tk::Single>(k) - 0.5F) * sq, g.plot.bottom, sq, 13);
        number->setVisible(k <= g.squaresAcross);
    }
    for (const auto& [j, number] : lblLabAxaY) {
        number->setBounds(f.left + 2, g.groundY - static_cast<tk::Single>(j) * sq - 6,
                          g.plot.left - f.left - 4, 13);
        number->setVisible(j <= g.squaresUp);
    }
}

} // namespace lopena
