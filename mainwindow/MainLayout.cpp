#include "mainwindow/MainLayout.h"

namespace lopena {

MainLayout::MainLayout() : tk::Form("frmmain", "Morvak Lopena - Aruncare pe oblica", 1016, 492) {
    buildScene();
    buildControls();
    buildMenus();
    addTimer(Timer1);
    addTimer(Timer2);
    addTimer(Timer3);
}

void MainLayout::buildScene() {
    shpBall.place(8, 336, 9, 9);
    shpBall.setFillStyle(0);
    shpBall.quietHide();

    tk::Shape& pattern = shpTrail.add(0, tk::ShapeCodes::Square);
    pattern.place(584, 184, 9, 9);
    pattern.quietHide();

    shpBorder.place(8, 0, 1001, 345);

    // 17 vertical lines 56 pixels apart, numbered 0..10, 22, 17..21 from left to right.
    for (int k = 0; k <= 16; ++k) {
        auto index = static_cast<tk::Integer>(k <= 10 ? k : k == 11 ? 22 : 17 + (k - 12));
        auto x = static_cast<tk::Single>(64 + 56 * k);
        grid.add(index, x, 352.0F, x, 0.0F);
    }
    // 6 horizontal lines, numbered 16 (top) down to 11.
    for (int j = 0; j <= 5; ++j) {
        auto y = static_cast<tk::Single>(8 + 56 * j);
        grid.add(static_cast<tk::Integer>(16 - j), 0.0F, y, 1008.0F, y);
    }

    addScene(&shpBall);
    addScene(&shpTrail);
    addScene(&shpBorder);
    addScene(&grid);
}

void MainLayout::buildControls() {
    const Placement placements[] = {
        {Frame1, nullptr, 8, 360, 417, 121, "Controale", 0},
        {Label12, &Frame1, 128, 16, 73, 33, "", 18},
        {txtgrav, &Frame1, 200, 24, 57, 19, "Acceleratia gravitationala, m/s patrat", 17},
        {cmdFire, &Frame1, 272, 16, 65, 33, "Start", 4},
        {Command1, &Frame1, 344, 16, 65, 33, "Opreste sau reia zborul", 1},
        {cmdClear, &Frame1, 272, 56, 137, 33, "Sterge traiectorie", 7},
        {Label1, &Frame1, 8, 48, 49, 17, "", 8},
        {txtViteza, &Frame1, 40, 48, 33, 19, "Viteza initiala, m/s", 3},
        {Label9, &Frame1, 72, 48, 33, 17, "", 15},
        {hsbViteza, &Frame1, 104, 48, 145, 17, "Viteza initiala", 5},
        {Label2, &Frame1, 8, 72, 33, 17, "", 9},
        {txtUnghi, &Frame1, 40, 72, 33, 19, "Unghiul de lansare, grade", 2},
        {Label10, &Frame1, 73, 69, 6, 13, "", 16},
        {hsbUnghi, &Frame1, 104, 72, 145, 17, "Unghiul de lansare", 6},
        {Label13, &Frame1, 8, 96, 25, 17, "", 20},
        {txtRaza, &Frame1, 40, 96, 33, 19, "Raza corpului", 19},
        {Label14, &Frame1, 80, 96, 9, 17, "", 21},
        {HSBRaza, &Frame1, 104, 96, 145, 17, "Raza corpului", 22},
        {chkTrail, &Frame1, 280, 96, 97, 17, "Arata traiectorie", 23},
        {Frame2, nullptr, 432, 360, 249, 121, "Rezultate", 10},
        {Label3, &Frame2, 8, 24, 83, 13, "Distanta parcursa", 11},
        {Label4, &Frame2, 8, 48, 74, 13, "Inaltime maxima", 12},
        {Label5, &Frame2, 8, 72, 46, 13, "Timp total", 13},
        {Label6, &Frame2, 8, 96, 74, 13, "Viteza la impact", 14},
        {Frame3, nullptr, 688, 360, 185, 121, "Coordonate partiale", 24},
        {Label7, &Frame3, 8, 24, 95, 13, "Coordonata X", 32},
        {Label8, &Frame3, 8, 48, 95, 13, "Coordonata Y", 31},
        {Label15, &Frame3, 8, 80, 49, 17, "", 29},
        {Label11, &Frame3, 72, 80, 21, 13, "Timpul ramas", 30},
        {Frame4, nullptr, 888, 360, 121, 121, "Setari", 25},
    };
    for (const Placement& p : placements)
        put(p);

    Label12.WordWrap = true;
    Label9.Centred = true;
    Label10.AutoSize = true;
    for (tk::Label* label : {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label11})
        label->AutoSize = true;
    txtUnghi.MaxLength = 3;
    txtRaza.Locked = true;
    cmdFire.Default = true;
    chkTrail.quietHide();

    struct Option {
        tk::Integer index;
        const char* caption;
        const char* accessibleName;
        float top;
        int tabIndex;
        bool selected;
    };
    const Option options[] = {
        {1, "Patrat", "Forma corpului: patrat", 16, 28, false},
        {3, "Cerc", "Forma corpului: cerc", 40, 26, true},
        {4, "Patrat rotunjit", "Forma corpului: patrat rotunjit", 64, 27, false},
    };
    for (const Option& o : options) {
        tk::OptionButton& button = Option1.add(o.index, o.caption, o.selected);
        button.place(8, o.top, 97, 17);
        button.setTabIndex(o.tabIndex);
        describe(button, o.accessibleName);
        add(button, &Frame4);
    }
    tk::OptionButton::makeGroup({&Option1(1), &Option1(3), &Option1(4)});
}

void MainLayout::buildMenus() {
    mnufile.addChild(mnusave);
    mnufile.addChild(l1);
    mnufile.addChild(mnuexit);
    mnuview.addChild(mnutraiect);
    mnuview.addChild(mnugrid);
    mnuview.addChild(l2);
    mnuview.addChild(mnucaiet);
    mnuview.addChild(mnulab);
    mnuview.addChild(mnuprob);
    mnuhelp.addChild(mnuabout);
    mnutraiect.setChecked(true);
    mnugrid.setChecked(true);
    addMenu(mnufile);
    addMenu(mnuview);
    addMenu(mnuhelp);
}

} // namespace lopena
