#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The zoom of the bill form's page. Every zoomed geometry is computed from the geometry at
// 1.0 (the picture's own size), never from the previous zoom, so zooming in and out and back
// gives the base geometry exactly. The factor is kept with the two decimals the format
// stores, so what is shown is what reopens.
class PageZoom
{
public:
    static constexpr double kStepIn = 1.05;
    static constexpr double kStepOut = 0.95;
    static constexpr double kSmallest = 0.25;
    static constexpr double kLargest = 4.0;

    // A stored factor of 0 (or none) is 1.0.
    explicit PageZoom(double factor = 1.0);

    double factor() const { return m_factor; }
    bool isIdentity() const { return m_factor == 1.0; }
    void zoomIn();
    void zoomOut();
    void restore() { m_factor = 1.0; }

    // round(v x factor), halves to the even neighbour.
    int scaled(int base) const;
    QSize scaled(const QSize &base) const;
    QRect scaled(const QRect &base) const;
    QFont scaled(const QFont &base) const;

private:
    void setFactor(double factor);

    double m_factor = 1.0;
};
