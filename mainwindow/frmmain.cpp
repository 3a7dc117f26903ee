#include "mainwindow/frmmain.h"

#include "notebook/StepTable.h"
#include "toolkit/Platform.h"

#include <string>

namespace lopena {

frmmain::frmmain(tk::Platform& platform)
    : Flight(*this, platform), notebook(platform.locale()),
      series(notebook, [this](const std::string& speed, const std::string& angle,
                              const std::string& gravity) { throwAgain(speed, angle, gravity); },
             [this] { return std::pair(txtViteza.Text(), txtgrav.Text()); }),
      platform_(platform) {
    wireEvents();
    watchInputs();
    setRecorder(&notebook);
    notebook.setRequests({[this](const Throw& flight) { repeat(flight); },
                          [this] { series.toggle(); }});
}

void frmmain::throwAgain(const std::string& speed, const std::string& angle,
                         const std::string& gravity) {
    txtViteza.setText(speed);
    txtUnghi.setText(angle);
    txtgrav.setText(gravity);
    cmdFire.click();
}

void frmmain::repeat(const Throw& flight) {
    // Copies: the launch appends to the history and the boxes are rewritten.
    if (flight.lab) {
        const physics::Launch launch = flight.lab->flight.launch;
        mnulab_Click();
        labWindow->repeat(launch);
        return;
    }
    const std::string speed = flight.speed, angle = flight.angle, gravity = flight.gravity;
    throwAgain(speed, angle, gravity);
}

void frmmain::wireEvents() {
    onLoad = [this] { Form_Load(); };
    cmdFire.onClick = [this] { cmdFire_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    cmdClear.onClick = [this] { cmdClear_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    hsbViteza.onChange = [this] { hsbViteza_Change(); };
    hsbUnghi.onChange = [this] { hsbUnghi_Change(); };
    HSBRaza.onChange = [this] { HSBRaza_Change(); };
    // A series flies one speed and gravity at its own angles: an edit of these boxes ends it.
    txtViteza.onChange = [this] {
        txtViteza_Change();
        series.inputEdited();
    };
    txtUnghi.onChange = [this] {
        txtUnghi_Change();
        series.inputEdited();
    };
    txtgrav.onChange = [this] { series.inputEdited(); };
    txtRaza.onChange = [this] { txtRaza_Change(); };
    for (const auto& [index, button] : Option1)
        button->onClick = [this](tk::Integer i) { Option1_Click(i); };
    mnugrid.onClick = [this] { mnugrid_Click(); };
    mnutraiect.onClick = [this] { mnutraiect_Click(); };
    mnusave.onClick = [this] { mnusave_Click(); };
    mnuabout.onClick = [this] { mnuabout_Click(); };
    mnuexit.onClick = [this] { mnuexit_Click(); };
    mnucaiet.onClick = [this] { mnucaiet_Click(); };
    mnulab.onClick = [this] { mnulab_Click(); };
    mnuprob.onClick = [this] { mnuprob_Click(); };
}

void frmmain::Form_Load() {
    Command1.setEnabled(false);
    Timer2.setEnabled(false);
    sizeBallFromRadius();
}

void frmmain::mnuabout_Click() {
    if (!aboutWindow)
        aboutWindow = std::make_unique<frmAbout>();
    platform_.showModal(*aboutWindow, *this);
}

void frmmain::mnuexit_Click() {
    platform_.closeWindow(*this);
}

std::string frmmain::toolTipOf(const tk::Control& control) const {
    if (control.name() != shpTrail.name() || control.index() < 1)
        return {};
    const auto dot = notebook.stepOfDot(control.index());
    if (!dot)
        return {};
    static const char* const lines[] = {"t = ", "x = ", "y = ", "vx = ", "vy = "};
    static const char* const units[] = {" s", " m", " m", " m/s", " m/s"};
    std::string tip =
        "Aruncarea " + std::to_string(dot->owner->number) + ", pasul " + std::to_string(dot->step);
    for (int column = 1; column <= 5; ++column) {
        tip += '\n';
        tip += lines[column - 1];
        tip += StepTable::cell(*dot->owner, dot->step, column, platform_.locale());
        tip += units[column - 1];
    }
    return tip;
}

void frmmain::mnulab_Click() {
    if (!labWindow) {
        labWindow = std::make_unique<frmLab>(platform_);
        labWindow->setRecorder(&notebook);
    }
    platform_.showWindow(*labWindow, *this);
}

void frmmain::mnuprob_Click() {
    if (!problemsWindow) {
        problemsWindow = std::make_unique<frmProbleme>(platform_);
        problemsWindow->openLab = [this]() -> frmLab& {
            mnulab_Click();
            return *labWindow;
        };
    }
    platform_.showWindow(*problemsWindow, *this);
}

void frmmain::mnucaiet_Click() {
    if (showNotebook)
        showNotebook();
}

} // namespace lopena
