#include "problems/ProblemSheets.h"

#include "problems/Problem.h"
#include "problems/ProblemSolution.h"
#include "problems/Verdict.h"

#include <set>

namespace lopena {

namespace {

using Style = tk::PrintedDocument::Style;

constexpr const char* blank = "________________";

Problem drawn(std::size_t exercise, const std::string& classCode, int pupil,
              const tk::Locale& locale) {
    const ProblemTemplate& from = problemBank()[exercise];
    Draws draws(classCode, pupil, from.id, 0);
    return makeProblem(from, draws, locale);
}

std::string heading(const ProblemTemplate& t) {
    return "Exercitiul " + std::string(t.id) + ": " + t.title;
}

// A file name of letters, digits and dashes: "barem-9B.pdf".
std::string fileName(const char* what, const std::string& classCode) {
    std::string name = std::string(what) + "-";
    for (const char c : classCode) {
        const bool plain =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        name += plain ? c : '_';
    }
    return name + ".pdf";
}

std::string pupilsText(int pupils) {
    return pupils == 1 ? "elevul 1" : "elevii 1-" + std::to_string(pupils);
}

} // namespace

tk::PrintedDocument worksheet(const SheetRequest& request, const tk::Locale& locale) {
    tk::PrintedDocument sheets;
    sheets.title = "Fisa de lucru - clasa " + request.classCode;
    sheets.fileName = fileName("fisa", request.classCode);
    for (int pupil = 1; pupil <= request.pupils; ++pupil) {
        std::vector<tk::PrintedDocument::Line> page = {
            {Style::Title, sheets.title + ", elevul " + std::to_string(pupil)},
            {Style::Text, "Numele: ________________________________________"}};
        for (const std::size_t exercise : request.exercises) {
            const Problem p = drawn(exercise, request.classCode, pupil, locale);
            page.push_back({Style::Heading, heading(*p.from)});
            page.push_back({Style::Text, p.statement});
            for (const Answer& a : p.answers)
                page.push_back({Style::Text, std::string(a.question) + ": " + a.symbol + " = " +
                                                 withUnit(blank, a.unit)});
        }
        sheets.pages.push_back(std::move(page));
    }
    return sheets;
}

tk::PrintedDocument answerKey(const SheetRequest& request, const tk::Locale& locale) {
    tk::PrintedDocument key;
    key.title = "Barem - clasa " + request.classCode;
    key.fileName = fileName("barem", request.classCode);
    std::vector<tk::PrintedDocument::Line> answers = {
        {Style::Title, key.title + ", " + pupilsText(request.pupils)},
        {Style::Text, "Raspunsurile la trei cifre semnificative; se primesc cele la cel mult 1 % "
                      "de ele."}};
    for (int pupil = 1; pupil <= request.pupils; ++pupil) {
        answers.push_back({Style::Heading, "Elevul " + std::to_string(pupil)});
        for (const std::size_t exercise : request.exercises) {
            const Problem p = drawn(exercise, request.classCode, pupil, locale);
            std::string line = std::string(p.from->id) + ":";
            for (std::size_t i = 0; i < p.answers.size(); ++i)
                line += (i ? "; " : " ") + std::string(p.answers[i].symbol) + " = " +
                        withUnit(threeDigits(p.answers[i].value, locale), p.answers[i].unit);
            answers.push_back({Style::Text, line});
        }
    }
    key.pages.push_back(std::move(answers));
    std::vector<tk::PrintedDocument::Line> solutions = {
        {Style::Title, key.title + " - rezolvari, cate una de fiecare tip"}};
    std::set<Kind> solved;
    for (const std::size_t exercise : request.exercises) {
        const Problem p = drawn(exercise, request.classCode, 1, locale);
        if (!solved.insert(p.from->kind).second)
            continue;
        solutions.push_back({Style::Heading, heading(*p.from) + ", elevul 1"});
        solutions.push_back({Style::Text, p.statement});
        for (std::string& line : solutionLines(p, {}, locale))
            solutions.push_back({Style::Text, std::move(line)});
    }
    key.pages.push_back(std::move(solutions));
    return key;
}

} // namespace lopena
