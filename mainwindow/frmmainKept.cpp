#include "mainwindow/frmmain.h"

#include "toolkit/NumberParsing.h"
#include "toolkit/Platform.h"
#include "toolkit/Precision.h"
#include "toolkit/Settings.h"

namespace lopena {

namespace {

constexpr std::size_t longestKept = 40; // characters: a box's text, never a longer one
constexpr const char* codeTitle = "Codul Laboratorului";

bool number(const std::string& text) {
    return text.size() <= longestKept && tk::IsNumeric(text) && !tk::IsTooLarge(text);
}

} // namespace

// The boxes' keys and the texts each may take back: what the box itself would leave.
std::vector<frmmain::KeptInput> frmmain::keptInputs() {
    return {
        {&txtViteza, "principal/viteza", [](const std::string& t) { return number(t) && tk::Val(t) >= 1; }},
        {&txtUnghi, "principal/unghi",
         [](const std::string& t) { return number(t) && tk::Val(t) >= 1 && tk::Val(t) <= 90; }},
        {&txtRaza, "principal/raza",
         [](const std::string& t) {
             const auto size = tk::ToSingle(tk::Val(t));
             return number(t) && size && *size >= 0 && *size <= maxBallSize;
         }},
        {&txtgrav, "principal/grav", [](const std::string& t) { return number(t) && tk::Val(t) > 0; }},
    };
}

void frmmain::watchInputs() {
    for (const KeptInput& input : keptInputs())
        input.box->onChange = [this, box = input.box, key = input.key,
                               then = std::move(input.box->onChange)] {
            if (then)
                then();
            if (keepingInputs_)
                platform_.settings().setValue(key, box->Text());
        };
}

void frmmain::restoreInputs() {
    for (const KeptInput& input : keptInputs())
        if (const auto kept = platform_.settings().value(input.key); kept && input.takes(*kept))
            input.box->setText(*kept);
    keepingInputs_ = true;
}

std::optional<std::string> frmmain::openLab(const std::string& code) {
    mnulab_Click();
    auto refusal = labWindow->openCode(code);
    if (refusal)
        platform_.showError(*labWindow, codeTitle, *refusal);
    return refusal;
}

std::optional<std::string> frmmain::openArguments(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "--lab")
            return openLab(arguments[i + 1]);
    return std::nullopt;
}

} // namespace lopena
