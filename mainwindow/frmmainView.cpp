#include "mainwindow/frmmain.h"

#include "report/Report.h"
#include "toolkit/Platform.h"

#include <utility>

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
    notebook.trailCleared();
}

void frmmain::mnusave_Click() {
    // The inputs of the launch whose results the report holds; before any launch, the boxes.
    const LaunchTexts inputs = launchedTexts.value_or(
        LaunchTexts{txtViteza.Text(), txtUnghi.Text(), txtRaza.Text(), txtgrav.Text()});
    ReportInputs in;
    in.gravity = inputs.gravity;
    in.radius = inputs.radius;
    in.speed = inputs.speed;
    in.angle = inputs.angle;
    in.distance = Label3.Caption();
    in.maxHeight = Label4.Caption();
    in.totalTime = Label5.Caption();
    in.impactSpeed = Label6.Caption();
    SaveReport(*this, platform_, std::move(in));
}

} // namespace lopena
