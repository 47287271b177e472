#include "glyphs.h"

#include "gui/classes/stream.h"
#include "platform/resources/resources.h"

namespace buttontest {

// Where the program embeds its own glyphs, those stay: the first registration of a name
// holds. Tests of the standard kinds rely only on what both share, two 16 x 16 cells.
void RegisterStandardGlyphStandIns() {
    static const bool registered = [] {
        // The data must outlive every use of the registrations.
        static TMemoryStream file;
        GlyphStrip(2)->SaveToStream(file);
        for (const char* name : {"STDGLYPH_OK", "STDGLYPH_CANCEL", "STDGLYPH_HELP", "STDGLYPH_YES",
                                 "STDGLYPH_NO", "STDGLYPH_CLOSE", "STDGLYPH_ABORT",
                                 "STDGLYPH_RETRY", "STDGLYPH_IGNORE", "STDGLYPH_ALL"})
            resources::TResourceRegistration(name, file.Bytes());
        return true;
    }();
    (void)registered;
}

} // namespace buttontest
