#pragma once

#include <string>

namespace tk {

// Why a file was not saved, for a message box: its name, then the reason.
inline std::string saveFailureText(const std::string& path, const std::string& reason) {
    return "Fisierul nu a putut fi salvat:\n" + path + "\n\nMotiv: " + reason;
}

// Said after the reason when the file on disk was left as it was.
inline const char* const keptFileNote = "\n\nFisierul existent, daca exista, a ramas neschimbat.";

} // namespace tk
