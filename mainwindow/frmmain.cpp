#include "mainwindow/frmmain.h"

#include "toolkit/Platform.h"

namespace lopena {

frmmain::frmmain(tk::Platform& platform) : Flight(*this, platform), platform_(platform) {
    wireEvents();
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
    txtViteza.onChange = [this] { txtViteza_Change(); };
    txtUnghi.onChange = [this] { txtUnghi_Change(); };
    txtRaza.onChange = [this] { txtRaza_Change(); };
    for (const auto& [index, button] : Option1)
        button->onClick = [this](tk::Integer i) { Option1_Click(i); };
    mnugrid.onClick = [this] { mnugrid_Click(); };
    mnutraiect.onClick = [this] { mnutraiect_Click(); };
    mnusave.onClick = [this] { mnusave_Click(); };
    mnuabout.onClick = [this] { mnuabout_Click(); };
    mnuexit.onClick = [this] { mnuexit_Click(); };
}

void frmmain::Form_Load() {
    Command1.setEnabled(false);
    Timer2.setEnabled(false);
    sizeBallFromRadius();
}

void frmmain::mnuabout_Click() {
    if (!aboutWindow)
        aboutWindow = std::make_unique<frmAbout>();
    platform_.showModal(*aboutWindow);
}

void frmmain::mnuexit_Click() {
    platform_.closeWindow(*this);
}

} // namespace lopena
