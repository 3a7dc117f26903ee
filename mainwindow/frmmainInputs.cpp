#include "mainwindow/frmmain.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/NumberText.h"
#include "toolkit/Platform.h"
#include "toolkit/Precision.h"

namespace lopena {

void frmmain::hsbViteza_Change() {
    txtViteza.setText(tk::ScrollBarText(hsbViteza.Value()));
}

void frmmain::hsbUnghi_Change() {
    txtUnghi.setText(tk::ScrollBarText(hsbUnghi.Value()));
}

void frmmain::HSBRaza_Change() {
    txtRaza.setText(tk::ScrollBarText(HSBRaza.Value()));
}

// Each step reads the text afresh: a correction re-enters the handler through its own write,
// and the outer run then goes on with the corrected text.
void frmmain::txtViteza_Change() {
    if (!tk::IsNumeric(txtViteza.Text()))
        txtViteza.setText("1");
    if (tk::Val(txtViteza.Text()) < 1)
        txtViteza.setText("1");
}

void frmmain::txtUnghi_Change() {
    if (!tk::IsNumeric(txtUnghi.Text()))
        txtUnghi.setText("1");
    if (tk::Val(txtUnghi.Text()) < 1)
        txtUnghi.setText("1");
    if (tk::Val(txtUnghi.Text()) > 90)
        txtUnghi.setText("90");
}

void frmmain::txtRaza_Change() {
    sizeBallFromRadius();
}

void frmmain::sizeBallFromRadius() {
    // A size the ball cannot take (negative, not finite, beyond the scene) leaves it as it was.
    const auto size = tk::ToSingle(tk::Val(txtRaza.Text()));
    if (!size || *size < 0 || *size > maxBallSize)
        return;
    shpBall.setHeight(*size);
    shpBall.setWidth(*size);
    shpTrail(0).setHeight(*size);
    shpTrail(0).setWidth(*size);
}

} // namespace lopena
