#include "model/C1ZirfInput.h"

#include "host/C1QEL.h"
#include "host/TextZeile.h"

int C1ZirfInput::FindTextKeyword(const std::string& keyword) {
    if (pQEL->GetInputFile() == nullptr) {
        pQEL->FatalError("Eingabedatei nicht vorhanden");
    }
    pQEL->RewindIn();
    for (;;) {
        const int art = pQEL->ReadIn(zeile);
        if (art == C1QEL::kZeileEnde) {
            return 0;
        }
        if (art == C1QEL::kZeileSchluessel && TextZeileErstesWort(zeile) == keyword) {
            pQEL->ReadIn(zeile);
            return 1;
        }
    }
}

int C1ZirfInput::ReadTextInput() {
    switch (pQEL->ReadIn(zeile)) {
    case C1QEL::kZeileSchluessel:
        return kTextKapitel;
    case C1QEL::kZeileEnde:
        return kTextEnde;
    default:
        return kTextDaten;
    }
}

int C1ZirfInput::CreateHelper() {
    if (!pHelper) {
        pHelper = std::make_unique<SHelper>();
    }
    return 1;
}

C1ZirfInput::SHelper* C1ZirfInput::GetHelper() {
    CreateHelper();
    return pHelper.get();
}
