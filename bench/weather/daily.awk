# Hourly station file (A and B line per hour) to one line per complete day:
# day, radiation total (MJ/m2), maximum, minimum, rainfall - what a user would
# script instead of the import.
{ sub(/\r$/, "") }
NR % 2 == 1 {
    day = substr($0, 13, 6) + 0
    if (n && day != cur) flush()
    cur = day; n++
    rad += substr($0, 33, 6)
    t = substr($0, 54, 5) + 0
    if (n == 1 || t > mx) mx = t
    if (n == 1 || t < mn) mn = t
    next
}
{ rain += substr($0, 33, 6) }
function flush() {
    if (n == 24) printf "%d %06.2f %05.1f %05.1f %05.1f\n", cur, rad * 3600 / 1e6, mx, mn, rain
    n = 0; rad = 0; rain = 0
}
END { if (n) flush() }
