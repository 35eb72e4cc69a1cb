// The picture of one zone of the braking window: road and scenery, the car,
// the reaction and braking bands, the speedometer and the result panel,
// composed off screen at the zones' scale and at the device pixel ratio of
// the screen that shows them.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class BrakingSession;

// Darkening of a translucent area, out of 256 per channel.
struct ShadeFactors
{
    int red;
    int green;
    int blue;
};

class BrakingScene
{
public:
    BrakingScene();
    ~BrakingScene();

    // The window is shown: from now on each layout builds the pictures.
    void Open();
    // The window closes: every picture and surface is freed.
    void Close();
    bool IsOpen() const { return m_open; }

    // Sizes and tables for zones of `zone` logical pixels at `scale` pixels
    // per metre, shown with `ratio` device pixels per logical pixel; while
    // open, rebuilds the scenery strip, the dial and the cars whose size or
    // ratio this changes.
    void Layout(QSize zone, double scale, qreal ratio = 1);
    qreal Ratio() const { return m_ratio; }
    // A zone picture of the last layout's size and ratio, and its size in
    // device pixels.
    QImage NewZonePicture() const;
    QSize ZoneDeviceSize() const { return m_deviceZone; }

    // The car icons of the control panel, on the button-face colour, at
    // `ratio` device pixels per logical pixel.
    void BuildIcons(QRgb face, qreal ratio = 1);
    const QImage& IconRed() const { return m_iconRed; }
    const QImage& IconGreen() const { return m_iconGreen; }
    void FreeIcons();

    // Composes zone k (1: red car, 2: green car) of `session` at its current
    // step into `picture`, which must be as NewZonePicture makes it (RGB32 of
    // the zone's device size; its own ratio is not read).
    void DrawZone(int k, const BrakingSession& session, QImage& picture);

    ShadeFactors dark{110, 90, 70};
    int maxSpeed = 180;

    // Sizes of the last layout, for the window and its tests (in logical
    // pixels; the pictures are in device pixels).
    int DialRadius() const { return m_dialRadius; }
    int GlowRadius() const { return m_glowRadius; }
    int RoadHeight() const { return m_roadHeight; }
    int CarWidth() const { return m_carWidth; }
    int CarHeight() const { return m_carHeight; }
    int StripWidth() const { return m_stripWidth; }
    const QImage& SceneryStrip() const { return m_strip; }
    const QImage& DialFace() const { return m_dialFace; }
    const QImage& CarRed() const { return m_carRed; }
    const QImage& CarMask() const { return m_carMask; }
    // Bytes held by the pictures and surfaces.
    qint64 MemoryBytes() const;

    static constexpr int kDialLeft = 4;
    static constexpr int kDialTop = 32;
    static constexpr int kPanelWidth = 147;
    static constexpr int kPanelHeight = 104;
    static constexpr int kBandTop = 3;
    static constexpr int kBandHeight = 26;

private:
    void ComputeTables();
    void FreePictures();
    // Logical pixels to device pixels, rounded as the canvas rounds them;
    // and a picture's size in device pixels, as NewPicture allocates it.
    int ToDevice(int logical) const;
    QSize DeviceSize(QSize logical) const;
    void BuildScenery();
    void BuildDial(int maxSpeed);
    void BuildCars();

    // The steps of DrawZone.
    void DrawBackground(QImage& picture, double origin) const;
    void DrawMarkers(Canvas& canvas, const BrakingSession& session, int k) const;
    void DrawBands(Canvas& canvas, const BrakingSession& session, int k) const;
    void DrawBand(Canvas& canvas, int x1, int x2, bool leftPointed, bool rightPointed, const QString& text) const;
    // `canvas` draws on `picture`.
    void DrawDial(QImage& picture, Canvas& canvas) const;
    void DrawVehicle(QImage& picture, const BrakingSession& session, int k) const;
    void DrawPanel(Canvas& canvas, const BrakingSession& session, int k) const;
    void DrawNeedle(Canvas& canvas, double speedKmh) const;

    // The mask ORed onto `picture` at `at`, then `face` ANDed: `face` shows
    // where the mask is white, the picture stays where it is black.
    static void DrawMasked(QImage& picture, QPoint at, const QImage& mask, const QImage& face);
    // The translucent darkening: the channels of pixels x1..x2 (device
    // pixels, both included) of row y scaled by `factors` / 256, clipped to
    // the picture.
    static void ShadeRow(QImage& picture, int y, int x1, int x2, ShadeFactors factors);
    // Text written by `write` on the picture's `area` (logical pixels) as
    // on a 24-bit surface of that size, whose canvas draws at the area's
    // origin: the text's smoothed edges blend as they always did, and
    // nothing is drawn outside the area.
    void WriteInArea(QImage& picture, const QRect& area, const std::function<void(Canvas&)>& write) const;

    bool m_open = false;
    QSize m_zone{1, 1};
    QSize m_deviceZone{1, 1};
    double m_scale = 1;
    qreal m_ratio = 1;

    int m_dialRadius = 20;
    int m_glowRadius = 0; // device pixels
    int m_roadHeight = 3;
    int m_carWidth = 0;
    int m_carHeight = 0;
    int m_stripWidth = 0;
    // Shaded columns, both included, of each device row of the dial's disc
    // and of the glow.
    std::vector<int> m_discLeft, m_discRight;
    std::vector<int> m_glowLeft, m_glowRight;

    QImage m_strip;
    double m_stripScale = 0;
    qreal m_builtRatio = 0; // of the strip, the dial and the cars
    int m_dialMaxSpeed = 0;
    QImage m_dialFace; // premultiplied alpha
    QImage m_carRed, m_carGreen, m_carMask;
    QImage m_iconRed, m_iconGreen;
};
