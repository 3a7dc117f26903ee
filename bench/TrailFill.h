#pragma once

#include "mainwindow/frmmain.h"

namespace bench {

// Replaces the trail by `dots` dots along repeated default parabolas across the scene, as many
// flights would leave them (the default flight covers 30 ticks; each repeat starts 10 m further).
inline void fillTrail(lopena::frmmain& w, int dots) {
    w.cmdClear_Click();
    w.shpTrail(0).setFillColor(tk::rgb(40, 90, 200));
    for (int i = 1; i <= dots; ++i) {
        tk::Shape& dot = w.shpTrail.Load(static_cast<tk::Integer>(i));
        const double t = 0.25 * (i % 30);
        const double shift = (i / 30) % 75 * 10.0;
        dot.Move(static_cast<float>(8 + shift + 35.36 * t),
                 static_cast<float>(336 - (35.36 * t - 4.903 * t * t)));
        dot.setShape(tk::ShapeCodes::Circle);
        dot.setVisible(true);
        dot.setFillStyle(0);
        dot.setFillColor(w.shpTrail(0).FillColor());
    }
}

} // namespace bench
