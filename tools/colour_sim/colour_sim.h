#ifndef CRUMBLEFORD_TOOLS_COLOUR_SIM_COLOUR_SIM_H
#define CRUMBLEFORD_TOOLS_COLOUR_SIM_COLOUR_SIM_H

// How a picture looks to a player with one of the three full colour-vision
// deficiencies, after Machado, Oliveira and Fernandes (2009) at severity 1.
// Used by the art checks and by crumbleford-colour-sim, which turns our
// screenshots into the pictures of docs/accessibility.md.

#include <QImage>
#include <QRgb>

#include <array>

namespace colour_sim
{

enum class deficiency { deuteranopia, protanopia, tritanopia };
constexpr std::array<deficiency, 3> all_deficiencies = {
    deficiency::deuteranopia, deficiency::protanopia, deficiency::tritanopia};
const char* name_of(deficiency d);
// Parses a name given by name_of; false if it is none of them.
bool parse(const char* name, deficiency& d);

// sRGB encoding of one channel, in [0, 1] both ways.
double to_linear(double encoded);
double to_encoded(double linear);

// The colour as seen with deficiency d; alpha is kept.
QRgb simulate(QRgb colour, deficiency d);
QImage simulate(const QImage& image, deficiency d);

// Relative luminance of an sRGB colour, in [0, 1].
double luminance(QRgb colour);

} // namespace colour_sim

#endif
