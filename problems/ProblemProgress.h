#pragma once

#include "toolkit/Settings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lopena {

// What the Probleme window keeps between runs in the platform's settings, under "probleme/":
// the class code and the pupil's number last typed, the exercise shown, the variant of each
// exercise, and the answers written for each class, pupil, exercise and variant with which of
// them were judged (the verdicts are judged again from them). Every value is checked as it is
// read back: one damaged or written by something else is taken as none.
class ProblemProgress {
public:
    explicit ProblemProgress(tk::Settings& settings) : settings_(settings) {}

    // The answers of one exercise: the texts of its boxes, and whether each was judged.
    struct Answers {
        std::vector<std::string> texts;
        std::vector<bool> judged;
    };
    // Where one pupil's answers are kept.
    struct Sheet {
        std::string classCode; // as typed
        int pupil;
        const char* exercise; // the bank's id
        int variant;
    };

    std::optional<std::string> classCode() const;
    std::optional<std::string> pupil() const;
    std::optional<std::size_t> exercise() const; // in the bank
    int variant(std::size_t exercise) const;     // 0 when none is kept
    // The answers kept for the sheet, if they fit an exercise of `count` answers.
    std::optional<Answers> answers(const Sheet& sheet, std::size_t count) const;

    void keepClassCode(const std::string& text);
    void keepPupil(const std::string& text);
    void keepExercise(std::size_t exercise);
    void keepVariant(std::size_t exercise, int variant);
    void keepAnswers(const Sheet& sheet, const Answers& answers);
    // Forgets the answers and the variants of every class and pupil.
    void clear();

    // The longest text kept, in bytes: a box takes 20 characters (up to 80 bytes of UTF-8); a
    // longer text was not written by a box.
    static constexpr std::size_t longestText = 80;
    static constexpr int mostVariants = 1000;

private:
    std::optional<std::string> text(const char* key, std::size_t longest) const;
    tk::Settings& settings_;
};

} // namespace lopena
