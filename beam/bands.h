#pragma once
// The amateur bands: the frequency a band button fills in, and which band a design lies in.

#include <QString>

#include <optional>

// Range of the band: 1 CW, 2 SSB, anything else the band middle.
// Returns the table frequency of the band that contains the frequency rounded to whole MHz
// (halves to even), or the frequency itself when the table has no entry for it.
float BandFrequenz(int range, float frequency);

struct BandRow {
    int button;        // index of the band button `Option2`; 10 is "andere"
    QString bandText;  // as the report names the band
};

// The band row a design frequency lies in (both bounds belong to the band). Outside every
// band the "andere" button and no text (the caller gives that its own).
BandRow bandFuer(float f);

inline constexpr int AndereBand = 10;

// The frequencies the band buttons 0 to 9 stand for: 1,8 3,5 7 10 14 18 21 24 28 50 MHz.
inline constexpr float BandKnopfMHz[AndereBand] = {1.8f, 3.5f, 7.0f, 10, 14, 18, 21, 24, 28, 50};

// What a band or range click writes into the frequency field: the table frequency of the
// band that holds fb for the range, formatted "##0.0##"; nothing when that is not above 0.
std::optional<QString> bandFrequenzText(int range, float fb, const QString& decimal);
