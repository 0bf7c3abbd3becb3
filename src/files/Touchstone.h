// Reading an antenna analyser's sweep: the reflection at port 1 (S11)
// against frequency, from a Touchstone file or from the CSV that VNA
// programs export. The reader never writes the file.
//
// Touchstone version 1 (.s1p, .s2p and any .sNp):
// - "!" starts a comment, anywhere on a line; blank lines are skipped;
//   keywords and units are case-insensitive.
// - The option line "# [Hz|kHz|MHz|GHz] [S|Y|Z|H|G] [DB|MA|RI] [R n]", its
//   parts in any order, each one optional (defaults GHz S MA R 50). Only the
//   first option line counts; later ones are ignored, as the format says.
//   The reference must be above 0.
// - One point per frequency: the frequency, then the pairs of the network
//   (1 pair for one port; 4 for two ports, in the order 11 21 12 22). A point
//   may be wrapped onto following lines, and a line may hold several whole
//   points. Frequencies rise strictly; a line that repeats the frequency
//   before it (where two segments of a sweep meet) is left out with a note.
// - Z and Y values are normalised to the reference (z = Z / R, y = Y R).
// - A two-port file's noise parameters (after the network data, from the
//   first frequency that does not rise) are skipped.
// - DB is 20 log10 of the magnitude; angles in degrees.
// Touchstone version 2.0 (the ".ts" files and any file that starts with
// "[Version] 2.0"): the keywords [Version], [Number of Ports], [Two-Port Data
// Order] (12_21 or 21_12), [Number of Frequencies] (checked against the
// points), [Number of Noise Frequencies], [Reference] (the port-1 value is
// the reference; may run onto following lines), [Matrix Format] (Full, Lower,
// Upper), [Network Data], [Noise Data], [Begin Information] .. [End
// Information] (skipped) and [End]. Z and Y values are in ohms and siemens.
// Two-port Z and Y matrices are converted to S before S11 is taken (S11 is
// the port-1 reflection with port 2 on its reference); H and G parameters,
// and networks of more than two ports other than as S, are refused.
//
// CSV (a ".csv" or ".txt" file, or any file whose first data line holds a
// comma or a semicolon): fields separated by commas, semicolons or tabs;
// an optional first line of headings; lines starting with "!" or "#" are
// comments. The frequency is the first column, or the first whose heading
// holds "freq", in Hz or in the unit its heading names ("Frequency (MHz)",
// "freq kHz"). The two columns after it are either S11 as real and
// imaginary parts (the layout of most VNA programs:
// "Frequency,Re(S11),Im(S11)" and optionally S21 after it), or, when their
// headings start with "R" and "X", the impedance in ohms
// ("Frequency (MHz),R (ohm),X (ohm),SWR"). Further columns are ignored.
// Columns before the frequency label the rows ("case,frequency (MHz),R
// (ohm),X (ohm)"): the rows of the first label are the sweep, the others
// are left out with a note. The reference is 50 ohm.
//
// Every problem names the line and what is wrong with it. A file that reads
// but holds no point is not refused here: the analysis says so.
#pragma once

#include "design/Result.h"

#include <complex>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

struct MeasuredPoint {
    double hz = 0;
    std::complex<double> s11;  // on the file's reference impedance
};

enum class MeasurementFormat {
    Touchstone1,
    Touchstone2,
    Csv,
};

struct Measurement {
    MeasurementFormat format = MeasurementFormat::Touchstone1;
    int ports = 1;
    double referenceOhms = 50;
    std::string parameter = "S";        // as the file gave it: S, Z or Y
    std::string dataFormat = "MA";      // MA, DB or RI (RI for CSV)
    std::vector<MeasuredPoint> points;  // strictly rising frequency
    std::vector<std::string> notes;     // what was skipped ("noise parameters from line 40 skipped")

    // "Touchstone 1.0, 1 port, S MA, R 50" and the like.
    std::string describe() const;
};

// What the reader makes of the text: which format, from the name's ending
// (.sNp, .ts, .csv, .txt) and, without one, from the first lines.
enum class MeasurementHint {
    FromName,
    Touchstone,
    Csv,
};

// Reads the text of a measurement. `name` is the file's name (for its
// ending, its number of ports and the messages).
Result<Measurement> parseMeasurement(std::string_view text, std::string_view name,
                                     MeasurementHint hint = MeasurementHint::FromName);

// Reads the file at `path` (UTF-8 path). Files above 64 MB are refused.
Result<Measurement> readMeasurementFile(const std::string& path);

}  // namespace yq
