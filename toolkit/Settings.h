#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// What the program keeps between runs, by key ("probleme/clasa"): the user's settings on the
// desktop, the browser's storage for the page. A value read back may have been damaged or
// written by another version: whoever reads it checks it before use.
class Settings {
public:
    virtual ~Settings() = default;

    // The value kept under the key, or nothing.
    virtual std::optional<std::string> value(const std::string& key) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;
    // Forgets every key that starts with the prefix.
    virtual void removeAll(const std::string& prefix) = 0;
};

// Settings kept in memory only: the tests', and the page's where the browser keeps nothing.
class MemorySettings : public Settings {
public:
    std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
    void removeAll(const std::string& prefix) override;

    const std::map<std::string, std::string>& all() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

// Several texts in one value: each field's '%' and '|' written as "%25" and "%7C", the fields
// joined by '|'. splitFields gives them back, or nothing for a text that joinFields cannot have
// written (a '%' not followed by one of those two codes).
std::string joinFields(const std::vector<std::string>& fields);
std::optional<std::vector<std::string>> splitFields(std::string_view text);

} // namespace tk
