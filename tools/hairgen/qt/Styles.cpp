// The demo hairstyles. Guides are listed across a layer (from the face outwards, or from left to
// right for a fringe); the left side of a symmetric cut is mirrored to the right.
#include "tools/hairgen/qt/HairGen.h"

#include <cmath>

namespace hairgen {

namespace {

Guide g(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3)
{
    return Guide{{QPointF(x0, y0), QPointF(x1, y1), QPointF(x2, y2), QPointF(x3, y3)}};
}

Guide mirrored(const Guide& in, double axis = FaceCx)
{
    Guide out = in;
    for (auto& p : out.p) p.setX(2 * axis - p.x());
    return out;
}

// One layer for each side of a centre parting: the right side is the left one mirrored.
std::vector<Layer> sides(const Layer& left)
{
    Layer right = left;
    right.guides.clear();
    for (const Guide& gd : left.guides) {
        right.guides.push_back(mirrored(gd));
    }
    return {left, right};
}

void add(std::vector<Layer>& to, const std::vector<Layer>& layers) { to.insert(to.end(), layers.begin(), layers.end()); }

Layer layer(std::vector<Guide> guides, int strands, bool front = true, double depth = 1.0)
{
    Layer l;
    l.guides = std::move(guides);
    l.strands = strands;
    l.front = front;
    l.depth = depth;
    // Even straight hair is never ruler-straight.
    l.curlAmp = 1.6;
    l.curlWaves = 1.7;
    l.curlCoherence = 0.3;
    return l;
}

// Hair hanging behind the neck and shoulders, seen between them.
Layer backHair(double bottom, double spread)
{
    Layer l = layer({g(250, 90, 190, 100, 175, 260, 200, bottom),
                     g(250, 80, 160, 90, 150 - spread * 0.5, 280, 170 - spread, bottom + 10),
                     g(250, 70, 130, 80, 120 - spread, 290, 140 - spread, bottom + 15)},
                    1300, false, 0.55);
    l.jitter = 6;
    return l;
}

// Strands from the hairline all round the face, drawn up over the skull and gathered towards
// a point above and behind the crown, where a bun or a band holds them.
Layer pulledBack(QPointF gather, int strands)
{
    std::vector<Guide> gs;
    for (int i = 0; i <= 14; ++i) {
        double a = -1.25 + 2.5 * i / 14.0;  // round the hairline, left to right
        QPointF root(FaceCx + 94 * std::sin(a), 256 - 100 * std::cos(a));
        auto skull = [&](double t) { return QPointF(FaceCx + 100 * std::sin(t), 214 - 156 * std::cos(t)); };
        // Pushed out past the skull: the curve itself then runs along the head's outline.
        QPointF side = QPointF(FaceCx, 214) + (skull(a * 0.8) - QPointF(FaceCx, 214)) * 1.1;
        QPointF towards = gather + (skull(a * 0.45) - gather) * 0.55;
        QPointF tip = gather + QPointF(std::sin(a) * 10, 4);
        gs.push_back(Guide{{root, side, towards, tip}});
    }
    Layer l = layer(gs, strands);
    l.jitter = 2;
    l.rootJitter = 2.5;
    l.shorten = 0.02;
    l.curlAmp = 1.0;
    l.rootFade = true;
    return l;
}

} // namespace

std::vector<Style> demoStyles()
{
    std::vector<Style> styles;

    // --- Category 0: the customer may recolour these. ---
    {
        Style s;
        s.id = "long-straight";
        s.title = "Dlouhe rovne";
        s.hair = QColor(96, 64, 40);
        s.clothes = QColor(70, 90, 120);
        s.neckline = 1;
        s.background = QColor(196, 186, 172);
        s.seed = 11;
        s.layers.push_back(backHair(500, 15));
        Layer l = layer({g(254, 150, 215, 143, 172, 175, 170, 470),
                         g(254, 112, 178, 96, 140, 190, 142, 488),
                         g(254, 58, 150, 44, 110, 200, 118, 498)},
                        3200);
        l.jitter = 3.5;
        add(s.layers, sides(l));
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "bob";
        s.title = "Mikado";
        s.hair = QColor(62, 40, 28);
        s.clothes = QColor(150, 40, 50);
        s.neckline = 0;
        s.background = QColor(182, 190, 196);
        s.seed = 12;
        Layer l = layer({g(226, 150, 200, 145, 168, 190, 196, 350),
                         g(226, 108, 170, 96, 138, 220, 164, 358),
                         g(226, 60, 140, 48, 112, 240, 148, 362)},
                        2800);
        l.rootJitter = 2;
        l.shorten = 0.04;
        l.jitter = 2.5;
        // The side parting: the right side sweeps further across.
        Layer left = l;
        Layer right = l;
        right.guides = {g(230, 150, 270, 140, 330, 170, 318, 352),
                        g(230, 108, 300, 90, 372, 200, 350, 360),
                        g(230, 60, 330, 42, 400, 230, 364, 364)};
        s.layers.push_back(left);
        s.layers.push_back(right);
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "fringe-bob";
        s.title = "Mikado s ofinou";
        s.hair = QColor(38, 28, 24);
        s.clothes = QColor(230, 226, 214);
        s.neckline = 2;
        s.background = QColor(150, 160, 170);
        s.seed = 13;
        Layer l = layer({g(252, 120, 190, 118, 165, 200, 190, 345),
                         g(252, 90, 165, 80, 136, 220, 160, 352),
                         g(254, 58, 145, 45, 112, 240, 146, 356)},
                        2600);
        l.shorten = 0.04;
        add(s.layers, sides(l));
        Layer fringe = layer({g(200, 86, 176, 115, 170, 170, 176, 200),
                              g(228, 70, 212, 110, 208, 170, 212, 206),
                              g(256, 64, 254, 110, 254, 170, 256, 208),
                              g(284, 70, 300, 110, 302, 170, 300, 206),
                              g(312, 86, 336, 115, 342, 170, 336, 200)},
                             2400);
        fringe.jitter = 2.5;
        fringe.rootJitter = 6;
        fringe.shorten = 0.08;
        s.layers.push_back(fringe);
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "long-curls";
        s.title = "Dlouhe kudrny";
        s.hair = QColor(128, 58, 30);
        s.clothes = QColor(40, 90, 70);
        s.neckline = 1;
        s.background = QColor(200, 190, 170);
        s.seed = 14;
        Layer back = backHair(505, 40);
        back.curlAmp = 8;
        back.curlWaves = 6;
        s.layers.push_back(back);
        Layer l = layer({g(252, 148, 212, 140, 168, 180, 160, 460),
                         g(252, 108, 168, 90, 120, 200, 118, 480),
                         g(252, 60, 140, 40, 86, 200, 88, 490)},
                        3600);
        l.width = 1.5;
        l.jitter = 6;
        l.curlAmp = 9;
        l.curlWaves = 6.5;
        l.curlCoherence = 0.85;
        l.curlStart = 0.12;
        l.shorten = 0.25;
        add(s.layers, sides(l));
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "updo";
        s.title = "Drdol s ofinou";
        s.hair = QColor(158, 116, 70);
        s.clothes = QColor(60, 50, 80);
        s.neckline = 2;
        s.background = QColor(176, 170, 186);
        s.seed = 15;
        s.layers.push_back(pulledBack(QPointF(FaceCx, 84), 3200));
        Coil bun;
        bun.centre = QPointF(FaceCx, 58);
        bun.rx = 50;
        bun.ry = 34;
        bun.strands = 1100;
        s.coils.push_back(bun);
        // A light fringe swept from a side parting over to the right temple.
        Layer fringe = layer({g(214, 96, 226, 140, 250, 170, 300, 186), g(222, 88, 244, 130, 284, 160, 330, 176),
                              g(232, 84, 268, 112, 312, 140, 346, 178)},
                             1400);
        fringe.shorten = 0.2;
        fringe.jitter = 3;
        fringe.curlAmp = 2.5;
        fringe.curlWaves = 1;
        s.layers.push_back(fringe);
        // Loose tendrils in front of the ears.
        Layer t = layer({g(178, 175, 170, 210, 182, 250, 176, 300), g(182, 170, 172, 205, 186, 255, 180, 305)}, 60);
        t.curlAmp = 4;
        t.curlWaves = 2.5;
        t.width = 1.0;
        t.underlay = false;
        add(s.layers, sides(t));
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "pixie";
        s.title = "Pixie";
        s.hair = QColor(92, 54, 34);
        s.clothes = QColor(196, 160, 70);
        s.neckline = 0;
        s.background = QColor(186, 196, 186);
        s.seed = 16;
        // Swept from the crown to the right, choppy ends over the forehead.
        Layer l = layer({g(222, 90, 168, 96, 152, 170, 160, 232),
                         g(226, 86, 176, 90, 160, 170, 172, 236),
                         g(232, 78, 186, 80, 176, 140, 184, 196),
                         g(236, 72, 206, 90, 196, 130, 200, 176),
                         g(244, 70, 236, 96, 236, 140, 246, 192),
                         g(252, 70, 270, 96, 282, 150, 302, 190),
                         g(260, 72, 304, 90, 326, 140, 336, 184),
                         g(268, 76, 330, 80, 348, 150, 342, 206),
                         g(274, 82, 344, 86, 356, 176, 344, 238),
                         g(278, 86, 352, 92, 362, 176, 352, 232)},
                        3900);
        l.jitter = 5;
        l.rootJitter = 10;
        l.shorten = 0.35;
        l.curlAmp = 2.5;
        l.curlWaves = 1.2;
        s.layers.push_back(l);
        Layer crown = layer({g(250, 96, 196, 70, 168, 90, 158, 170), g(250, 96, 220, 52, 196, 50, 176, 84),
                             g(250, 96, 256, 44, 284, 44, 322, 74), g(250, 96, 304, 60, 342, 84, 356, 170)},
                            1800, true, 0.85);
        crown.rootJitter = 12;
        crown.shorten = 0.2;
        s.layers.insert(s.layers.begin(), crown);
        styles.push_back(s);
    }

    // --- Category 1: highlighted and shaded cuts, not recoloured. ---
    {
        Style s;
        s.id = "ombre-waves";
        s.title = "Ombre vlny";
        s.hair = QColor(58, 38, 26);
        s.streak = QColor(214, 170, 110);
        s.ombre = true;
        s.clothes = QColor(30, 30, 34);
        s.neckline = 1;
        s.background = QColor(190, 180, 168);
        s.seed = 21;
        Layer back = backHair(505, 25);
        back.curlAmp = 7;
        back.curlWaves = 3.5;
        back.curlStart = 0.3;
        s.layers.push_back(back);
        Layer l = layer({g(226, 150, 196, 146, 170, 180, 168, 470),
                         g(226, 108, 168, 92, 132, 200, 130, 488),
                         g(226, 58, 142, 44, 102, 200, 110, 498)},
                        3400);
        l.curlAmp = 7;
        l.curlWaves = 3.5;
        l.curlCoherence = 0.95;
        l.curlStart = 0.3;
        l.jitter = 3.5;
        Layer right = l;
        right.guides = {g(230, 150, 290, 140, 340, 180, 342, 470), g(230, 108, 320, 92, 376, 200, 378, 488),
                        g(230, 58, 340, 44, 406, 200, 398, 498)};
        s.layers.push_back(l);
        s.layers.push_back(right);
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "streaked-bob";
        s.title = "Melirovane mikado";
        s.hair = QColor(118, 84, 52);
        s.streak = QColor(226, 200, 150);
        s.streakShare = 0.3;
        s.clothes = QColor(90, 110, 150);
        s.neckline = 0;
        s.background = QColor(200, 196, 190);
        s.seed = 22;
        Layer l = layer({g(252, 150, 210, 145, 172, 190, 188, 330),
                         g(252, 108, 170, 96, 140, 210, 158, 342),
                         g(252, 60, 140, 48, 112, 230, 140, 348)},
                        2900);
        l.shorten = 0.06;
        add(s.layers, sides(l));
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "short-crop";
        s.title = "Kratky strih s melirem";
        s.hair = QColor(64, 46, 34);
        s.streak = QColor(168, 134, 96);
        s.streakShare = 0.16;
        s.clothes = QColor(120, 130, 110);
        s.neckline = 0;
        s.background = QColor(170, 176, 184);
        s.seed = 23;
        // From the crown out and forward: short, textured, a little lifted at the front.
        Layer l = layer({g(256, 104, 186, 100, 158, 150, 161, 224),
                         g(256, 104, 200, 96, 172, 150, 176, 226),
                         g(256, 104, 206, 92, 182, 130, 184, 180),
                         g(256, 104, 228, 92, 212, 120, 214, 164),
                         g(256, 104, 254, 88, 250, 120, 256, 160),
                         g(256, 104, 284, 92, 296, 120, 298, 164),
                         g(256, 104, 306, 92, 330, 130, 330, 180),
                         g(256, 104, 312, 96, 340, 150, 336, 226),
                         g(256, 104, 326, 100, 354, 150, 351, 224)},
                        3400);
        l.rootJitter = 16;
        l.jitter = 4;
        l.shorten = 0.25;
        s.layers.push_back(l);
        Layer top = layer({g(256, 110, 200, 100, 166, 120, 160, 170), g(256, 110, 210, 70, 196, 58, 180, 80),
                           g(256, 110, 250, 56, 270, 48, 300, 60), g(256, 110, 310, 70, 346, 110, 354, 170)},
                          1800, true, 0.85);
        top.rootJitter = 14;
        top.jitter = 2.5;
        top.shorten = 0.2;
        s.layers.insert(s.layers.begin(), top);
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "side-ponytail";
        s.title = "Culik pres rameno";
        s.hair = QColor(42, 30, 24);
        s.streak = QColor(98, 40, 32);
        s.streakShare = 0.3;
        s.clothes = QColor(210, 200, 190);
        s.neckline = 1;
        s.background = QColor(160, 150, 146);
        s.seed = 24;
        // A deep side parting; the left side tucked down past the ear, the rest swept over to the right
        // and gathered low behind the right jaw.
        Layer left = layer({g(214, 150, 196, 148, 176, 182, 170, 262), g(214, 104, 176, 94, 150, 170, 156, 272),
                            g(214, 62, 160, 50, 130, 170, 146, 278)},
                           1500);
        left.shorten = 0.05;
        Layer right = layer({g(218, 150, 272, 136, 332, 172, 332, 304), g(218, 104, 300, 86, 352, 160, 340, 308),
                             g(218, 62, 302, 42, 374, 150, 348, 312)},
                            2600);
        right.shorten = 0.05;
        s.layers.push_back(left);
        s.layers.push_back(right);
        Layer tail = layer({g(326, 300, 348, 360, 330, 440, 318, 530), g(334, 302, 362, 360, 350, 440, 346, 540),
                            g(342, 304, 378, 360, 370, 440, 376, 535)},
                           1600);
        tail.curlAmp = 5;
        tail.curlWaves = 2;
        tail.shorten = 0.2;
        s.layers.push_back(tail);
        styles.push_back(s);
    }
    {
        Style s;
        s.id = "platinum-curls";
        s.title = "Platinove kudrny";
        s.hair = QColor(222, 212, 190);
        s.streak = QColor(150, 126, 96);
        s.streakShare = 0.18;
        s.clothes = QColor(50, 60, 90);
        s.neckline = 2;
        s.background = QColor(140, 150, 166);
        s.seed = 25;
        Layer l = layer({g(252, 148, 206, 140, 166, 190, 176, 360),
                         g(252, 106, 160, 88, 120, 200, 140, 372),
                         g(252, 56, 130, 36, 92, 220, 120, 380)},
                        3400);
        l.width = 1.4;
        l.jitter = 6;
        l.curlAmp = 8;
        l.curlWaves = 5;
        l.curlCoherence = 0.8;
        l.shorten = 0.25;
        add(s.layers, sides(l));
        styles.push_back(s);
    }
    return styles;
}

} // namespace hairgen
