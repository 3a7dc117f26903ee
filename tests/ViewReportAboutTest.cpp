#include "support/WindowFixture.h"

namespace lopena::testing {
namespace {

class ViewTest : public WindowTest {};

TEST_F(ViewTest, GridTwiceHidesThenShowsEveryLine) {
    w.mnugrid.click();
    EXPECT_FALSE(w.mnugrid.Checked());
    for (const auto& [index, line] : w.grid)
        EXPECT_FALSE(line->Visible()) << index;
    w.mnugrid.click();
    EXPECT_TRUE(w.mnugrid.Checked());
    for (const auto& [index, line] : w.grid)
        EXPECT_TRUE(line->Visible()) << index;
}

TEST_F(ViewTest, RoundedSquareButtonGivesShapeCodeFour) {
    w.Option1(4).click();
    EXPECT_EQ(w.shpBall.ShapeCode(), 4);
    w.Option1(1).click();
    EXPECT_EQ(w.shpBall.ShapeCode(), 1);
    EXPECT_FALSE(w.Option1(4).Value());
}

TEST_F(ViewTest, ClearRemovesTheDotsOfEveryFlight) {
    w.cmdClear.click();
    EXPECT_EQ(w.shpTrail.Count(), 1);
    w.cmdFire.click();
    flyUntilLanded();
    w.cmdFire.click();
    platform.clock.advance(500);
    ASSERT_EQ(w.shpTrail.Count(), 36);
    EXPECT_NE(w.shpTrail(1).FillColor(), w.shpTrail(35).FillColor());
    w.cmdClear.click();
    EXPECT_EQ(w.shpTrail.Count(), 1);
    EXPECT_TRUE(w.shpTrail.exists(0));
    platform.clock.advance(100);
    EXPECT_TRUE(w.shpTrail.exists(1));
    EXPECT_EQ(w.shpTrail.Count(), 2);
}

class ReportTest : public WindowTest {
protected:
    std::vector<std::string> savedLines(const std::string& path) {
        std::vector<std::string> lines;
        const std::string& text = platform.files.at(path);
        std::size_t start = 0, end;
        while ((end = text.find("\r\n", start)) != std::string::npos) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        EXPECT_EQ(start, text.size()) << "text after the last line end";
        return lines;
    }
};

TEST_F(ReportTest, DefaultLaunchGivesTheEightLines) {
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
    ASSERT_EQ(platform.saveRequests.size(), 1U);
    EXPECT_EQ(platform.saveRequests[0].title, "Salveaza ca...");
    EXPECT_EQ(platform.saveRequests[0].filterDescription, "Fisiere text (*.txt)");
    EXPECT_EQ(platform.saveRequests[0].filterPattern, "*.txt");
    EXPECT_EQ(platform.saveRequests[0].fileName, "");
}

TEST_F(ReportTest, BeforeAnyLaunchTheCaptionsAreWritten) {
    platform.saveAnswer = "r.txt";
    w.HSBRaza.setValue(12);
    w.txtgrav.setText("9,806");
    w.mnusave.click();
    auto lines = savedLines("r.txt");
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[2], "Acceleratia gravitationala : 9,806");
    EXPECT_EQ(lines[3].rfind("Corpul de raza  12 u avea", 0), 0U);
    EXPECT_EQ(lines[4], "Distanta parcursa");
    EXPECT_EQ(lines[5], "Inaltime maxima");
    EXPECT_EQ(lines[6], "Timp total");
    EXPECT_EQ(lines[7], "Viteza la impact");
}

TEST_F(ReportTest, NonAsciiTypedTextIsWrittenAsUtf8) {
    platform.saveAnswer = "r.txt";
    w.txtgrav.setText("9.8 m/s\xC2\xB2 \xC8\x99");
    w.mnusave.click();
    EXPECT_EQ(savedLines("r.txt")[2], "Acceleratia gravitationala : 9.8 m/s\xC2\xB2 \xC8\x99");
}

TEST_F(ReportTest, CancelWritesNothing) {
    w.mnusave.click();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ReportTest, FailureIsReportedWithPathAndReason) {
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
    EXPECT_EQ(versions, (std::vector<std::string>{"Versiunea 1.0.3", "Versiunea 1.0.3"}));
    EXPECT_EQ(w.aboutWindow->Caption(), "Despre...");
}

TEST_F(AboutTest, AFlightLandsWhileTheWindowIsOpen) {
    w.cmdFire.click();
    platform.whileModal = [&](tk::Form&) { platform.clock.advance(4000); };
    w.mnuabout.click();
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_EQ(w.Label7.Caption(), "Coordonata X : 254.946 m");
}

TEST_F(AboutTest, ExitClosesTheMainWindow) {
    w.mnuexit.click();
    ASSERT_EQ(platform.closed.size(), 1U);
    EXPECT_EQ(platform.closed[0], &w);
}

} // namespace
} // namespace lopena::testing
