#pragma once

#include "toolkit/Settings.h"

#include <QSettings>

#include <optional>

namespace tkqt {

// The program's settings in the user's settings of the desktop (QSettings, organisation
// "Morvak", application "Lopena": ~/.config/Morvak/Lopena.conf on Linux), written out at every
// change so that nothing is lost if the program ends abruptly. A value that is not a text is
// read as none.
// The file is read at the first value asked for, not while the window starts.
class QtSettings : public tk::Settings {
public:
    std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
    void removeAll(const std::string& prefix) override;

private:
    QSettings& store() const;
    mutable std::optional<QSettings> settings_;
};

} // namespace tkqt
