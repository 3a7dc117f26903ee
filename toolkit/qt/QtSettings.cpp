#include "toolkit/qt/QtSettings.h"

#include "toolkit/qt/QtConversions.h"

namespace tkqt {

QtSettings::QtSettings() : settings_(QStringLiteral("Morvak"), QStringLiteral("Lopena")) {}

std::optional<std::string> QtSettings::value(const std::string& key) const {
    const QVariant kept = settings_.value(toQString(key));
    if (kept.typeId() != QMetaType::QString)
        return std::nullopt;
    return kept.toString().toStdString();
}

void QtSettings::setValue(const std::string& key, const std::string& value) {
    settings_.setValue(toQString(key), toQString(value));
    settings_.sync();
}

void QtSettings::removeAll(const std::string& prefix) {
    const QString start = toQString(prefix);
    for (const QString& key : settings_.allKeys())
        if (key.startsWith(start))
            settings_.remove(key);
    settings_.sync();
}

} // namespace tkqt
