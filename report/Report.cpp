#include "report/Report.h"

namespace lopena {

std::string ReportText(const ReportInputs& in) {
    const std::string lines[] = {
        "Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la " + in.dateTime,
        "",
        "Acceleratia gravitationala : " + in.gravity,
        "Corpul de raza " + in.radius + " u avea o viteza initiala de " + in.speed +
            " m/s si a fost lansat sub unghiul de " + in.angle + " grade",
        in.distance,
        in.maxHeight,
        in.totalTime,
        in.impactSpeed,
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

tk::SaveFileRequest ReportSaveRequest() {
    return {"Salveaza ca...", "Fisiere text (*.txt)", "*.txt", ""};
}

std::string ReportFailureMessage(const std::string& path, const std::string& reason) {
    return "Raportul nu a putut fi salvat in fisierul\n" + path + "\n\nMotiv: " + reason;
}

void SaveReport(tk::Form& owner, tk::Platform& platform, ReportInputs in) {
    const auto path = platform.askSaveFileName(owner, ReportSaveRequest());
    if (!path)
        return;
    in.dateTime = platform.nowGeneralDate();
    if (auto failure = platform.writeFileAtomically(*path, ReportText(in)))
        platform.showError(owner, "Salveaza rezultate", ReportFailureMessage(*path, *failure));
}

} // namespace lopena
