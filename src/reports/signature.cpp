#include "reports/layouts.h"

namespace reports::layouts {

void coveringSignature(Band& band, int left, int top)
{
    const FontSpec font = arial(9.75);
    band.label("Label29", left, top, "PT. TEMBARA (PERSERO").font(font);
    band.label("Label30", left - 450, top + 240, "A.n. KADEPDIKLAT DITRENBANG").font(font);
    band.label("Label31", left + 285, top + 1695, "SEKAR LANTIH").font(font.bold());
    band.label("Label32", left - 120, top + 1950, "KASUBDEP SESDIK").font(font);
}

} // namespace reports::layouts
