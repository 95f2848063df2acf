# Reads one line per drink kind: its name and the mean sRGB colour (0-255) of its pixels. Prints the
# closest pair in CIELAB (CIE76 difference, D65) for normal vision and for full deuteranopia,
# protanopia and tritanopia simulated after Machado, Oliveira and Fernandes (2009, severity 1.0),
# applied to linear RGB; exits 1 if a pair is closer than `normal` or, in a simulation, than `cvd`.
# Usage: awk -v normal=20 -v cvd=10 -f kinds_apart.awk
function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
function clip(v) { return v < 0 ? 0 : v > 1 ? 1 : v }
function f(t) { return t > 216 / 24389 ? t ^ (1 / 3) : (24389 / 27 * t + 16) / 116 }
function to_lab(i, r, g, b,   x, y, z) {
  x = f((0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047)
  y = f(0.2126729 * r + 0.7151522 * g + 0.0721750 * b)
  z = f((0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883)
  L[i] = 116 * y - 16; A[i] = 500 * (x - y); B[i] = 200 * (y - z)
}
BEGIN {
  split("normal deuteranopia protanopia tritanopia", vision, " ")
  split("1 0 0 0 1 0 0 0 1 " \
        "0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881 " \
        "0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998 " \
        "1.255528 -0.076749 -0.178779 -0.078411 0.930809 0.147602 0.004733 0.691367 0.303900", m, " ")
}
{ n++; kind[n] = $1; r[n] = linear($2); g[n] = linear($3); b[n] = linear($4) }
END {
  bad = 0
  for (v = 1; v <= 4; v++) {
    o = (v - 1) * 9
    for (i = 1; i <= n; i++)
      to_lab(i, clip(m[o + 1] * r[i] + m[o + 2] * g[i] + m[o + 3] * b[i]),
             clip(m[o + 4] * r[i] + m[o + 5] * g[i] + m[o + 6] * b[i]),
             clip(m[o + 7] * r[i] + m[o + 8] * g[i] + m[o + 9] * b[i]))
    closest = 1e9
    for (i = 1; i < n; i++)
      for (j = i + 1; j <= n; j++) {
        d = sqrt((L[i] - L[j]) ^ 2 + (A[i] - A[j]) ^ 2 + (B[i] - B[j]) ^ 2)
        if (d < closest) { closest = d; pair = kind[i] " and " kind[j] }
      }
    least = v == 1 ? normal : cvd
    printf "%s: closest kinds %s, delta E %.1f (at least %d)\n", vision[v], pair, closest, least
    if (closest < least) bad = 1
  }
  exit bad
}
