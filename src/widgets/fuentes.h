#pragma once

// The face the design names for the count and the captions, MS Sans Serif, is missing on Linux,
// under Wine and from some Windows installs. Qt would then fall back to the application's default
// face, which can be a serif (Wine without its own fonts gives Century Schoolbook). From this call
// on, a missing MS Sans Serif is drawn with the nearest sans-serif face the system has, its
// TrueType twin Microsoft Sans Serif first. Call once, after the application object exists.
void SustituirFuenteDeDiseno();
