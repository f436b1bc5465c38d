#!/bin/sh
# Regenerates the small pictures the online tests load (needs imagemagick).
set -e
CONVERT=${CONVERT:-convert}
cd "$(dirname "$0")"
"$CONVERT" -size 230x60 xc:'#2060c0' one_frame.gif
# Three frames; the delays (in 1/100 s; Qt reads 0 and 1 as 10) exercise the
# lower limit, a normal value and the upper limit of the frame delay.
"$CONVERT" -size 230x60 -delay 2 xc:red -delay 8 xc:green -delay 2000 xc:blue -loop 0 three_frames.gif
# Short delays throughout, to watch a whole play-through in a test.
"$CONVERT" -size 185x60 -delay 5 xc:red xc:green xc:blue xc:yellow -loop 0 four_quick_frames.gif
# Stored delays of 0 and 1 (which Qt's reader turns into 100 ms) and a normal
# one, to check that the stored values are used.
"$CONVERT" -size 185x60 -delay 0 xc:red -delay 1 xc:green -delay 12 xc:blue -loop 0 fast_frames.gif
# Picture data of another format under a .gif name.
"$CONVERT" -size 230x60 xc:gray not_a_gif.png
# Larger than any place in the banner strip.
"$CONVERT" -size 300x80 xc:'#30a040' wide_frame.gif
