#include "platform/Localisation.h"

const char* LOC_Translate(const char* /*section*/, const char* /*file*/, const char* /*type*/,
                          const char* text) {
    return text;
}
