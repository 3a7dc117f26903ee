#include "support/VersionText.h"
#include "support/WindowFixture.h"

namespace lopena::testing {
namespace {

class ViewTest : public WindowTest {};

TEST_F(ViewTest, GridTwiceHidesThenShowsEveryLine) {
    for (bool shown : {false, true}) {
        w.mnugrid.click();
        EXPECT_EQ(w.mnugrid.Checked(), shown);
        for (const auto& [index, line] : w.grid)
            EXPECT_EQ(line->Visible(), shown) << index;
    }
}

class ReportTest : public WindowTest {
protected:
    std::vector<std::string> savedLines(const std::string& path) {
        const std::string& text = platform.files.at(path);
        EXPECT_TRUE(text.ends_with("\r\n")) << "text after the last line end";
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != text.npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
};

// The boxes edited after the launch, and a refused launch, leave the report to the launch
// whose results it holds.
TEST_F(ReportTest, DefaultLaunchGivesTheEightLines) {
    w.cmdFire.click();
    w.txtViteza.setText("70");
    w.txtgrav.setText("-1");
    w.cmdFire.click();
    platform.saveAnswer = "/home/elev/raport";
    w.mnusave.click();
    const std::vector<std::string> expected = {
        "Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la 06.12.2026 22:30:00",
        "",
        "Acceleratia gravitationala : 9.806",
        "Corpul de raza 9 u avea o viteza initiala de 50 m/s si a fost lansat sub unghiul de 45 "
        "grade",
        "Distanta parcursa : 254.946 m",
        "Inaltime maxima: 63.736 m",
        "Timp total: 7.21 s",
        "Viteza la impact 50",
    };
    EXPECT_EQ(savedLines("/home/elev/raport"), expected);
}

TEST_F(ReportTest, BeforeAnyLaunchTheCaptionsAndTheTypedTextAreWrittenInUtf8) {
    platform.saveAnswer = "r.txt";
    w.HSBRaza.setValue(12);
    w.txtgrav.setText("9,8 m/s\xC2\xB2 \xC8\x99");
    w.mnusave.click();
    const auto lines = savedLines("r.txt");
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[2], "Acceleratia gravitationala : 9,8 m/s\xC2\xB2 \xC8\x99");
    EXPECT_EQ(lines[3].rfind("Corpul de raza  12 u avea", 0), 0U);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()),
              (std::vector<std::string>{"Distanta parcursa", "Inaltime maxima", "Timp total",
                                        "Viteza la impact"}));
}

TEST_F(ReportTest, CancelWritesNothingAndAFailureIsReportedWithPathAndReason) {
    w.mnusave.click();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.errors.empty());
    platform.saveAnswer = "/nu/exista/raport.txt";
    platform.failingPaths["/nu/exista/raport.txt"] = "No such file or directory";
    w.mnusave.click();
    ASSERT_EQ(platform.errors.size(), 1U);
    EXPECT_NE(platform.errors[0].find("/nu/exista/raport.txt"), std::string::npos);
    EXPECT_NE(platform.errors[0].find("No such file or directory"), std::string::npos);
    w.cmdFire.click(); // the window goes on working
    EXPECT_TRUE(w.Timer1.Enabled());
}

class AboutTest : public WindowTest {};

TEST_F(AboutTest, VersionIsWrittenAtEveryOpening) {
    std::vector<std::string> versions;
    platform.whileModal = [&](tk::Form& form) {
        auto& about = static_cast<frmAbout&>(form);
        versions.push_back(about.lblVersion.Caption());
        about.lblVersion.setCaption("Version");
        about.cmdOK.click();
        EXPECT_FALSE(about.loaded());
    };
    w.mnuabout.click();
    w.mnuabout.click();
    EXPECT_EQ(versions, std::vector<std::string>(2, lopena::testing::versionText()));
    EXPECT_EQ(w.aboutWindow->Caption(), "Despre...");
}

TEST_F(AboutTest, AFlightLandsWhileTheWindowIsOpen) {
    w.cmdFire.click();
    platform.whileModal = [&](tk::Form&) { platform.clock.advance(4000); };
    w.mnuabout.click();
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 254.946 m");
}

} // namespace
} // namespace lopena::testing
