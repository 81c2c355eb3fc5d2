#!/bin/sh
# Makes the game's sounds with sox (and lame for the music) into resources/:
# Bell2.wav, buzz.wav, pop.wav, children.wav (16-bit PCM, 44.1 kHz, mono)
# and MorningRain.mp3. Every random choice is seeded, so a run gives the same files.
# Effects peak at -14 dBFS and the music at -18 dBFS, so that none startles.
set -eu
# sox's noise and dither then draw the same numbers at every run
export SOX_OPTS="-R"

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../resources}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wav="-r 44100 -c 1 -b 16 -e signed-integer"

# tone <file> <seconds> <type> <frequency> <fade type> <gain dB>: one decaying partial.
tone() {
  sox -n $wav "$1" synth "$2" "$3" "$4" fade "$5" 0.004 "$2" "$2" gain "$6"
}

# Bell: a bright struck bell, partials decaying faster the higher they are.
bell() {
  tone "$work/b1.wav" 1.3 sine 1318.5 l 0
  tone "$work/b2.wav" 0.9 sine 2637 l -6
  tone "$work/b3.wav" 0.6 sine 3517 l -12
  tone "$work/b4.wav" 0.35 sine 5274 l -18
  sox -m "$work/b1.wav" "$work/b2.wav" "$work/b3.wav" "$work/b4.wav" $wav "$out/Bell2.wav" \
    gain -n -14
}

# Buzz: a soft, low "uh-oh" of two falling notes, filtered round.
buzz() {
  sox -n $wav "$work/u1.wav" synth 0.28 triangle 233 lowpass 700 fade h 0.03 0.28 0.1
  sox -n $wav "$work/u2.wav" synth 0.42 triangle 185 tremolo 18 30 lowpass 600 fade h 0.03 0.42 0.2
  sox "$work/u1.wav" "$work/u2.wav" $wav "$out/buzz.wav" gain -n -14
}

# Pop: a quick rising bloop.
pop() {
  sox -n $wav "$out/pop.wav" synth 0.12 sine 260:900 fade q 0.003 0.12 0.09 gain -n -14
}

# Applause: six children clapping at their own pace, each clap a filtered noise burst.
children() {
  clappers=""
  for kid in 1 2 3 4 5 6; do
    centre=$((900 + kid * 230))
    sox -n $wav "$work/clap$kid.wav" synth 0.05 whitenoise bandpass "$centre" 1.2q lowpass 4000 highpass 500 \
      fade p 0.001 0.05 0.045
    awk -v seed="$kid" 'BEGIN { srand(seed); t = rand() * 0.3; print "pad", t
      while (t < 3.0) { gap = 0.17 + rand() * 0.12; print "clap", gap; t += 0.05 + gap } }' |
    {
      parts=""
      n=0
      while read -r kind length; do
        n=$((n + 1))
        part="$work/k${kid}_$n.wav"
        if [ "$kind" = pad ]; then
          sox -n $wav "$part" trim 0 "$length"
        else
          sox "$work/clap$kid.wav" "$part" gain -"$(awk -v s="$kid$n" 'BEGIN { srand(s); print rand() * 6 }')" \
            pad 0 "$length"
        fi
        parts="$parts $part"
      done
      sox $parts "$work/kid$kid.wav"
    }
    clappers="$clappers $work/kid$kid.wav"
  done
  sox -m $clappers $wav "$work/applause.wav"
  sox "$work/applause.wav" $wav "$out/children.wav" trim 0 2.9 fade q 0.1 2.9 0.8 gain -n -14
}

# Music: a slow pentatonic tune on a plucked string over soft pad chords and a
# quiet patter of rain, 48 seconds.
music() {
  eighth=0.375
  # note names of the tune, one an eighth; "-" holds the note before, "." rests
  tune="e5 g5 a5 - g5 e5 d5 - c5 d5 e5 - g5 - - . a5 c6 a5 g5 e5 - d5 - c5 - d5 - e5 - - .
        g5 a5 c6 - d6 c6 a5 - g5 a5 g5 e5 d5 - - . e5 d5 c5 - d5 e5 g5 - e5 d5 c5 - c5 - - ."
  echo "$tune $tune $tune" | tr ' ' '\n' | grep -v '^$' |
    awk -v e="$eighth" '
      function freq(n,   names, i, o) {
        names = "c c# d d# e f f# g g# a a# b"
        split(names, k, " ")
        for (i = 1; i <= 12; i++) if (k[i] == substr(n, 1, length(n) - 1)) break
        o = substr(n, length(n)) + 0
        return 440 * 2 ^ (((o + 1) * 12 + i - 1 - 69) / 12)
      }
      $1 == "-" { if (last != "") len += e; next }
      { if (last != "") print last, len; last = ""; len = e
        if ($1 == ".") print "rest", e; else last = freq($1) }
      END { if (last != "") print last, len }' > "$work/notes.txt"
  n=0
  parts=""
  while read -r f length; do
    n=$((n + 1))
    part="$work/m$n.wav"
    if [ "$f" = rest ]; then
      sox -n $wav "$part" trim 0 "$length"
    else
      sox -n $wav "$part" synth "$length" pluck "$f" fade l 0.005 "$length" 0.1 gain -3
    fi
    parts="$parts $part"
  done < "$work/notes.txt"
  sox $parts "$work/tune.wav"
  # chords, two bars each: C, Am, F, G
  bar=$(awk -v e="$eighth" 'BEGIN { print e * 16 }')
  chords=""
  k=0
  for chord in "261.63 329.63 392.00" "220.00 261.63 329.63" "174.61 220.00 261.63" "196.00 246.94 293.66"; do
    k=$((k + 1))
    set -- $chord
    sox -n $wav "$work/c$k.wav" synth "$bar" sine "$1" sine "$2" sine "$3" channels 1 \
      fade h 0.4 "$bar" 0.6 gain -14
    chords="$chords $work/c$k.wav"
  done
  sox $chords $chords $chords "$work/pad.wav"
  length=$(soxi -D "$work/tune.wav")
  sox -n $wav "$work/rain.wav" synth "$length" brownnoise lowpass 1800 highpass 300 \
    tremolo 0.2 40 gain -30
  sox -m "$work/tune.wav" "$work/pad.wav" "$work/rain.wav" $wav "$work/music.wav" \
    trim 0 "$length" lowpass 5000 reverb 40 fade q 1 "$length" 4 gain -n -18
  lame --quiet -m m -b 128 --tt "Morning Rain" --ta "Nubrello" --add-id3v2 \
    "$work/music.wav" "$out/MorningRain.mp3"
}

bell
buzz
pop
children
music
lame --quiet --decode "$out/MorningRain.mp3" "$work/decoded.wav"
for f in Bell2.wav buzz.wav pop.wav children.wav; do
  printf '%s: %s s\n' "$f" "$(soxi -D "$out/$f")"
done
printf 'MorningRain.mp3: %s s\n' "$(soxi -D "$work/decoded.wav")"
