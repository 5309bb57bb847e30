#include "qvtcfg/StylePreview.h"

void PaintLauncherPreview(forms::TCanvas& /*canvas*/, const forms::TRect& /*box*/,
                          const TStylePreviewInput& /*input*/, TPreviewGlyphs& /*glyphs*/) {}

void PaintHintSample(forms::TCanvas& /*canvas*/, const forms::TRect& /*r*/, int /*x*/, int /*y*/,
                     const TStylePreviewInput& /*input*/, TPreviewGlyphs& /*glyphs*/) {}
