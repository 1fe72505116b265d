/* Region oracle: builds shapes with the Win32 region calls and prints their rectangle lists.
 *
 * salon::Region reimplements the platform's polygon, ellipse and rounded-rectangle regions; Wine's
 * gdi32 carries the platform's own scan conversion, so the rectangles it gives back are the
 * expected answers. The output is kept as test data (tests/platform/data/region-oracle.txt) and
 * RegionOracleTest compares salon::Region against it; neither CI nor the build needs Wine.
 *
 * Offline, on Debian (packages wine64 and gcc-mingw-w64-x86-64):
 *   x86_64-w64-mingw32-gcc -O2 -o oracle.exe tools/regionoracle/oracle.c -lgdi32
 *   python3 tools/regionoracle/shapes.py > tools/regionoracle/shapes.txt
 *   wine oracle.exe < tools/regionoracle/shapes.txt > region-oracle.txt
 * (Debian installs the loader as /usr/lib/wine/wine64.) The shapes salon::Region deliberately does not
 * reproduce are moved from that output to disagreements.txt; the rest is
 * tests/platform/data/region-oracle.txt.
 *
 * Input, one shape a line ('#' starts a comment line):
 *   rect L T R B                       CreateRectRgn
 *   ellipse L T R B                    CreateEllipticRgn
 *   roundrect L T R B W H              CreateRoundRectRgn
 *   polygon MODE N x1 y1 ... xN yN     CreatePolygonRgn, MODE = alternate | winding
 *   polypolygon MODE K c1 .. cK x1 y1 ...   CreatePolyPolygonRgn
 * Output: each shape line as read, then "= n" and the n rectangles "l t r b" one a line in
 * GetRegionData order; "= fail" when the call gave no region; "= undefined" when the answer
 * changed with what the heap held before the call (the call read memory it never wrote).
 */
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The region's rectangles as "l t r b" lines, or NULL when the call gave no region. */
static char* regionText(HRGN rgn)
{
    DWORD size, i;
    RGNDATA* data;
    const RECT* r;
    char* text;
    size_t used = 0;
    if (!rgn) return NULL;
    size = GetRegionData(rgn, 0, NULL);
    data = (RGNDATA*)malloc(size);
    if (!data || GetRegionData(rgn, size, data) != size) {
        free(data);
        DeleteObject(rgn);
        return NULL;
    }
    r = (const RECT*)data->Buffer;
    text = (char*)malloc(64 + 48 * (size_t)data->rdh.nCount);
    used += sprintf(text, "= %lu\n", (unsigned long)data->rdh.nCount);
    for (i = 0; i < data->rdh.nCount; ++i)
        used += sprintf(text + used, "%ld %ld %ld %ld\n", (long)r[i].left, (long)r[i].top, (long)r[i].right,
                        (long)r[i].bottom);
    free(data);
    DeleteObject(rgn);
    return text;
}

/* Leaves freed region memory of many sizes full of rectangles far from every test shape, so that
 * a region call that hands back memory it never wrote shows up as a difference between runs. */
static void poisonHeap(int base)
{
    static HRGN held[400];
    static POINT pts[4 * 400];
    static INT counts[400];
    int n, i;
    for (n = 1; n <= 400; n += (n < 80 ? 1 : 7)) {
        for (i = 0; i < n; ++i) {
            int x = base + 3 * i, y = base + 2 * i + (n & 3);
            pts[4 * i].x = x; pts[4 * i].y = y;
            pts[4 * i + 1].x = x + 1 + (n % 5); pts[4 * i + 1].y = y;
            pts[4 * i + 2].x = x + 1 + (n % 5); pts[4 * i + 2].y = y + 1;
            pts[4 * i + 3].x = x; pts[4 * i + 3].y = y + 1;
            counts[i] = 4;
        }
        held[n % 400] = CreatePolyPolygonRgn(pts, counts, n, ALTERNATE);
        if (held[n % 400]) DeleteObject(held[n % 400]);
    }
}

