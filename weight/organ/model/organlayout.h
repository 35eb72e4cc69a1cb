// Sizes and scales of the kinetic organ's two pictures for a client size:
// the launch bench (20 cm high) above the tube display (34 cm high: a 32 cm
// tube with 1 cm below and above), and the bench's geometry in pixels.
#pragma once

class OrganLayout
{
public:
    // The layout of a client area with the bottom panel `panelHeight` high;
    // every size is at least 1 pixel, the page at least one tube.
    static OrganLayout ForClient(int clientWidth, int clientHeight, int panelHeight);

    int DisplayWidth() const { return m_displayWidth; }
    int BenchHeight() const { return m_benchHeight; }
    int TubesHeight() const { return m_tubesHeight; }
    double BenchScale() const { return m_benchScale; } // pixels per cm
    double TubeScale() const { return m_tubeScale; } // pixels per cm
    // Tube pitches of 4 cm across the display, the last partial one and
    // the first half pitch left out.
    int PageCapacity() const { return m_pageCapacity; }

    // A bench length in pixels, and the bench row at a height above its
    // floor (cm).
    int Px(double cm) const;
    int Up(double heightCm) const { return m_benchHeight - Px(heightCm); }
    // A tube-display length in pixels.
    int TubePx(double cm) const;

    // Bench x of the free end of a lying tube (42 cm), and the striker's
    // home beyond the bench's right edge.
    int TubeEnd() const { return Px(42); }
    int Home() const { return m_displayWidth; }
    // The drawn width of the striker: a lighter striker looks shorter.
    int StrikerWidth(int massKg) const;
    // The row the tubes of the display stand on.
    int TubeBaseline() const { return m_tubesHeight - TubePx(1); }

private:
    int m_displayWidth = 1;
    int m_benchHeight = 1;
    int m_tubesHeight = 4;
    double m_benchScale = 0.05;
    double m_tubeScale = 4.0 / 34;
    int m_pageCapacity = 1;
};
