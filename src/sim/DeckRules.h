// What a NEC-2 deck says, read back from its text, and the rules of thumb of
// the NEC-2 user's guide it must keep for nec2c's answer to mean something:
// - every segment at least 0.001 wavelength long at the lowest frequency, and
//   at most 0.1 wavelength at the highest;
// - segment length over radius at least 2 with the extended thin-wire kernel
//   (EK), 8 without;
// - no wire of zero length (nec2c can run on for ever), no two wires over
//   the same stretch (nec2c gives a nonsense impedance);
// - at a junction the radius does not change with EK (the kernel is not
//   valid there), and changes by at most 5 times without it;
// - the feed (EX) on a segment that exists (nec2c's own message about it
//   misleads).
#pragma once

#include <QtGlobal>

#include "design/Result.h"
#include "sim/Study.h"

#include <string>
#include <string_view>
#include <vector>

namespace yq::sim {

struct DeckWire {
    int tag = 0;
    int segments = 0;
    double x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    double radius = 0;
    double length() const;
};

struct DeckContents {
    std::vector<DeckWire> wires;
    bool extendedKernel = false;
    std::vector<double> frequenciesHz;  // every FR card's frequencies, in order
    int feedTag = 0;
    int feedSegment = 0;
    bool hasFeed = false;
};

// Reads the cards of a deck (GW, GH as its segments' chords, GM moves, EK,
// FR, EX). A card it cannot read
// (too few fields, a number that is not one) is a problem naming the card.
Result<DeckContents> readDeck(std::string_view deck);

// The rules above that a deck breaks; empty when it keeps them all.
std::vector<RuleBreak> checkRules(const DeckContents& deck);

// The texts of the rules a deck breaks (RuleBreak::detail, in English, their
// values filled in by fillPattern), for shownText("SimulationStudy", detail,
// ...) to show in the program's language.
inline constexpr const char* kNoFrequencyBreak =
    QT_TRANSLATE_NOOP("SimulationStudy", "The deck asks for no frequency (no FR card).");
inline constexpr const char* kZeroLengthBreak =
    QT_TRANSLATE_NOOP("SimulationStudy", "Wire %1 has no length or no segment; nec2c can run on for ever on it.");
inline constexpr const char* kShortSegmentsBreak =
    QT_TRANSLATE_NOOP("SimulationStudy",
                      "Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at "
                      "least 0.001.");
inline constexpr const char* kLongSegmentsBreak =
    QT_TRANSLATE_NOOP("SimulationStudy",
                      "Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at "
                      "most 0.1.");
inline constexpr const char* kThinSegmentsExtendedBreak =
    QT_TRANSLATE_NOOP("SimulationStudy",
                      "Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended "
                      "thin-wire kernel.");
inline constexpr const char* kThinSegmentsBreak = QT_TRANSLATE_NOOP(
    "SimulationStudy", "Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.");
inline constexpr const char* kOverlapBreak = QT_TRANSLATE_NOOP(
    "SimulationStudy", "Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.");
inline constexpr const char* kJunctionExtendedBreak =
    QT_TRANSLATE_NOOP("SimulationStudy",
                      "Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid "
                      "where the radius changes.");
inline constexpr const char* kJunctionBreak =
    QT_TRANSLATE_NOOP("SimulationStudy", "Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.");
inline constexpr const char* kNoFeedBreak = QT_TRANSLATE_NOOP("SimulationStudy", "The deck has no feed (no EX card).");
inline constexpr const char* kMissingFeedSegmentBreak =
    QT_TRANSLATE_NOOP("SimulationStudy", "The feed is on segment %1 of wire %2, which does not exist.");

}  // namespace yq::sim
