#include "toolkit/qt/QtSettings.h"

#include "toolkit/qt/QtConversions.h"

namespace tkqt {

QSettings& QtSettings::store() const {
    if (!settings_)
        settings_.emplace(QStringLiteral("Morvak"), QStringLiteral("Lopena"));
    return *settings_;
}

std::optional<std::string> QtSettings::value(const std::string& key) const {
    const QVariant kept = store().value(toQString(key));
    if (kept.typeId() != QMetaType::QString)
        return std::nullopt;
    return kept.toString().toStdString();
}

void QtSettings::setValue(const std::string& key, const std::string& value) {
    store().setValue(toQString(key), toQString(value));
    store().sync();
}

void QtSettings::removeAll(const std::string& prefix) {
    const QString start = toQString(prefix);
    for (const QString& key : store().allKeys())
        if (key.startsWith(start))
            store().remove(key);
    store().sync();
}

} // namespace tkqt