/* Reads whitespace-separated integers from the rest of the line. */
static int readInts(char** cursor, long* out, int most)
{
    int n = 0;
    char* end;
    while (n < most) {
        long v = strtol(*cursor, &end, 10);
        if (end == *cursor) break;
        out[n++] = v;
        *cursor = end;
    }
    return n;
}

struct Shape {
    char kind[32];
    int fill, polys;
    long v[8];
    INT counts[1024];
    POINT pts[4096];
};

/* Parses one input line; 0 when it is not a shape this program knows. */
static int parseShape(char* line, struct Shape* s)
{
    static long v[1 << 14];
    char mode[32];
    char* cursor;
    int used = 0, i, total = 0;
    if (sscanf(line, "%31s%n", s->kind, &used) != 1) return 0;
    cursor = line + used;
    if (!strcmp(s->kind, "rect") || !strcmp(s->kind, "ellipse"))
        return readInts(&cursor, s->v, 4) == 4;
    if (!strcmp(s->kind, "roundrect"))
        return readInts(&cursor, s->v, 6) == 6;
    if (strcmp(s->kind, "polygon") && strcmp(s->kind, "polypolygon")) return 0;
    if (sscanf(cursor, "%31s%n", mode, &used) != 1) return 0;
    cursor += used;
    s->fill = !strcmp(mode, "winding") ? WINDING : ALTERNATE;
    if (!strcmp(s->kind, "polygon")) {
        s->polys = 1;
        if (readInts(&cursor, v, 1) != 1) return 0;
        s->counts[0] = (INT)v[0];
    } else {
        if (readInts(&cursor, v, 1) != 1 || v[0] < 1 || v[0] > 1024) return 0;
        s->polys = (int)v[0];
        if (readInts(&cursor, v, s->polys) != s->polys) return 0;
        for (i = 0; i < s->polys; ++i) s->counts[i] = (INT)v[i];
    }
    for (i = 0; i < s->polys; ++i) total += s->counts[i];
    if (total < 0 || total > 4096 || readInts(&cursor, v, 2 * total) != 2 * total) return 0;
    for (i = 0; i < total; ++i) {
        s->pts[i].x = v[2 * i];
        s->pts[i].y = v[2 * i + 1];
    }
    return 1;
}

static HRGN makeRegion(const struct Shape* s)
{
    const long* v = s->v;
    if (!strcmp(s->kind, "rect")) return CreateRectRgn(v[0], v[1], v[2], v[3]);
    if (!strcmp(s->kind, "ellipse")) return CreateEllipticRgn(v[0], v[1], v[2], v[3]);
    if (!strcmp(s->kind, "roundrect")) return CreateRoundRectRgn(v[0], v[1], v[2], v[3], v[4], v[5]);
    if (s->polys == 1) return CreatePolygonRgn(s->pts, s->counts[0], s->fill);
    return CreatePolyPolygonRgn(s->pts, s->counts, s->polys, s->fill);
}

int main(void)
{
    static char line[1 << 16];
    static struct Shape shape;
    _setmode(_fileno(stdout), _O_BINARY);
    while (fgets(line, sizeof line, stdin)) {
        char *plain, *poisoned1, *poisoned2;
        size_t len = strlen(line);
        while (len && (line[len - 1] == '\n' || line[len - 1] == '\r')) line[--len] = 0;
        if (!len || line[0] == '#') continue;
        printf("%s\n", line);
        if (!parseShape(line, &shape)) {
            printf("= bad\n");
            continue;
        }
        plain = regionText(makeRegion(&shape));
        poisonHeap(20000);
        poisoned1 = regionText(makeRegion(&shape));
        poisonHeap(-30000);
        poisoned2 = regionText(makeRegion(&shape));
        /* A call that answers differently depending on what memory held before has read memory it
         * never wrote: its answer is no reference for anything. */
        if (!plain || !poisoned1 || !poisoned2)
            printf("= fail\n");
        else if (strcmp(plain, poisoned1) || strcmp(plain, poisoned2))
            printf("= undefined\n");
        else
            fputs(plain, stdout);
        free(plain);
        free(poisoned1);
        free(poisoned2);
    }
    return 0;
}
