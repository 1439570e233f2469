#pragma once
// The amateur bands: the frequency a band button fills in, and which band a design lies in.

#include <QString>

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
