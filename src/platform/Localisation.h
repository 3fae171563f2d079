#pragma once

// The suite's localisation library. No translations are deployed here, so every
// text comes back as it was given. The caller copies the result at once.
const char* LOC_Translate(const char* section, const char* file, const char* type,
                          const char* text);
