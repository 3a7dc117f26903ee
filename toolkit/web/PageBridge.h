#pragma once

// Every number the page and the C++ side share, declared once: app/web/GenerateBridge.mjs
// writes them as the page's module bridge.mjs at build time (with tk::Kind from
// toolkit/Control.h), so that the page names what it reads and a change here reaches it.
// Enumerators only, each on its own line; a value is a number or left to follow the one before.

namespace bridge {

// An enumerator as the number the page reads.
template <class E>
constexpr int n(E value) {
    return static_cast<int>(value);
}

// The drawing list's operations; each is followed by its operands, as below.
enum class Op : int {
    Clip = 1,   // x, y, w, h: clears the place and draws only inside it
    EndClip,    //
    Shape,      // target (ShapeTarget), form (ShapeForm), x, y, w, h, filled, colour
    Line,       // x1, y1, x2, y2, colour (Colour::WindowText or red + 256 green + 65536 blue), width
    Layer,      // x, y, w, h: copies that place of the trail layer
    ClearLayer, //
};

// The length of each operation in the list, its code included.
enum class OpLength : int {
    Clip = 5,
    EndClip = 1,
    Shape = 9,
    Line = 7,
    Layer = 5,
    ClearLayer = 1,
};

// Where a shape is drawn: on the scene, or into the cached trail layer.
enum class ShapeTarget : int {
    Scene = 0,
    Layer = 1,
};

enum class ShapeForm : int {
    Box = 0,
    Ellipse = 1,
    Rounded = 2,
};

enum class Colour : int {
    WindowText = -1,
};

// What the page is told of a control besides its place and text.
enum class Flag : int {
    Visible = 1,
    Enabled = 2,
    AutoSize = 4,
    WordWrap = 8,
    Centred = 16,
    Default = 32,
    Cancel = 64,
    Locked = 128,
    Live = 256,
    Checked = 512,
};

enum class MenuFlag : int {
    Checked = 1,
    Enabled = 2,
    Separator = 4,
    Submenu = 8,
};

// How a form opens: a modal dialog, the main window, a window of the page beside the main one.
enum class FormMode : int {
    Dialog = 0,
    Main = 1,
    Window = 2,
};

// The scroll bar's requests: set to a value, small and large steps down and up, Min, Max.
enum class Scroll : int {
    Set = 0,
    SmallDown,
    SmallUp,
    LargeDown,
    LargeUp,
    Min,
    Max,
};

// The keys the window takes: Enter (the focused element is no button) and Esc.
enum class Key : int {
    Enter = 1,
    Escape = 2,
};

// The notebook's texts (lopena_nb_text).
enum class NotebookText : int {
    CopiedRows = 0,   // the given step rows with a header, tab-separated (the clipboard's)
    StepsCsv,         // the step table as CSV
    HistoryCsv,       // the history as CSV
    Solution,         // the worked solution as HTML, "" before the first throw
    PrintPage,        // the printed solution: heading, date, inputs, then the solution, as HTML
    StepHeaders,      // the step table's column titles, joined by tabs
    HistoryHeaders,   // the history's column titles, joined by tabs
    NoSolution,       // what the solution's tab says before the first throw
    PrintTitle,       // the printed page's title
    SaveFailure,      // why a file was not saved, from its name and reason (lopena_nb_save_failure)
};

// A throw's facts (lopena_nb_step_info).
enum class StepInfo : int {
    Steps = 0, // the number of steps logged
    Highest,   // the highest step
    Landing,   // the landing step, -1 for none
    Colour,    // the trail's colour
    Number,    // the throw's number
};

// A step as the page reads it from the heap: doubles in this order, Count of them per step.
enum class StepField : int {
    T = 0,
    X,
    Y,
    Vx,
    Vy,
    V,
    Count,
};

// A row of the step table (lopena_nb_row): fields joined by tabs, its cells from Cells on.
enum class RowField : int {
    Mark = 0, // why the row is marked, or ""
    Closing,  // "1" for the closing row
    Cells,
};

// A graph (lopena_nb_graph): fields joined by tabs.
enum class GraphField : int {
    Title = 0,
    XTitle,
    YTitle,
    XColumn, // the StepField it plots across
    YColumn, // ... and up
};

// A marker of the current throw on its graph (lopena_nb_marker): fields joined by tabs.
enum class MarkerField : int {
    Name = 0,
    Colour, // red + 256 green + 65536 blue
    Size,   // px
    Square, // "1" for a square, else a disc
    Step,   // the StepInfo of the step it marks
};

// The graph's axes (lopena_nb_axes): doubles in this order.
enum class AxisField : int {
    XLow = 0,
    XHigh,
    XStep,
    YLow,
    YHigh,
    YStep,
    Count,
};

} // namespace bridge
