// The information windows and texts: the main window's three texts with
// their lengths, the pictures window with its eight pictures, the About
// window with its split note, and how each window closes.

#include "AppTestSupport.h"

#include "app/AboutWindow.h"
#include "app/InfoTexts.h"
#include "app/PicturesWindow.h"
#include "report/EmbeddedImages.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace yq {
namespace {

class InfoWindows : public ::testing::Test {
protected:
    void SetUp() override { test::ensureApplication(); }
};

TEST(InfoTexts, MainWindowTextsHaveTheirLengthsAndKeyWords) {
    const QString welcome = welcomeText();
    EXPECT_EQ(welcome.size(), 619);
    EXPECT_TRUE(
        welcome.startsWith("Welcome to the wonderful world of YQ Antennas. At long last we have achieved what "
                           "many have said was impossible, the development of a new antenna concept."));
    for (const char* words : {"120", "Hertz", "Small Size, High Efficiency, wide bandwidth, and very low EMI",
                              "physics", "further antenna concept"})
        EXPECT_TRUE(welcome.contains(QLatin1String(words))) << words;

    EXPECT_EQ(informationText(),
              "Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this "
              "information and the use of the antennas you build. There are an untold number already on the air and "
              "many more added every day.");
    EXPECT_EQ(informationText().size(), 229);

    const QString biography = biographyText();
    EXPECT_EQ(biography.size(), 564);
    EXPECT_TRUE(biography.endsWith("developing applications of the YQ Antenna."));
    for (const QString& text : {welcome, informationText(), biography}) {
        EXPECT_FALSE(text.contains(u'\n'));
        EXPECT_EQ(text, text.trimmed());
    }
}

TEST(InfoTexts, AboutNoteContinuesFromTheFirstPromptIntoTheSecond) {
    const QString first = aboutFirstHalf();
    EXPECT_TRUE(
        first.contains("It is a work in progress as we need to get feedback from users like yourself who may "
                       "have successfully built and used an Yq antenna. We need to know the specifications "
                       "you "));
    EXPECT_TRUE(first.endsWith("We need to know the specifications you "));
    EXPECT_TRUE(first.indexOf("written", 0, Qt::CaseInsensitive) < first.indexOf("It is a work in progress"));
    EXPECT_TRUE(first.contains("formulas"));
    EXPECT_EQ(aboutSecondHalf(),
              "used to arrive at a working antenna. Please complete and email the details to us for analysis.");
}

TEST(InfoTexts, PicturesNoteEndsWithAnAddress) {
    const QString note = picturesText();
    const QString lead =
        "We present these pictures to show just what is being accomplished around the world with YQ antennas. We "
        "will letthe pictures speak for themselves. If you would like your antenna featured email a good clear "
        "picture to ";
    ASSERT_TRUE(note.startsWith(lead));
    const QString address = note.mid(lead.size());
    EXPECT_TRUE(address.contains(u'@'));
    EXPECT_FALSE(address.contains(u' '));
}

struct PictureCase {
    const char* control;
    int x, y, w, h;
    const char* fileName;
};

TEST_F(InfoWindows, PicturesWindowShowsItsEightPicturesAtTheirPlaces) {
    const PictureCase pictures[] = {
        {"IMAGE1", 13, 9, 241, 164, "yq_008.jpg"},    {"IMAGE2", 421, 9, 95, 164, "ex2.jpg"},
        {"IMAGE8", 293, 67, 89, 106, "userpic1.jpg"}, {"IMAGE7", 325, 185, 87, 101, "userpic2.jpg"},
        {"IMAGE5", 221, 185, 87, 101, "ex5.jpg"},     {"IMAGE4", 117, 185, 87, 101, "ex6.jpg"},
        {"IMAGE3", 13, 185, 87, 101, "ex3.jpg"},      {"IMAGE6", 429, 185, 87, 101, "ex7.jpg"},
    };
    for (int opening = 0; opening < 2; ++opening) {  // the same on every opening
        PicturesWindow window;
        EXPECT_EQ(window.windowTitle(), "Pictures of YQ Antennas");
        EXPECT_EQ(window.size(), window.units().size(529, 312));
        for (const PictureCase& p : pictures) {
            const auto* label = window.findChild<QLabel*>(p.control);
            ASSERT_NE(label, nullptr) << p.control;
            EXPECT_EQ(label->geometry(), window.units().rect(p.x, p.y, p.w, p.h)) << p.control;
            ASSERT_FALSE(label->pixmap().isNull()) << p.control;
            // The picture is the built-in one of that file name.
            const QImage expected = report::embeddedImage(p.fileName, label->size());
            EXPECT_EQ(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                      expected.convertToFormat(QImage::Format_ARGB32))
                << p.control << " " << p.fileName;
        }
        const auto* prompt = window.findChild<QLabel*>("PROMPT1");
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->text(), picturesText());
        EXPECT_EQ(prompt->geometry(), window.units().rect(276, 10, 131, 56));
        EXPECT_LE(prompt->heightForWidth(prompt->width()), prompt->height()) << "the note is not cut off";
        const auto* close = window.findChild<QPushButton*>("OKBUTTON");
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), "Close");
        EXPECT_EQ(close->geometry(), window.units().rect(430, 291, 84, 14));
    }
}

