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
    struct Placement {
        tk::Control& control;
        tk::Control* container;
        float left, top, width, height;
        int tabIndex;
        const char* accessibleName;
    };
    const Placement placements[] = {
        {Frame1, nullptr, 8, 360, 417, 121, 0, "Controale"},
        {Label12, &Frame1, 128, 16, 73, 33, 18, ""},
        {txtgrav, &Frame1, 200, 24, 57, 19, 17, "Acceleratia gravitationala, m/s patrat"},
        {cmdFire, &Frame1, 272, 16, 65, 33, 4, "Start"},
        {Command1, &Frame1, 344, 16, 65, 33, 1, "Opreste sau reia zborul"},
        {cmdClear, &Frame1, 272, 56, 137, 33, 7, "Sterge traiectorie"},
        {Label1, &Frame1, 8, 48, 49, 17, 8, ""},
        {txtViteza, &Frame1, 40, 48, 33, 19, 3, "Viteza initiala, m/s"},
        {Label9, &Frame1, 72, 48, 33, 17, 15, ""},
        {hsbViteza, &Frame1, 104, 48, 145, 17, 5, "Viteza initiala"},
        {Label2, &Frame1, 8, 72, 33, 17, 9, ""},
        {txtUnghi, &Frame1, 40, 72, 33, 19, 2, "Unghiul de lansare, grade"},
        {Label10, &Frame1, 73, 69, 6, 13, 16, ""},
        {hsbUnghi, &Frame1, 104, 72, 145, 17, 6, "Unghiul de lansare"},
        {Label13, &Frame1, 8, 96, 25, 17, 20, ""},
        {txtRaza, &Frame1, 40, 96, 33, 19, 19, "Raza corpului"},
        {Label14, &Frame1, 80, 96, 9, 17, 21, ""},
        {HSBRaza, &Frame1, 104, 96, 145, 17, 22, "Raza corpului"},
        {chkTrail, &Frame1, 280, 96, 97, 17, 23, "Arata traiectorie"},
        {Frame2, nullptr, 432, 360, 249, 121, 10, "Rezultate"},
        {Label3, &Frame2, 8, 24, 83, 13, 11, "Distanta parcursa"},
        {Label4, &Frame2, 8, 48, 74, 13, 12, "Inaltime maxima"},
        {Label5, &Frame2, 8, 72, 46, 13, 13, "Timp total"},
        {Label6, &Frame2, 8, 96, 74, 13, 14, "Viteza la impact"},
        {Frame3, nullptr, 688, 360, 185, 121, 24, "Coordonate partiale"},
        {Label7, &Frame3, 8, 24, 95, 13, 32, "Coordonata X"},
        {Label8, &Frame3, 8, 48, 95, 13, 31, "Coordonata Y"},
        {Label15, &Frame3, 8, 80, 49, 17, 29, ""},
        {Label11, &Frame3, 72, 80, 21, 13, 30, "Timpul ramas"},
        {Frame4, nullptr, 888, 360, 121, 121, 25, "Setari"},
    };
    for (const Placement& p : placements) {
        p.control.place(p.left, p.top, p.width, p.height);
        p.control.setTabIndex(p.tabIndex);
        if (*p.accessibleName)
            describe(p.control, p.accessibleName);
        add(p.control, p.container);
    }

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
    mnuhelp.addChild(mnuabout);
    mnutraiect.setChecked(true);
    mnugrid.setChecked(true);
    addMenu(mnufile);
    addMenu(mnuview);
    addMenu(mnuhelp);
}

} // namespace lopena
