#pragma once
// The recipes of the game's clips: each fills a track whose rate and length the catalogue fixes.
#include "synth.h"

namespace zel::synth {

// Win jingles 101..115 (no 105): the bigger the win, the longer and richer the tune.
void composejingle(int number, Track& t);

// The other clips: 116 reel stop, 117 free-spin loop, 118 fanfare, 119..123 scatter chimes,
// 124 click, 125 buzz.
void composeeffect(int number, Track& t);

// Is the clip a seamless loop (its track circular, its ends not faded)?
constexpr bool isloop(int number) { return number == 117; }

// The shared tune of the bigger jingles: two phrases of eight beats, with their bass roots per half bar.
extern const Note tunea[14];
extern const Note tuneb[13];
extern const double rootsa[4];
extern const double rootsb[4];

// Bass and soft chords under eight beats with the given roots per half bar.
void accompany(Track& t, double start, double beat, const double (&roots)[4], double amp);

}  // namespace zel::synth
