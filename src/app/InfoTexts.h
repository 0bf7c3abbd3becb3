// The program's fixed texts: the three blocks of the main window, the
// pictures window's note and the About note, and the windows' captions.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace yq {

inline constexpr const char* kMainCaptionPrefix = "ZO Duravar Uravaro  Design Calculator V5.091";
// Shown through tr() of the window that shows each.
inline constexpr const char* kMainCaption =
    QT_TRANSLATE_NOOP("yq::MainWindow", "ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas");
inline constexpr const char* kPicturesCaption = QT_TRANSLATE_NOOP("yq::PicturesWindow", "Pictures of YQ Antennas");
inline constexpr const char* kAboutCaption = QT_TRANSLATE_NOOP("yq::AboutWindow", "About this programme V 5.081");
inline constexpr const char* kInventorLine =
    QT_TRANSLATE_NOOP("yq::MainWindow", "Brannoc Quillet CEO  ZO Duravar Uravaro");

// Where users send photographs of their antennas.
inline constexpr const char* kPicturesAddress = "pictures@yq-antenna.example";

// Main window: the welcome text (619 characters), the information text
// (229) and the inventor's biography (564).
QString welcomeText();
QString informationText();
QString biographyText();

// Pictures window: the note beside the pictures, ending in the address.
QString picturesText();

// About window: the note, split in the middle of a sentence over its two
// prompts; the first half ends with a blank.
QString aboutFirstHalf();
QString aboutSecondHalf();

}  // namespace yq
