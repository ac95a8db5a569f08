#include "colour_sim.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace colour_sim
{

namespace
{

using matrix = std::array<std::array<double, 3>, 3>;

// The severity-1 matrices of the model, applied to linear RGB. Each row sums
// to 1, so greys stay grey.
const matrix& matrix_of(deficiency d)
{
    static const matrix protanopia = {{{0.152286, 1.052583, -0.204868},
                                       {0.114503, 0.786281, 0.099216},
                                       {-0.003882, -0.048116, 1.051998}}};
    static const matrix deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                         {0.280085, 0.672501, 0.047413},
                                         {-0.011820, 0.042940, 0.968881}}};
    static const matrix tritanopia = {{{1.255528, -0.076749, -0.178779},
                                       {-0.078411, 0.930809, 0.147602},
                                       {0.004733, 0.691367, 0.303900}}};
    switch (d) {
    case deficiency::protanopia:
        return protanopia;
    case deficiency::tritanopia:
        return tritanopia;
    case deficiency::deuteranopia:
        break;
    }
    return deuteranopia;
}

int to_byte(double encoded)
{
    return static_cast<int>(std::lround(std::clamp(encoded, 0.0, 1.0) * 255.0));
}

} // namespace

const char* name_of(deficiency d)
{
    switch (d) {
    case deficiency::protanopia:
        return "protanopia";
    case deficiency::tritanopia:
        return "tritanopia";
    case deficiency::deuteranopia:
        break;
    }
    return "deuteranopia";
}

bool parse(const char* name, deficiency& d)
{
    for (deficiency candidate : all_deficiencies) {
        if (std::strcmp(name, name_of(candidate)) == 0) {
            d = candidate;
            return true;
        }
    }
    return false;
}

double to_linear(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double to_encoded(double linear)
{
    return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

QRgb simulate(QRgb colour, deficiency d)
{
    const double in[3] = {to_linear(qRed(colour) / 255.0), to_linear(qGreen(colour) / 255.0),
                          to_linear(qBlue(colour) / 255.0)};
    const matrix& m = matrix_of(d);
    int out[3];
    for (int row = 0; row < 3; ++row) {
        const double v = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
        out[row] = to_byte(to_encoded(std::clamp(v, 0.0, 1.0)));
    }
    return qRgba(out[0], out[1], out[2], qAlpha(colour));
}

QImage simulate(const QImage& image, deficiency d)
{
    // Straight (not premultiplied) alpha, so the matrix sees true colours.
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = simulate(row[x], d);
    }
    return out;
}

double luminance(QRgb colour)
{
    return 0.2126 * to_linear(qRed(colour) / 255.0) + 0.7152 * to_linear(qGreen(colour) / 255.0) +
           0.0722 * to_linear(qBlue(colour) / 255.0);
}

} // namespace colour_sim
