#include "support/HeadlessPlatform.h"

#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace lopena::testing {

void HeadlessPlatform::refuseInput(tk::TextBox& box, const std::string& explanation) {
    refusals.push_back({&box, explanation});
}

void HeadlessPlatform::showModal(tk::Form& form) {
    form.Load(clock);
    ++modalDepth;
    if (whileModal)
        whileModal(form);
    --modalDepth;
    form.Unload();
}

void HeadlessPlatform::closeWindow(tk::Form& form) {
    closed.push_back(&form);
    form.Unload();
}

std::optional<std::string> HeadlessPlatform::askSaveFileName(tk::Form&,
                                                             const tk::SaveFileRequest& request) {
    saveRequests.push_back(request);
    return saveAnswer;
}

std::optional<std::string> HeadlessPlatform::writeFileAtomically(const std::string& path,
                                                                 const std::string& bytes) {
    auto failing = failingPaths.find(path);
    if (failing != failingPaths.end())
        return failing->second;
    files[path] = bytes;
    return std::nullopt;
}

void HeadlessPlatform::showError(tk::Form&, const std::string&, const std::string& text) {
    errors.push_back(text);
}

} // namespace lopena::testing
