// The pictures the kinetic organ composes its two displays from, built at
// each layout: the backgrounds, the tube in side view (bench) and front
// view (tube display), intact and crumpled, and the striker with its mass;
// with the fonts and inks the displays write in. Sizes and rows are in
// logical pixels.
#pragma once

#include "canvas/canvas.h"
#include "weight/organ/model/organlayout.h"

#include <QImage>

// The organ's light orange: the bench's captions and the chosen tube.
constexpr TColor kOrganOrange = 0x95C4F9;

class OrganPictures
{
public:
    // Everything but the striker, for this layout, composed at `ratio`
    // device pixels per logical pixel (the screen's).
    void Build(const OrganLayout& layout, qreal ratio = 1);
    // The striker, with its mass written on it, at the same ratio.
    void BuildStriker(const OrganLayout& layout, int massKg);
    void Clear();

    qreal Ratio = 1;

    QImage BenchBackground; // white to light blue, stop block and rails
    QImage TubeBackground; // white to light blue
    QImage SideIntact; // px(32) x px(2.7)
    QImage SideCrumpled; // px(32) x px(3.3), with fold marks
    QImage FrontStraight; // 2.7 cm x 32 cm
    QImage FrontCrumpled; // 3.3 cm x 32 cm, with fold marks
    QImage Striker; // 23 cm x 11.8 cm

    // Bench rows of the tube's top (intact and crumpled part) and of the
    // striker's top.
    int TubeTop = 0;
    int CrumpledTop = 0;
    int StrikerTop = 0;

    // The bench captions and the hovered tube's number keep their light
    // orange hue, darkened until they read on the light background.
    TColor CaptionInk = 0;
    TColor HoverInk = 0;

    static CanvasFont BenchFont(); // captions on the bench
    static CanvasFont StrikerFont(); // the mass on the striker
    static CanvasFont LabelFont(TColor color); // labels on the tubes
    static CanvasFont HoverFont(); // the hovered tube's number
    static CanvasFont PanelFont(); // the info panel
};
