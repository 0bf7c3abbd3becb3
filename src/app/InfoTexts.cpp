#include "app/InfoTexts.h"

#include <QCoreApplication>

namespace yq {

// Each text is one string; the windows wrap it to their prompts.

QString welcomeText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said "
        "was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna "
        "of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ "
        "antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High "
        "Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in "
        "physics connected with it, and that discovery has in turn led us to a further antenna concept that "
        "we hope to present to you soon.");
}

QString informationText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy "
        "this information and the use of the antennas you build. There are an untold number already on the "
        "air and many more added every day.");
}

QString biographyText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal "
        "receiver from parts of an old telephone. He trained as an electrical engineer and spent many years "
        "designing transmitters for broadcast and marine radio. Curious why small antennas were always said "
        "to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and "
        "from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of "
        "engineers and radio amateurs who are developing applications of the YQ Antenna.");
}

QString picturesText() {
    return QCoreApplication::translate(
               "InfoTexts",
               "We present these pictures to show just what is being accomplished around the world with YQ antennas. "
               "We will letthe pictures speak for themselves. If you would like your antenna featured email a good "
               "clear picture to %1")
        .arg(QLatin1String(kPicturesAddress));
}

QString aboutFirstHalf() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Written by our programmer from formulas supplied by Brannoc Quillet. "
        "It is a work in progress as we need to get feedback from users like yourself who may have successfully "
        "built and used an Yq antenna. We need to know the specifications you ");
}

QString aboutSecondHalf() {
    return QCoreApplication::translate(
        "InfoTexts", "used to arrive at a working antenna. Please complete and email the details to us for analysis.");
}

}  // namespace yq
