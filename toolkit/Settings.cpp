#include "toolkit/Settings.h"

namespace tk {

std::optional<std::string> MemorySettings::value(const std::string& key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
}

void MemorySettings::setValue(const std::string& key, const std::string& value) {
    values_[key] = value;
}

void MemorySettings::removeAll(const std::string& prefix) {
    std::erase_if(values_, [&](const auto& kept) { return kept.first.starts_with(prefix); });
}

std::string joinFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += '|';
        for (const char c : fields[i])
            out += c == '%' ? "%25" : c == '|' ? "%7C" : std::string(1, c);
    }
    return out;
}

std::optional<std::vector<std::string>> splitFields(std::string_view text) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '|') {
            fields.emplace_back();
        } else if (text[i] != '%') {
            fields.back() += text[i];
        } else if (text.substr(i, 3) == "%25" || text.substr(i, 3) == "%7C") {
            fields.back() += text[i + 1] == '2' ? '%' : '|';
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return fields;
}

} // namespace tk
