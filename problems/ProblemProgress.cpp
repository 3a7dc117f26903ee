#include "problems/ProblemProgress.h"

#include "problems/Draws.h"
#include "problems/Problem.h"

#include <algorithm>
#include <cstdio>

namespace lopena {

namespace {

constexpr const char* classKey = "probleme/clasa";
constexpr const char* pupilKey = "probleme/elev";
constexpr const char* exerciseKey = "probleme/exercitiu";
constexpr const char* variantKeys = "probleme/varianta/";
constexpr const char* answerKeys = "probleme/raspunsuri/";
constexpr const char* answersFormat = "1"; // the first field of a kept exercise's answers

// A text a box may hold: no control characters, and not too long.
bool plainText(const std::string& text, std::size_t longest) {
    return text.size() <= longest && std::none_of(text.begin(), text.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
           });
}

// A part of a key of letters and digits only: any other byte as %XX.
std::string keyPart(const std::string& text) {
    std::string part;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            part += c;
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            part += code;
        }
    }
    return part;
}

std::string answersKey(const ProblemProgress::Sheet& sheet) {
    return answerKeys + keyPart(normalClassCode(sheet.classCode)) + "/" +
           std::to_string(sheet.pupil) + "/" + sheet.exercise + "/" + std::to_string(sheet.variant);
}

// A whole number from 0 to below `end`, in at most three digits.
std::optional<int> whole(const std::string& text, int end) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(text);
    return n < end ? std::optional(n) : std::nullopt;
}

std::optional<std::size_t> exerciseById(const std::string& id) {
    const auto& bank = problemBank();
    for (std::size_t i = 0; i < bank.size(); ++i)
        if (id == bank[i].id)
            return i;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ProblemProgress::text(const char* key, std::size_t longest) const {
    auto kept = settings_.value(key);
    return kept && plainText(*kept, longest) ? kept : std::nullopt;
}

std::optional<std::string> ProblemProgress::classCode() const {
    return text(classKey, longestText);
}

std::optional<std::string> ProblemProgress::pupil() const {
    auto kept = text(pupilKey, 3);
    return kept && whole(*kept, 41).value_or(0) >= 1 ? kept : std::nullopt;
}

std::optional<std::size_t> ProblemProgress::exercise() const {
    const auto kept = settings_.value(exerciseKey);
    return kept ? exerciseById(*kept) : std::nullopt;
}

int ProblemProgress::variant(std::size_t exercise) const {
    const auto kept = settings_.value(variantKeys + std::string(problemBank()[exercise].id));
    return kept ? whole(*kept, mostVariants).value_or(0) : 0;
}

std::optional<ProblemProgress::Answers> ProblemProgress::answers(const Sheet& sheet,
                                                                 std::size_t count) const {
    const auto kept = settings_.value(answersKey(sheet));
    const auto fields = kept ? tk::splitFields(*kept) : std::nullopt;
    // The format, the judged marks ("0" or "1" each), then the texts.
    if (!fields || fields->size() != count + 2 || (*fields)[0] != answersFormat ||
        (*fields)[1].size() != count || (*fields)[1].find_first_not_of("01") != std::string::npos)
        return std::nullopt;
    Answers answers;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& text = (*fields)[i + 2];
        if (!plainText(text, longestText))
            return std::nullopt;
        answers.texts.push_back(text);
        answers.judged.push_back((*fields)[1][i] == '1');
    }
    return answers;
}

void ProblemProgress::keepClassCode(const std::string& text) {
    settings_.setValue(classKey, text);
}

void ProblemProgress::keepPupil(const std::string& text) {
    settings_.setValue(pupilKey, text);
}

void ProblemProgress::keepExercise(std::size_t exercise) {
    settings_.setValue(exerciseKey, problemBank()[exercise].id);
}

void ProblemProgress::keepVariant(std::size_t exercise, int variant) {
    settings_.setValue(variantKeys + std::string(problemBank()[exercise].id),
                       std::to_string(variant));
}

void ProblemProgress::keepAnswers(const Sheet& sheet, const Answers& answers) {
    std::vector<std::string> fields = {answersFormat, ""};
    for (std::size_t i = 0; i < answers.texts.size(); ++i) {
        fields[1] += answers.judged[i] ? '1' : '0';
        fields.push_back(answers.texts[i]);
    }
    settings_.setValue(answersKey(sheet), tk::joinFields(fields));
}

void ProblemProgress::clear() {
    settings_.removeAll(answerKeys);
    settings_.removeAll(variantKeys);
}

} // namespace lopena
