#pragma once

#include "toolkit/Platform.h"

#include <string>

namespace lopena {

// The texts of the main window that a report records, as they stand on screen.
struct ReportInputs {
    std::string dateTime;
    std::string gravity;
    std::string radius;
    std::string speed;
    std::string angle;
    std::string distance;
    std::string maxHeight;
    std::string totalTime;
    std::string impactSpeed;
};

// The eight lines of the report, each ending in a carriage return and a line feed.
std::string ReportText(const ReportInputs& in);

// What the Save dialog of the report asks for.
tk::SaveFileRequest ReportSaveRequest();

// The Romanian message for a report that could not be written; `reason` says why and what
// became of the old file.
std::string ReportFailureMessage(const std::string& path, const std::string& reason);

// Asks where to save, stamps the date and writes the report; a failure is explained to the
// user.
void SaveReport(tk::Form& owner, tk::Platform& platform, ReportInputs in);

} // namespace lopena
