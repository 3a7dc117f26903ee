#pragma once

#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Timer.h"

namespace lopena {

// Every control of the main window with its place, caption and starting value; no behaviour.
class MainLayout : public tk::Form {
public:
    MainLayout();

    // The scene, drawn in this order beneath the frames: ball, trail, border, grid.
    tk::Shape shpBall{"shpBall", tk::ShapeCodes::Circle};
    tk::ControlArray<tk::Shape> shpTrail{"shpTrail"};
    tk::Shape shpBorder{"shpBorder", tk::ShapeCodes::Rectangle};
    tk::ControlArray<tk::Line> grid{"grid"};

    tk::Frame Frame1{"Frame1", "Controale"};
    tk::Label Label12{"Label12", "Acceleratie gravitationala"};
    tk::TextBox txtgrav{"txtgrav", "9.806"};
    tk::CommandButton cmdFire{"cmdFire", "Start"};
    // Stop / Reia: pauses and resumes the flight.
    tk::CommandButton Command1{"Command1", "Stop"};
    tk::CommandButton cmdClear{"cmdClear", "Sterge traiectorie"};
    tk::Label Label1{"Label1", "Viteza:"};
    tk::TextBox txtViteza{"txtViteza", "50"};
    tk::Label Label9{"Label9", "m/s"};
    tk::HScrollBar hsbViteza{"hsbViteza", 0, 100, 50};
    tk::Label Label2{"Label2", "Unghi:"};
    tk::TextBox txtUnghi{"txtUnghi", "45"};
    tk::Label Label10{"Label10", "o"};
    tk::HScrollBar hsbUnghi{"hsbUnghi", 0, 90, 45};
    tk::Label Label13{"Label13", "Raza"};
    tk::TextBox txtRaza{"txtRaza", "9"};
    tk::Label Label14{"Label14", "u"};
    tk::HScrollBar HSBRaza{"HSBRaza", 9, 20, 9};
    tk::CheckBox chkTrail{"chkTrail", "Arata traiectorie", 1};

    // The results: distance, maximum height, total time, speed at impact.
    tk::Frame Frame2{"Frame2", "Rezultate"};
    tk::Label Label3{"Label3", "Distanta parcursa"};
    tk::Label Label4{"Label4", "Inaltime maxima"};
    tk::Label Label5{"Label5", "Timp total"};
    tk::Label Label6{"Label6", "Viteza la impact"};

    // The ball's x and y as it flies, and the flight time left.
    tk::Frame Frame3{"Frame3", "Coordonate partiale"};
    tk::Label Label7{"Label7", "Coordonata X : 0,00"};
    tk::Label Label8{"Label8", "Coordonata Y : 0,00"};
    tk::Label Label15{"Label15", "Momentul"};
    tk::Label Label11{"Label11", "0.00"};

    tk::Frame Frame4{"Frame4", "Setari"};
    tk::ControlArray<tk::OptionButton> Option1{"Option1"};

    // Animation, 100 ms; coordinate display, 10 ms; countdown, 200 ms.
    tk::Timer Timer1{"Timer1", 100, false};
    tk::Timer Timer2{"Timer2", 10, true};
    tk::Timer Timer3{"Timer3", 200, true};

    tk::MenuItem mnufile{"mnufile", "&Fisier"};
    tk::MenuItem mnusave{"mnusave", "Salveaza rezultate..."};
    tk::MenuItem l1{"l1", "-"};
    tk::MenuItem mnuexit{"mnuexit", "&Iesire", "Ctrl+I"};
    tk::MenuItem mnuview{"mnuview", "&Vizualizare"};
    tk::MenuItem mnutraiect{"mnutraiect", "&Traiectorie", "Ctrl+T"};
    tk::MenuItem mnugrid{"mnugrid", "&Grid", "Ctrl+G"};
    // Below the view options, the way to the lab notebook.
    tk::MenuItem l2{"l2", "-"};
    tk::MenuItem mnucaiet{"mnucaiet", "&Caiet de laborator", "Ctrl+L"};
    // The Laborator and the exercises, each a window of its own.
    tk::MenuItem mnulab{"mnulab", "&Laborator...", "Ctrl+Y"};
    tk::MenuItem mnuprob{"mnuprob", "&Probleme...", "Ctrl+E"};
    tk::MenuItem mnuhelp{"mnuhelp", "&Ajutor"};
    tk::MenuItem mnuabout{"mnuabout", "Despre", "Ctrl+D"};

private:
    void buildScene();
    void buildControls();
    void buildMenus();
};

} // namespace lopena
