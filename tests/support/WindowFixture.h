#pragma once

#include "mainwindow/frmmain.h"
#include "support/HeadlessPlatform.h"
#include "support/Table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lopena::testing {

// A main window loaded on a virtual clock, as the program has it after start-up.
class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(tk::Locale locale = tk::Locale::c())
        : platform(std::move(locale)), w(platform) {
        w.Load(platform.clock);
    }

    void launch(const std::string& speed, const std::string& angle,
                const std::string& gravity = "9.806") {
        w.txtViteza.setText(speed);
        w.txtUnghi.setText(angle);
        w.txtgrav.setText(gravity);
        w.cmdFire.click();
    }

    // Advances the clock one animation tick at a time until the ball lands; returns the tick
    // count of the landing, or -1 when it has not landed within `limit` ticks.
    int flyUntilLanded(int limit = 1000) {
        for (int tick = 1; tick <= limit; ++tick) {
            platform.clock.advance(100);
            if (!w.Timer1.Enabled())
                return tick;
        }
        return -1;
    }

    // Every caption and text of the window, to show that something changed nothing.
    std::vector<std::string> texts() const {
        return {w.txtViteza.Text(), w.txtUnghi.Text(),  w.txtRaza.Text(),    w.txtgrav.Text(),
                w.Label3.Caption(), w.Label4.Caption(), w.Label5.Caption(),  w.Label6.Caption(),
                w.Label7.Caption(), w.Label8.Caption(), w.Label11.Caption(), w.Command1.Caption()};
    }

    HeadlessPlatform platform;
    frmmain w;
};

} // namespace lopena::testing