TEST_F(InfoWindows, AboutWindowHasItsCaptionPromptsAndButton) {
    AboutWindow window;
    EXPECT_EQ(window.windowTitle(), "About this programme V 5.081");
    EXPECT_EQ(window.size(), window.units().size(185, 92));
    const auto* first = window.findChild<QLabel*>("PROMPT1");
    const auto* second = window.findChild<QLabel*>("PROMPT2");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), aboutFirstHalf());
    EXPECT_EQ(second->text(), aboutSecondHalf());
    EXPECT_EQ(first->geometry(), window.units().rect(4, 4, 179, 42));
    EXPECT_EQ(second->geometry(), window.units().rect(4, 44, 179, 26));
    EXPECT_EQ(first->font(), second->font()) << "one note, one type size";
    for (const QLabel* p : {first, second}) EXPECT_LE(p->heightForWidth(p->width()), p->height());
    const auto* close = window.findChild<QPushButton*>("OKBUTTON");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close and return...");
    EXPECT_EQ(close->geometry(), window.units().rect(92, 76, 91, 14));
}

enum class CloseBy { Button, CloseBox, EscapeKey };

struct ClosingCase {
    const char* name;
    bool about;
    CloseBy by;
};

class InfoWindowClosing : public InfoWindows, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(InfoWindowClosing, WindowRunsUnderItsProcedureNameAndReturnsWhenClosed) {
    const ClosingCase& c = GetParam();
    test::FakeErrorReporter errors;
    errors.setProcedureName("Main");
    QString procedure;
    bool sawWindow = false;
    test::whenModalOpens([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        sawWindow = true;
        procedure = errors.procedureName();
        switch (c.by) {
            case CloseBy::Button:
                QTest::mouseClick(modal->findChild<QPushButton*>("OKBUTTON"), Qt::LeftButton);
                break;
            case CloseBy::CloseBox:
                modal->close();
                break;
            case CloseBy::EscapeKey:
                QTest::keyClick(modal, Qt::Key_Escape);
                break;
        }
    });
    if (c.about)
        runAbout(errors, nullptr);
    else
        runPictures(errors, nullptr);
    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(procedure, c.about ? "AboutYQ" : "pictures");
    EXPECT_EQ(errors.procedureName(), "Main") << "the caller's procedure is current again";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Close, InfoWindowClosing,
                         ::testing::Values(ClosingCase{"PicturesByButton", false, CloseBy::Button},
                                           ClosingCase{"PicturesByCloseBox", false, CloseBy::CloseBox},
                                           ClosingCase{"PicturesByEscape", false, CloseBy::EscapeKey},
                                           ClosingCase{"AboutByButton", true, CloseBy::Button},
                                           ClosingCase{"AboutByCloseBox", true, CloseBy::CloseBox},
                                           ClosingCase{"AboutByEscape", true, CloseBy::EscapeKey}),
                         [](const ::testing::TestParamInfo<ClosingCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace yq
