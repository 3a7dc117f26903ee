#include "laboratory/LabSetup.h"

#include "toolkit/NumberConversion.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace lopena {

namespace {

constexpr std::string_view prefix = "L1-";
constexpr std::uint8_t version = 1;
constexpr int bodies = 5, media = 3;
constexpr std::size_t longestNumber = 24; // characters of one number in a code
constexpr const char* invalid = "Codul nu este valid: ";
constexpr const char* blankCode = "caseta este goala. Lipiti un cod care incepe cu L1-.";
constexpr const char* foreign = "un cod al Laboratorului incepe cu L1-.";
constexpr const char* otherVersion = "a fost facut de o alta versiune a programului.";
constexpr const char* strangeSigns =
    "are semne care nu pot fi intr-un cod. Copiati-l din nou, intreg.";
constexpr const char* damaged = "este incomplet sau schimbat. Copiati-l din nou, intreg.";
constexpr const char* noSuchChoice = "mediul, corpul sau ritmul nu exista in Laborator.";
constexpr const char* badTarget =
    "Tinta: distanta de la 0 in sus si latimea mai mare decat 0, in metri.";
constexpr const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// A number's characters as 4-bit codes; 15 ends the number.
constexpr std::string_view numberSigns = "0123456789.-e";
constexpr std::uint8_t endOfNumber = 15;

std::uint32_t fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t hash = 2166136261U;
    for (std::uint8_t b : bytes)
        hash = (hash ^ b) * 16777619U;
    return hash;
}

// The shortest decimal text that reads back to the same double: digits, '.', '-', 'e'.
std::string shortestText(double value) {
    std::string sci;
    for (int decimals = 0; decimals <= 16; ++decimals) {
        sci = tk::WriteScientific(value, decimals);
        if (tk::ReadDecimal(sci) == value)
            break;
    }
    const std::size_t e = sci.find('e');
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string digits, sign = sci[0] == '-' ? "-" : "";
    for (char c : sci.substr(sign.size(), e - sign.size()))
        if (c != '.')
            digits += c;
    const auto count = static_cast<int>(digits.size());
    if (exponent >= 0 && exponent < count - 1)
        return sign + digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    if (exponent >= count - 1 && exponent - (count - 1) <= 2)
        return sign + digits + std::string(static_cast<std::size_t>(exponent - (count - 1)), '0');
    if (exponent < 0 && exponent >= -3)
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::string mantissa = count > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return sign + mantissa + "e" + std::to_string(exponent);
}

// The set-up's numbers in the order of the code.
std::array<double*, 10> numbers(LabSetup& s) {
    physics::Launch& l = s.launch;
    return {&l.v0, &l.angle, &l.h0, &l.g, &l.k, &l.mass, &l.diameter, &l.cd, &s.targetCentre,
            &s.targetWidth};
}

std::uint8_t choices(const LabSetup& s) {
    return static_cast<std::uint8_t>(static_cast<int>(s.launch.medium) | s.body << 2 |
                                     (s.slow ? 1 : 0) << 5);
}

std::uint8_t ticks(const LabSetup& s) {
    const bool flags[] = {s.vectors, s.ghost, s.predict, s.energy, s.drop, s.target};
    std::uint8_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits = static_cast<std::uint8_t>(bits | (flags[i] ? 1 : 0) << i);
    return bits;
}

std::string base64url(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (std::uint8_t b : bytes) {
        buffer = buffer << 8 | b;
        for (bits += 8; bits >= 6; bits -= 6)
            text += alphabet[(buffer >> (bits - 6)) & 63U];
    }
    if (bits > 0)
        text += alphabet[(buffer << (6 - bits)) & 63U];
    return text;
}

// The bytes of base64url text, or nothing for a sign outside its alphabet.
std::optional<std::vector<std::uint8_t>> bytesOf(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        const char* at = c ? std::char_traits<char>::find(alphabet, 64, c) : nullptr;
        if (!at)
            return std::nullopt;
        buffer = (buffer << 6 | static_cast<std::uint32_t>(at - alphabet)) & 0xFFFFFFU;
        if ((bits += 6) >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(buffer >> bits));
        }
    }
    return bytes;
}

// Reads the 4-bit codes of the numbers from `nibbles`; false for a code that cannot be one.
bool readNumbers(const std::vector<std::uint8_t>& nibbles, LabSetup& s) {
    std::size_t at = 0;
    for (double* value : numbers(s)) {
        std::string text;
        for (; at < nibbles.size() && nibbles[at] != endOfNumber; ++at) {
            if (nibbles[at] >= numberSigns.size() || text.size() >= longestNumber)
                return false;
            text += numberSigns[nibbles[at]];
        }
        if (at++ >= nibbles.size() || text.empty() || text == "-")
            return false;
        // The conversion takes "[-]digits[.digits][e[-]digits]" only.
        const std::size_t e = text.find('e');
        const std::string_view mantissa = std::string_view(text).substr(0, e);
        if (mantissa.empty() || mantissa.find('-', 1) != std::string_view::npos ||
            mantissa.back() == '.' ||
            mantissa.find('.') != mantissa.rfind('.') || mantissa.front() == '.' ||
            (mantissa.front() == '-' && (mantissa.size() < 2 || mantissa[1] == '.')))
            return false;
        if (e != std::string::npos) {
            const std::string_view power = std::string_view(text).substr(e + 1);
            const std::string_view digits = power.substr(power.starts_with('-') ? 1 : 0);
            if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
                return false;
        }
        *value = tk::ReadDecimal(text);
    }
    // What is left pads the last byte.
    return nibbles.size() - at <= 1 && (at == nibbles.size() || nibbles[at] == endOfNumber);
}

