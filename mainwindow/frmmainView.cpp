#include "mainwindow/frmmain.h"

#include "report/Report.h"
#include "toolkit/Platform.h"

namespace lopena {

namespace {
constexpr tk::Integer gridFirst = 0;
constexpr tk::Integer gridLast = 22;
} // namespace

void frmmain::mnugrid_Click() {
    const bool show = !mnugrid.Checked();
    mnugrid.setChecked(show);
    for (tk::Integer i = gridFirst; i <= gridLast; ++i)
        grid(i).setVisible(show);
}

void frmmain::mnutraiect_Click() {
    const bool on = !mnutraiect.Checked();
    mnutraiect.setChecked(on);
    chkTrail.setValue(on ? 1 : 0);
}

void frmmain::Option1_Click(tk::Integer index) {
    shpBall.setShape(index);
}

void frmmain::cmdClear_Click() {
    const auto last = static_cast<tk::Integer>(shpTrail.Count() - 1);
    for (tk::Integer i = 1; i <= last; ++i)
        shpTrail.Unload(i);
}

void frmmain::mnusave_Click() {
    const auto path = platform_.askSaveFileName(*this, ReportSaveRequest());
    if (!path)
        return;
    ReportInputs in;
    in.dateTime = platform_.nowGeneralDate();
    in.gravity = txtgrav.Text();
    in.radius = txtRaza.Text();
    in.speed = txtViteza.Text();
    in.angle = txtUnghi.Text();
    in.distance = Label3.Caption();
    in.maxHeight = Label4.Caption();
    in.totalTime = Label5.Caption();
    in.impactSpeed = Label6.Caption();
    if (auto failure = platform_.writeFileAtomically(*path, ReportText(in)))
        platform_.showError(*this, "Salveaza rezultate", ReportFailureMessage(*path, *failure));
}

} // namespace lopena
