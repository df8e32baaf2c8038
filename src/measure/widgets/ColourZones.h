#pragma once

#include <QRgb>

#include <cstddef>

// One stretch of an instrument's scale drawn in one colour. Zones follow each other from the
// scale's minimum; each length is a fraction of the whole scale.
struct ColourZone {
    double length;
    QRgb colour;
};

// The colour zones of one instrument, as a view of a table's array.
class ColourZones
{
public:
    constexpr ColourZones() = default;
    template <std::size_t N>
    constexpr ColourZones(const ColourZone (&zones)[N]) : zones_(zones), count_(N)
    {
    }

    constexpr const ColourZone *begin() const { return zones_; }
    constexpr const ColourZone *end() const { return zones_ + count_; }

private:
    const ColourZone *zones_ = nullptr;
    std::size_t count_ = 0;
};
