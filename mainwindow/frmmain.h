#pragma once

#include "about/frmAbout.h"
#include "laboratory/frmLab.h"
#include "mainwindow/AngleSeries.h"
#include "mainwindow/Flight.h"
#include "mainwindow/MainLayout.h"
#include "notebook/Notebook.h"
#include "problems/frmProbleme.h"
#include "toolkit/Types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {
class Platform;
}

namespace lopena {

// The main window: its layout, the flight, and the handlers of its inputs, views and menus.
class frmmain : public MainLayout, public Flight {
public:
    explicit frmmain(tk::Platform& platform);

    // Start-up: Stop disabled, coordinate display off, ball and trail pattern sized from the
    // radius.
    void Form_Load();

    // Each scroll bar writes its scroll-bar text into its box, which then checks it.
    void hsbViteza_Change();
    void hsbUnghi_Change();
    void HSBRaza_Change();
    // Speed: a text that is not a number, or below 1, becomes "1".
    void txtViteza_Change();
    // Angle: not a number or below 1 becomes "1"; above 90 becomes "90".
    void txtUnghi_Change();
    // Radius: resizes the ball and the trail pattern at once.
    void txtRaza_Change();

    void mnugrid_Click();
    void mnutraiect_Click();
    // index is the shape code the button gives the ball.
    void Option1_Click(tk::Integer index);
    void cmdClear_Click();

    void mnusave_Click();
    void mnuabout_Click();
    void mnuexit_Click();
    // Opens or raises the lab notebook.
    void mnucaiet_Click();
    // Opens the Laborator beside the main window, or raises the one open.
    void mnulab_Click();
    // Opens the exercises beside the main window, or raises them.
    void mnuprob_Click();

    // Speed, angle, size and gravity as the pupil last left them (each text checked as read
    // back; one that its box would not take is left out), and kept at every change from now on.
    // Called once the window is shown, never during its start.
    void restoreInputs();
    // Opens the Laborator set up by a code; a refused code is told in a message and returned,
    // the Laborator left as it was.
    std::optional<std::string> openLab(const std::string& code);
    // The program's arguments: "--lab CODE" opens the Laborator set up by the code; the refusal
    // of a code, if any.
    std::optional<std::string> openArguments(const std::vector<std::string>& arguments);

    // Every throw of this run, step by step; fed by the flight and the Laborator.
    Notebook notebook;
    // The series of angles the notebook starts, flown by this window.
    AngleSeries series;
    // Shows the notebook's window; set by the program's front end.
    std::function<void()> showNotebook;

    // A trail dot shows the step that left it: t, x, y, vx and vy.
    std::string toolTipOf(const tk::Control& control) const override;

    // Created on first use, reloaded at every opening.
    std::unique_ptr<frmAbout> aboutWindow;
    // Created on first use; keeps its throws while closed.
    std::unique_ptr<frmLab> labWindow;
    // Created on first use; keeps the exercise and the answers while closed.
    std::unique_ptr<frmProbleme> problemsWindow;

    // The largest ball the scene can hold, in pixels.
    static constexpr tk::Single maxBallSize = 345;

protected:
    void flightEnded() override { series.flightEnded(); }

private:
    void sizeBallFromRadius();
    void wireEvents();
    struct KeptInput {
        tk::TextBox* box;
        const char* key;
        bool (*takes)(const std::string& text);
    };
    std::vector<KeptInput> keptInputs();
    void watchInputs();
    // Writes speed, angle and gravity into the boxes, as a pupil would, and presses Start: the
    // boxes check them as they check typing.
    void throwAgain(const std::string& speed, const std::string& angle, const std::string& gravity);
    // Throws a launch of the history again in the window that threw it.
    void repeat(const Throw& flight);

    tk::Platform& platform_;
    bool keepingInputs_ = false;
};

} // namespace lopena
