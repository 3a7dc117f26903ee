// The window at twice the scale: the same layout in logical pixels, twice the physical size,
// and shapes drawn at the full resolution.
#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The layout that this program prints when run again at the given scale.
std::map<std::string, std::string> layoutAt(const char* scale) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LOPENA_DUMP_LAYOUT", "1");
    env.insert("QT_SCALE_FACTOR", scale);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    EXPECT_TRUE(child.waitForFinished(30000));
    std::map<std::string, std::string> lines;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const int space = line.indexOf(' ', line.startsWith("widget") ? 7 : 0);
        if (space > 0)
            lines[line.left(space).toStdString()] = line.mid(space + 1).toStdString();
    }
    return lines;
}

TEST(ScaleTest, WidgetsStandWhereTheLayoutPutsThemAtOneAndTwiceTheScale) {
    const auto one = layoutAt("1");
    const auto two = layoutAt("2");
    // Left, top, width and height in the client area.
    const std::map<std::string, std::string> placed = {
        {"Frame1", "8 360 417 121"},    {"Frame2", "432 360 249 121"},
        {"Frame3", "688 360 185 121"},  {"Frame4", "888 360 121 121"},
        {"txtgrav", "208 384 57 19"},   {"cmdFire", "280 376 65 33"},
        {"Command1", "352 376 65 33"},  {"cmdClear", "280 416 137 33"},
        {"txtViteza", "48 408 33 19"},  {"hsbViteza", "112 408 145 17"},
        {"txtUnghi", "48 432 33 19"},   {"HSBRaza", "112 456 145 17"},
        {"Option1_1", "896 376 97 17"}, {"Option1_4", "896 424 97 17"}};
    for (const auto& [name, rect] : placed)
        EXPECT_EQ(one.count("widget " + name) ? one.at("widget " + name) : "missing", rect) << name;
    int widgets = 0;
    for (const auto& [key, value] : one)
        if (key.rfind("widget ", 0) == 0) {
            ++widgets;
            EXPECT_EQ(two.count(key) ? two.at(key) : "missing", value) << key << " at scale 2";
        }
    EXPECT_GT(widgets, 30);
    EXPECT_EQ(one.at("ratio"), "1");
    EXPECT_EQ(two.at("ratio"), "2");
    EXPECT_EQ(one.at("physical"), "1016 492");
    EXPECT_EQ(two.at("physical"), "2032 984");
    // One logical pixel of line is one device pixel at scale 1 and two at scale 2, no blur.
    EXPECT_EQ(one.at("line"), "0 0 1 0");
    EXPECT_EQ(two.at("line"), "0 0 1 1 0 0");
}

} // namespace