std::string refused(const char* why) {
    return std::string(invalid) + why;
}

} // namespace

bool LabSetup::operator==(const LabSetup& o) const {
    auto same = [](const physics::Launch& a, const physics::Launch& b) {
        return a.v0 == b.v0 && a.angle == b.angle && a.h0 == b.h0 && a.g == b.g &&
               a.medium == b.medium && a.k == b.k && a.mass == b.mass &&
               a.diameter == b.diameter && a.cd == b.cd && a.rho == b.rho;
    };
    return same(launch, o.launch) && body == o.body && target == o.target &&
           targetCentre == o.targetCentre && targetWidth == o.targetWidth && vectors == o.vectors &&
           ghost == o.ghost && predict == o.predict && energy == o.energy && drop == o.drop &&
           slow == o.slow;
}

std::optional<std::string> checkSetup(const LabSetup& s) {
    const auto medium = static_cast<int>(s.launch.medium);
    if (medium < 0 || medium >= media || s.body < 0 || s.body >= bodies)
        return std::string(noSuchChoice);
    // Every number in the range its box takes, whichever medium is chosen now.
    for (physics::Medium m : {physics::Medium::LinearDrag, physics::Medium::QuadraticDrag}) {
        physics::Launch l = s.launch;
        l.medium = m;
        if (auto refusal = physics::check(l))
            return refusal->message;
    }
    if (!targetCentreRange.holds(s.targetCentre) || !targetWidthRange.holds(s.targetWidth))
        return std::string(badTarget);
    return std::nullopt;
}

std::string encodeSetup(const LabSetup& setup) {
    LabSetup s = setup;
    std::vector<std::uint8_t> bytes{version, choices(s), ticks(s)};
    std::vector<std::uint8_t> nibbles;
    for (double* value : numbers(s)) {
        for (char c : shortestText(*value))
            nibbles.push_back(static_cast<std::uint8_t>(numberSigns.find(c)));
        nibbles.push_back(endOfNumber);
    }
    if (nibbles.size() % 2)
        nibbles.push_back(endOfNumber);
    for (std::size_t i = 0; i < nibbles.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(nibbles[i] << 4 | nibbles[i + 1]));
    const std::uint32_t check = fnv1a(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(check >> shift));
    bytes.erase(bytes.begin()); // the version is in the prefix
    return std::string(prefix) + base64url(bytes);
}

std::variant<LabSetup, std::string> decodeSetup(std::string_view code) {
    if (const std::size_t hash = code.rfind('#'); hash != std::string_view::npos)
        code.remove_prefix(hash + 1);
    const std::size_t first = code.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return refused(blankCode);
    code = code.substr(first, code.find_last_not_of(" \t\r\n") - first + 1);
    const std::size_t dash = code.find('-');
    const std::string_view head = code.substr(0, dash);
    const bool numbered = head.size() > 1 && head.size() <= 4 && head[0] == 'L' &&
                          head.find_first_not_of("0123456789", 1) == std::string_view::npos;
    if (dash == std::string_view::npos || !numbered)
        return refused(foreign);
    if (head != prefix.substr(0, prefix.size() - 1))
        return refused(otherVersion);
    const auto body = bytesOf(code.substr(dash + 1));
    if (!body)
        return refused(strangeSigns);
    std::vector<std::uint8_t> bytes{version};
    bytes.insert(bytes.end(), body->begin(), body->end());
    if (bytes.size() < 3 + 5 + 4)
        return refused(damaged);
    const std::vector<std::uint8_t> check(bytes.end() - 4, bytes.end());
    bytes.resize(bytes.size() - 4);
    const std::uint32_t expected = fnv1a(bytes);
    if (check != std::vector<std::uint8_t>{static_cast<std::uint8_t>(expected >> 24),
                                           static_cast<std::uint8_t>(expected >> 16),
                                           static_cast<std::uint8_t>(expected >> 8),
                                           static_cast<std::uint8_t>(expected)})
        return refused(damaged);
    LabSetup s;
    const int medium = bytes[1] & 3, ticked = bytes[2];
    if (medium >= media || (bytes[1] >> 2 & 7) >= bodies || bytes[1] >> 6 || ticked >> 6)
        return refused(noSuchChoice);
    s.launch.medium = static_cast<physics::Medium>(medium);
    s.body = bytes[1] >> 2 & 7;
    s.slow = (bytes[1] >> 5 & 1) != 0;
    bool* flags[] = {&s.vectors, &s.ghost, &s.predict, &s.energy, &s.drop, &s.target};
    for (int i = 0; i < 6; ++i)
        *flags[i] = (ticked >> i & 1) != 0;
    std::vector<std::uint8_t> nibbles;
    for (std::size_t i = 3; i < bytes.size(); ++i) {
        nibbles.push_back(static_cast<std::uint8_t>(bytes[i] >> 4));
        nibbles.push_back(static_cast<std::uint8_t>(bytes[i] & 15));
    }
    if (!readNumbers(nibbles, s))
        return refused(damaged);
    if (auto why = checkSetup(s))
        return std::string(invalid) + *why;
    return s;
}

} // namespace lopena
