// crumbleford-colour-sim: shows a picture as a player with a colour-vision
// deficiency sees it, to check the art by eye.
//
// Usage: crumbleford-colour-sim <deuteranopia|protanopia|tritanopia> <in.png> <out.png>

#include "colour_sim.h"

#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    colour_sim::deficiency d;
    if (argc != 4 || !colour_sim::parse(argv[1], d)) {
        std::fprintf(stderr, "usage: crumbleford-colour-sim "
                             "<deuteranopia|protanopia|tritanopia> <in.png> <out.png>\n");
        return 2;
    }
    const QImage in(QString::fromLocal8Bit(argv[2]));
    if (in.isNull()) {
        std::fprintf(stderr, "crumbleford-colour-sim: cannot read %s\n", argv[2]);
        return 1;
    }
    if (!colour_sim::simulate(in, d).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "crumbleford-colour-sim: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
